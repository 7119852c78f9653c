#include "RandomPlayer.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace dunemark {
namespace {

// A few hundred games by default; DUNEMARK_SOAK_GAMES asks for more (or fewer), DUNEMARK_SEED
// plays the games that begin at that seed again.
constexpr unsigned long DefaultGames = 300;
// A game that has gone on this long without ending has lost its way.
constexpr int MostActions = 5000;
// Actions after the end: menus, clicks on what is disabled, perhaps a new game.
constexpr int ActionsAfterTheEnd = 5;
constexpr std::size_t ActionsRemembered = 12;

unsigned long FromEnvironment(const char* name, unsigned long otherwise) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 10) : otherwise;
}

std::string Describe(const std::vector<std::string>& broken, const std::deque<std::string>& last) {
    std::ostringstream text;
    for (const std::string& rule : broken)
        text << "  " << rule << '\n';
    text << "after:";
    for (const std::string& action : last)
        text << ' ' << action << ',';
    return text.str();
}

TEST(RandomPlayTest, GamesPlayedAtRandomKeepEveryRule) {
    const unsigned long games = FromEnvironment("DUNEMARK_SOAK_GAMES", DefaultGames);
    const auto firstSeed =
        static_cast<std::uint32_t>(FromEnvironment("DUNEMARK_SEED", std::random_device()()));
    std::printf("Random play: %lu games from seed %u\n", games, firstSeed);
    std::fflush(stdout);

    unsigned long actions = 0;
    for (unsigned long game = 0; game < games; ++game) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(game);
        SCOPED_TRACE("replay with DUNEMARK_SEED=" + std::to_string(seed) +
                     " DUNEMARK_SOAK_GAMES=1");
        RandomPlayer player(seed);
        std::deque<std::string> last;
        int afterTheEnd = 0;
        for (int n = 0; afterTheEnd < ActionsAfterTheEnd; ++n) {
            ASSERT_LT(n, MostActions) << "the game never ended";
            last.push_back(player.Act());
            if (last.size() > ActionsRemembered)
                last.pop_front();
            ++actions;
            std::vector<std::string> broken =
                BrokenInvariants(player.Vars(), player.Window(), player.Seen());
            broken.insert(broken.end(), player.Faults().begin(), player.Faults().end());
            ASSERT_TRUE(broken.empty()) << "action " << n << " broke:\n" << Describe(broken, last);
            afterTheEnd = player.Seen().over ? afterTheEnd + 1 : 0;
        }
    }
    std::printf("Random play: %lu games, %lu actions\n", games, actions);
}

} // namespace
} // namespace dunemark
