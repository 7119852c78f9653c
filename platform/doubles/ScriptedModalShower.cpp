#include "platform/doubles/ScriptedModalShower.h"

#include <QDialog>

namespace dunemark {

int ScriptedModalShower::ShowModal(QDialog& dialog) {
    shownTitles.push_back(dialog.windowTitle());
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (!scripts.empty()) {
        Script script = std::move(scripts.front());
        scripts.pop_front();
        script(dialog);
    } else if (fallback) {
        fallback(dialog);
    }
    if (dialog.isVisible())
        dialog.close();
    return dialog.result();
}

} // namespace dunemark
