#pragma once

#include "platform/SettingsStore.h"

#include <chrono>

namespace dunemark {

// The per-user store in the file QSettings would keep for an application, in its INI format:
// on Linux $XDG_CONFIG_HOME/<app>/<app>.conf (~/.config when unset), one section per section.
// Every value is text, read afresh from the file each time and never decoded into anything else.
// A file that is missing, unreadable or garbled reads as far as it makes sense. Only a regular
// file, or a link to one (written through, the link kept), is taken for the store. A save
// replaces the file whole, or leaves it exactly as it was; a file too large to read whole, one
// whose reading failed, one the player made read-only, is never written, and no save makes a
// file larger than is read.
class QtSettingsStore final : public SettingsStore {
public:
    // How long a change waits at most for another copy of the program to finish its own.
    static constexpr std::chrono::milliseconds DefaultPatience{20'000};

    explicit QtSettingsStore(std::chrono::milliseconds patience = DefaultPatience);

    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key) override;
    // One value, written as one update.
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    SaveResult Read(const std::string& app, const Reading& read) override;
    // Holds a lock beside the store's file while the change reads and writes (see StoreLock).
    SaveResult Update(const std::string& app, const Change& change) override;
    std::string FileBehind(const std::string& app, SaveResult why) override;

private:
    std::chrono::milliseconds patience_;
};

} // namespace dunemark
