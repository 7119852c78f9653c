#include "platform/qt/QtSettingsStore.h"

#include "platform/doubles/FakeClock.h"
#include "scores/HighScoreTable.h"
#include "support/TempSettingsDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QThread>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace dunemark {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
protected:
    std::string Get(const std::string& key) { return store.GetSetting("Dunemark", "Scores", key); }
    void Save(const std::string& key, const std::string& value) {
        store.SaveSetting("Dunemark", "Scores", key, value);
    }
    HighScoreTable LoadedTable() {
        HighScoreTable table(store, clock);
        table.LoadHighScores();
        return table;
    }

    TempSettingsDir settings;
    QtSettingsStore store;
    FakeClock clock;
};

TEST_F(QtSettingsStoreTest, KeepsTheTableInTheScoresGroupOfTheProgramsOwnFile) {
    HighScoreTable table = LoadedTable();
    table.AddHighScore(101, [] { return std::string("Ann"); });

    QSettings file(settings.ConfPath(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Scores"));
    EXPECT_EQ(file.childKeys().size(), 30);
    EXPECT_EQ(file.value(QStringLiteral("Name0")).toString(), QStringLiteral("Ann"));
    EXPECT_EQ(file.value(QStringLiteral("Time0")).toString(), QStringLiteral("101"));
    EXPECT_EQ(file.value(QStringLiteral("Time9")).toString(), QStringLiteral("100"));
    EXPECT_EQ(QDir(settings.Dir() + QStringLiteral("/Dunemark")).entryList(QDir::Files),
              QStringList{QStringLiteral("Dunemark.conf")}); // no lock file left behind
}

TEST_F(QtSettingsStoreTest, AnyNameReadsBackExactlyInTheNextRun) {
    using namespace std::string_literals;
    std::vector<std::string> names = {"Smith, John",
                                      "\"quoted\"",
                                      "a = b",
                                      "; comment",
                                      "[Scores]",
                                      "back\\slash\\",
                                      "  spaces around  ",
                                      "dos\r\nline",
                                      "Ωμέγα 名前 🐪",
                                      "@Invalid()",
                                      "@Variant(\\0\\0\\x7f)",
                                      "true",
                                      ""};
    names.push_back("nul\0in\x01"s);
    for (std::size_t k = 0; k < names.size(); ++k)
        Save("Name" + std::to_string(k), names[k]);

    settings.Reopen();
    ASSERT_TRUE(settings.ReadConf().startsWith("[Scores]"));
    for (std::size_t k = 0; k < names.size(); ++k)
        EXPECT_EQ(Get("Name" + std::to_string(k)), names[k]) << k;
    EXPECT_EQ(Get("Date0"), ""); // a missing key
}

// A broken file is mended by the next entry; one that cannot be read still lets the game go on.
TEST_F(QtSettingsStoreTest, ABrokenOrUnreadableFileReadsAsTheDefaultTable) {
    const QByteArray broken[] = {
        QByteArray(),
        QByteArray("\x00\xff\xfe garbage \x01\x02", 14),
        "[Scores\nName0\n=\n\"\n",
        "[Scores]\nTime0\nTime1=\nName2=\"unterminated\n",
        QByteArray(5000, '\xaa'),
        "a directory",
    };
    for (const QByteArray& contents : broken) {
        SCOPED_TRACE(contents.toHex().left(40).constData());
        settings.Reopen();
        const bool unreadable = contents == "a directory"; // where the file should be
        if (unreadable)
            ASSERT_TRUE(QFile::remove(settings.ConfPath()) && QDir().mkpath(settings.ConfPath()));
        else
            settings.WriteConf(contents);
        HighScoreTable table = LoadedTable();
        for (const auto& entry : table.Entries())
            EXPECT_EQ(entry, DefaultHighScore());

        table.AddHighScore(2000, [] { return std::string("Ann"); });
        EXPECT_EQ(table.Entries()[0].Name, "Ann");
        if (unreadable)
            continue;
        settings.Reopen();
        const HighScoreTable reread = LoadedTable();
        EXPECT_EQ(reread.Entries()[0], (HighScoreEntry{"Ann", "06/12/2026", 2000}));
        EXPECT_EQ(reread.Entries()[1], DefaultHighScore());
    }
}

TEST_F(QtSettingsStoreTest, AStoreThatCannotBeWrittenLeavesTheGameRunning) {
    // A file where the program's directory should be: nothing can be created under it.
    QFile blocker(settings.Dir() + QStringLiteral("/Dunemark"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QElapsedTimer timer;
    timer.start();
    HighScoreTable table = LoadedTable();
    table.AddHighScore(2000, [] { return std::string("Ann"); });
    Save("Name5", "Bob");
    // Waiting for a lock that can never be had would take ten seconds a write; allow for a slow
    // machine, not for the wait.
    EXPECT_LT(timer.elapsed(), 9000);
    EXPECT_EQ(table.Entries()[0], (HighScoreEntry{"Ann", "06/12/2026", 2000}));
    EXPECT_TRUE(blocker.exists());
    EXPECT_EQ(blocker.size(), 0);
}

TEST_F(QtSettingsStoreTest, AnUpdateWaitsForTheOneUnderway) {
    // Each update reads a count and writes it back one higher. The second starts while the first
    // is between its read and its write, and must not write over it.
    const auto increment = [](SettingsStore& locked) {
        const int count = std::stoi("0" + locked.GetSetting("Dunemark", "Scores", "Count"));
        return [&locked, count] {
            locked.SaveSetting("Dunemark", "Scores", "Count", std::to_string(count + 1));
        };
    };
    std::thread second;
    store.Update("Dunemark", [&](SettingsStore& locked) {
        const auto write = increment(locked);
        second = std::thread([&] {
            QtSettingsStore other;
            other.Update("Dunemark", [&](SettingsStore& otherLocked) { increment(otherLocked)(); });
        });
        QThread::msleep(300);
        write();
    });
    second.join();

    settings.Reopen();
    EXPECT_EQ(Get("Count"), "2");
}

} // namespace
} // namespace dunemark
