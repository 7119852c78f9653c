#pragma once

#include <QLabel>

namespace dunemark {

// A label for a number that must be read whole: a text too wide for the label is drawn in a
// smaller size of the label's face instead of being cut off at one end.
class FitLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The least size a text is drawn at, and the steps by which it is made smaller.
    static constexpr double LeastPoints = 5.0;
    static constexpr double PointStep = 0.25;

    // The label's face, made smaller until the text fits its width (down to a least size that
    // stays legible).
    QFont FittedFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dunemark
