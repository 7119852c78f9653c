#include "platform/qt/QtLinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace dunemark {

void QtLinkOpener::Open(const std::string& link) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(link)));
}

} // namespace dunemark
