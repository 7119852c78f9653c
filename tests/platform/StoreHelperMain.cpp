// Another run of the game on the same store, for the tests that kill it halfway or run several
// at once. The store is the one under XDG_CONFIG_HOME.
//   store_helper add NAME FIRST COUNT  adds COUNT entries for NAME, totals FIRST, FIRST + 1, ...,
//                                      printing each total once it is stored, and after it the
//                                      reason when it was not
// With DUNEMARK_STORE_FAULT=read, every read of the store's file past its first bytes fails;
// with DUNEMARK_STORE_FAULT=sync, every sync fails; with DUNEMARK_STORE_FAULT=folder-sync, every
// sync of a folder fails, and a file's succeeds; with DUNEMARK_STORE_FAULT=no-tmpfile, the file
// system makes no unnamed files (O_TMPFILE), as some do not; with DUNEMARK_STORE_FAULT=slow, every
// other read of the store is interrupted and writes take a byte at a time; with
// DUNEMARK_STORE_FAULT=name-taken, the first name given to an unnamed file is taken.
//   store_helper stop NAME TOTAL       adds one entry, but once it holds the store's lock, just
//                                      before the entry is stored, prints a line and stops itself
//   store_helper show                  prints the ten places, one "name<TAB>date<TAB>total" a line,
//                                      then the reason when the store was read only in part
#include "platform/doubles/Fakes.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/HighScoreTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace dunemark;

static bool Fault(const char* which) {
    const char* fault = std::getenv("DUNEMARK_STORE_FAULT");
    return fault && std::strcmp(fault, which) == 0;
}

static bool IsStoreFile(int fd) {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error).filename() ==
           "Dunemark.conf";
}

template <typename Function> static Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// How each SaveResult is printed after the total, in the order of its values.
const char* const Reasons[] = {"",
                               " busy",
                               " failed",
                               " too large",
                               " unreadable",
                               " lock in the way",
                               " lock not opened",
                               " new file in the way",
                               " read-only",
                               " unsynced"};

// The store's reads, failing as a broken disk does once the first bytes are read, or interrupted.
extern "C" ssize_t read(int fd, void* buffer, size_t size) {
    constexpr off_t Readable = 16;
    static const auto real = Real<ssize_t (*)(int, void*, size_t)>("read");
    static bool interrupted = false;
    if (Fault("slow") && IsStoreFile(fd) && (interrupted = !interrupted))
        return errno = EINTR, -1;
    if (Fault("read") && IsStoreFile(fd)) {
        const off_t at = lseek(fd, 0, SEEK_CUR);
        if (at >= Readable)
            return errno = EIO, -1;
        size = std::min<size_t>(size, static_cast<size_t>(Readable - at));
    }
    return real(fd, buffer, size);
}

// The files opened, unnamed ones refused as a file system without them refuses them.
extern "C" int open(const char* name, int flags, ...) {
    static const auto real = Real<int (*)(const char*, int, ...)>("open");
    mode_t mode = 0;
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list rest;
        va_start(rest, flags);
        mode = static_cast<mode_t>(va_arg(rest, unsigned));
        va_end(rest);
    }
    if (Fault("no-tmpfile") && (flags & O_TMPFILE) == O_TMPFILE)
        return errno = EOPNOTSUPP, -1;
    return real(name, flags, mode);
}
// The same open, under the name that code built for large files calls.
extern "C" int open64(const char* name, int flags, ...) __attribute__((alias("open")));

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    static const auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    return real(fd, data, Fault("slow") ? std::min<size_t>(size, 1) : size);
}

extern "C" int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) {
    static const auto real = Real<int (*)(int, const char*, int, const char*, int)>("linkat");
    static bool taken = Fault("name-taken");
    if (std::exchange(taken, false))
        return errno = EEXIST, -1;
    return real(fromFolder, from, toFolder, to, flags);
}

extern "C" int fsync(int fd) {
    static const auto real = Real<int (*)(int)>("fsync");
    struct stat info {};
    if (Fault("sync") || (Fault("folder-sync") && fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)))
        return errno = EIO, -1;
    return real(fd);
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QtSettingsStore store;
    FakeClock clock;
    HighScoreTable table(store, clock);
    const SaveResult read = table.LoadHighScores();
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line out as soon as it is printed
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "add" && argc == 5) {
        const long first = std::atol(argv[3]);
        for (long total = first; total < first + std::atol(argv[4]); ++total) {
            const SaveResult result =
                table.AddHighScore(static_cast<std::int32_t>(total), [&] { return argv[2]; });
            std::printf("%ld%s\n", total, Reasons[static_cast<int>(result)]);
        }
    } else if (mode == "stop" && argc == 4) {
        store.Update("Dunemark", [&](SettingsStore& locked) {
            HighScoreTable held(locked, clock);
            held.LoadHighScores();
            held.AddHighScore(std::atoi(argv[3]), [&] { return argv[2]; });
            std::puts("stopping");
            raise(SIGSTOP);
        });
    } else if (mode == "show" && argc == 2) {
        for (const HighScoreEntry& entry : table.Entries())
            std::printf("%s\t%s\t%d\n", entry.Name.c_str(), entry.Date.c_str(), entry.Total);
        if (read != SaveResult::Saved)
            std::printf("read in part:%s\n", Reasons[static_cast<int>(read)]);
    } else
        return 2; // not one of the uses above
    return 0;
}
