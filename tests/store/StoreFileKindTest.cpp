#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace dunemark {
namespace {

// The store's file replaced by something else, read and written by another run of the game: a
// run that waits for ever fails the test rather than holding it up.
class StoreFileKindTest : public ::testing::Test {
protected:
    StoreFileKindTest() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QDir().mkpath(dir.filePath(QStringLiteral("Dunemark")));
    }
    // What the helper printed, or "unfinished".
    QByteArray Run(const QStringList& arguments) {
        QProcess helper;
        helper.start(QStringLiteral(DUNEMARK_STORE_HELPER), arguments);
        return helper.waitForFinished(5000) ? helper.readAllStandardOutput() : "unfinished";
    }
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("Dunemark/Dunemark.conf"));
};

TEST_F(StoreFileKindTest, APipeOrALinkToOneReadsAsTheDefaultTableAndIsNeverWritten) {
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "a link to a pipe" : "a pipe");
        const QString pipe = linked ? dir.filePath(QStringLiteral("pipe")) : store;
        ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        ASSERT_TRUE(!linked || QFile::link(pipe, store));
        EXPECT_EQ(Run({QStringLiteral("add"), QStringLiteral("Ann"), QStringLiteral("5000"), "1"}),
                  "");
        EXPECT_TRUE(Run({QStringLiteral("show")}).startsWith("Nobody\t00/00/00\t100\n"));
        EXPECT_FALSE(QFileInfo(pipe).isFile());
        EXPECT_EQ(QFileInfo(store).isSymLink(), linked);
        QFile::remove(store);
    }
}

TEST_F(StoreFileKindTest, ALinkToARegularFileIsReadAndWrittenThrough) {
    QFile mine(dir.filePath(QStringLiteral("mine.conf")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("[Scores]\nName0=Bob\nDate0=1/1/26\nTime0=7000\n");
    mine.close();
    ASSERT_TRUE(QFile::link(mine.fileName(), store));
    Run({QStringLiteral("add"), QStringLiteral("Ann"), QStringLiteral("9000"), "1"});
    EXPECT_TRUE(QFileInfo(store).isSymLink());
    EXPECT_TRUE(
        Run({QStringLiteral("show")}).startsWith("Ann\t06/12/2026\t9000\nBob\t1/1/26\t7000\n"));
    EXPECT_TRUE(QSettings(mine.fileName(), QSettings::IniFormat).contains("Scores/Name1"));
}

} // namespace
} // namespace dunemark
