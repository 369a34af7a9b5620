#include "records/SettingsFile.h"

#include <charconv>

#include "platform/IniDocument.h"

namespace jw {

SettingsFile::SettingsFile(std::string path) : path(std::move(path)) {}

std::optional<IniDocument> SettingsFile::Load() const {
    return IniDocument::Load(path, kMaxSettingsBytes);
}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    const auto document = Load();
    if (!document) {
        return std::string(defaultValue);
    }
    return document->Value(section, key).value_or(std::string(defaultValue));
}

bool SettingsFile::HasKey(std::string_view section, std::string_view key) const {
    const auto document = Load();
    return document && document->Value(section, key).has_value();
}

void SettingsFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
    TryWriteString(section, key, value);
}

bool SettingsFile::TryWriteString(std::string_view section, std::string_view key,
                                  std::string_view value) const {
    auto document = Load();
    return document && document->Set(section, key, value) && document->Save(path);
}

int SettingsFile::ReadInteger(std::string_view section, std::string_view key,
                              int defaultValue) const {
    const auto document = Load();
    if (!document) {
        return defaultValue;
    }
    const auto text = document->Value(section, key);
    if (!text || text->empty()) {
        return defaultValue;
    }
    std::string_view digits(*text);
    if (digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() == '-') {
            return defaultValue;
        }
    }
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end) {
        return defaultValue;
    }
    return value;
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    TryWriteInteger(section, key, value);
}

bool SettingsFile::TryWriteInteger(std::string_view section, std::string_view key,
                                   int value) const {
    return TryWriteString(section, key, std::to_string(value));
}

bool SettingsFile::DeleteKey(std::string_view section, std::string_view key) const {
    auto document = Load();
    if (!document) {
        return false;
    }
    return !document->RemoveKey(section, key) || document->Save(path);
}

bool SettingsFile::EraseSection(std::string_view section) const {
    auto document = Load();
    if (!document) {
        return false;
    }
    return !document->RemoveSection(section) || document->Save(path);
}

std::vector<std::string> SettingsFile::ReadSectionValues(std::string_view section) const {
    const auto document = Load();
    return document ? document->SectionValues(section) : std::vector<std::string>{};
}

}  // namespace jw
