#pragma once

#include "core/DeclareVars.h"
#include "platform/Platform.h"

#include <QPointer>
#include <memory>

namespace dunemark {

class frmMain;
class frmStory;

// The program's start: the story first, then, once the player dismisses it, the main window
// and the first game. The one game state of the program lives here.
class StartUp {
public:
    explicit StartUp(Platform& platform);
    ~StartUp();

    void Begin();

    frmStory* Story() const;
    frmMain* Main() const { return main_.get(); }
    DeclareVars& Vars() { return vars_; }

private:
    void ShowMain();

    Platform& platform_;
    DeclareVars vars_;
    QPointer<frmStory> story_;
    std::unique_ptr<frmMain> main_;
};

} // namespace dunemark
