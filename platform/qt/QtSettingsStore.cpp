#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/IniFile.h"
#include "platform/qt/StoreLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace dunemark {

namespace {

// The most of a file that is read: far more than any table, little enough to read at once. A
// larger file shows what its first part holds, and is never written: what lies beyond would be
// lost.
constexpr qint64 MaxFileBytes = 16 << 20;

QString Path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

QString StoreFileName(const std::string& app) {
    const QString name = QString::fromStdString(app);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + name + QLatin1Char('/') + name + QStringLiteral(".conf");
}

QString LockFileName(const QString& storeFileName) {
    return storeFileName + QStringLiteral(".update.lock");
}

// The store's file as it is now. Only a regular file, or a link to one, is read and may be
// written; a missing file may be made. Anything else (a pipe, a folder, a broken link) reads as
// empty and is never written, and is never waited on either. `refusal` says why a file that
// was read may not be written back.
struct StoreFile {
    IniFile contents;
    bool writable = false;
    SaveResult refusal = SaveResult::Saved;
};

// Up to `size` bytes of `fd`; nullopt when a read fails.
std::optional<QByteArray> ReadUpTo(int fd, qint64 size) {
    QByteArray data(size, '\0');
    qint64 got = 0;
    while (got < size) {
        const ssize_t n = read(fd, data.data() + got, static_cast<std::size_t>(size - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += n;
    }
    data.truncate(got);
    return data;
}

StoreFile ReadStoreFile(const QString& fileName) {
    const QByteArray name = QFile::encodeName(fileName);
    const int fd = open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        struct stat link {};
        return {{}, errno == ENOENT && lstat(name.constData(), &link) != 0};
    }
    StoreFile file;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const std::optional<QByteArray> data =
            ReadUpTo(fd, std::min<qint64>(info.st_size, MaxFileBytes));
        file.writable = true;
        file.refusal = !data                         ? SaveResult::Unreadable
                       : info.st_size > MaxFileBytes ? SaveResult::TooLarge
                                                     : SaveResult::Saved;
        if (data)
            file.contents = IniFile::Parse(*data);
    }
    close(fd);
    return file;
}

// Every byte of `data` written to `fd`.
bool WriteAll(int fd, QByteArrayView data) {
    for (qsizetype done = 0; done < data.size();) {
        const ssize_t n =
            write(fd, data.data() + done, static_cast<std::size_t>(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Whatever was written to the folder's names (a file renamed into it) is on the disk.
bool SyncFolder(const QByteArray& folder) {
    const int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A file system that cannot sync a folder says so with EINVAL: there is nothing to wait for.
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    return close(fd) == 0 && synced;
}

// Where a save writes: the file it replaces (a link's target), and the name its new text takes
// before it takes that file's place. Beside the store's own name that name is the game's own,
// and whatever stands under it is the game's (left by a save that was killed) and is removed;
// beside a link's target, in the player's folder, the new text is written unnamed where the
// system allows it, then given a name that nothing has, and nothing there is ever removed.
struct SaveTarget {
    QByteArray file;
    QByteArray temporary; // beside a link's target, the start of the name
    bool linked = false;
};

SaveTarget TargetOf(const QString& fileName) {
    const QFileInfo info(fileName);
    const bool linked = info.isSymLink();
    const QByteArray file = QFile::encodeName(linked ? info.canonicalFilePath() : fileName);
    return {file, QFile::encodeName(fileName) + ".update.new", linked};
}

// Tries `make` on "<start>-" and a random tail until it does not find the name taken; `name`
// is the name made, or empty when none was.
template <typename Make> bool MakeFresh(const QByteArray& start, QByteArray& name, Make make) {
    for (int tries = 0; tries < 100; ++tries) {
        name = start + '-' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        if (make(name))
            return true;
        if (errno != EEXIST)
            break;
    }
    name.clear();
    return false;
}

// The file for the new text, open for writing; `name` is its name, or empty while it has none.
// -1 when it cannot be made, with `inTheWay` set when something stands under the game's name.
int OpenNewFile(const SaveTarget& target, QByteArray& name, bool& inTheWay) {
    constexpr int Flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = -1;
    if (!target.linked) {
        name = target.temporary;
        if (unlink(name.constData()) != 0 && errno != ENOENT) {
            // A folder, or a file that may not be removed: the player's to take away.
            inTheWay = errno == EISDIR || errno == EPERM;
            return -1;
        }
        fd = open(name.constData(), Flags, 0666);
        inTheWay = fd < 0 && errno == EEXIST;
        return fd;
    }
    const QByteArray start = target.file + ".update.new";
#ifdef O_TMPFILE
    const QByteArray folder =
        QFile::encodeName(QFileInfo(QFile::decodeName(target.file)).absolutePath());
    fd = open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
        name.clear();
        return fd;
    }
#endif
    MakeFresh(start, name, [&](const QByteArray& fresh) {
        fd = open(fresh.constData(), Flags, 0666);
        return fd >= 0;
    });
    return fd;
}

// Gives the new file a name, beside a link's target one that nothing has, unless it has one.
bool GiveName(int fd, const SaveTarget& target, QByteArray& name) {
    if (!name.isEmpty())
        return true;
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return MakeFresh(target.file + ".update.new", name, [&](const QByteArray& fresh) {
        return linkat(AT_FDCWD, self.constData(), AT_FDCWD, fresh.constData(),
                      AT_SYMLINK_FOLLOW) == 0;
    });
}

// Whether the player made the file read-only: no one may write it, or the player may not.
bool MadeReadOnly(const QByteArray& file, const struct stat& info) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           (faccessat(AT_FDCWD, file.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES);
}

// Replaces the file whole: the new text goes into a file of the game's own (see SaveTarget),
// which takes the old one's place only once it is all on the disk, with the old one's
// permissions and owner. A link is written through and stays a link. Only the game's own file is
// ever removed, and a killed save leaves nothing but that. Unsynced when the new file is in place
// but the folder's sync failed.
SaveResult WriteStoreFile(const QString& fileName, const QByteArray& text) {
    const SaveTarget target = TargetOf(fileName);
    struct stat old {};
    const bool existed = stat(target.file.constData(), &old) == 0;
    if (existed && MadeReadOnly(target.file, old))
        return SaveResult::ReadOnly;
    QByteArray name;
    bool inTheWay = false;
    const int fd = OpenNewFile(target, name, inTheWay);
    if (fd < 0)
        return inTheWay ? SaveResult::NewFileInTheWay : SaveResult::Failed;
    bool written = !existed || fchmod(fd, old.st_mode & 07777) == 0;
    if (existed && geteuid() == 0)
        written = written && fchown(fd, old.st_uid, old.st_gid) == 0;
    written = written && WriteAll(fd, text) && fsync(fd) == 0 && GiveName(fd, target, name);
    written = close(fd) == 0 && written;
    if (!written || rename(name.constData(), target.file.constData()) != 0) {
        if (!name.isEmpty())
            unlink(name.constData());
        return SaveResult::Failed;
    }
    return SyncFolder(QFile::encodeName(QFileInfo(QFile::decodeName(target.file)).absolutePath()))
               ? SaveResult::Saved
               : SaveResult::Unsynced;
}

// The store as one reading or one change sees it.
class StoreView final : public SettingsStore {
public:
    explicit StoreView(IniFile& file)
        : file_(file) {}

    std::string GetSetting(const std::string&, const std::string& section,
                           const std::string& key) override {
        return file_.Value(Path(section, key)).value_or(QString()).toStdString();
    }
    void SaveSetting(const std::string&, const std::string& section, const std::string& key,
                     const std::string& value) override {
        file_.SetValue(Path(section, key), QString::fromStdString(value));
        if (const QString name = QString::fromStdString(section); !written_.contains(name))
            written_ << name;
    }
    // Already one reading, or inside the lock.
    SaveResult Read(const std::string&, const Reading& read) override {
        read(*this);
        return SaveResult::Saved;
    }
    SaveResult Update(const std::string&, const Change& change) override {
        change(*this);
        return SaveResult::Saved;
    }

    bool Changed() const { return !written_.isEmpty(); }
    // The sections written to, in the order of their first writes.
    const QStringList& Written() const { return written_; }

private:
    IniFile& file_;
    QStringList written_;
};

} // namespace

QtSettingsStore::QtSettingsStore(std::chrono::milliseconds patience)
    : patience_(patience) {}

std::string QtSettingsStore::GetSetting(const std::string& app, const std::string& section,
                                        const std::string& key) {
    std::string value;
    Read(app, [&](SettingsStore& view) { value = view.GetSetting(app, section, key); });
    return value;
}

void QtSettingsStore::SaveSetting(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& value) {
    Update(app, [&](SettingsStore& locked) { locked.SaveSetting(app, section, key, value); });
}

SaveResult QtSettingsStore::Read(const std::string& app, const Reading& read) {
    StoreFile file = ReadStoreFile(StoreFileName(app));
    StoreView view(file.contents);
    read(view);
    return file.refusal;
}

SaveResult QtSettingsStore::Update(const std::string& app, const Change& change) {
    const QString fileName = StoreFileName(app);
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    const StoreLock lock(LockFileName(fileName), patience_);
    // Read only now, under the lock, so the change sees what the last copy stored.
    StoreFile file = ReadStoreFile(fileName);
    StoreView view(file.contents);
    change(view);
    if (!view.Changed())
        return SaveResult::Saved;
    if (lock.Busy())
        return SaveResult::Busy;
    if (lock.InTheWay())
        return SaveResult::LockInTheWay;
    if (lock.NotOpened())
        return SaveResult::LockNotOpened;
    if (file.refusal != SaveResult::Saved)
        return file.refusal;
    if (!lock.Held() || !file.writable)
        return SaveResult::Failed;
    // The sections written first: the table stays within what is read, whatever follows it.
    const QByteArray text = file.contents.Text(view.Written());
    return text.size() > MaxFileBytes ? SaveResult::TooLarge : WriteStoreFile(fileName, text);
}

std::string QtSettingsStore::FileBehind(const std::string& app, SaveResult why) {
    const QString fileName = StoreFileName(app);
    switch (why) {
    case SaveResult::Saved:
    case SaveResult::Busy:
        return {};
    case SaveResult::LockInTheWay:
    case SaveResult::LockNotOpened:
        return LockFileName(fileName).toStdString();
    case SaveResult::NewFileInTheWay:
        return QFile::decodeName(TargetOf(fileName).temporary).toStdString();
    case SaveResult::Failed:
    case SaveResult::TooLarge:
    case SaveResult::Unreadable:
    case SaveResult::ReadOnly:
    case SaveResult::Unsynced:
        break;
    }
    return fileName.toStdString();
}

} // namespace dunemark
