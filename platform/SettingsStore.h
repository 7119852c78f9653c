#pragma once

#include <functional>
#include <string>

namespace dunemark {

// What became of an update's writes: stored, or not stored because another copy of the program
// kept the store for too long, because the store cannot be written (no room left, not allowed),
// because it is too large to be read whole (or would be, once written), because reading it
// failed, because something that is not the store's lock stands where the lock goes, because the
// lock file is there but cannot be opened, because something stands where the new file is written
// before it takes the store's place, or because the player made the store read-only. Unsynced:
// stored, and read back so from now on, but the system could not say that it is on the disk.
enum class SaveResult {
    Saved,
    Busy,
    Failed,
    TooLarge,
    Unreadable,
    LockInTheWay,
    LockNotOpened,
    NewFileInTheWay,
    ReadOnly,
    Unsynced
};

// Whether the writes are in the store: Saved, or Unsynced.
inline bool Stored(SaveResult result) {
    return result == SaveResult::Saved || result == SaveResult::Unsynced;
}

// The per-user store of text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A missing key reads as the empty text.
    virtual std::string GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key) = 0;
    // Creates or overwrites one value.
    virtual void SaveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) = 0;

    // Runs `read` over this application's values as they are stored at one moment, all read in
    // one go. It only reads: nothing written through `view` is stored. Gives Saved when `view`
    // held everything stored, else why it held only part (TooLarge, Unreadable).
    using Reading = std::function<void(SettingsStore& view)>;
    virtual SaveResult Read(const std::string& app, const Reading& read) = 0;

    // Runs `change` as one step that no other copy of the program can come between: what it
    // reads through `locked` is what is stored at that moment, and everything it writes there
    // is stored together, before another copy's step begins. Only this application's values
    // may be read and written through `locked`. When the store cannot be written, or another
    // copy keeps it for too long, the change still runs on what is stored, but nothing it
    // writes is stored: a change never overwrites another copy's step. Either everything the
    // change writes is stored, or nothing, and the result says which.
    using Change = std::function<void(SettingsStore& locked)>;
    virtual SaveResult Update(const std::string& app, const Change& change) = 0;

    // The file a result that is not Saved is about, for the player to look at, or "" when
    // there is none to name.
    virtual std::string FileBehind(const std::string& app, SaveResult why) {
        static_cast<void>(app);
        static_cast<void>(why);
        return {};
    }
};

} // namespace dunemark
