#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace dunemark {

// The text of an INI file as QSettings writes it: "[Section]" lines, then "key=value" lines,
// with QSettings' escapes and quotes in values and its %-codes in names. Every value is text:
// one with an unquoted comma (a list, to QSettings) reads as its items joined by ", ", and
// nothing is ever decoded into an object ("@Variant(...)" reads as those very characters).
// Values that are not set are written back as they were read.
//
// A key's path is its section's name, "/", and its own name. Keys and values stay in the file's
// own bytes, and a section's name is kept once however many keys it has: reading costs time and
// memory in proportion to the file, whatever its shape. Until a value is set, or the text asked
// for, only the sections whose values are asked for are gathered, each in one pass over the
// file: reading a few values costs little more than the file itself, however many sections and
// keys it holds.
class IniFile {
public:
    static IniFile Parse(QByteArrayView data);
    // The same, keeping `data` itself (shared, not copied).
    static IniFile Parse(QByteArray data);
    // The file, its sections one after the other as they were read, those named in `first`
    // (when they have keys) before the others in that order; no blank line is added.
    QByteArray Text(const QStringList& first = {});

    // `path` is "section/key"; a key outside any section is its own path.
    std::optional<QString> Value(const QString& path) const;
    void SetValue(const QString& path, const QString& value);

private:
    struct Span {
        std::uint32_t from = 0;
        std::uint32_t size = 0;
    };
    struct Entry {
        std::uint32_t section;
        Span key;   // as written, in bytes_
        Span value; // as written, in bytes_
    };
    struct Section {
        QString name; // empty for keys outside any section
        std::vector<std::uint32_t> entries;
    };
    struct Slot {
        std::uint32_t entry = 0; // its index + 1, 0 where free
        std::uint32_t hash = 0;
    };

    QByteArrayView Bytes(Span span) const;
    Span Keep(QByteArrayView bytes);
    std::uint32_t SectionNamed(const QString& name);
    // The slot of the key `key` in section `section`: its entry's, or the free one it would take.
    std::size_t SlotOf(std::uint32_t section, const QString& key, std::uint32_t hash) const;
    std::optional<std::uint32_t> Find(const QString& section, const QString& key) const;
    void Add(std::uint32_t section, const QString& key, Span codedKey, Span value);
    void Grow();
    // Every section and key gathered, once: before a value is set or the text written.
    void Index();
    // The keys of one section as a pass over the file finds them, in the file's order: the hash
    // of each one's name and where its line starts (a later one of the same name counts).
    struct Gathering {
        std::vector<std::uint32_t> hashes;
        std::vector<std::uint32_t> lines;
    };
    const Gathering& Gathered(const QString& section) const;
    std::optional<QString> GatheredValue(const QString& section, const QString& key) const;

    bool indexed_ = false;
    mutable QHash<QString, Gathering> gathered_; // until indexed

    QByteArray bytes_; // the file as read, then every key and value set since
    std::vector<Section> sections_;
    std::vector<Entry> entries_;
    std::vector<Slot> slots_; // the entries by section and key, open addressing
    QHash<QString, std::uint32_t> sectionIndex_;
};

} // namespace dunemark
