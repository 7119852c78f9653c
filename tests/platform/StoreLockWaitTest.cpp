#include "platform/qt/QtSettingsStore.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace dunemark {
namespace {

// Another running copy holds the store's lock (here this process, which is running): a change
// waits for it with the windows alive and the busy pointer shown, and stores nothing unless the
// lock came free in time.
TEST(StoreLockWaitTest, AChangeWaitsForALiveHolderWithoutFreezingAndNeverWritesWithoutTheLock) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QDir().mkpath(dir.filePath(QStringLiteral("Dunemark")));
    for (const bool freed : {false, true}) {
        SCOPED_TRACE(freed ? "the lock comes free" : "the lock stays held");
        QLockFile holder(dir.filePath(QStringLiteral("Dunemark/Dunemark.conf.update.lock")));
        ASSERT_TRUE(holder.tryLock());
        bool busy = false;
        QTimer::singleShot(300, [&] {
            busy = QGuiApplication::overrideCursor() &&
                   QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            if (freed)
                holder.unlock();
        });
        QtSettingsStore store(std::chrono::milliseconds(freed ? 20'000 : 1'000));
        bool ran = false;
        store.Update("Dunemark", [&](SettingsStore& locked) {
            locked.SaveSetting("Dunemark", "Scores", "Name0", "Ann");
            ran = true;
        });
        EXPECT_TRUE(busy);
        EXPECT_TRUE(ran);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(store.GetSetting("Dunemark", "Scores", "Name0"), freed ? "Ann" : "");
    }
}

} // namespace
} // namespace dunemark
