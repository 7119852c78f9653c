#include "widgets/Assets.h"

#include "widgets/RenderSvg.h"

#include <QIcon>
#include <QtGlobal>

// The resource initialiser must be called from outside any namespace.
static void InitAssetsResource() {
    Q_INIT_RESOURCE(assets);
}

namespace dunemark {

void InitAssets() {
    InitAssetsResource();
}

QIcon GameIcon() {
    return SvgIcon(QStringLiteral(":/assets/logo.svg"));
}

} // namespace dunemark
