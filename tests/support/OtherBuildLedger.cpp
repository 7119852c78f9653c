// A ledger module of this very version from another build: its declarations may differ from
// this build's, so the game must not take it.
#include "ledger/LedgerModule.h"

#include <QObject>

class OtherBuildLedger final : public QObject, public dunemark::LedgerModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DUNEMARK_LEDGER_MODULE_IID)
    Q_INTERFACES(dunemark::LedgerModule)

public:
    QDialog* CreateLedger(const dunemark::MainTables&, QWidget*) override { return nullptr; }
    void Refresh(QDialog&) override {}
};

#include "OtherBuildLedger.moc"
