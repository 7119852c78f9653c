#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace dunemark {

// The languages the game speaks besides English, as its translation files name them.
QStringList GameLanguages();

// The game's language for a list of the player's languages, best first ("de-DE", "pt-BR", "en"):
// the first the game speaks, "" for English when it meets English or none it speaks.
QString ChooseLanguage(const QStringList& uiLanguages);

// The name of the desktop's locale for numbers: LC_ALL, LC_NUMERIC or LANG, the first that is set.
QString NumericLocaleName();

// The locale the game writes its numbers in: the desktop's, unless its locale for numbers
// (`numeric`) is C or POSIX, when the numbers follow the game's language ("" is English).
QLocale NumberLocale(const QLocale& desktop, const QString& numeric, const QString& language);

// The game's texts and Qt's own (the standard buttons) in one language, installed in the
// application for as long as this lives.
class Language {
public:
    Language() = default;
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;
    ~Language();

    // Installs `name` ("de"; "" is English, the texts as they are written) in place of what was
    // installed before. Gives whether the game's own translation was found.
    bool Install(const QString& name);

private:
    void Remove();

    QTranslator game_;
    QTranslator qt_;
};

} // namespace dunemark
