#pragma once

#include <QString>
#include <QSvgRenderer>
#include <QWidget>

namespace dunemark {

// A picture from the resources, stretched to fill its box. A picture that is missing or cannot
// be read leaves the box blank.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(const QString& resourcePath, QWidget* parent);

    const QString& ResourcePath() const { return resourcePath_; }
    bool HasPicture() const { return renderer_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resourcePath_;
    QSvgRenderer renderer_;
};

} // namespace dunemark
