#pragma once

#include "platform/SettingsStore.h"

namespace dunemark {

// The per-user store kept by QSettings in its native format: on Linux the file
// $XDG_CONFIG_HOME/<app>/<app>.conf, one group per section.
class QtSettingsStore final : public SettingsStore {
public:
    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key) override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
};

} // namespace dunemark
