#pragma once

#include "platform/ModalShower.h"
#include "platform/doubles/Fakes.h"

#include <QDialog>

namespace dunemark {

// Instead of a nested event loop, shows the dialog and runs the next script on it: the script
// types, clicks and closes, and the caller then goes on as after a real modal showing. A dialog
// still open once its script has run (or with no script) is closed with its close box. With the
// queue empty, `fallback` (when set) plays the dialog instead, however many open.
struct ScriptedModalShower final : ModalShower {
    using Script = std::function<void(QDialog&)>;

    int ShowModal(QDialog& dialog) override {
        shownTitles.push_back(dialog.windowTitle());
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        const Script script = TakeFront(scripts, fallback);
        if (script)
            script(dialog);
        if (dialog.isVisible())
            dialog.close();
        return dialog.result();
    }

    std::deque<Script> scripts;
    Script fallback;
    std::vector<QString> shownTitles;
};

} // namespace dunemark
