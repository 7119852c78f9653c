// Any contents of the high-score store's file, read as the game reads them: the file written
// back reads the same, every place holds a usable total, and an entry added afterwards is
// stored and read back in the next run. Qt is not instrumented, so the fuzzer is guided by the
// game's side of the reading only.
#include "platform/doubles/Fakes.h"
#include "platform/qt/IniFile.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/HighScoreTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

void Require(bool held) {
    if (!held)
        __builtin_trap();
}

QTemporaryDir* root = nullptr;

const QString Keys[] = {QStringLiteral("Scores/Name0"), QStringLiteral("Scores/Time9"),
                        QStringLiteral("General/x"), QStringLiteral("a")};

// What the file says for a few keys, as text.
QStringList Values(const dunemark::IniFile& file) {
    QStringList values;
    for (const QString& key : Keys)
        values << file.Value(key).value_or(QStringLiteral("(none)"));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    root = new QTemporaryDir();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root->path()));
    QDir().mkpath(root->filePath(QStringLiteral("Dunemark")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dunemark;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // Written back, with one more value set to a text taken from the input, the file reads the
    // same, the new value included.
    IniFile file = IniFile::Parse(bytes);
    const QStringList before = Values(file);
    const QString odd = QString::fromUtf8(bytes.first(std::min<qsizetype>(bytes.size(), 40)));
    file.SetValue(QStringLiteral("Scores/Odd"), odd);
    const IniFile again = IniFile::Parse(file.Text());
    Require(Values(again) == before);
    Require(again.Value(QStringLiteral("Scores/Odd")) == odd);

    const QString conf = root->filePath(QStringLiteral("Dunemark/Dunemark.conf"));
    {
        QFile stored(conf);
        Require(stored.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stored.write(bytes.data(), bytes.size());
    }
    QtSettingsStore store;
    dunemark::FakeClock clock;
    HighScoreTable table(store, clock);
    table.LoadHighScores();
    for (const HighScoreEntry& entry : table.Entries())
        Require(entry.Total != 0);

    // A save waits for the disk: only one input in sixteen, picked by its length, adds an entry.
    constexpr std::int32_t Best = std::numeric_limits<std::int32_t>::max();
    if (size % 16 == 0 && table.FindHighScorePlace(Best)) {
        const HighScoreEntry added{"Fuzz", clock.ShortDate(), Best};
        Require(table.AddHighScore(Best, [] { return std::string("Fuzz"); }) == SaveResult::Saved);
        HighScoreTable reread(store, clock);
        reread.LoadHighScores();
        Require(reread.Entries()[0] == added);
    }
    return 0;
}
