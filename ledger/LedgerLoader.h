#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace dunemark {

class LedgerModule;

// Finds the ledger's module and loads it the first time it is asked for; it then stays loaded
// for as long as the program runs.
class LedgerLoader {
    Q_DECLARE_TR_FUNCTIONS(LedgerLoader)
public:
    // Looks for the module as each of `files` in turn and takes the first that exists.
    explicit LedgerLoader(QStringList files);

    // Where the game keeps its module: beside the program, as in the build folder, and then in
    // its private folder of the installed game, both found from the program's own place.
    static QStringList GameFiles();

    // The module, or nullptr with `why` telling the player, in plain words, what went wrong.
    LedgerModule* Module(QString& why);

    // The module once loaded, or nullptr.
    LedgerModule* Loaded() const { return module_; }

private:
    QStringList files_;
    LedgerModule* module_ = nullptr;
};

} // namespace dunemark
