// The per-user high-score store: what it keeps, what it makes of a broken file, and how it holds
// up when copies of the game are killed halfway or save at once.
#include "platform/doubles/Fakes.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/HighScoreTable.h"

#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace dunemark;

constexpr char OddName[] = "\x06\uFEFF\x01"
                           "0Smith, \"J\" = [x]; \\ \r\n@Variant(\\0) Ωμέγα 🐪 \0! ";
const std::string Odd(OddName, sizeof OddName - 1);

struct StoreTest : ::testing::Test {
    StoreTest() { UseNewDir(); }

    // A fresh directory for the store, never read by this process: what is read next comes from
    // the file, as in the next run of the game, not from what QSettings remembers.
    void UseNewDir(const QByteArray& contents = {}) {
        dir_ = std::make_unique<QTemporaryDir>();
        helper_ = QStringLiteral(DUNEMARK_STORE_HELPER);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_->path()));
        QDir().mkpath(QFileInfo(ConfPath()).path());
        if (QFile file(ConfPath()); !contents.isNull() && file.open(QIODevice::WriteOnly))
            file.write(contents);
    }
    QString ConfPath() const { return dir_->path() + QStringLiteral("/Dunemark/Dunemark.conf"); }
    QByteArray ReadConf(const QString& path = {}) const {
        QFile file(path.isEmpty() ? ConfPath() : path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    HighScoreEntry First() {
        HighScoreTable table(store, clock);
        table.LoadHighScores();
        return table.Entries()[0];
    }

    // Another run of the game on this store (tests/platform/StoreHelperMain.cpp); `setUp` runs in
    // it before it starts.
    void Start(QProcess& helper, const QStringList& arguments,
               const std::function<void()>& setUp = {}) const {
        helper.setChildProcessModifier(setUp ? setUp : [] {});
        helper.start(helper_, arguments);
        ASSERT_TRUE(helper.waitForStarted());
    }
    // Its exit code and what it printed, or "hung" when it has not finished in 25 s: less than Qt
    // waits for a lock left empty, more than a loaded machine needs.
    std::string Run(const QStringList& arguments, const std::function<void()>& setUp = {}) const {
        QProcess helper;
        Start(helper, arguments, setUp);
        if (!helper.waitForFinished(25'000) || helper.exitStatus() != QProcess::NormalExit)
            return "hung";
        return std::to_string(helper.exitCode()) + ':' + helper.readAll().toStdString();
    }
    // A set-up for the helper: run as root, it runs as a player (uid and gid 4321) instead, in a
    // store folder made his. Files the test makes after that stay root's: the player's own copy
    // may not open what root's copy of the game left behind. The helper runs from a copy in that
    // folder, where the player may reach it wherever the build is (under root's home, say).
    std::function<void()> AsPlayer() {
        if (geteuid() != 0)
            return {};
        helper_ = dir_->path() + QStringLiteral("/store_helper");
        if (!QFile::exists(helper_))
            static_cast<void>(QFile::copy(QStringLiteral(DUNEMARK_STORE_HELPER), helper_));
        for (QString path = ConfPath(); path.startsWith(dir_->path());
             path = QFileInfo(path).path())
            static_cast<void>(chown(QFile::encodeName(path).constData(), Player, Player));
        return [] {
            static_cast<void>(setgid(Player));
            static_cast<void>(setuid(Player));
        };
    }
    static constexpr uid_t Player = 4321;
    std::unique_ptr<QTemporaryDir> dir_;
    QString helper_; // the store helper's program
    QtSettingsStore store;
    FakeClock clock;
};

// A file that QSettings wrote, or a player edited, reads as QSettings read it, and nothing in it
// is decoded into an object, however deep; a broken file reads as the default table. Either is
// mended by the next entry, whose name reads back exactly, whatever it holds, and what the game
// writes QSettings reads back the same.
TEST_F(StoreTest, TheFileReadsAsQSettingsWroteItAndABrokenOneIsMendedByTheNextEntry) {
    QByteArray nested;
    for (int level = 0; level < 50'000; ++level)
        nested += "\\0\\0\\0\\t\\0\\0\\0\\x1"; // a list holding a list holding ...
    const QByteArray S = "[Scores]\n";
    const std::pair<QByteArray, HighScoreEntry> cases[] = {
        {S + "Name0=Bob, Ann ,\" Cy \"\nTime0=12", {"Bob, Ann,  Cy ", "", 12}},
        {S + "\t Name0\t= Ann\\t \r\n  Time0 =\t12", {"Ann\t", "", 12}}, // a player's blanks
        // names coded as QSettings codes them
        {S + "Name0=Bob\n[Sc%6Fr%U0065s]\nNa%6De0=Ann\nTime%30=12", {"Ann", "", 12}},
        {S + "Name0=a=b\\x041\nTime0=5", {"a=bA", "", 5}}, // an "=" in a value, a hex 0 first
        // an unknown escape dropped, a backslash before a CR LF, a text ending in ")"
        {S + "Name0=a\\qb\nTime0=70\nDate0=(\\\r\nx)", {"ab", "(x)", 70}},
        // the table's keys in another section, a header left open, the file ending in an escape
        {S + "Name0=Ann\nTime0=12\n[Other]\nName0=Bob\nTime0=5\n[Scores\nDate0=d\\",
         {"Ann", "d", 12}},
        {S + "Name0=@@x\\x41\\102\nDate0=\"a;b\" ; note\nTime0=7\\\n0", {"@xAB", "a;b", 70}},
        {S + "Name0=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\nTime0=@Variant(" + nested + ")",
         DefaultHighScore()},
        {QByteArray("\x00\xff\xfe garbage \x01", 12) + QByteArray(5000, '\xaa'), // broken files
         DefaultHighScore()},
        {"[Scores\nName0\n=\nTime0\nName2=\"open\n", DefaultHighScore()}};
    for (const auto& [file, first] : cases) {
        UseNewDir(file + '\n');
        EXPECT_EQ(First(), first) << file.left(40).toStdString();
        HighScoreTable(store, clock).AddHighScore(2000, [] { return Odd; });
        UseNewDir(ReadConf());
        EXPECT_EQ(First(), (HighScoreEntry{Odd, "06/12/2026", 2000}))
            << file.left(40).toStdString();
    }
    UseNewDir();
    {
        QSettings written(ConfPath(), QSettings::IniFormat);
        written.setValue("Scores/Name0", QString::fromStdString(Odd));
        written.setValue("Scores/Time0", "9");
        written.setValue("Other/Kept", QStringList{"a", "bc"});
    }
    EXPECT_EQ(First(), (HighScoreEntry{Odd, "", 9}));
    HighScoreTable(store, clock).AddHighScore(200, [] { return "\\" + Odd; });
    HighScoreTable(store, clock).AddHighScore(300, [] { return "a;b"; });
    UseNewDir(ReadConf());
    const QSettings read(ConfPath(), QSettings::IniFormat);
    EXPECT_EQ(read.value("Scores/Name0").toString().toStdString(), "a;b");      // a ";" alone
    EXPECT_EQ(read.value("Scores/Name1").toString().toStdString(), "\\" + Odd); // an escape first
    EXPECT_EQ(read.value("Scores/Name2").toString().toStdString(), Odd);
    EXPECT_EQ(read.value("Other/Kept").toStringList(), (QStringList{"a", "bc"}));
    EXPECT_TRUE(ReadConf().contains("\nName1=") && ReadConf().contains("\nDate0=06/12/2026\n"))
        << "plain names and values written plain";
}

const QByteArray Table = "[Scores]\nName0=Zed\nDate0=01/01/2026\nTime0=99999\n";
constexpr qsizetype MostRead = 16 << 20; // the most of the file the game reads

// A store `room` bytes short of the most that is read: a section with a long name over many keys
// (which once took gigabytes to read) and junk, 2,000 sections of one key each, then the table.
QByteArray NearlyFull(qsizetype room) {
    QByteArray junk = '[' + QByteArray(64 << 10, 's') + "]\n", sections;
    for (int k = 0; k < 40'000; ++k) {
        junk += QByteArray::number(k, 36) + "=\n";
        sections += k < 2000 ? "[s" + QByteArray::number(k, 36) + "]\nk=\n" : QByteArray();
    }
    junk += "junk=";
    const qsizetype fill = MostRead - room - junk.size() - 1 - sections.size() - Table.size();
    return junk + QByteArray(fill, 'x') + '\n' + sections + Table;
}

// A save that cannot be made whole and safe is refused, says why, and leaves the file exactly as
// it was: a write without room on the disk, a read that fails part-way, a sync that fails, a file
// too large to be read whole (its table lies past what is read, which a reading says too), or one
// that a save would make so (a long name). Whatever its shape, the file is read in little memory.
TEST_F(StoreTest, ASaveThatCannotBeMadeSafelyIsRefusedAndChangesNothing) {
    const QByteArray large = "[Junk]\n" + QByteArray(17 << 20, 'x') + '\n' + Table;
    const auto littleRoom = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit room{256, 256};
        setrlimit(RLIMIT_FSIZE, &room);
    };
    const auto littleMemory = [] {
#if !defined(__SANITIZE_ADDRESS__)
        const rlimit memory{1ul << 30, 1ul << 30}; // the sanitizers reserve more for themselves
        setrlimit(RLIMIT_AS, &memory);
#endif
    };
    // The file, the fault planted in the copy that saves, its set-up, the name saved, what it
    // says, and what a reading says after it.
    const std::tuple<QByteArray, const char*, std::function<void()>, QString, const char*,
                     const char*>
        cases[] = {{Table, "", littleRoom, "Ann", "0:5000 failed\n", ""},
                   {Table, "read", {}, "Ann", "0:5000 unreadable\n", ""},
                   {Table, "sync", {}, "Ann", "0:5000 failed\n", ""},
                   {large, "", {}, "Ann", "0:5000 too large\n", "read in part: too large\n"},
                   {NearlyFull(1000), "", {}, QString(1000, u'N'), "0:5000 too large\n", ""}};
    for (const auto& [contents, fault, setUp, name, result, reading] : cases) {
        UseNewDir(contents);
        qputenv("DUNEMARK_STORE_FAULT", fault);
        EXPECT_EQ(Run({"add", name, "5000", "1"}, setUp), result) << result;
        qunsetenv("DUNEMARK_STORE_FAULT");
        EXPECT_EQ(ReadConf(), contents) << result;
        EXPECT_FALSE(QFileInfo::exists(ConfPath() + QStringLiteral(".update.new"))) << result;
        const std::string shown = Run({"show"}, littleMemory);
        // The table, or the ten default places where it lies past what is read, then the reason.
        EXPECT_EQ(shown.substr(0, 5) + shown.substr(shown.rfind("\t100\n") + 5),
                  (*reading ? "0:Nob" : "0:Zed") + std::string(reading))
            << result;
    }
    for (const auto& [why, suffix] : {std::pair(SaveResult::LockInTheWay, ".update.lock"),
                                      {SaveResult::LockNotOpened, ".update.lock"},
                                      {SaveResult::NewFileInTheWay, ".update.new"},
                                      {SaveResult::ReadOnly, ""},
                                      {SaveResult::Unsynced, ""}})
        EXPECT_EQ(QtSettingsStore().FileBehind("Dunemark", why),
                  (ConfPath() + QString::fromLatin1(suffix)).toStdString());
}

// What a save says is what it did. A store just short of the most that is read is saved
// within it, the game's own sections written as they stood, the table first, and read whole
// again; a save whose folder's sync fails after the new file took the old one's place says that
// the entry is in the table, and it is; one whose reads are interrupted, or whose writes go a byte
// at a time, is made whole.
TEST_F(StoreTest, ASaveSaysWhatItDidAndIsReadBackWhole) {
    UseNewDir(NearlyFull(1000));
    ASSERT_EQ(Run({"add", "Ann", "5000", "1"}), "0:5000\n");
    const QByteArray written = ReadConf();
    EXPECT_TRUE(written.size() <= MostRead && !written.contains("\n\n")); // no blank line added
    EXPECT_EQ(Run({"show"}).substr(0, 43), "0:Zed\t01/01/2026\t99999\nAnn\t06/12/2026\t5000\n");
    // The other sections as they stood: a key outside any section, a section named General, a key
    // read twice (its first place, its later value), a section split in two made one.
    UseNewDir("=kept\n[%General]\ng=1\n[Other]\nk=1\nj=2\n[Scores]\nName0=Zed\n[Other]\nk=3\n");
    ASSERT_EQ(Run({"add", "Ann", "5000", "1"}), "0:5000\n");
    const QByteArray again = ReadConf();
    EXPECT_TRUE(again.startsWith("[Scores]\nName0=Ann\nDate0=06/12/2026\nTime0=5000\nName1="))
        << again.toStdString();
    EXPECT_EQ(again.count("[Scores]"), 1);
    EXPECT_TRUE(again.endsWith("\n[General]\n=kept\n[%General]\ng=1\n[Other]\nk=3\nj=2\n"));
    for (const auto& [fault, said] : {std::pair("folder-sync", " unsynced"), {"slow", ""}}) {
        UseNewDir(Table);
        qputenv("DUNEMARK_STORE_FAULT", fault);
        EXPECT_EQ(Run({"add", "Ann", "5000", "1"}), "0:5000" + std::string(said) + '\n');
        qunsetenv("DUNEMARK_STORE_FAULT");
        EXPECT_EQ(Run({"show"}).substr(0, 43), "0:Zed\t01/01/2026\t99999\nAnn\t06/12/2026\t5000\n");
    }
}

// A save changes no file but the store and its own: the player's copies beside the store stay
// as they are, whatever their names, and the store keeps its permissions.
TEST_F(StoreTest, ASaveKeepsThePlayersOwnFilesAndTheStoresPermissions) {
    const char* copies[] = {".backup", ".241207",  ".old123", ".BACKUP", ".before",
                            ".bak",    ".backup1", ".orig",   ".tar.gz", ".Ab12Cd"};
    for (const char* copy : copies) {
        QFile file(ConfPath() + copy);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(copy) > 0);
    }
    ASSERT_EQ(Run({"add", "Ann", "1000", "1"}), "0:1000\n");
    // Run as root, a save also keeps the player's ownership of his file.
    const uid_t owner = geteuid() == 0 ? 4321 : geteuid();
    ASSERT_EQ(chown(QFile::encodeName(ConfPath()).constData(), owner, static_cast<gid_t>(-1)), 0);
    // A file the player made read-only stays as it is: the save is refused and says so.
    for (const auto& [mode, refusal] :
         {std::pair<mode_t, const char*>(0444, " read-only"), {0604, ""}}) {
        ASSERT_EQ(chmod(QFile::encodeName(ConfPath()).constData(), mode), 0);
        const QByteArray before = ReadConf();
        ASSERT_EQ(Run({"add", "Ann", QString::number(2000 + mode), "1"}),
                  "0:" + std::to_string(2000 + mode) + refusal + '\n');
        EXPECT_EQ(ReadConf() == before, *refusal != '\0') << mode;
        struct stat info {};
        ASSERT_EQ(stat(QFile::encodeName(ConfPath()).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
        EXPECT_EQ(info.st_uid, owner);
    }
    for (const char* copy : copies)
        EXPECT_EQ(ReadConf(ConfPath() + copy), copy) << copy;
    // A store that is a link: the files beside its target are the player's, whatever their
    // names, the game's own temporary name included.
    const QString target = dir_->path() + QStringLiteral("/elsewhere");
    ASSERT_TRUE(QFile::rename(ConfPath(), target) && QFile::link(target, ConfPath()));
    QFile mine(target + QStringLiteral(".update.new"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
    mine.close();
    // On a file system without unnamed files too, or where the first name tried is taken, the
    // new file under a name that nothing has.
    for (const char* fault : {"", "no-tmpfile", "name-taken"}) {
        qputenv("DUNEMARK_STORE_FAULT", fault);
        ASSERT_EQ(Run({"add", "Ann", "9000", "1"}), "0:9000\n") << fault;
        qunsetenv("DUNEMARK_STORE_FAULT");
        EXPECT_EQ(Run({"show"}).substr(0, 6), "0:Ann\t") << fault;
        EXPECT_TRUE(QFileInfo(ConfPath()).isSymLink()) << fault;
        EXPECT_EQ(ReadConf(mine.fileName()), "mine") << fault;
        EXPECT_EQ(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  (QStringList{"elsewhere", "elsewhere.update.new"}))
            << fault;
    }
}

TEST_F(StoreTest, AKilledSaveLeavesEitherTheOldTableOrTheNewAndHoldsUpNobody) {
    std::mt19937 chance(20261207);
    // Kills land anywhere from the writer's start to well past its first save, however slow the
    // machine is today.
    QElapsedTimer firstSave;
    firstSave.start();
    ASSERT_EQ(Run({"add", "W", "1000", "1"}), "0:1000\n");
    const auto latest = static_cast<unsigned>(std::max<qint64>(80, 3 * firstSave.elapsed()));
    long stored = 1;
    for (int round = 0; round < 40; ++round) {
        QProcess writer; // adds one entry after another, each a new table, until it is killed
        Start(writer, {"add", "W", QString::number(1000 + stored), "1000000"});
        QThread::usleep(std::uniform_int_distribution<unsigned>(0, latest * 1000)(chance));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished());
        const long finished = writer.readAll().trimmed().split('\n').last().toLong() - 999;
        const std::string shown = Run({"show"});
        const long added = std::atol(shown.c_str() + 15) - 999; // "0:W\t06/12/2026\t<total>"
        std::string whole = "0:"; // W's totals 1000 ... up to the last added, then the defaults
        for (long k = 0; k < HighScorePlaces; ++k)
            whole += k < added ? "W\t06/12/2026\t" + std::to_string(999 + added - k) + '\n'
                               : "Nobody\t00/00/00\t100\n";
        ASSERT_EQ(shown, whole) << "not one whole table after round " << round;
        ASSERT_GE(added, std::max(stored, finished)) << "an older table came back";
        stored = added;
    }
    EXPECT_GT(stored, 1) << "no save ever got through";
}

// Nothing that a copy killed halfway leaves behind holds up a save: a lock file, empty or naming
// a process that is running, or its half-written table, which the next save removes. Anything but
// a regular file as the lock (a pipe, a folder), or a lock file the player may not open (root's,
// left by a copy run with sudo), is never waited on: that save is not made, and says what stands
// in its way; so does a folder, empty or not, where the new table is written first. A pipe or a
// folder as the store, or a link to a pipe, reads as the default table at once and is never
// written; a link to a regular file is read and written through, and stays a link.
TEST_F(StoreTest, NothingLeftBehindHoldsUpASaveAndOnlyARegularFileIsTheStore) {
    const QByteArray live =
        QByteArray::number(getpid()) + "\nui_tests\n" + QSysInfo::machineHostName().toUtf8() + '\n';
    // The file's suffix, what it holds ("|" a pipe, "/" a folder, "/x" a folder that is not empty,
    // "-" a file the player may not open), whether it is made elsewhere with a link to it here,
    // the refusal ("" when the save is made), and whether it is left.
    const std::tuple<const char*, QByteArray, bool, const char*, bool> cases[] = {
        {".update.lock", "", false, "", false},
        {".update.lock", live, false, "", false},
        {".update.lock", "|", false, " lock in the way", true},
        {".update.lock", "/", false, " lock in the way", true},
        {".update.lock", "-", false, " lock not opened", true},
        {".update.new", "/", false, " new file in the way", true},
        {".update.new", "/x", false, " new file in the way", true},
        {".lock", "|", false, "", true},
        {".update.lock.rmlock", "|", false, "", true},
        {".update.new", "[Scores]\nName0=", false, "", false},
        {"", "/", false, " failed", true},
        {"", "|", true, " failed", true},
        {"", "", true, "", true}};
    for (const auto& [suffix, contents, linked, refusal, left] : cases) {
        UseNewDir();
        const QString path = ConfPath() + suffix;
        const QString made = linked ? dir_->path() + "/elsewhere" : path;
        const bool folder = contents.startsWith('/');
        const std::function<void()> player = contents == "-" ? AsPlayer() : nullptr;
        if (contents == "|")
            ASSERT_EQ(mkfifo(QFile::encodeName(made).constData(), 0600), 0);
        else if (QFile file(folder ? made + contents : made);
                 folder ? !QDir().mkpath(made + contents)
                        : !file.open(QIODevice::WriteOnly) ||
                              file.write(contents) != contents.size() ||
                              !file.setPermissions(player ? QFile::ReadOwner | QFile::WriteOwner
                                                          : file.permissions()))
            FAIL() << suffix;
        if (contents == "-" && !player) { // not run as root: not even the player's copy opens it
            ASSERT_EQ(chmod(QFile::encodeName(made).constData(), 0), 0);
        }
        ASSERT_TRUE(!linked || QFile::link(made, path));
        const std::string what = suffix + contents.toStdString() + (linked ? " linked" : "");
        ASSERT_EQ(Run({"add", "Ann", "9000", "1"}, player), "0:9000" + std::string(refusal) + '\n')
            << what;
        EXPECT_EQ(Run({"show"}).substr(0, 6), *refusal ? "0:Nobo" : "0:Ann\t") << what;
        EXPECT_EQ(QFileInfo::exists(path), left) << what;
        EXPECT_EQ(QFileInfo(path).isSymLink(), linked) << what;
        EXPECT_EQ(QFileInfo(made).isFile(), left && contents != "|" && !folder) << what;
    }
}

// Two copies add five entries each, in falling order so that they land between each other's, all
// within a second, where the file's time could not tell their saves apart: each save reads the
// table afresh under the lock.
TEST_F(StoreTest, TwoCopiesAddingAtOnceKeepEveryEntry) {
    for (int base = 1000; base <= 10'000; base += 1000) {
        QProcess ann, bob;
        Start(ann, {"add", "Ann ", QString::number(base), "5"});     // a blank last
        Start(bob, {"add", " Bob", QString::number(base + 5), "5"}); // a blank first
        ASSERT_TRUE(ann.waitForFinished() && bob.waitForFinished());
        std::string expected = "0:";
        for (int total = base + HighScorePlaces - 1; total >= base; --total)
            expected += (total < base + 5 ? "Ann " : " Bob") + std::string("\t06/12/2026\t") +
                        std::to_string(total) + '\n';
        ASSERT_EQ(Run({"show"}), expected);
    }
}

// A copy stopped while it holds the lock (suspended, or in a debugger) keeps the others waiting,
// with the windows' events running and the busy pointer shown. One that gives up in the end writes
// nothing rather than over the other's work; one that waits on finds its entry kept once the
// first resumes.
TEST_F(StoreTest, ACopyStoppedHoldingTheLockKeepsTheOthersWaitingAndUndoesNoSave) {
    QProcess ann, bob;
    Start(ann, {"stop", "Ann", "5000"});
    ASSERT_TRUE(ann.waitForReadyRead()); // it holds the lock, and stops
    struct stat lockFile {};
    ASSERT_EQ(stat(QFile::encodeName(ConfPath() + ".update.lock").constData(), &lockFile), 0);
    EXPECT_EQ(lockFile.st_mode & 07777, 0600u); // the player's alone
    Qt::CursorShape pointer = Qt::BlankCursor;
    QTimer::singleShot(100, [&] {
        if (const QCursor* shown = QGuiApplication::overrideCursor())
            pointer = shown->shape();
    });
    const SaveResult result = QtSettingsStore(std::chrono::milliseconds(3000))
                                  .Update("Dunemark", [](SettingsStore& locked) {
                                      locked.SaveSetting("Dunemark", "Scores", "A", "b");
                                  });
    EXPECT_EQ(result, SaveResult::Busy);
    EXPECT_EQ(pointer, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(ReadConf().isEmpty());
    Start(bob, {"add", "Bob", "98000", "1"});
    bob.waitForFinished(12'000); // longer than a copy once waited before it wrote all the same
    kill(static_cast<pid_t>(ann.processId()), SIGCONT);
    ASSERT_TRUE(ann.waitForFinished() && bob.waitForFinished());
    EXPECT_EQ(Run({"show"}).substr(0, 43), "0:Bob\t06/12/2026\t98000\nAnn\t06/12/2026\t5000\n");
}
