// Another run of the game on the same store, for the tests that kill it halfway or run several
// at once. The store is the one under XDG_CONFIG_HOME.
//   store_helper add NAME FIRST COUNT  adds COUNT entries for NAME, totals FIRST, FIRST + 1, ...
//   store_helper show                  prints the ten places, one "name<TAB>date<TAB>total" a line
#include "platform/doubles/Fakes.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/HighScoreTable.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

using namespace dunemark;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QtSettingsStore store;
    FakeClock clock;
    HighScoreTable table(store, clock);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "add" && argc == 5) {
        table.LoadHighScores();
        const long first = std::atol(argv[3]);
        for (long total = first; total < first + std::atol(argv[4]); ++total)
            table.AddHighScore(static_cast<std::int32_t>(total), [&] { return argv[2]; });
    } else if (mode == "show" && argc == 2) {
        table.LoadHighScores();
        for (const HighScoreEntry& entry : table.Entries())
            std::printf("%s\t%s\t%d\n", entry.Name.c_str(), entry.Date.c_str(), entry.Total);
    } else {
        std::fputs("usage: store_helper add NAME FIRST COUNT | show\n", stderr);
        return 2;
    }
    return 0;
}
