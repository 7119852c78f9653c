// Another run of the game on the same store, for the tests that kill it halfway or run several
// at once. The store is the one under XDG_CONFIG_HOME.
//   store_helper add NAME FIRST COUNT  adds COUNT entries for NAME, totals FIRST, FIRST + 1, ...,
//                                      printing each total once it is stored
//   store_helper stop NAME TOTAL       adds one entry, but once it holds the store's lock, just
//                                      before the entry is stored, prints a line and stops itself
//   store_helper show                  prints the ten places, one "name<TAB>date<TAB>total" a line
#include "platform/doubles/Fakes.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/HighScoreTable.h"

#include <QCoreApplication>
#include <csignal>
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
        for (long total = first; total < first + std::atol(argv[4]); ++total) {
            table.AddHighScore(static_cast<std::int32_t>(total), [&] { return argv[2]; });
            std::printf("%ld\n", total);
            std::fflush(stdout);
        }
    } else if (mode == "stop" && argc == 4) {
        store.Update("Dunemark", [&](SettingsStore& locked) {
            HighScoreTable held(locked, clock);
            held.LoadHighScores();
            held.AddHighScore(std::atoi(argv[3]), [&] { return argv[2]; });
            std::puts("stopping");
            std::fflush(stdout);
            raise(SIGSTOP);
        });
    } else if (mode == "show" && argc == 2) {
        table.LoadHighScores();
        for (const HighScoreEntry& entry : table.Entries())
            std::printf("%s\t%s\t%d\n", entry.Name.c_str(), entry.Date.c_str(), entry.Total);
    } else {
        std::fputs("usage: store_helper add NAME FIRST COUNT | stop NAME TOTAL | show\n", stderr);
        return 2;
    }
    return 0;
}
