// Settings held in memory for tests: sections and keys compared without
// regard to letter case, as the settings file does.
#pragma once

#include <map>
#include <string>

#include "engine/FixedText.h"
#include "platform/SettingsStore.h"

namespace jw::test {

class MemorySettings : public SettingsStore {
  public:
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override {
        const auto found = values.find(Key(section, key));
        return found == values.end() ? std::string(defaultValue) : found->second;
    }
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        values[Key(section, key)] = std::string(value);
    }
    int ReadInteger(std::string_view section, std::string_view key,
                    int defaultValue) const override {
        const auto found = values.find(Key(section, key));
        if (found == values.end()) {
            return defaultValue;
        }
        const auto value = ParseInteger(found->second);
        return value ? static_cast<int>(*value) : defaultValue;
    }
    void WriteInteger(std::string_view section, std::string_view key, int value) override {
        values[Key(section, key)] = std::to_string(value);
    }
    void RemoveSection(std::string_view section) override {
        const std::string prefix = Key(section, "");
        std::erase_if(values, [&](const auto& entry) { return entry.first.rfind(prefix, 0) == 0; });
    }
    bool Has(std::string_view section, std::string_view key) const {
        return values.count(Key(section, key)) != 0;
    }

    std::map<std::string, std::string> values;  // "section\nkey" in lower case

  private:
    static std::string Key(std::string_view section, std::string_view key) {
        std::string out = std::string(section) + "\n" + std::string(key);
        for (char& c : out) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return out;
    }
};

}  // namespace jw::test
