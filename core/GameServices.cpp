#include "core/GameServices.h"

#include <cmath>

namespace dunemark {

bool OneChanceIn(RandomSource& random, int n) {
    return std::floor(static_cast<double>(random.Rnd()) * n) == 1.0;
}

void Tell(GameServices& services, const Said& said, MsgIcon icon) {
    services.messages.Show(services.speech.Say(said), std::string(AppTitle), icon, MsgButtons::Ok);
}

} // namespace dunemark
