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

}  // namespace

std::vector<std::string> RandomListLines(const std::vector<BackgroundGroup>& catalogue) {
    std::vector<std::pair<std::string, int>> entries;
    for (const BackgroundGroup& group : catalogue) {
        for (const BackgroundEntry& entry : group.entries) {
            const bool selectable =
                entry.code > 0 || entry.code == kCodeOwnPicture || entry.code == kCodeAddOnPicture;
            if (!selectable || !UsableKey(entry.text)) {
                continue;
            }
            auto same = std::find_if(entries.begin(), entries.end(),
                                     [&](const auto& e) { return e.first == entry.text; });
            if (same != entries.end()) {
                same->second = entry.code;
            } else {
                entries.emplace_back(entry.text, entry.code);
            }
        }
    }
    std::string header(1, '[');
    header.append(kRandomListSection).push_back(']');
    std::vector<std::string> lines{header};
    for (const auto& [key, code] : entries) {
        lines.push_back(key + "=y " + std::to_string(code));
    }
    return lines;
}

bool EnsureRandomList(std::string_view dataFolder, const std::vector<BackgroundGroup>& catalogue) {
    const std::string marker = InFolder(dataFolder, kRandomMarkerFile);
    std::error_code error;
    if (std::filesystem::exists(marker, error)) {
        return true;
    }
    return WriteLinesAtomically(InFolder(dataFolder, kRandomListFile),
                                RandomListLines(catalogue)) &&
           WriteFileAtomically(marker, "");
}

std::vector<IniLine> RandomCandidates(std::string_view dataFolder) {
    std::vector<IniLine> candidates;
    for (IniLine& line : ReadIniLines(InFolder(dataFolder, kRandomListFile))) {
        const bool inSection = EqualsIgnoreCase(line.section, kRandomListSection);
        const bool leftOut = !line.value.empty() && (line.value[0] == 'n' || line.value[0] == 'N');
        if (inSection && !leftOut) {
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
