#include "platform/IniDocument.h"

#include <filesystem>

#include "platform/SaveFile.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace jw {

namespace {

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

// Calls `visit(index, section, keyLine)` for every key line inside a section
// (every section when `section` is empty, else those of that name), in
// order, until `visit` returns false.
template <typename Visit>
void ForEachKey(const std::vector<std::string>& lines, std::string_view section, Visit visit) {
    std::optional<std::string_view> current;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionOf(lines[i])) {
            current = *name;
            continue;
        }
        if (!current || current->empty() ||
            (!section.empty() && !EqualsIgnoreCase(*current, section))) {
            continue;
        }
        if (const auto keyLine = KeyLineOf(lines[i])) {
            if (!visit(i, *current, *keyLine)) {
                return;
            }
        }
    }
}

}  // namespace

std::optional<IniDocument> IniDocument::Load(const std::string& path, std::uintmax_t maxBytes) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return IniDocument{};
    }
    auto read = ReadLines(path, maxBytes);
    if (!read) {
        return std::nullopt;
    }
    return IniDocument(std::move(*read));
}

std::vector<IniLine> ReadIniLines(const std::string& path) {
    const auto document = IniDocument::Load(path, kMaxIniFileBytes);
    return document ? document->Entries() : std::vector<IniLine>{};
}

bool IniDocument::Save(const std::string& path) const {
    return WriteLinesAtomically(path, lines);
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    section = Trim(section);
    key = Trim(key);
    std::optional<std::string> found;
    if (section.empty()) {
        return found;
    }
    ForEachKey(lines, section, [&](std::size_t, std::string_view, const KeyLine& keyLine) {
        if (EqualsIgnoreCase(keyLine.key, key)) {
            found = std::string(keyLine.value);
            return false;
        }
        return true;
    });
    return found;
}

std::vector<std::string> IniDocument::SectionValues(std::string_view section) const {
    std::vector<std::string> values;
    section = Trim(section);
    if (section.empty()) {
        return values;
    }
    ForEachKey(lines, section, [&](std::size_t, std::string_view, const KeyLine& keyLine) {
        values.push_back(std::string(keyLine.key) + "=" + std::string(keyLine.value));
        return true;
    });
    return values;
}

std::vector<IniLine> IniDocument::Entries() const {
    std::vector<IniLine> entries;
    ForEachKey(lines, {}, [&](std::size_t, std::string_view section, const KeyLine& keyLine) {
        entries.push_back(
            {std::string(section), std::string(keyLine.key), std::string(keyLine.value)});
        return true;
    });
    return entries;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (!IsValidSectionName(section) || !IsValidKeyName(key)) {
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
    ForEachKey(lines, section, [&](std::size_t index, std::string_view, const KeyLine& keyLine) {
        if (!EqualsIgnoreCase(keyLine.key, key)) {
            return true;
        }
        lines[index] = std::string(keyLine.key) + "=" + safeValue;
        replaced = true;
        return false;
    });
    if (replaced) {
        return true;
    }

    // A new key goes after the last non-blank line of the first section of
    // that name; without such a section one is added at the end.
    std::optional<std::size_t> insertAt;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionOf(lines[i])) {
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
        if (inFirstSection && !Trim(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    std::string line = std::string(key) + "=" + safeValue;
    if (insertAt) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), std::move(line));
    } else {
        lines.push_back(std::string("[").append(section).append("]"));
        lines.push_back(std::move(line));
    }
    return true;
}

bool IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    if (section.empty()) {
        return false;
    }
    std::vector<std::size_t> doomed;
    ForEachKey(lines, section, [&](std::size_t index, std::string_view, const KeyLine& keyLine) {
        if (EqualsIgnoreCase(keyLine.key, key)) {
            doomed.push_back(index);
        }
        return true;
    });
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return !doomed.empty();
}

bool IniDocument::RemoveSection(std::string_view section) {
    section = Trim(section);
    std::vector<std::string> kept;
    kept.reserve(lines.size());
    bool inSection = false;
    bool erased = false;
    for (std::string& line : lines) {
        if (const auto name = SectionOf(line)) {
            inSection = EqualsIgnoreCase(*name, section);
        }
        if (inSection) {
            erased = true;
        } else {
            kept.push_back(std::move(line));
        }
    }
    lines = std::move(kept);
    return erased;
}

}  // namespace jw
