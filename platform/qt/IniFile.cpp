#include "platform/qt/IniFile.h"

#include <QStringDecoder>
#include <algorithm>
#include <cctype>
#include <cstring>

namespace dunemark {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One logical line from `pos` on: blank lines and ";" comment lines are skipped; a line ends at
// a line break or a ";" outside quotes, and a backslash or quotes carry it over a line break.
// `equals` is where its first "=" outside quotes stands, or -1.
struct Line {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

bool NextLine(QByteArrayView data, qsizetype& pos, Line& line) {
    while (pos < data.size() && IsBlank(data[pos]))
        ++pos;
    while (pos < data.size() && data[pos] == ';') {
        while (pos < data.size() && data[pos] != '\n' && data[pos] != '\r')
            ++pos;
        while (pos < data.size() && IsBlank(data[pos]))
            ++pos;
    }
    line = {pos, pos, -1};
    bool quoted = false;
    for (; pos < data.size(); ++pos) {
        const char c = data[pos];
        if (c == '=' && !quoted && line.equals < 0)
            line.equals = pos;
        else if ((c == '\n' || c == '\r' || c == ';') && !quoted)
            break;
        else if (c == '"')
            quoted = !quoted;
        else if (c == '\\' && pos + 1 < data.size()) {
            ++pos;
            const char next = pos + 1 < data.size() ? data[pos + 1] : '\0';
            if ((data[pos] == '\n' && next == '\r') || (data[pos] == '\r' && next == '\n'))
                ++pos;
        }
    }
    line.end = std::min(pos, data.size());
    return line.end > line.start;
}

// A section's or key's name: "%XX" and "%UXXXX" stand for one character, a backslash for "/".
QString Name(QByteArrayView text) {
    const QString coded = QString::fromUtf8(text);
    QString name;
    for (qsizetype i = 0; i < coded.size(); ++i) {
        if (coded[i] == QLatin1Char('\\')) {
            name += QLatin1Char('/');
            continue;
        }
        const qsizetype digits = coded.mid(i + 1, 1) == QLatin1String("U") ? 4 : 2;
        const qsizetype first = i + 1 + (digits == 4);
        bool ok = false;
        const ushort code = coded[i] == QLatin1Char('%') && first + digits <= coded.size()
                                ? QStringView(coded).mid(first, digits).toUShort(&ok, 16)
                                : 0;
        if (ok) {
            name += QChar(code);
            i = first + digits - 1;
        } else {
            name += coded[i];
        }
    }
    return name;
}

QByteArray CodedName(const QString& name) {
    QByteArray coded;
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u == '/')
            coded += '\\';
        else if ((u < 0x80 && std::isalnum(u)) || u == '_' || u == '-' || u == '.')
            coded += static_cast<char>(u);
        else
            coded += (u <= 0xFF ? "%" : "%U") +
                     QByteArray::number(u, 16).toUpper().rightJustified(u <= 0xFF ? 2 : 4, '0');
    }
    return coded;
}

// A value's text. Escapes as in C ("\n", "\x41", "\101"); quotes keep blanks and commas; an
// unquoted comma separates items; blanks around an unquoted item are dropped.
QString ValueText(QByteArrayView raw) {
    static constexpr char Escapes[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?"
                                      "?''\\\\";
    QStringList items;
    QString text;
    QStringDecoder utf8(QStringDecoder::Utf8);
    bool quoted = false;
    bool itemQuoted = false;
    qsizetype keep = 0; // blanks before this stay
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
            ++i;
        keep = text.size();
    };
    const auto chopBlanks = [&] {
        while (!itemQuoted && text.size() > keep &&
               (text.back() == QLatin1Char(' ') || text.back() == QLatin1Char('\t')))
            text.chop(1);
    };
    skipBlanks();
    while (i < raw.size()) {
        const char c = raw[i++];
        if (c == '\\') {
            if (i >= raw.size())
                break;
            const char e = raw[i++];
            const int base = e == 'x' ? 16 : (e >= '0' && e <= '7' ? 8 : 0);
            if (const char* named = std::strchr(Escapes, e);
                e && named && (named - Escapes) % 2 == 0) {
                text += QLatin1Char(named[1]);
            } else if (base && (base == 8 || (i < raw.size() && HexDigit(raw[i]) >= 0))) {
                char16_t code = base == 8 ? e - '0' : 0;
                for (int d; i < raw.size() && (d = HexDigit(raw[i])) >= 0 && d < base; ++i)
                    code = static_cast<char16_t>(code * base + d);
                text += QChar(code);
            } else if ((e == '\n' || e == '\r') && i < raw.size() &&
                       (raw[i] == '\n' || raw[i] == '\r') && raw[i] != e) {
                ++i;
            }
            keep = text.size();
        } else if (c == '"') {
            itemQuoted = true;
            quoted = !quoted;
            if (!quoted)
                skipBlanks();
        } else if (c == ',' && !quoted) {
            chopBlanks();
            items << text;
            text.clear();
            itemQuoted = false;
            skipBlanks();
        } else {
            qsizetype j = i;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',')
                ++j;
            text += utf8(raw.sliced(i - 1, j - i + 1));
            i = j;
        }
    }
    chopBlanks();
    // QSettings marks a text that begins with "@" by doubling it, and wraps a text holding a
    // null character, or bytes, in "@String(...)" or "@ByteArray(...)". Nothing else that begins
    // with "@" is decoded: it reads as it stands.
    const auto plain = [](const QString& item) {
        const auto wrapped = [&](QLatin1String start) {
            return item.startsWith(start) && item.endsWith(QLatin1Char(')'))
                       ? std::optional(item.mid(start.size(), item.size() - start.size() - 1))
                       : std::nullopt;
        };
        if (item.startsWith(QLatin1String("@@")))
            return item.mid(1);
        if (const auto text = wrapped(QLatin1String("@String(")))
            return *text;
        if (const auto bytes = wrapped(QLatin1String("@ByteArray(")))
            return QString::fromUtf8(bytes->toLatin1());
        return item == QLatin1String("@Invalid()") ? QString() : item;
    };
    if (items.isEmpty())
        return plain(text);
    items << text;
    for (QString& item : items)
        item = plain(item);
    return items.join(QLatin1String(", "));
}

// A text as QSettings writes it, so that it reads back the same.
QByteArray CodedValue(const QString& value) {
    static constexpr char Named[] = "\aa\bb\ff\nn\rr\tt\vv\"\"\\\\";
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray coded;
    qsizetype plainFrom = 0; // the characters written as they are, in UTF-8, wait from here
    bool hexFollows = false; // a hex digit right after a numbered escape would join it
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const ushort u = i < text.size() ? text[i].unicode() : 0x20;
        const char* named = u && u < 0x80 ? std::strchr(Named, u) : nullptr;
        const bool hex = hexFollows && u < 0x80 && HexDigit(static_cast<char>(u)) >= 0;
        if (!hex && !(named && (named - Named) % 2 == 0) && u > 0x1F && i < text.size()) {
            hexFollows = false;
            continue;
        }
        coded += text.mid(plainFrom, i - plainFrom).toUtf8();
        plainFrom = i + 1;
        if (i == text.size())
            break;
        if (named && !hex && (named - Named) % 2 == 0) {
            coded += '\\';
            coded += named[1];
            hexFollows = false;
        } else {
            coded += u == 0 && !hex ? QByteArray("\\0") : "\\x" + QByteArray::number(u, 16);
            hexFollows = true;
        }
    }
    const bool quotes = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char(',')) ||
                        text.contains(QLatin1Char('=')) || coded.startsWith(' ') ||
                        coded.endsWith(' ');
    return quotes ? '"' + coded + '"' : coded;
}

// Whether a value as read ends where its line ends: no quote left open, no backslash at the end.
bool EndsItsLine(QByteArrayView value) {
    bool quoted = false;
    qsizetype i = 0;
    for (; i < value.size(); ++i) {
        if (value[i] == '\\')
            ++i;
        else if (value[i] == '"')
            quoted = !quoted;
    }
    return !quoted && i == value.size();
}

} // namespace

IniFile IniFile::Parse(QByteArrayView data) {
    if (data.startsWith("\xef\xbb\xbf"))
        data = data.sliced(3);
    IniFile file;
    QString section;
    qsizetype pos = 0;
    for (Line line; NextLine(data, pos, line);) {
        const QByteArrayView text = data.sliced(line.start, line.end - line.start);
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            const QByteArrayView header =
                text.sliced(1, (close < 0 ? text.size() : close) - 1).trimmed();
            section = header.compare("general", Qt::CaseInsensitive) == 0 ? QString()
                      : header.compare("%general", Qt::CaseInsensitive) == 0
                          ? QString::fromUtf8(header.sliced(1))
                          : Name(header);
            continue;
        }
        if (line.equals < 0)
            continue;
        const qsizetype equals = line.equals - line.start;
        Entry entry{text.first(equals).trimmed().toByteArray(),
                    text.sliced(equals + 1).toByteArray()};
        const QString path =
            (section.isEmpty() ? QString() : section + QLatin1Char('/')) + Name(entry.key);
        if (const auto found = file.entryIndex_.find(path); found != file.entryIndex_.end()) {
            file.sections_[found->first].entries[found->second].value = entry.value;
            continue;
        }
        Section& into = file.SectionNamed(section);
        file.entryIndex_.insert(path, {static_cast<int>(&into - file.sections_.data()),
                                       static_cast<int>(into.entries.size())});
        into.entries.push_back(std::move(entry));
    }
    return file;
}

IniFile::Section& IniFile::SectionNamed(const QString& name) {
    const auto found = sectionIndex_.find(name);
    if (found != sectionIndex_.end())
        return sections_[*found];
    sectionIndex_.insert(name, static_cast<int>(sections_.size()));
    sections_.push_back({name, {}});
    return sections_.back();
}

QByteArray IniFile::Text() const {
    QByteArray text;
    for (const Section& section : sections_) {
        if (!text.isEmpty())
            text += '\n';
        const bool general =
            section.name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0;
        text += '[' +
                (section.name.isEmpty() ? QByteArray("General")
                 : general              ? '%' + section.name.toUtf8()
                                        : CodedName(section.name)) +
                "]\n";
        for (const Entry& entry : section.entries) {
            // A value as read, unless it would carry its line over into the next one.
            text += entry.key + '=' +
                    (EndsItsLine(entry.value) ? entry.value : CodedValue(ValueText(entry.value))) +
                    '\n';
        }
    }
    return text;
}

std::optional<QString> IniFile::Value(const QString& path) const {
    const auto found = entryIndex_.find(path);
    if (found == entryIndex_.end())
        return std::nullopt;
    return ValueText(sections_[found->first].entries[found->second].value);
}

void IniFile::SetValue(const QString& path, const QString& value) {
    if (const auto found = entryIndex_.find(path); found != entryIndex_.end()) {
        sections_[found->first].entries[found->second].value = CodedValue(value);
        return;
    }
    const qsizetype slash = path.indexOf(QLatin1Char('/'));
    const QString section = slash < 0 ? QString() : path.left(slash);
    Section& into = SectionNamed(section);
    entryIndex_.insert(
        path, {static_cast<int>(&into - sections_.data()), static_cast<int>(into.entries.size())});
    into.entries.push_back({CodedName(path.mid(slash + 1)), CodedValue(value)});
}

} // namespace dunemark
