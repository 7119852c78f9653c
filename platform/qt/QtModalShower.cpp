#include "platform/qt/QtModalShower.h"

#include <QDialog>

namespace dunemark {

int QtModalShower::ShowModal(QDialog& dialog) {
    return dialog.exec();
}

} // namespace dunemark
