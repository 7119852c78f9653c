#include "core/GameServices.h"

namespace dunemark {

void Tell(GameServices& services, const Said& said, MsgIcon icon) {
    services.messages.Show(services.speech.Say(said), std::string(AppTitle), icon, MsgButtons::Ok);
}

} // namespace dunemark
