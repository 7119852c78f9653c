#include "widgets/SvgPicture.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

namespace dunemark {

SvgPicture::SvgPicture(const QString& resourcePath, QWidget* parent)
    : QWidget(parent) {
    SetPicture(resourcePath);
}

void SvgPicture::SetPicture(const QString& resourcePath) {
    resourcePath_ = resourcePath;
    if (resourcePath.isEmpty() || !QFile::exists(resourcePath))
        renderer_.load(QByteArray());
    else
        renderer_.load(resourcePath);
    update();
}

void SvgPicture::paintEvent(QPaintEvent*) {
    if (!renderer_.isValid())
        return;
    QPainter painter(this);
    renderer_.render(&painter, rect());
}

void SvgPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace dunemark
