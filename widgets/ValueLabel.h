#pragma once

#include "widgets/FitLabel.h"

namespace dunemark {

// A label that shows a figure (cash, a cost, a favour) beside a caption of its own. A screen
// reader finds it under the caption and the figure together, "Cash: 2,000", kept up to date as
// the figure changes; the game writes 0 as nothing, and the screen reader says 0. A figure too
// wide for the label is drawn smaller rather than cut.
class ValueLabel : public FitLabel {
    Q_OBJECT
public:
    explicit ValueLabel(const QString& caption, QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }

    // What a screen reader reads out.
    QString SpokenText() const;

private:
    QString caption_;
};

} // namespace dunemark
