#pragma once

#include "platform/SettingsStore.h"

#include <chrono>

namespace dunemark {

// The per-user store kept by QSettings in its native format, organisation and application both
// named after the application: on Linux the file $XDG_CONFIG_HOME/<app>/<app>.conf, one group
// per section. Every value is written as text and read back as the same text; a file that is
// missing, unreadable or garbled reads as far as it makes sense, and a store that cannot be
// written is left as it is. Only a regular file, or a link to one (written through, the link
// kept), is taken for the store. Nothing is ever reported.
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
    // Reads the file once, through one QSettings.
    void Read(const std::string& app, const Reading& read) override;
    // Holds a lock file beside the store's file while the change reads and writes; another copy
    // of the program waits for it (see TakeStoreLock). When the lock cannot be had (the folder
    // cannot be written, or a running copy holds it beyond the patience) the change runs on what
    // is stored and nothing it writes is stored.
    void Update(const std::string& app, const Change& change) override;

private:
    std::chrono::milliseconds patience_;
};

} // namespace dunemark
