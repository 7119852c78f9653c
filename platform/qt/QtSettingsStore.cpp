#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/IniFile.h"
#include "platform/qt/StoreLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Replaces the file whole: the new text goes into a file of the game's own beside it,
// "<name>.update.new", which takes the old one's place only once it is all on the disk, with the
// old one's permissions and owner. A link is written through and stays a link. Only the game's
// own file is ever removed, and a killed save leaves nothing but that.
bool WriteStoreFile(const QString& fileName, const QByteArray& text) {
    const QFileInfo info(fileName);
    const QByteArray target =
        QFile::encodeName(info.isSymLink() ? info.canonicalFilePath() : fileName);
    const QByteArray temporary = target + ".update.new";
    struct stat old {};
    const bool existed = stat(target.constData(), &old) == 0;
    unlink(temporary.constData());
    const int fd =
        open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool written = !existed || fchmod(fd, old.st_mode & 07777) == 0;
    if (existed && geteuid() == 0)
        written = written && fchown(fd, old.st_uid, old.st_gid) == 0;
    written = written && WriteAll(fd, text) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.constData(), target.constData()) != 0) {
        unlink(temporary.constData());
        return false;
    }
    return SyncFolder(QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath()));
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
        changed_ = true;
    }
    // Already one reading, or inside the lock.
    void Read(const std::string&, const Reading& read) override { read(*this); }
    SaveResult Update(const std::string&, const Change& change) override {
        change(*this);
        return SaveResult::Saved;
    }

    bool Changed() const { return changed_; }

private:
    IniFile& file_;
    bool changed_ = false;
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

void QtSettingsStore::Read(const std::string& app, const Reading& read) {
    StoreFile file = ReadStoreFile(StoreFileName(app));
    StoreView view(file.contents);
    read(view);
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
    if (file.refusal != SaveResult::Saved)
        return file.refusal;
    return lock.Held() && file.writable && WriteStoreFile(fileName, file.contents.Text())
               ? SaveResult::Saved
               : SaveResult::Failed;
}

std::string QtSettingsStore::FileBehind(const std::string& app, SaveResult why) {
    const QString fileName = StoreFileName(app);
    switch (why) {
    case SaveResult::Saved:
    case SaveResult::Busy:
        return {};
    case SaveResult::LockInTheWay:
        return LockFileName(fileName).toStdString();
    case SaveResult::Failed:
    case SaveResult::TooLarge:
    case SaveResult::Unreadable:
        break;
    }
    return fileName.toStdString();
}

} // namespace dunemark
