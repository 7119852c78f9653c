#include "platform/qt/StoreLock.h"

#include <QCursor>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dunemark {

namespace {

// How often a waiting copy tries the lock again.
constexpr int PollMs = 50;

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

// One pause between tries. On the windows' thread the windows repaint first; a click or a key
// made meanwhile reaches them once the wait is over.
void Pause(std::optional<BusyPointer>& busy) {
    if (OnWindowThread()) {
        if (!busy)
            busy.emplace();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    QThread::msleep(PollMs);
}

// The lock file, opened without following a link or waiting on a pipe, when it is a regular
// file; -1 otherwise, with `inTheWay` set when something else stands under its name, and
// `notOpened` when a file stands there that may not be opened at all. A file that cannot be
// written (left read-only) is locked all the same.
int OpenLockFile(const QByteArray& name, bool& inTheWay, bool& notOpened) {
    constexpr int Flags = O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = open(name.constData(), O_RDWR | Flags, 0600);
    if (fd < 0 && errno == EACCES)
        fd = open(name.constData(), O_RDONLY | Flags, 0600);
    if (fd < 0) {
        const int error = errno;
        struct stat there {};
        inTheWay = error == ELOOP || error == EISDIR || error == ENXIO;
        notOpened = (error == EACCES || error == EPERM) && lstat(name.constData(), &there) == 0;
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        inTheWay = true;
        close(fd);
        return -1;
    }
    return fd;
}

// Whether `fd` is still the file of that name: the copy that held the lock before may have
// removed it just before letting go.
bool StillNamed(int fd, const QByteArray& name) {
    struct stat held {
    }, named{};
    return fstat(fd, &held) == 0 && lstat(name.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

StoreLock::StoreLock(const QString& fileName, std::chrono::milliseconds patience)
    : fileName_(fileName) {
    const QByteArray name = QFile::encodeName(fileName);
    const QDeadlineTimer deadline(patience);
    std::optional<BusyPointer> busy;
    for (;;) {
        const int fd = OpenLockFile(name, inTheWay_, notOpened_);
        if (fd < 0)
            return;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (StillNamed(fd, name)) {
                fd_ = fd;
                return;
            }
            close(fd);
            continue;
        }
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        if (!held)
            return;
        if (deadline.hasExpired()) {
            busy_ = true;
            return;
        }
        Pause(busy);
    }
}

StoreLock::~StoreLock() {
    if (fd_ < 0)
        return;
    // Removed while still held, so no copy takes a lock on a file that is gone.
    unlink(QFile::encodeName(fileName_).constData());
    close(fd_);
}

} // namespace dunemark
