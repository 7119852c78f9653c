#include "widgets/NumberEdit.h"

namespace dunemark {

NumberEdit::NumberEdit(QWidget* parent)
    : QLineEdit(parent) {}

} // namespace dunemark
