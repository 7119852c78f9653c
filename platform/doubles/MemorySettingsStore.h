#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <string>
#include <tuple>

namespace dunemark {

// A settings store held in memory, open to inspection.
class MemorySettingsStore final : public SettingsStore {
public:
    using Key = std::tuple<std::string, std::string, std::string>; // app, section, key

    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key) override {
        const auto found = values.find({app, section, key});
        return found == values.end() ? std::string() : found->second;
    }

    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[{app, section, key}] = value;
        ++writes;
    }

    void Read(const std::string& app, const Reading& read) override {
        (void)app;
        ++readings;
        read(*this);
    }

    // One copy of the program in memory: nothing can come between, so the change just runs.
    void Update(const std::string& app, const Change& change) override {
        (void)app;
        ++updates;
        change(*this);
    }

    std::map<Key, std::string> values;
    int writes = 0;
    int updates = 0;
    int readings = 0;
};

} // namespace dunemark
