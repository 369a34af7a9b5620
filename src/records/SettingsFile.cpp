#include "records/SettingsFile.h"

#include <charconv>
#include <filesystem>

#include "platform/SaveFile.h"
#include "platform/TextFile.h"

namespace jw {

namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The name of a "[name]" header line, or nothing for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// The key and value of a "key=value" line, or nothing for blank lines,
// comments, headers and junk.
std::optional<KeyLine> KeyLineOf(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') {
        return std::nullopt;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view key = Trim(trimmed.substr(0, equals));
    if (key.empty()) {
        return std::nullopt;
    }
    return KeyLine{key, Trim(trimmed.substr(equals + 1))};
}

bool IsValidSectionName(std::string_view section) {
    return !section.empty() && !HasLineBreakOrNul(section) &&
           section.find(']') == std::string_view::npos;
}

bool IsValidKeyName(std::string_view key) {
    return !key.empty() && !HasLineBreakOrNul(key) && key.find('=') == std::string_view::npos &&
           key.front() != '[' && key.front() != ';';
}

// Calls `visit(index, keyLine)` for every key line inside every section
// named `section`, in file order, until `visit` returns false.
template <typename Visit>
void ForEachKeyIn(const std::vector<std::string>& lines, std::string_view section, Visit visit) {
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionOf(lines[i])) {
            inSection = EqualsIgnoreCase(*name, section);
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (const auto keyLine = KeyLineOf(lines[i])) {
            if (!visit(i, *keyLine)) {
                return;
            }
        }
    }
}

std::optional<std::string> FindValue(const std::vector<std::string>& lines,
                                     std::string_view section, std::string_view key) {
    std::optional<std::string> found;
    ForEachKeyIn(lines, Trim(section), [&](std::size_t, const KeyLine& keyLine) {
        if (EqualsIgnoreCase(keyLine.key, Trim(key))) {
            found = std::string(keyLine.value);
            return false;
        }
        return true;
    });
    return found;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

SettingsFile::SettingsFile(std::string path) : path(std::move(path)) {}

std::optional<std::vector<std::string>> SettingsFile::LoadLines() const {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return std::vector<std::string>{};
    }
    return ReadLines(path, kMaxSettingsBytes);
}

bool SettingsFile::SaveLines(const std::vector<std::string>& lines) const {
    return WriteLinesAtomically(path, lines);
}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    const auto lines = LoadLines();
    if (!lines) {
        return std::string(defaultValue);
    }
    return FindValue(*lines, section, key).value_or(std::string(defaultValue));
}

bool SettingsFile::HasKey(std::string_view section, std::string_view key) const {
    const auto lines = LoadLines();
    return lines && FindValue(*lines, section, key).has_value();
}

void SettingsFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
    TryWriteString(section, key, value);
}

bool SettingsFile::TryWriteString(std::string_view section, std::string_view key,
                                  std::string_view value) const {
    section = Trim(section);
    key = Trim(key);
    if (!IsValidSectionName(section) || !IsValidKeyName(key)) {
        return false;
    }
    auto lines = LoadLines();
    if (!lines) {
        return false;
    }

    std::string safeValue(value);
    for (char& c : safeValue) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }

    // Replace the first line of the key where it stands, keeping the stored
    // spelling of the key so that writers of other spellings meet it.
    bool replaced = false;
    ForEachKeyIn(*lines, section, [&](std::size_t index, const KeyLine& keyLine) {
        if (!EqualsIgnoreCase(keyLine.key, key)) {
            return true;
        }
        (*lines)[index] = std::string(keyLine.key) + "=" + safeValue;
        replaced = true;
        return false;
    });

    if (!replaced) {
        // A new key goes after the last non-blank line of the first section
        // of that name; without such a section one is added at the end.
        std::optional<std::size_t> insertAt;
        bool inFirstSection = false;
        for (std::size_t i = 0; i < lines->size(); ++i) {
            if (const auto name = SectionOf((*lines)[i])) {
                if (insertAt) {
                    if (inFirstSection) {
                        break;
                    }
                } else if (EqualsIgnoreCase(*name, section)) {
                    insertAt = i + 1;
                    inFirstSection = true;
                    continue;
                }
                inFirstSection = false;
                continue;
            }
            if (inFirstSection && !Trim((*lines)[i]).empty()) {
                insertAt = i + 1;
            }
        }
        std::string line = std::string(key) + "=" + safeValue;
        if (insertAt) {
            lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(*insertAt), line);
        } else {
            lines->push_back(std::string("[").append(section).append("]"));
            lines->push_back(std::move(line));
        }
    }
    return SaveLines(*lines);
}

int SettingsFile::ReadInteger(std::string_view section, std::string_view key,
                              int defaultValue) const {
    const auto lines = LoadLines();
    if (!lines) {
        return defaultValue;
    }
    const auto text = FindValue(*lines, section, key);
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
    auto lines = LoadLines();
    if (!lines) {
        return false;
    }
    std::vector<std::size_t> doomed;
    ForEachKeyIn(*lines, Trim(section), [&](std::size_t index, const KeyLine& keyLine) {
        if (EqualsIgnoreCase(keyLine.key, Trim(key))) {
            doomed.push_back(index);
        }
        return true;
    });
    if (doomed.empty()) {
        return true;
    }
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        lines->erase(lines->begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return SaveLines(*lines);
}

bool SettingsFile::EraseSection(std::string_view section) const {
    auto lines = LoadLines();
    if (!lines) {
        return false;
    }
    section = Trim(section);
    std::vector<std::string> kept;
    kept.reserve(lines->size());
    bool inSection = false;
    bool erased = false;
    for (std::string& line : *lines) {
        if (const auto name = SectionOf(line)) {
            inSection = EqualsIgnoreCase(*name, section);
        }
        if (inSection) {
            erased = true;
        } else {
            kept.push_back(std::move(line));
        }
    }
    return !erased || SaveLines(kept);
}

std::vector<std::string> SettingsFile::ReadSectionValues(std::string_view section) const {
    std::vector<std::string> values;
    const auto lines = LoadLines();
    if (!lines) {
        return values;
    }
    ForEachKeyIn(*lines, Trim(section), [&](std::size_t, const KeyLine& keyLine) {
        values.push_back(std::string(keyLine.key) + "=" + std::string(keyLine.value));
        return true;
    });
    return values;
}

}  // namespace jw
