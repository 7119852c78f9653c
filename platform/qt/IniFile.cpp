#include "platform/qt/IniFile.h"

#include "platform/qt/IniSyntax.h"

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
    if (data.startsWith("\xef\xbb\xbf"))
        data = data.sliced(3);
    IniFile file;
    file.bytes_ = data.toByteArray();
    const QByteArrayView all(file.bytes_);
    QString section;
    std::optional<std::uint32_t> into; // the section's index, once it has a key
    qsizetype pos = 0;
    for (Line line; NextLine(all, pos, line);) {
        const QByteArrayView text = all.sliced(line.start, line.end - line.start);
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            const QByteArrayView header =
                text.sliced(1, (close < 0 ? text.size() : close) - 1).trimmed();
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
            into = file.SectionNamed(section);
        file.Add(*into, Name(key), at(key), at(text.sliced(equals + 1)));
    }
    return file;
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

QByteArray IniFile::Text(const QStringList& first) const {
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
    const std::optional<std::uint32_t> found = Find(section, key);
    return found ? std::optional(ValueText(Bytes(entries_[*found].value))) : std::nullopt;
}

void IniFile::SetValue(const QString& path, const QString& value) {
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
