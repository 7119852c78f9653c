#include "StoredTable.h"
#include "platform/qt/QtSettingsStore.h"
#include "support/TempSettingsDir.h"

#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <random>
#include <set>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace dunemark {
namespace {

constexpr int ProcessWaitMs = 15'000;
constexpr int KillRounds = 40;
constexpr int KillTimeLimitMs = 20'000;
constexpr int AddRounds = 10;
constexpr int NoOverride = 3; // the helper's exit code when it cannot give up the override

// The store driven from other processes, as other runs of the game would.
class StoreFaultTest : public ::testing::Test {
protected:
    // Starts the helper on the store under test; `setUp` runs in the child before it starts.
    void Start(QProcess& helper, const QStringList& arguments,
               const std::function<void()>& setUp = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(overrides);
        helper.setProcessEnvironment(environment);
        if (setUp)
            helper.setChildProcessModifier(setUp);
        helper.start(QStringLiteral(DUNEMARK_STORE_HELPER), arguments);
        ASSERT_TRUE(helper.waitForStarted(ProcessWaitMs));
    }

    // Runs the helper to its end; false if it failed or took too long.
    bool Run(const QStringList& arguments, const std::function<void()>& setUp = {}) {
        QProcess helper;
        Start(helper, arguments, setUp);
        return helper.waitForFinished(ProcessWaitMs) &&
               helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0;
    }

    // The table as the next run of the game reads it.
    HighScoreTable::Places Show(const std::function<void()>& setUp = {}) {
        QProcess helper;
        Start(helper, {QStringLiteral("show")}, setUp);
        helper.waitForFinished(ProcessWaitMs);
        HighScoreTable::Places places;
        const QList<QByteArray> lines = helper.readAllStandardOutput().split('\n');
        for (int k = 0; k < HighScorePlaces && k < lines.size(); ++k) {
            const QList<QByteArray> fields = lines[k].split('\t');
            if (fields.size() == 3)
                places[static_cast<std::size_t>(k)] = {fields[0].toStdString(),
                                                       fields[1].toStdString(), fields[2].toInt()};
        }
        return places;
    }

    static std::string Describe(const HighScoreTable::Places& places) {
        std::string text;
        for (const HighScoreEntry& entry : places)
            text += "\n  " + entry.Name + " | " + entry.Date + " | " + std::to_string(entry.Total);
        return text;
    }

    TempSettingsDir settings;
    QProcessEnvironment overrides; // on top of this process's own environment
};

TEST_F(StoreFaultTest, AKilledSaveLeavesEitherTheOldTableOrTheNew) {
    const unsigned seed = std::random_device()();
    std::printf("Killed saves: seed %u\n", seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 chance(seed);

    // Kills land anywhere from the writer's start-up to well past its first save, however slow
    // the machine is today.
    QElapsedTimer firstSave;
    firstSave.start();
    ASSERT_TRUE(Run({QStringLiteral("tables"), QStringLiteral("1"), QStringLiteral("1")}));
    const auto latestKillUs =
        static_cast<unsigned>(std::max<qint64>(80, 3 * firstSave.elapsed())) * 1000;
    long stored = 1;
    int rounds = 0;
    QElapsedTimer timer;
    timer.start();
    for (; rounds < KillRounds && timer.elapsed() < KillTimeLimitMs; ++rounds) {
        // The writer stores one whole table after another until it is killed, at any moment
        // from its start-up to well into its saves.
        QProcess writer;
        Start(writer,
              {QStringLiteral("tables"), QString::number(stored + 1), QStringLiteral("1000000")});
        QThread::usleep(std::uniform_int_distribution<unsigned>(0, latestKillUs)(chance));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(ProcessWaitMs));
        const QList<QByteArray> finished = writer.readAllStandardOutput().trimmed().split('\n');

        const HighScoreTable::Places places = Show();
        const std::optional<long> number = WholeTableNumber(places);
        ASSERT_TRUE(number) << "not one whole table after round " << rounds << Describe(places);
        ASSERT_GE(*number, stored) << "an older table came back";
        ASSERT_GE(*number, finished.last().toLong()) << "a finished save was lost";
        stored = *number;
    }
    std::printf("Killed saves: %d writers killed, %ld tables stored\n", rounds, stored);
    EXPECT_GT(stored, 1) << "no save ever got through";

    // What the killed writers left behind does not hold up the next entry until Qt's own
    // half-minute limit on locks: the helper must be done well before it.
    ASSERT_TRUE(Run({QStringLiteral("add"), QStringLiteral("Ann"), QStringLiteral("99999999"),
                     QStringLiteral("1")}));
    EXPECT_EQ(Show()[0], (HighScoreEntry{"Ann", "06/12/2026", 99999999}));
}

TEST_F(StoreFaultTest, ACopyStoppedHoldingTheLockNeverUndoesAnotherCopysSave) {
    QProcess ann, bob;
    Start(ann, {QStringLiteral("stop"), QStringLiteral("Ann"), QStringLiteral("5000")});
    ASSERT_TRUE(ann.waitForReadyRead(ProcessWaitMs)); // holding the lock, stopping
    // Ann stays stopped while Bob saves, longer than a copy once waited for the lock before
    // writing without it.
    Start(bob, {QStringLiteral("add"), QStringLiteral("Bob"), QStringLiteral("98000"), "1"});
    bob.waitForFinished(12'000);
    kill(static_cast<pid_t>(ann.processId()), SIGCONT);
    ASSERT_TRUE(ann.waitForFinished(ProcessWaitMs) && bob.waitForFinished(ProcessWaitMs));
    const HighScoreTable::Places places = Show();
    EXPECT_EQ(places[0], (HighScoreEntry{"Bob", "06/12/2026", 98000})) << Describe(places);
    EXPECT_EQ(places[1], (HighScoreEntry{"Ann", "06/12/2026", 5000})) << Describe(places);
}

TEST_F(StoreFaultTest, LocksLeftEmptyByAKilledCopyHoldUpTheNextEntryOnlyBriefly) {
    // A copy killed between making a lock and writing its name into it leaves it empty.
    // Qt would wait half a minute on such a lock; the helper has to finish well before that.
    const QStringList cases[] = {{QStringLiteral(".lock")},
                                 {QStringLiteral(".lock"), QStringLiteral(".update.lock")}};
    for (const QStringList& emptyLocks : cases) {
        SCOPED_TRACE(emptyLocks.join(QLatin1Char(' ')).toStdString());
        settings.Reopen();
        for (const QString& lock : emptyLocks) {
            QFile file(settings.ConfPath() + lock);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(Run({QStringLiteral("add"), QStringLiteral("Ann"), QStringLiteral("5000"),
                         QStringLiteral("1")}));
        EXPECT_EQ(Show()[0], (HighScoreEntry{"Ann", "06/12/2026", 5000}));
    }
}

TEST_F(StoreFaultTest, TwoCopiesAddingAtOnceKeepEveryEntry) {
    // In each round two copies add five entries each, all of them good enough for the table,
    // in falling order so that they land between each other's.
    for (int round = 1; round <= AddRounds; ++round) {
        const int base = round * 1000;
        QProcess ann, bob;
        Start(ann, {QStringLiteral("add"), QStringLiteral("Ann"), QString::number(base), "5"});
        Start(bob, {QStringLiteral("add"), QStringLiteral("Bob"), QString::number(base + 5), "5"});
        ASSERT_TRUE(ann.waitForFinished(ProcessWaitMs) && bob.waitForFinished(ProcessWaitMs));

        const HighScoreTable::Places places = Show();
        for (int k = 0; k < HighScorePlaces; ++k) {
            const std::int32_t total = base + HighScorePlaces - 1 - k;
            const std::string name = total < base + 5 ? "Ann" : "Bob";
            ASSERT_EQ(places[static_cast<std::size_t>(k)],
                      (HighScoreEntry{name, "06/12/2026", total}))
                << "round " << round << Describe(places);
        }
    }
}

TEST_F(StoreFaultTest, OnlyARegularFileOrALinkToOneIsReadOrWrittenAsTheStore) {
    settings.WriteConf({});
    for (const auto& [kind, linked, pipe] :
         {std::tuple("pipe", false, true), std::tuple("link to pipe", true, true),
          std::tuple("link", true, false)}) {
        SCOPED_TRACE(kind);
        QFile::remove(settings.ConfPath());
        const QString target = linked ? settings.Dir() + "/" + kind : settings.ConfPath();
        ASSERT_TRUE(pipe ? mkfifo(QFile::encodeName(target).constData(), 0600) == 0
                         : QFile(target).open(QIODevice::WriteOnly));
        ASSERT_TRUE(!linked || QFile::link(target, settings.ConfPath()));
        ASSERT_TRUE(Run({QStringLiteral("add"), QStringLiteral("Ann"), "9000", "1"}));
        EXPECT_EQ(Show()[0],
                  (pipe ? DefaultHighScore() : HighScoreEntry{"Ann", "06/12/2026", 9000}));
        EXPECT_EQ(QFileInfo(settings.ConfPath()).isSymLink(), linked);
        EXPECT_EQ(QFileInfo(target).isFile(), !pipe);
    }
}

// This process, running, holds the lock: a change waits for it without freezing the windows,
// and then stores nothing.
TEST_F(StoreFaultTest, AChangeWaitsForALiveHolderWithTheWindowsAliveAndNeverWritesWithoutIt) {
    settings.WriteConf({});
    QLockFile holder(settings.ConfPath() + QStringLiteral(".update.lock"));
    ASSERT_TRUE(holder.tryLock());
    Qt::CursorShape pointer = Qt::BlankCursor; // unless the windows' events run meanwhile
    QTimer::singleShot(300, [&] {
        if (const QCursor* shown = QGuiApplication::overrideCursor())
            pointer = shown->shape();
    });
    QtSettingsStore(std::chrono::milliseconds(1000)).SaveSetting("Dunemark", "Scores", "A", "b");
    EXPECT_EQ(pointer, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(settings.ReadConf().isEmpty());
}

TEST_F(StoreFaultTest, AMissingConfigDirectoryIsMadeForTheFirstEntry) {
    const QString missing = settings.Dir() + QStringLiteral("/not/there/yet");
    overrides.insert(QStringLiteral("XDG_CONFIG_HOME"), missing);
    EXPECT_EQ(Show()[0], DefaultHighScore());
    ASSERT_TRUE(Run({QStringLiteral("add"), QStringLiteral("Ann"), QStringLiteral("5000"),
                     QStringLiteral("1")}));
    EXPECT_EQ(Show()[0], (HighScoreEntry{"Ann", "06/12/2026", 5000}));
    EXPECT_TRUE(QFile::exists(missing + QStringLiteral("/Dunemark/Dunemark.conf")));
}

TEST_F(StoreFaultTest, AReadOnlyStoreKeepsItsTableAndTheGameGoesOn) {
    ASSERT_TRUE(Run({QStringLiteral("tables"), QStringLiteral("7"), QStringLiteral("1")}));
    // Nothing under the store can be written: by its modes for an ordinary player, and for the
    // superuser, who ignores modes, by giving up that power in the helper.
    const QString dir = settings.Dir() + QStringLiteral("/Dunemark");
    QFile::setPermissions(settings.ConfPath(), QFile::ReadOwner);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    const auto asPlayer = [] {
        if (geteuid() == 0 && (prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) != 0 ||
                               prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0) != 0))
            _exit(NoOverride);
    };

    QElapsedTimer timer;
    timer.start();
    QProcess adder;
    Start(adder, {QStringLiteral("add"), QStringLiteral("Ann"), QStringLiteral("99999"), "3"},
          asPlayer);
    ASSERT_TRUE(adder.waitForFinished(ProcessWaitMs));
    if (adder.exitCode() == NoOverride)
        GTEST_SKIP() << "the superuser cannot give up overriding file modes here";
    EXPECT_EQ(adder.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(adder.exitCode(), 0);
    EXPECT_LT(timer.elapsed(), 8000) << "no ten-second wait for a lock that cannot be made";
    EXPECT_EQ(WholeTableNumber(Show(asPlayer)), 7);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("Dunemark.conf")});
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
} // namespace dunemark
