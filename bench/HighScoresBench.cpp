// How long the high-score window takes to open when the store has grown huge: from the menu
// entry to the window drawn, and then the first name's tool tip shown, as the mouse resting on
// it shows it. Each run reads the store from a directory never read before, as a fresh start of
// the game does.
//   highscores_bench [RUNS]
#include "core/DeclareVars.h"
#include "forms/frmHighScores.h"
#include "platform/ClockSeededRandom.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtInputBox.h"
#include "platform/qt/QtLinkOpener.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtModalShower.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/SystemClock.h"
#include "widgets/Assets.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolTip>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

using namespace dunemark;

constexpr qsizetype MiB = 1024 * 1024;

QByteArray JunkLines(qsizetype size) {
    QByteArray text("[Scores]\nName0=Ann\nDate0=06/12/2026\nTime0=5000\n");
    for (int line = 0; text.size() < size; ++line)
        text += "junk line " + QByteArray::number(line) +
                (line % 3 ? QByteArray(" = some value, more, \"quoted\"\n") : "\n");
    return text;
}

QByteArray OneLongName(qsizetype size) {
    return "[Scores]\nName0=" + QByteArray(size, 'A') + "\nDate0=06/12/2026\nTime0=5000\n";
}

struct Timing {
    qint64 openMs;
    qint64 openCpuMs; // the processor time of it, which a busy machine does not stretch
    qint64 toolTipMs;
};

qint64 CpuMs() {
    return static_cast<qint64>(std::clock()) * 1000 / CLOCKS_PER_SEC;
}

Timing OpenOnce(const QByteArray& store, Platform& platform) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("Dunemark")));
    QFile file(dir.filePath(QStringLiteral("Dunemark/Dunemark.conf")));
    if (file.open(QIODevice::WriteOnly))
        file.write(store);
    file.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());

    DeclareVars vars; // a final total of 0, as from the menu: no name is asked
    QElapsedTimer timer;
    timer.start();
    const qint64 cpuStart = CpuMs();
    frmHighScores window(vars, platform);
    window.show();
    window.repaint();
    QApplication::processEvents();
    const qint64 openCpuMs = CpuMs() - cpuStart;
    const qint64 openMs = timer.restart();

    QLabel* name = window.lblHighName[0];
    const QPoint middle = name->rect().center();
    QHelpEvent help(QEvent::ToolTip, middle, name->mapToGlobal(middle));
    QApplication::sendEvent(name, &help);
    QApplication::processEvents();
    const qint64 toolTipMs = timer.elapsed();
    QToolTip::hideText();
    return {openMs, openCpuMs, toolTipMs};
}

qint64 Median(std::vector<qint64> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InitAssets();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    QtMessageBox messages;
    QtInputBox input;
    QtSettingsStore settings;
    SystemClock clock;
    ClockSeededRandom random(1);
    QtLinkOpener links;
    QtModalShower modal;
    QtClipboard clipboard;
    Platform platform{messages, input, settings, clock, random, links, modal, clipboard};

    const struct {
        const char* name;
        QByteArray store;
    } stores[] = {
        {"10 MB of junk lines", JunkLines(10 * MiB)},
        {"one 10 MB name", OneLongName(10 * MiB)},
        {"one 1 MB name", OneLongName(MiB)},
    };
    std::printf("%-22s %10s %14s %14s   (median of %d runs)\n", "store", "open (ms)",
                "processor (ms)", "tool tip (ms)", runs);
    for (const auto& store : stores) {
        std::vector<qint64> open, cpu, toolTip;
        for (int run = 0; run < runs; ++run) {
            const Timing timing = OpenOnce(store.store, platform);
            open.push_back(timing.openMs);
            cpu.push_back(timing.openCpuMs);
            toolTip.push_back(timing.toolTipMs);
        }
        std::printf("%-22s %10lld %14lld %14lld\n", store.name,
                    static_cast<long long>(Median(open)), static_cast<long long>(Median(cpu)),
                    static_cast<long long>(Median(toolTip)));
        std::fflush(stdout);
    }
    return 0;
}
