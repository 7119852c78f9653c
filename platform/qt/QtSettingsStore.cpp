#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/StoreLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace dunemark {

namespace {

QString Path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

// The player's own store of one application, the organisation named like the application.
// Values left by the system or by other programs of that organisation never stand in for
// missing ones.
class PlayerSettings final : public QSettings {
public:
    explicit PlayerSettings(const std::string& app)
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(app),
                    QString::fromStdString(app)) {
        setFallbacksEnabled(false);
    }
};

// A value as text. A list, which is what QSettings makes of a hand-edited value with an
// unquoted comma, reads as its items joined the way a person writes them.
std::string ReadText(QSettings& settings, const std::string& section, const std::string& key) {
    const QVariant value = settings.value(Path(section, key));
    const int type = value.typeId();
    if (type == QMetaType::QStringList || type == QMetaType::QVariantList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

void WriteText(QSettings& settings, const std::string& section, const std::string& key,
               const std::string& value) {
    settings.setValue(Path(section, key), QString::fromStdString(value));
}

// Where QSettings keeps an application's file, found without reading that file: a QSettings
// reads its file as it is made, and would wait for ever on a pipe put there. A QSettings with
// no application name keeps its file beside the applications' folders.
QString StoreFileName(const std::string& app) {
    const QSettings beside(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Dunemark-store-path"));
    const QString name = QString::fromStdString(app);
    return QFileInfo(beside.fileName()).absolutePath() + QLatin1Char('/') + name +
           QLatin1Char('/') + name + QStringLiteral(".conf");
}

// Only a regular file, or a link to one, is read or written as the store; a missing one is made
// by the first save. A pipe, a device, a folder, a socket or a broken link reads as an empty
// store and is never written.
bool IsStoreFile(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.isFile() || (!info.exists() && !info.isSymLink());
}

// The store as one reading or one change sees it: every read goes through one QSettings (none
// for a store that is no file), and writes reach it only when they are to be stored.
class StoreView final : public SettingsStore {
public:
    StoreView(QSettings* settings, bool writable)
        : settings_(settings)
        , writable_(settings && writable) {}

    std::string GetSetting(const std::string&, const std::string& section,
                           const std::string& key) override {
        return settings_ ? ReadText(*settings_, section, key) : std::string();
    }
    void SaveSetting(const std::string&, const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (writable_)
            WriteText(*settings_, section, key, value);
    }
    // Already one reading, or inside the lock.
    void Read(const std::string&, const Reading& read) override { read(*this); }
    void Update(const std::string&, const Change& change) override { change(*this); }

private:
    QSettings* settings_;
    bool writable_;
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
    // Every write takes the update lock (see Update).
    Update(app, [&](SettingsStore& locked) { locked.SaveSetting(app, section, key, value); });
}

void QtSettingsStore::Read(const std::string& app, const Reading& read) {
    if (!IsStoreFile(StoreFileName(app))) {
        StoreView nothing(nullptr, false);
        read(nothing);
        return;
    }
    PlayerSettings settings(app);
    StoreView view(&settings, false);
    read(view);
}

void QtSettingsStore::Update(const std::string& app, const Change& change) {
    const QString fileName = StoreFileName(app);
    if (!IsStoreFile(fileName)) {
        StoreView nothing(nullptr, false);
        change(nothing);
        return;
    }
    // The lock has a name of its own: QSettings takes "<file>.lock" itself while it writes, and
    // it must be free for that inside the change.
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QLockFile lock(fileName + QStringLiteral(".update.lock"));
    const bool held = TakeStoreLock(lock, patience_); // released when `lock` goes
    if (held) {
        // Every write of the store is made under this lock, so a lock of QSettings' own found
        // now was left by a copy that died while it saved. QSettings would wait half a minute
        // for it to grow old when it is empty (the copy died before writing its name into it).
        QLockFile(fileName + QStringLiteral(".lock")).removeStaleLockFile();
    }

    // Read only now, under the lock, so the change sees what the last copy stored.
    PlayerSettings settings(app);
    StoreView view(&settings, held);
    change(view);
    if (held)
        settings.sync();
}

} // namespace dunemark
