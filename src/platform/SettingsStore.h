// Reading and writing the player's settings, as the core sees them. The
// settings file of the data folder implements it; tests use a map.
#pragma once

#include <string>
#include <string_view>

namespace jw {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    virtual int ReadInteger(std::string_view section, std::string_view key,
                            int defaultValue) const = 0;
    virtual void WriteInteger(std::string_view section, std::string_view key, int value) = 0;
    // Removes a whole section with its keys (a missing one is no error).
    virtual void RemoveSection(std::string_view section) = 0;

    // A Y/N flag: exactly "Y" is yes, anything else no.
    bool ReadFlag(std::string_view section, std::string_view key, bool defaultValue) const {
        return ReadString(section, key, defaultValue ? "Y" : "N") == "Y";
    }
    void WriteFlag(std::string_view section, std::string_view key, bool value) {
        WriteString(section, key, value ? "Y" : "N");
    }
};

}  // namespace jw
