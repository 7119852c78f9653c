// Writes and reads the high-score store through the program's own store, in a process of its
// own, for the tests that kill it halfway or run several at once:
//   store_helper tables FIRST COUNT    stores whole tables FIRST, FIRST + 1, ... one after another,
//                                      printing the number of each once it is stored
//   store_helper add NAME FIRST COUNT  adds COUNT entries for NAME, totals FIRST, FIRST + 1, ...
//   store_helper stop NAME TOTAL       adds one entry, but once it holds the store's lock, just
//                                      before the entry is stored, prints a line and stops itself
//   store_helper show                  prints the ten places, one "name<TAB>date<TAB>total" a line
// The store is the one under XDG_CONFIG_HOME.
#include "StoredTable.h"
#include "core/GameServices.h"
#include "platform/doubles/FakeClock.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/HighScoreTable.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace dunemark;

namespace {

int Usage() {
    std::fputs("usage: store_helper tables FIRST COUNT | add NAME FIRST COUNT | stop NAME TOTAL"
               " | show\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QtSettingsStore store;
    FakeClock clock;
    const std::string mode = argc > 1 ? argv[1] : "";

    if (mode == "tables" && argc == 4) {
        const long first = std::atol(argv[2]);
        for (long table = first; table < first + std::atol(argv[3]); ++table) {
            SaveWholeTable(store, table);
            std::printf("%ld\n", table);
            std::fflush(stdout);
        }
    } else if (mode == "add" && argc == 5) {
        HighScoreTable table(store, clock);
        table.LoadHighScores();
        const std::string name = argv[2];
        const long first = std::atol(argv[3]);
        for (long total = first; total < first + std::atol(argv[4]); ++total)
            table.AddHighScore(static_cast<std::int32_t>(total), [&] { return name; });
    } else if (mode == "stop" && argc == 4) {
        store.Update(std::string(AppTitle), [&](SettingsStore& locked) {
            HighScoreTable table(locked, clock);
            table.LoadHighScores();
            table.AddHighScore(std::atoi(argv[3]), [&] { return std::string(argv[2]); });
            std::puts("stopping");
            std::fflush(stdout);
            raise(SIGSTOP);
        });
    } else if (mode == "show" && argc == 2) {
        HighScoreTable table(store, clock);
        table.LoadHighScores();
        for (const HighScoreEntry& entry : table.Entries())
            std::printf("%s\t%s\t%d\n", entry.Name.c_str(), entry.Date.c_str(), entry.Total);
    } else {
        return Usage();
    }
    return 0;
}
