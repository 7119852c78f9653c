// Reading the high-score store as the game reads it, over files of 1, 10 and 16 MB in shapes an
// ordinary store grows to and in shapes made to be costly. Each reading runs in a process of its
// own, so that its peak memory is its own: the time from opening the file to the ten places read,
// the processor time of it, and the peak resident memory of the whole process.
//   store_read_bench                 every shape and size
//   store_read_bench SHAPE MEGABYTES one reading (what each child process runs)
#include "platform/doubles/Fakes.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/HighScoreTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

using namespace dunemark;

constexpr qsizetype MiB = 1024 * 1024;
const char* const Table = "[Scores]\nName0=Ann\nDate0=06/12/2026\nTime0=5000\n";

// `line(k)` repeated until the file is `size` bytes, with the table at its end.
template <typename Line> QByteArray Grown(QByteArray text, qsizetype size, Line line) {
    for (int k = 0; text.size() < size; ++k)
        text += line(k);
    return text + Table;
}

QByteArray Store(const QByteArray& shape, qsizetype size) {
    if (shape == "ordinary") // many sections of lists and quoted values
        return Grown({}, size, [](int k) {
            return (k % 50 ? QByteArray() : "[Section" + QByteArray::number(k) + "]\n") + "key" +
                   QByteArray::number(k) + "=some value, more, \"quoted\"\n";
        });
    if (shape == "long-section") // one section name of 64 KiB over every key
        return Grown('[' + QByteArray(64 * 1024, 's') + "]\n", size,
                     [](int k) { return QByteArray::number(k, 36) + "=\n"; });
    if (shape == "sections") // the most sections a file of its size can hold, one key each
        return Grown({}, size,
                     [](int k) { return '[' + QByteArray::number(k, 36) + "]\nk=\n"; });
    if (shape == "tiny-keys") // the most keys a file of its size can hold
        return Grown("[Scores]\n", size, [](int k) { return QByteArray::number(k, 36) + "=\n"; });
    if (shape == "one-name") // the table with one name as long as the file
        return QByteArray("[Scores]\nName0=") + QByteArray(size, 'A') + "\nTime0=5000\n";
    return {};
}

int ReadOnce(const QByteArray& shape, qsizetype megabytes) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("Dunemark")));
    QFile file(dir.filePath(QStringLiteral("Dunemark/Dunemark.conf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(Store(shape, megabytes * MiB)) < 0)
        return 1;
    file.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    QtSettingsStore store;
    FakeClock clock;
    HighScoreTable table(store, clock);
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpu = std::clock();
    table.LoadHighScores();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-13s %5lld MB %9.1f ms %9.1f ms %8.1f MiB  %s\n", shape.constData(),
                static_cast<long long>(megabytes), ms, cpuMs,
                static_cast<double>(usage.ru_maxrss) / 1024.0,
                table.Entries()[0].Name.substr(0, 3).c_str());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 3)
        return ReadOnce(argv[1], std::atoi(argv[2]));
    std::printf("%-13s %8s %12s %12s %12s  first name\n", "store", "size", "reading", "processor",
                "peak memory");
    for (const char* shape : {"ordinary", "long-section", "sections", "tiny-keys", "one-name"}) {
        for (const char* megabytes : {"0", "1", "10", "16"}) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(), {shape, megabytes});
            child.waitForFinished(-1);
        }
    }
    return 0;
}
