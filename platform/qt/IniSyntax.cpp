#include "platform/qt/IniSyntax.h"

#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <cstring>

namespace dunemark::ini {

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

} // namespace

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

QString Name(QByteArrayView text) {
    QString name;
    name.reserve(text.size());
    qsizetype plain = 0; // bytes from here on are text, waiting to be decoded
    const auto hexAt = [&](qsizetype at, int digits) {
        int code = 0;
        for (int d = 0; d < digits; ++d) {
            const int digit = at + d < text.size() ? HexDigit(text[at + d]) : -1;
            if (digit < 0)
                return -1;
            code = code * 16 + digit;
        }
        return code;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool wide = text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'U';
        const int code = text[i] == '%' ? hexAt(i + 1 + wide, wide ? 4 : 2) : -1;
        if (text[i] != '\\' && code < 0)
            continue;
        name += QString::fromUtf8(text.sliced(plain, i - plain));
        name += text[i] == '\\' ? QChar(u'/') : QChar(static_cast<char16_t>(code));
        i += text[i] == '\\' ? 0 : (wide ? 5 : 2);
        plain = i + 1;
    }
    return name + QString::fromUtf8(text.sliced(plain));
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

QString ValueText(QByteArrayView raw) {
    static constexpr char Escapes[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?"
                                      "?''\\\\";
    QStringList items;
    QString text;
    // U+FEFF is a character like any other here, not a mark to drop.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
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
        // U+FEFF is escaped too: a reader may take it, written as it is, for a byte order mark
        // and drop it.
        if (!hex && !(named && (named - Named) % 2 == 0) && u > 0x1F && u != 0xFEFF &&
            i < text.size()) {
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

} // namespace dunemark::ini
