#include "platform/qt/StoreLock.h"

#include <QCursor>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QThread>
#include <cstdlib>
#include <optional>

namespace dunemark {

namespace {

// How often a waiting copy looks at the lock again.
constexpr int PollMs = 50;
// A copy writes its name into its lock within microseconds of making it; a lock still without
// one after this long was left by a copy that died in between.
constexpr qint64 NamelessGraceMs = 1'000;

bool OnWindowThread() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

// The busy pointer over all the program's windows, for as long as it lives.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// One pause between looks at the lock. On the windows' thread the windows repaint first; a
// click or a key made meanwhile reaches them once the wait is over.
void Pause(std::optional<BusyPointer>& busy) {
    if (OnWindowThread()) {
        if (!busy)
            busy.emplace();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    QThread::msleep(PollMs);
}

bool Nameless(const QLockFile& lock) {
    if (lock.getLockInfo(nullptr, nullptr, nullptr))
        return false;
    const QDateTime made = QFileInfo(lock.fileName()).lastModified();
    return made.isValid() && std::abs(made.msecsTo(QDateTime::currentDateTime())) > NamelessGraceMs;
}

// Removes a nameless lock. Only one copy at a time decides on it, so none removes the new lock
// that another made just after taking the old one away; and a lock that a running copy holds
// cannot be removed at all, by the system's lock on it.
void RemoveIfNameless(QLockFile& lock) {
    QLockFile deciding(lock.fileName() + QStringLiteral(".rmlock"));
    if (Nameless(lock) && deciding.tryLock() && Nameless(lock))
        lock.removeStaleLockFile();
}

} // namespace

bool TakeStoreLock(QLockFile& lock, std::chrono::milliseconds patience) {
    // A lock never grows too old to be its holder's: QLockFile then takes one over only when
    // the process named in it has ended.
    lock.setStaleLockTime(0);
    const QDeadlineTimer deadline(patience);
    std::optional<BusyPointer> busy;
    for (;;) {
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        RemoveIfNameless(lock);
        if (QFileInfo::exists(lock.fileName()))
            Pause(busy);
    }
}

} // namespace dunemark
