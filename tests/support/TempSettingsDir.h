#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace dunemark {

// Points the per-user settings store at a fresh temporary directory for as long as it lives, so
// a test never touches a real player's scores.
class TempSettingsDir {
public:
    TempSettingsDir() { UseNewDir(); }

    QString Dir() const { return dir_->path(); }
    // Where the program's store lives: <config>/Dunemark/Dunemark.conf.
    QString ConfPath() const { return Dir() + QStringLiteral("/Dunemark/Dunemark.conf"); }

    // Puts a file in place of the store before anything reads it, as a person or a crash might.
    void WriteConf(const QByteArray& contents) const {
        QDir().mkpath(Dir() + QStringLiteral("/Dunemark"));
        QFile file(ConfPath());
        if (file.open(QIODevice::WriteOnly))
            file.write(contents);
    }

    QByteArray ReadConf() const {
        QFile file(ConfPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Moves the stored file to a directory that this program has never read, so what is read
    // next comes from the file itself, as in the next run of the game, and not from what
    // QSettings still holds in memory.
    void Reopen() {
        const QByteArray contents = ReadConf();
        UseNewDir();
        WriteConf(contents);
    }

private:
    void UseNewDir() {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Dir()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir());
    }

    std::unique_ptr<QTemporaryDir> dir_;
};

} // namespace dunemark
