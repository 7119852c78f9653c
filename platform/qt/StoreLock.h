#pragma once

#include <QString>
#include <chrono>

namespace dunemark {

// The system's lock on a lock file beside the store, held while this object lives: a copy of
// the program that ends, however it ends, lets go of it at once, and nothing it leaves behind
// keeps another copy waiting. The file is removed again when the lock is let go.
class StoreLock {
public:
    // Waits up to `patience` while another copy holds the lock. On the program's main thread the
    // windows keep repainting meanwhile but take no input, and the pointer shows that the program
    // is busy. Anything but a regular file of that name (a folder, a pipe, a link), or one that
    // cannot be opened, is never waited on: the lock is not had.
    StoreLock(const QString& fileName, std::chrono::milliseconds patience);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Whether the lock was not had because another copy held it beyond the patience.
    bool Busy() const { return busy_; }
    // Whether the lock was not had because something else stands under its name: a folder, a
    // pipe, a socket, a link.
    bool InTheWay() const { return inTheWay_; }
    // Whether the lock was not had because the lock file is there but may not be opened (one
    // that a copy run by another user left behind).
    bool NotOpened() const { return notOpened_; }

private:
    QString fileName_;
    int fd_ = -1;
    bool busy_ = false;
    bool inTheWay_ = false;
    bool notOpened_ = false;
};

} // namespace dunemark
