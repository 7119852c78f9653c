#pragma once

#include "platform/SettingsStore.h"

namespace dunemark {

// The per-user store kept by QSettings in its native format, organisation and application both
// named after the application: on Linux the file $XDG_CONFIG_HOME/<app>/<app>.conf, one group
// per section. Every value is written as text and read back as the same text; a file that is
// missing, unreadable or garbled reads as far as it makes sense, and a store that cannot be
// written is left as it is. Nothing is ever reported.
class QtSettingsStore final : public SettingsStore {
public:
    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key) override;
    // One value, written as one update.
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    // Holds a lock file beside the store's file while the change reads and writes; another copy
    // of the program waits for it. A lock left by a copy that died is taken over: at once when it
    // names a copy no longer running, after three seconds when it is empty. When the lock cannot
    // be had (the directory cannot be written, or a copy holds it for too long) the change runs
    // all the same.
    void Update(const std::string& app, const Change& change) override;
};

} // namespace dunemark
