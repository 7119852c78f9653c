#include "forms/SvgPicture.h"

#include <QFile>
#include <QPainter>

namespace dunemark {

SvgPicture::SvgPicture(const QString& resourcePath, QWidget* parent)
    : QWidget(parent)
    , resourcePath_(resourcePath) {
    // Loading a missing file would only fill the log with warnings.
    if (QFile::exists(resourcePath_))
        renderer_.load(resourcePath_);
}

void SvgPicture::paintEvent(QPaintEvent* /*event*/) {
    if (!renderer_.isValid())
        return;
    QPainter painter(this);
    renderer_.render(&painter, rect());
}

} // namespace dunemark
