// The ledger's module of another version of the game: a Qt plugin that loads, whose interface is
// not this version's, for the test of a module the game must refuse.
#include <QObject>
#include <QtPlugin>

class OtherVersionLedger : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.Dunemark.LedgerModule/0.9.0")
};

#include "OtherVersionLedger.moc"
