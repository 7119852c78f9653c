#include "ledger/LedgerLoader.h"

#include "ledger/LedgerModule.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <utility>

namespace dunemark {

namespace {

const QString ModuleName = QStringLiteral("ledger.so");

QString Shown(const QString& file) {
    return QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
}

} // namespace

LedgerLoader::LedgerLoader(QStringList files)
    : files_(std::move(files)) {}

QStringList LedgerLoader::GameFiles() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(ModuleName),
            program.filePath(QStringLiteral(DUNEMARK_LEDGER_PLACE "/") + ModuleName)};
}

LedgerModule* LedgerLoader::Module(QString& why) {
    if (module_)
        return module_;
    QString file;
    for (const QString& place : files_) {
        if (QFileInfo::exists(place)) {
            file = place;
            break;
        }
    }
    if (file.isEmpty()) {
        QStringList looked;
        for (const QString& place : files_)
            looked << Shown(place);
        why = tr("The ledger could not be opened: the file that holds it is missing.\n\n"
                 "It was looked for as:\n%1")
                  .arg(looked.join(QLatin1Char('\n')));
        return nullptr;
    }
    QPluginLoader loader(file);
    // The ledger's windows come from the module: it must outlast them all.
    loader.setLoadHints(QLibrary::PreventUnloadHint);
    QObject* root = loader.instance();
    if (!root) {
        why = tr("The ledger could not be opened: the file that holds it, %1, could not be "
                 "loaded.\n\n%2")
                  .arg(Shown(file), loader.errorString());
        return nullptr;
    }
    module_ = qobject_cast<LedgerModule*>(root);
    if (!module_)
        why = tr("The ledger could not be opened: the file that holds it, %1, belongs to another "
                 "version of the game.")
                  .arg(Shown(file));
    return module_;
}

} // namespace dunemark
