#include "widgets/Assets.h"

#include <QApplication>
#include <QIcon>
#include <QtGlobal>

// The resource initialiser must be called from outside any namespace.
static void InitAssetsResource() {
    Q_INIT_RESOURCE(assets);
}

namespace dunemark {

void InitAssets() {
    InitAssetsResource();
    // Every window without an icon of its own shows the game's: the story, the boxes, and the name
    // prompt, which may open while no window of the game is active to take one from.
    QApplication::setWindowIcon(GameIcon());
}

QIcon GameIcon() {
    return QIcon(QStringLiteral(":/assets/logo.svg"));
}

} // namespace dunemark
