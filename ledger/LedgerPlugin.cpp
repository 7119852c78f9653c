// The entry point of the ledger's module.
#include "ledger/LedgerBuildId.h"
#include "ledger/LedgerModule.h"
#include "ledger/frmLedger.h"

#include <QObject>

namespace dunemark {

class LedgerPlugin : public QObject, public LedgerModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DUNEMARK_LEDGER_MODULE_IID)
    Q_INTERFACES(dunemark::LedgerModule)
public:
    QDialog* CreateLedger(const MainTables& tables, QWidget* owner) override {
        return new frmLedger(tables, owner);
    }

    void Refresh(QDialog& ledger) override {
        if (auto* window = qobject_cast<frmLedger*>(&ledger))
            window->Refresh();
    }
};

} // namespace dunemark

#include "LedgerPlugin.moc"
