#pragma once

#include <QLineEdit>

namespace dunemark {

// A box that holds a figure. To a screen reader its whole text is one stretch of the same
// formatting: Qt 6.4 reports an empty stretch at every character of a line edit, and Orca 43
// builds its reading from those stretches, dropping the last digit ("1820" heard as "182").
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent = nullptr);
};

} // namespace dunemark
