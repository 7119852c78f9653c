// The per-user high-score store: what it keeps, what it makes of a broken file, and how it holds
// up when copies of the game are killed halfway or save at once.
#include "platform/doubles/Fakes.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/HighScoreTable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <random>
#include <sys/prctl.h>
#include <unistd.h>

namespace dunemark {
namespace {

constexpr char OddName[] = "Smith, \"J\" = [x]; \\ \r\n@Variant(\\0) Ωμέγα 🐪 \0!";
const std::string Odd(OddName, sizeof OddName - 1);

class StoreTest : public ::testing::Test {
protected:
    StoreTest() { UseNewDir(); }

    // A fresh directory for the store, never read by this process: what is read next comes from
    // the file, as in the next run of the game, not from what QSettings remembers.
    void UseNewDir(const QByteArray& contents = {}) {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_->path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_->path());
        QDir().mkpath(QFileInfo(ConfPath()).path());
        if (QFile file(ConfPath()); !contents.isNull() && file.open(QIODevice::WriteOnly))
            file.write(contents);
    }
    QString ConfPath() const { return dir_->path() + QStringLiteral("/Dunemark/Dunemark.conf"); }
    QByteArray ReadConf() const {
        QFile file(ConfPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    HighScoreEntry First() {
        HighScoreTable table(store, clock);
        table.LoadHighScores();
        return table.Entries()[0];
    }

    // Another run of the game on this store (tests/store/StoreHelperMain.cpp); `setUp` runs in
    // it before it starts.
    static void Start(QProcess& helper, const QStringList& arguments,
                      const std::function<void()>& setUp = {}) {
        helper.setChildProcessModifier(setUp ? setUp : [] {});
        helper.start(QStringLiteral(DUNEMARK_STORE_HELPER), arguments);
        ASSERT_TRUE(helper.waitForStarted());
    }
    // Its exit code and what it printed, or "hung".
    static std::string Run(const QStringList& arguments, const std::function<void()>& setUp = {}) {
        QProcess helper;
        Start(helper, arguments, setUp);
        if (!helper.waitForFinished(25'000) || helper.exitStatus() != QProcess::NormalExit)
            return "hung";
        return std::to_string(helper.exitCode()) + ':' + helper.readAll().toStdString();
    }
    // What "show" prints once W has added the totals 1000, 1001 ... up to the nth.
    static std::string AfterAdding(long n) {
        std::string text = "0:";
        for (long k = 0; k < HighScorePlaces; ++k)
            text += k < n ? "W\t06/12/2026\t" + std::to_string(999 + n - k) + '\n'
                          : "Nobody\t00/00/00\t100\n";
        return text;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QtSettingsStore store;
    FakeClock clock;
};

// A broken file reads as the default table and is mended by the next entry, whose name reads back
// exactly, whatever it holds; a file that cannot be read or written still lets the game go on.
TEST_F(StoreTest, ABrokenUnreadableOrUnwritableStoreReadsAsTheDefaultTable) {
    const QByteArray broken[] = {QByteArray("\x00\xff\xfe garbage \x01", 12), "[Scores\nName0\n=\n",
                                 "[Scores]\nTime0\nName2=\"open\n", QByteArray(5000, '\xaa'),
                                 "a directory"};
    for (const QByteArray& contents : broken) {
        UseNewDir(contents);
        if (contents == "a directory") { // where the file should be: no reading, no writing
            ASSERT_TRUE(QFile::remove(ConfPath()) && QDir().mkpath(ConfPath()));
        }
        EXPECT_EQ(First(), DefaultHighScore()) << contents.left(20).toStdString();
        HighScoreTable(store, clock).AddHighScore(2000, [] { return Odd; });
        UseNewDir(contents.startsWith("a ") ? QByteArray() : ReadConf());
        const HighScoreEntry odd{Odd, "06/12/2026", 2000};
        EXPECT_EQ(First(), contents.startsWith("a ") ? DefaultHighScore() : odd);
    }
}

TEST_F(StoreTest, AKilledSaveLeavesEitherTheOldTableOrTheNewAndHoldsUpNobody) {
    std::mt19937 chance(std::random_device{}());
    // Kills land anywhere from the writer's start to well past its first save, however slow the
    // machine is today.
    QElapsedTimer firstSave;
    firstSave.start();
    ASSERT_EQ(Run({"add", "W", "1000", "1"}), "0:");
    const auto latest = static_cast<unsigned>(std::max<qint64>(80, 3 * firstSave.elapsed()));
    long stored = 1;
    for (int round = 0; round < 40; ++round) {
        QProcess writer; // adds one entry after another, each a new table, until it is killed
        Start(writer, {"add", "W", QString::number(1000 + stored), "1000000"});
        QThread::usleep(std::uniform_int_distribution<unsigned>(0, latest * 1000)(chance));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished());
        const std::string shown = Run({"show"});
        const long added = std::atol(shown.c_str() + 15) - 999; // "0:W\t06/12/2026\t<total>"
        ASSERT_EQ(shown, AfterAdding(added)) << "not one whole table after round " << round;
        ASSERT_GE(added, stored) << "an older table came back";
        stored = added;
    }
    EXPECT_GT(stored, 1) << "no save ever got through";
    // Locks left behind, even empty ones, hold up the next entry only briefly, not for Qt's own
    // half minute: the helper must be done well before its time runs out.
    for (const char* lock : {".lock", ".update.lock"})
        QFile(ConfPath() + lock).open(QIODevice::WriteOnly);
    ASSERT_EQ(Run({"add", "Ann", "99999999", "1"}), "0:");
    EXPECT_EQ(Run({"show"}).substr(0, 25), "0:Ann\t06/12/2026\t99999999");
}

TEST_F(StoreTest, TwoCopiesAddingAtOnceKeepEveryEntry) {
    // Two copies add five entries each, in falling order so that they land between each other's.
    for (int base = 1000; base <= 10'000; base += 1000) {
        QProcess ann, bob;
        Start(ann, {"add", "Ann", QString::number(base), "5"});
        Start(bob, {"add", "Bob", QString::number(base + 5), "5"});
        ASSERT_TRUE(ann.waitForFinished() && bob.waitForFinished());
        std::string expected = "0:";
        for (int total = base + HighScorePlaces - 1; total >= base; --total)
            expected += (total < base + 5 ? "Ann" : "Bob") + std::string("\t06/12/2026\t") +
                        std::to_string(total) + '\n';
        ASSERT_EQ(Run({"show"}), expected);
    }
}

TEST_F(StoreTest, AReadOnlyStoreKeepsItsTable) {
    ASSERT_EQ(Run({"add", "W", "1000", "1"}), "0:");
    const QString dir = QFileInfo(ConfPath()).path();
    // Nothing under the store can be written: by its modes for an ordinary player, and for the
    // superuser, who ignores modes, by giving up that power in the helper.
    QFile::setPermissions(ConfPath(), QFile::ReadOwner);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    const auto asPlayer = [] {
        if (geteuid() == 0 && (prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) != 0 ||
                               prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0) != 0))
            _exit(3);
    };
    const std::string added = Run({"add", "Ann", "99999", "3"}, asPlayer);
    if (added == "3:")
        GTEST_SKIP() << "the superuser cannot give up overriding file modes here";
    EXPECT_EQ(added, "0:");
    EXPECT_EQ(Run({"show"}, asPlayer), AfterAdding(1));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"Dunemark.conf"});
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
} // namespace dunemark
