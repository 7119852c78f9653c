#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace dunemark {

// The text of an INI file as QSettings writes it: "[Section]" lines, then "key=value" lines,
// with QSettings' escapes and quotes in values and its %-codes in names. Every value is text:
// one with an unquoted comma (a list, to QSettings) reads as its items joined by ", ", and
// nothing is ever decoded into an object ("@Variant(...)" reads as those very characters).
// Values that are not set are written back as they were read.
class IniFile {
public:
    static IniFile Parse(QByteArrayView data);
    QByteArray Text() const;

    // `path` is "section/key"; a key outside any section is its own path.
    std::optional<QString> Value(const QString& path) const;
    void SetValue(const QString& path, const QString& value);

private:
    struct Entry {
        QByteArray key;   // as written
        QByteArray value; // as written
    };
    struct Section {
        QString name; // empty for keys outside any section
        std::vector<Entry> entries;
    };
    Section& SectionNamed(const QString& name);

    std::vector<Section> sections_;
    QHash<QString, int> sectionIndex_;               // by section name
    QHash<QString, std::pair<int, int>> entryIndex_; // by path: section, entry
};

} // namespace dunemark
