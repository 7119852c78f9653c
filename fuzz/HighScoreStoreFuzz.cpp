// Any contents of the high-score store's file, read as the game reads them: every place holds a
// usable total, and an entry added afterwards is stored and read back in the next run. Qt is not
// instrumented, so the fuzzer is guided by the game's side of the reading only.
#include "platform/Clock.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/HighScoreTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

class FixedClock final : public dunemark::Clock {
public:
    double SecondsSinceMidnight() override { return 0; }
    std::string ShortDate() override { return "06/12/2026"; }
};

void Require(bool held) {
    if (!held)
        __builtin_trap();
}

QTemporaryDir* root = nullptr;

// Each input gets a directory never read before, so that what QSettings remembers of earlier
// files plays no part.
QString FreshConfigDir() {
    static unsigned long count = 0;
    const QString dir = root->filePath(QString::number(count++));
    QDir().mkpath(dir + QStringLiteral("/Dunemark"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    root = new QTemporaryDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dunemark;
    const QString dir = FreshConfigDir();
    {
        QFile file(dir + QStringLiteral("/Dunemark/Dunemark.conf"));
        Require(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    QtSettingsStore store;
    FixedClock clock;
    HighScoreTable table(store, clock);
    table.LoadHighScores();
    for (const HighScoreEntry& entry : table.Entries())
        Require(entry.Total != 0);

    // A save waits for the disk: only one input in sixteen, picked by its length, adds an entry.
    constexpr std::int32_t Best = std::numeric_limits<std::int32_t>::max();
    if (size % 16 == 0 && table.FindHighScorePlace(Best)) {
        const HighScoreEntry added{"Fuzz", clock.ShortDate(), Best};
        table.AddHighScore(Best, [] { return std::string("Fuzz"); });
        HighScoreTable reread(store, clock);
        reread.LoadHighScores();
        Require(reread.Entries()[0] == added);
    }
    QDir(dir).removeRecursively();
    return 0;
}
