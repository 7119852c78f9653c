#pragma once

#include <QLabel>
#include <functional>
#include <initializer_list>

namespace dunemark {

// A label for a number that must be read whole: a text too wide for the label is drawn in a
// smaller size of the label's face instead of being cut off at one end.
class FitLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The largest size of `face`, from its own down to a least size that stays legible, at which
    // `fits` holds; the least when none does.
    static QFont LargestFitting(QFont face, const std::function<bool(const QFont&)>& fits);

    // The label's face, made smaller until the text fits its width (down to a least size that
    // stays legible).
    QFont FittedFont() const;

    // Gives a word-wrapped `label` the largest size of `face` at which its whole text fits the
    // label's height.
    static void FitWrapped(QLabel& label, const QFont& face);
    // Gives labels that stand in a row one face: their own where each one's text fits in it,
    // else `narrow` (a narrower face of theirs) at the largest size at which each one's does. A
    // narrower face keeps a longer word nearer the design's size than a smaller one would.
    static void ShareOneSize(std::initializer_list<FitLabel*> labels, const QFont& narrow);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool Fits(const QFont& face) const;
};

} // namespace dunemark
