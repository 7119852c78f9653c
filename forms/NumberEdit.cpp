#include "forms/NumberEdit.h"

#include "forms/Accessibility.h"

namespace dunemark {

NumberEdit::NumberEdit(QWidget* parent)
    : QLineEdit(parent) {
    InstallAccessibility();
}

} // namespace dunemark
