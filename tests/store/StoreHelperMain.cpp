// Another run of the game on the same store, for the tests that kill it halfway or run several
// at once. The store is the one under XDG_CONFIG_HOME.
//   store_helper tables FIRST COUNT    stores whole tables FIRST, FIRST + 1, ... one after another:
//                                      every place of table n names n (StoredTable.h)
//   store_helper add NAME FIRST COUNT  adds COUNT entries for NAME, totals FIRST, FIRST + 1, ...
//   store_helper show                  prints the ten places, one "name<TAB>date<TAB>total" a line
#include "StoredTable.h"
#include "platform/doubles/Fakes.h"
#include "platform/qt/QtSettingsStore.h"

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
    const long first = argc > 3 ? std::atol(argv[argc - 2]) : 0;
    const long count = argc > 3 ? std::atol(argv[argc - 1]) : 0;
    if (mode == "tables" && argc == 4) {
        for (long number = first; number < first + count; ++number)
            store.Update("Dunemark", [&](SettingsStore& locked) {
                for (int k = 0; k < HighScorePlaces; ++k) {
                    const HighScoreEntry entry = TablePlace(number, k);
                    const std::string place = std::to_string(k);
                    locked.SaveSetting("Dunemark", "Scores", "Name" + place, entry.Name);
                    locked.SaveSetting("Dunemark", "Scores", "Date" + place, entry.Date);
                    locked.SaveSetting("Dunemark", "Scores", "Time" + place,
                                       std::to_string(entry.Total));
                }
            });
    } else if (mode == "add" && argc == 5) {
        table.LoadHighScores();
        for (long total = first; total < first + count; ++total)
            table.AddHighScore(static_cast<std::int32_t>(total), [&] { return argv[2]; });
    } else if (mode == "show" && argc == 2) {
        table.LoadHighScores();
        for (const HighScoreEntry& entry : table.Entries())
            std::printf("%s\t%s\t%d\n", entry.Name.c_str(), entry.Date.c_str(), entry.Total);
    } else {
        std::fputs("usage: store_helper tables FIRST COUNT | add NAME FIRST COUNT | show\n",
                   stderr);
        return 2;
    }
    return 0;
}
