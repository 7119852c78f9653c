#pragma once

#include <string>

namespace dunemark {

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
};

} // namespace dunemark
