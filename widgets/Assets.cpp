#include "widgets/Assets.h"

#include <QtGlobal>

// The resource initialiser must be called from outside any namespace.
static void InitAssetsResource() {
    Q_INIT_RESOURCE(assets);
}

namespace dunemark {

void InitAssets() {
    InitAssetsResource();
}

} // namespace dunemark
