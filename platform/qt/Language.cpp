#include "platform/qt/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace dunemark {

namespace {

const QString GameFiles = QStringLiteral(":/i18n");
const QString GamePrefix = QStringLiteral("dunemark_");

// Qt's own texts on the standard buttons of message boxes and dialogs and in a text field's
// context menu: the game's files carry them, for the languages Qt has no translation of
// (Swedish), and are searched before Qt's.
[[maybe_unused]] const char* const QtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"), QT_TRANSLATE_NOOP("QDialogButtonBox", "OK"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),      QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),       QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),     QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

} // namespace

QStringList GameLanguages() {
    // Matched by hand: a wildcard filter would bring in and compile a regular expression at
    // every start, half a megabyte of memory for ten names.
    const QString suffix = QStringLiteral(".qm");
    QStringList names;
    for (const QString& file : QDir(GameFiles).entryList(QDir::Files)) {
        if (file.startsWith(GamePrefix) && file.endsWith(suffix))
            names << file.mid(GamePrefix.size()).chopped(suffix.size());
    }
    return names;
}

QString ChooseLanguage(const QStringList& uiLanguages) {
    QStringList spoken; // the game's languages, looked up only for a desktop not in English
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = wanted.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            return {};
        if (spoken.isEmpty())
            spoken = GameLanguages();
        if (spoken.contains(wanted))
            return wanted;
        // A regional variant falls back to the language ("de_AT" to "de"), and the language
        // to the one variant the game has of it ("pt" to "pt_BR").
        if (spoken.contains(language))
            return language;
        for (const QString& name : spoken)
            if (name.section(QLatin1Char('_'), 0, 0) == language)
                return name;
    }
    return {};
}

QString NumericLocaleName() {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const QString value = qEnvironmentVariable(name); !value.isEmpty())
            return value;
    return QStringLiteral("C");
}

QLocale NumberLocale(const QLocale& desktop, const QString& numeric, const QString& language) {
    // "C", "C.UTF-8", "POSIX": Qt names the locale after LANGUAGE but writes its numbers as C does.
    const QString name = numeric.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name != QLatin1String("C") && name != QLatin1String("POSIX"))
        return desktop;
    return QLocale(language.isEmpty() ? QStringLiteral("en") : language);
}

Language::~Language() {
    Remove();
}

void Language::Remove() {
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
}

bool Language::Install(const QString& name) {
    Remove();
    if (name.isEmpty())
        return false;
    // Qt's translation goes in first, so that the game's own, searched first, can carry the
    // texts Qt has none for.
    if (qt_.load(QStringLiteral("qtbase_") + name,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    if (!game_.load(GamePrefix + name, GameFiles))
        return false;
    QCoreApplication::installTranslator(&game_);
    return true;
}

} // namespace dunemark
