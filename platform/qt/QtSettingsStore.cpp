#include "platform/qt/QtSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace dunemark {

namespace {

// How long a change waits for another copy of the program to finish its own.
constexpr int LockWaitMs = 10'000;
// A copy killed between making its lock and writing its name into it leaves an empty lock that
// nobody can tell from a live one; it is taken as abandoned once this old. A change holds the
// lock for a few milliseconds.
constexpr int StaleLockMs = 3'000;

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

// The store as seen from inside one locked change: every read and write goes through the one
// QSettings that the change stores at its end.
class LockedStore final : public SettingsStore {
public:
    explicit LockedStore(QSettings& settings)
        : settings_(settings) {}

    std::string GetSetting(const std::string&, const std::string& section,
                           const std::string& key) override {
        return ReadText(settings_, section, key);
    }
    void SaveSetting(const std::string&, const std::string& section, const std::string& key,
                     const std::string& value) override {
        WriteText(settings_, section, key, value);
    }
    // Already inside the lock.
    void Update(const std::string&, const Change& change) override { change(*this); }

private:
    QSettings& settings_;
};

} // namespace

std::string QtSettingsStore::GetSetting(const std::string& app, const std::string& section,
                                        const std::string& key) {
    PlayerSettings settings(app);
    return ReadText(settings, section, key);
}

void QtSettingsStore::SaveSetting(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& value) {
    // Every write takes the update lock (see Update).
    Update(app, [&](SettingsStore& locked) { locked.SaveSetting(app, section, key, value); });
}

void QtSettingsStore::Update(const std::string& app, const Change& change) {
    // The lock has a name of its own: QSettings takes "<file>.lock" itself while it writes, and
    // it must be free for that inside the change.
    const QString fileName = PlayerSettings(app).fileName();
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QLockFile lock(fileName + QStringLiteral(".update.lock"));
    lock.setStaleLockTime(StaleLockMs);
    if (lock.tryLock(LockWaitMs)) { // released when `lock` goes
        // Every write of the store is made under this lock, so a lock of QSettings' own found
        // now was left by a copy that died while it saved. QSettings would wait half a minute
        // for it to grow old when it is empty (the copy died before writing its name into it).
        QLockFile(fileName + QStringLiteral(".lock")).removeStaleLockFile();
    }

    {
        // Read only now, under the lock, so the change sees what the last copy stored.
        PlayerSettings settings(app);
        LockedStore view(settings);
        change(view);
        settings.sync();
    }
}

} // namespace dunemark
