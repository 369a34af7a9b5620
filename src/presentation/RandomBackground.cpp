#include "presentation/RandomBackground.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "platform/SaveFile.h"
#include "platform/Text.h"

namespace jw {

namespace {

std::string InFolder(std::string_view folder, std::string_view name) {
    return (std::filesystem::path(std::string(folder)) / std::string(name)).string();
}

bool UsableKey(const std::string& key) {
    return !key.empty() && key.find('=') == std::string::npos && key.front() != '[' &&
           key.front() != ';' && key.front() != ' ' && key.back() != ' ' &&
           key.find_first_of("\r\n") == std::string::npos;
}

// Whether an INI section is the random list's, letter case ignored.
bool SameSection(const std::string& section) {
    return EqualsIgnoreCase(section, kRandomListSection);
}

// A value that leaves its entry out of the draw: one beginning with "n".
bool LeftOut(const std::string& value) {
    return !value.empty() && (value[0] == 'n' || value[0] == 'N');
}

}  // namespace

std::vector<std::string> RandomListLines(
    const std::vector<BackgroundGroup>& catalogue,
    const std::function<bool(const BackgroundEntry&)>& included) {
    struct Line {
        std::string key;
        int code;
        bool in;
    };
    std::vector<Line> entries;
    for (const BackgroundGroup& group : catalogue) {
        for (const BackgroundEntry& entry : group.entries) {
            const bool selectable =
                entry.code > 0 || entry.code == kCodeOwnPicture || entry.code == kCodeAddOnPicture;
            if (!selectable || !UsableKey(entry.text)) {
                continue;
            }
            const bool in = !included || included(entry);
            auto same = std::find_if(entries.begin(), entries.end(),
                                     [&](const Line& e) { return e.key == entry.text; });
            if (same != entries.end()) {
                same->code = entry.code;
                same->in = in;
            } else {
                entries.push_back({entry.text, entry.code, in});
            }
        }
    }
    std::string header(1, '[');
    header.append(kRandomListSection).push_back(']');
    std::vector<std::string> lines{header};
    for (const Line& line : entries) {
        lines.push_back(line.key + (line.in ? "=y " : "=n ") + std::to_string(line.code));
    }
    return lines;
}

bool WriteRandomList(std::string_view dataFolder, const std::vector<std::string>& lines) {
    const std::string marker = InFolder(dataFolder, kRandomMarkerFile);
    if (!WriteLinesAtomically(InFolder(dataFolder, kRandomListFile), lines)) {
        return false;
    }
    std::error_code error;
    return std::filesystem::exists(marker, error) || WriteFileAtomically(marker, "");
}

std::map<std::string, bool> RandomListInclusion(std::string_view dataFolder) {
    std::map<std::string, bool> inclusion;
    for (const IniLine& line : ReadIniLines(InFolder(dataFolder, kRandomListFile))) {
        if (SameSection(line.section)) {
            inclusion[line.key] = !LeftOut(line.value);
        }
    }
    return inclusion;
}

bool EnsureRandomList(std::string_view dataFolder, const std::vector<BackgroundGroup>& catalogue) {
    const std::string marker = InFolder(dataFolder, kRandomMarkerFile);
    std::error_code error;
    if (std::filesystem::exists(marker, error)) {
        return true;
    }
    return WriteRandomList(dataFolder, RandomListLines(catalogue));
}

std::vector<IniLine> RandomCandidates(std::string_view dataFolder) {
    std::vector<IniLine> candidates;
    for (IniLine& line : ReadIniLines(InFolder(dataFolder, kRandomListFile))) {
        if (SameSection(line.section) && !LeftOut(line.value)) {
            candidates.push_back(std::move(line));
        }
    }
    return candidates;
}

int RandomEntryCode(std::string_view value) {
    if (value.size() <= 2) {
        return 0;
    }
    const std::string_view digits = value.substr(2);
    int code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return 0;
    }
    return code;
}

void ForgetRandomList(std::string_view dataFolder) {
    std::error_code error;
    std::filesystem::remove(InFolder(dataFolder, kRandomMarkerFile), error);
}

}  // namespace jw
