#include "platform/qt/QtSettingsStore.h"

#include <QSettings>

namespace dunemark {

namespace {

QString Path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

} // namespace

std::string QtSettingsStore::GetSetting(const std::string& app, const std::string& section,
                                        const std::string& key) {
    const QString name = QString::fromStdString(app);
    QSettings settings(name, name);
    return settings.value(Path(section, key)).toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& value) {
    const QString name = QString::fromStdString(app);
    QSettings settings(name, name);
    settings.setValue(Path(section, key), QString::fromStdString(value));
}

} // namespace dunemark
