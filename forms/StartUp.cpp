#include "forms/StartUp.h"

#include "forms/frmMain.h"
#include "forms/frmStory.h"
#include "platform/qt/CentreOver.h"

namespace dunemark {

StartUp::StartUp(Platform& platform)
    : platform_(platform) {}

StartUp::~StartUp() {
    delete story_;
}

frmStory* StartUp::Story() const {
    return story_;
}

void StartUp::Begin() {
    story_ = new frmStory([this] { ShowMain(); });
    story_->show();
}

void StartUp::ShowMain() {
    if (!main_)
        main_ = std::make_unique<frmMain>(vars_, platform_);
    BringToFront(*main_);
}

} // namespace dunemark
