#include "platform/qt/IniFile.h"

#include "platform/qt/IniSyntax.h"

#include <algorithm>
#include <string_view>

namespace dunemark {

namespace {

using namespace ini;

std::uint32_t KeyHash(std::uint32_t section, QStringView key) {
    // Mixed once more, so that the low bits, which choose the slot, depend on every bit.
    std::uint64_t hash = qHashMulti(QHashSeed::globalSeed(), section, key);
    hash = (hash ^ (hash >> 33)) * 0xff51afd7ed558ccdull;
    return static_cast<std::uint32_t>(hash ^ (hash >> 33));
}

// A path's section and key: what stands before its first "/", and the rest.
std::pair<QString, QString> SectionAndKey(const QString& path) {
    const qsizetype slash = path.indexOf(QLatin1Char('/'));
    return slash < 0 ? std::pair(QString(), path)
                     : std::pair(path.left(slash), path.mid(slash + 1));
}

// Whether a name as written is its own name: letters, digits and "_-. " only, nothing to decode.
bool Plain(QByteArrayView coded) {
    return std::all_of(coded.begin(), coded.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '.' || c == ' ';
    });
}

// A hash of a name, from its characters' UTF-16 codes (FNV-1a).
template <typename Units> std::uint32_t HashOf(Units units) {
    std::uint32_t hash = 2166136261u;
    for (const auto unit : units)
        hash = (hash ^ static_cast<std::uint32_t>(unit)) * 16777619u;
    return hash;
}

std::uint32_t NameHash(QStringView name) {
    return HashOf(std::u16string_view(name.utf16(), static_cast<std::size_t>(name.size())));
}

// The hash of the name a key or section stands for as written: a plain one (ASCII) is hashed
// as it stands, without being decoded.
std::uint32_t NameHash(QByteArrayView coded) {
    return Plain(coded) ? HashOf(coded) : NameHash(Name(coded));
}

// Whether a section's header, as it stands between its brackets, names `section`. A plain
// header is compared without being decoded.
bool Names(QByteArrayView header, const QString& section) {
    if (header.compare("general", Qt::CaseInsensitive) == 0)
        return section.isEmpty();
    if (header.compare("%general", Qt::CaseInsensitive) == 0)
        return section == QString::fromUtf8(header.sliced(1));
    return Plain(header) ? QLatin1StringView(header.data(), header.size()) == section
                         : Name(header) == section;
}

// A section's name from its header line ("[...]"): what stands between the brackets, its blanks
// dropped.
QByteArrayView Header(QByteArrayView text) {
    const qsizetype close = text.indexOf(']');
    return text.sliced(1, (close < 0 ? text.size() : close) - 1).trimmed();
}

} // namespace

QByteArrayView IniFile::Bytes(Span span) const {
    return QByteArrayView(bytes_).sliced(span.from, span.size);
}

IniFile::Span IniFile::Keep(QByteArrayView bytes) {
    const Span span{static_cast<std::uint32_t>(bytes_.size()),
                    static_cast<std::uint32_t>(bytes.size())};
    bytes_ += bytes;
    return span;
}

IniFile IniFile::Parse(QByteArrayView data) {
    return Parse(data.toByteArray());
}

IniFile IniFile::Parse(QByteArray data) {
    IniFile file;
    file.bytes_ = data.startsWith("\xef\xbb\xbf") ? data.sliced(3) : std::move(data);
    return file;
}

const IniFile::Gathering& IniFile::Gathered(const QString& section) const {
    const auto found = gathered_.constFind(section);
    if (found != gathered_.constEnd())
        return *found;
    Gathering& keys = gathered_[section];
    const QByteArrayView all(bytes_);
    bool in = section.isEmpty(); // keys before the first header are outside any section
    qsizetype pos = 0;
    for (Line line; NextLine(all, pos, line);) {
        const QByteArrayView text = all.sliced(line.start, line.end - line.start);
        if (text.startsWith('['))
            in = Names(Header(text), section);
        else if (in && line.equals >= 0) {
            keys.hashes.push_back(NameHash(text.first(line.equals - line.start).trimmed()));
            keys.lines.push_back(static_cast<std::uint32_t>(line.start));
        }
    }
    return keys;
}

std::optional<QString> IniFile::GatheredValue(const QString& section, const QString& key) const {
    const Gathering& keys = Gathered(section);
    const std::uint32_t hash = NameHash(key);
    const QByteArrayView all(bytes_);
    for (std::size_t k = keys.hashes.size(); k-- > 0;) {
        if (keys.hashes[k] != hash)
            continue;
        qsizetype pos = keys.lines[k];
        Line line;
        NextLine(all, pos, line);
        if (Name(all.sliced(line.start, line.equals - line.start).trimmed()) == key)
            return ValueText(all.sliced(line.equals + 1, line.end - line.equals - 1));
    }
    return std::nullopt;
}

void IniFile::Index() {
    if (indexed_)
        return;
    indexed_ = true;
    gathered_.clear();
    const QByteArrayView all(bytes_);
    QString section;
    std::optional<std::uint32_t> into; // the section's index, once it has a key
    qsizetype pos = 0;
    for (Line line; NextLine(all, pos, line);) {
        const QByteArrayView text = all.sliced(line.start, line.end - line.start);
        if (text.startsWith('[')) {
            const QByteArrayView header = Header(text);
            section = header.compare("general", Qt::CaseInsensitive) == 0 ? QString()
                      : header.compare("%general", Qt::CaseInsensitive) == 0
                          ? QString::fromUtf8(header.sliced(1))
                          : Name(header);
            into.reset();
            continue;
        }
        if (line.equals < 0)
            continue;
        const qsizetype equals = line.equals - line.start;
        const QByteArrayView key = text.first(equals).trimmed();
        const auto at = [&](QByteArrayView part) {
            return Span{static_cast<std::uint32_t>(part.data() - all.data()),
                        static_cast<std::uint32_t>(part.size())};
        };
        if (!into)
            into = SectionNamed(section);
        Add(*into, Name(key), at(key), at(text.sliced(equals + 1)));
    }
}

std::uint32_t IniFile::SectionNamed(const QString& name) {
    const auto found = sectionIndex_.constFind(name);
    if (found != sectionIndex_.constEnd())
        return *found;
    const auto index = static_cast<std::uint32_t>(sections_.size());
    sectionIndex_.insert(name, index);
    sections_.push_back({name, {}});
    return index;
}

std::size_t IniFile::SlotOf(std::uint32_t section, const QString& key, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.entry == 0)
            return i;
        const Entry& entry = entries_[slot.entry - 1];
        if (slot.hash == hash && entry.section == section && Name(Bytes(entry.key)) == key)
            return i;
    }
}

std::optional<std::uint32_t> IniFile::Find(const QString& section, const QString& key) const {
    const auto found = sectionIndex_.constFind(section);
    if (found == sectionIndex_.constEnd() || slots_.empty())
        return std::nullopt;
    const Slot& slot = slots_[SlotOf(*found, key, KeyHash(*found, key))];
    return slot.entry == 0 ? std::nullopt : std::optional(slot.entry - 1);
}

void IniFile::Grow() {
    std::vector<Slot> old(std::max<std::size_t>(16, slots_.size() * 2));
    old.swap(slots_);
    for (const Slot& slot : old) {
        const std::size_t mask = slots_.size() - 1;
        std::size_t i = slot.hash & mask;
        while (slot.entry != 0 && slots_[i].entry != 0)
            i = (i + 1) & mask;
        if (slot.entry != 0)
            slots_[i] = slot;
    }
}

// A key read again in its section takes the first one's place with the later value.
void IniFile::Add(std::uint32_t section, const QString& key, Span codedKey, Span value) {
    if (2 * (entries_.size() + 1) > slots_.size())
        Grow();
    const std::uint32_t hash = KeyHash(section, key);
    Slot& slot = slots_[SlotOf(section, key, hash)];
    if (slot.entry != 0) {
        entries_[slot.entry - 1].value = value;
        return;
    }
    slot = {static_cast<std::uint32_t>(entries_.size() + 1), hash};
    sections_[section].entries.push_back(slot.entry - 1);
    entries_.push_back({section, codedKey, value});
}

QByteArray IniFile::Text(const QStringList& first) {
    Index();
    QByteArray text;
    const auto write = [&](const Section& section) {
        const bool general =
            section.name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0;
        text += '[' +
                (section.name.isEmpty() ? QByteArray("General")
                 : general              ? '%' + section.name.toUtf8()
                                        : CodedName(section.name)) +
                "]\n";
        for (const std::uint32_t index : section.entries) {
            const Entry& entry = entries_[index];
            const QByteArrayView value = Bytes(entry.value);
            // A value as read, unless it would carry its line over into the next one.
            text += Bytes(entry.key);
            text += '=';
            text += EndsItsLine(value) ? value.toByteArray() : CodedValue(ValueText(value));
            text += '\n';
        }
    };
    std::vector<bool> written(sections_.size());
    for (const QString& name : first) {
        const auto found = sectionIndex_.constFind(name);
        if (found != sectionIndex_.constEnd() && !written[*found]) {
            written[*found] = true;
            write(sections_[*found]);
        }
    }
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        if (!written[s])
            write(sections_[s]);
    }
    return text;
}

std::optional<QString> IniFile::Value(const QString& path) const {
    const auto [section, key] = SectionAndKey(path);
    if (!indexed_)
        return GatheredValue(section, key);
    const std::optional<std::uint32_t> found = Find(section, key);
    return found ? std::optional(ValueText(Bytes(entries_[*found].value))) : std::nullopt;
}

void IniFile::SetValue(const QString& path, const QString& value) {
    Index();
    const auto [section, key] = SectionAndKey(path);
    if (const std::optional<std::uint32_t> found = Find(section, key)) {
        entries_[*found].value = Keep(CodedValue(value));
        return;
    }
    const std::uint32_t index = SectionNamed(section);
    const Span codedKey = Keep(CodedName(key));
    Add(index, key, codedKey, Keep(CodedValue(value)));
}

} // namespace dunemark
