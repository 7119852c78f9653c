#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The lines, names and values of an INI file as QSettings writes them, read and written back.
namespace dunemark::ini {

// One logical line of the file: the blank and ";" comment lines before it are skipped; it ends at
// a line break or a ";" outside quotes, and a backslash or quotes carry it over a line break.
// `equals` is where its first "=" outside quotes stands, or -1.
struct Line {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

// Finds the logical line from `pos` on and moves `pos` past it; false at the end of `data`.
bool NextLine(QByteArrayView data, qsizetype& pos, Line& line);

// A section's or key's name: "%XX" and "%UXXXX" stand for one character, a backslash for "/".
QString Name(QByteArrayView text);
// A name as QSettings writes it, so that it reads back the same.
QByteArray CodedName(const QString& name);

// A value's text. Escapes as in C ("\n", "\x41", "\101"); quotes keep blanks and commas; an
// unquoted comma separates items; blanks around an unquoted item are dropped.
QString ValueText(QByteArrayView raw);
// A text as QSettings writes it, so that it reads back the same.
QByteArray CodedValue(const QString& value);

// Whether a value as read ends where its line ends: no quote left open, no backslash at the end.
bool EndsItsLine(QByteArrayView value);

} // namespace dunemark::ini
