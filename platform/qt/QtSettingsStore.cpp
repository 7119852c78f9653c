#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/IniFile.h"
#include "platform/qt/StoreLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dunemark {

namespace {

// The most of a file that is read: far more than any table, little enough to read at once. What
// lies beyond it is dropped by the next save.
constexpr qint64 MaxFileBytes = 16 << 20;

QString Path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

QString StoreFileName(const std::string& app) {
    const QString name = QString::fromStdString(app);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + name + QLatin1Char('/') + name + QStringLiteral(".conf");
}

// The store's file as it is now. Only a regular file, or a link to one, is read and may be
// written; a missing file may be made. Anything else (a pipe, a folder, a broken link) reads as
// empty and is never written, and is never waited on either.
struct StoreFile {
    IniFile contents;
    bool writable = false;
};

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
        QByteArray data(std::min<qint64>(info.st_size, MaxFileBytes), '\0');
        qint64 got = 0;
        for (ssize_t n = 1; n > 0 && got < data.size(); got += n)
            n = std::max<ssize_t>(read(fd, data.data() + got, data.size() - got), 0);
        data.truncate(got);
        file = {IniFile::Parse(data), true};
    }
    close(fd);
    return file;
}

// Replaces the file whole: every write is checked, and the new file takes the old one's place
// only once it is all on the disk. A link is written through.
bool WriteStoreFile(const QString& fileName, const QByteArray& text) {
    const QFileInfo info(fileName);
    QSaveFile file(info.isSymLink() ? info.canonicalFilePath() : fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush() &&
           file.commit();
}

// What a save killed halfway leaves beside the file it was writing: "<name>.XXXXXX".
void RemoveLeftovers(const QString& fileName) {
    const QFileInfo info(fileName);
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDir dir = info.absoluteDir();
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (leftover.match(name).hasMatch())
            QFile::remove(dir.filePath(name));
    }
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
    const StoreLock lock(fileName + QStringLiteral(".update.lock"), patience_);
    if (lock.Held())
        RemoveLeftovers(fileName);
    // Read only now, under the lock, so the change sees what the last copy stored.
    StoreFile file = ReadStoreFile(fileName);
    StoreView view(file.contents);
    change(view);
    if (!view.Changed())
        return SaveResult::Saved;
    if (lock.Busy())
        return SaveResult::Busy;
    return lock.Held() && file.writable && WriteStoreFile(fileName, file.contents.Text())
               ? SaveResult::Saved
               : SaveResult::Failed;
}

} // namespace dunemark
