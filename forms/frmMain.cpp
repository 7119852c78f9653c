#include "forms/frmMain.h"

#include "core/NewGame.h"

#include <QLabel>

namespace dunemark {

frmMain::frmMain(DeclareVars& vars, Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , vars_(vars)
    , platform_(platform) {
    FillTables(tables_);
    ResetGame(vars_, tables_);
    setWindowTitle(QStringLiteral("Dunemark"));
    setCentralWidget(new QLabel(tr("Cash: %1").arg(vars_.Cash), this));
}

} // namespace dunemark
