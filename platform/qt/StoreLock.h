#pragma once

#include <chrono>

class QLockFile;

namespace dunemark {

// Takes `lock` for one change of the store. A lock whose holder is gone is taken over: at once
// when the process named in it has ended, after a second when it names none (its maker died
// before writing its name into it). A lock that a running copy holds, however long it has held
// it, is waited for, up to `patience`. While waiting on the
// program's main thread, the windows keep repainting but take no input, and the pointer shows
// that the program is busy. False when the lock cannot be had: it cannot be made there, or a
// running copy still holds it.
bool TakeStoreLock(QLockFile& lock, std::chrono::milliseconds patience);

} // namespace dunemark
