#include "presentation/BackgroundCatalogue.h"

#include <algorithm>
#include <cstdio>

#include "platform/Settings.h"
#include "platform/TextFile.h"

namespace jw {

namespace {

// The built-in groups without the Customized group.
const std::vector<BackgroundGroup>& BuiltInGroupsData() {
    static const std::vector<BackgroundGroup> groups = {
        {"Abstract",
         0,
         {{"Abstract", 297, {}},
          {"Abstract 02", 299, {}},
          {"Blue", 274, {}},
          {"Bubbles", 265, {}},
          {"Honeycomb", 405, {}},
          {"Zigzag", 276, {}}}},
        {"Bricks", 0, {{"Brick", 403, {}}, {"Brick 02", 404, {}}, {"Brick 03", 406, {}}}},
        {"Colors",
         0,
         {{"(Custom color)", kCodeCustomColour, {}},
          {"Blue", 16711680, {}},
          {"Green", 32768, {}},
          {"Navy", 8388608, {}},
          {"Olive", 32896, {}},
          {"Teal", 8421376, {}},
          {"White", 16777215, {}}}},
        {"Colors fantasy", 0, {{"Fantasy", 279, {}}, {"Puzzle", 316, {}}}},
        {"Fabrics",
         0,
         {{"Carpet", 267, {}},
          {"Cloth", 323, {}},
          {"Flowers", 266, {}},
          {"Moquette", 321, {}},
          {"Tablecloth", 268, {}},
          {"Yellow", 296, {}}}},
        {"Floors", 0, {{"Floor", 285, {}}, {"Floor 02", 407, {}}}},
        {"Marble", 0, {{"Marble", 401, {}}, {"Marble 02", 260, {}}}},
        {"Metallic", 0, {{"Metallic", 272, {}}, {"Ribbon", 301, {}}}},
        {"Nature",
         0,
         {{"Algae", 408, {}}, {"Sky", 410, {}}, {"Meadow", 324, {}}, {"Ocean", 257, {}}}},
        {"Paper", 0, {{"Fold paper", 303, {}}, {"Rough paper", 259, {}}, {"Straw", 258, {}}}},
        {"Patterns",
         0,
         {{"Pattern", 302, {}},
          {"Pattern 02", 318, {}},
          {"Pattern 03", 319, {}},
          {"Pattern 04", 320, {}}}},
        {"Stucco",
         0,
         {{"Letters", 284, {}},
          {"Stucco", 291, {}},
          {"Stucco 02", 306, {}},
          {"Stucco 03", 402, {}},
          {"Stucco 04", 288, {}}}},
        {"Wood",
         0,
         {{"Carved wood", 270, {}},
          {"Dark brown", 315, {}},
          {"Light", 269, {}},
          {"Light 02", 313, {}},
          {"Light brown", 312, {}},
          {"Parquet", 311, {}},
          {"Ply-wood", 289, {}}}},
    };
    return groups;
}

std::string JoinFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return path + std::string(name);
}

}  // namespace

std::string BuiltInPictureName(int code) {
    char name[16];
    std::snprintf(name, sizeof name, "B%03d", code);
    return name;
}

std::vector<BackgroundGroup> BuiltInBackgroundGroups() {
    std::vector<BackgroundGroup> groups;
    groups.push_back({"Customized", kCodeCustomizedGroup, {}});
    const auto& builtIn = BuiltInGroupsData();
    groups.insert(groups.end(), builtIn.begin(), builtIn.end());
    return groups;
}

std::vector<int> BuiltInPictureCodes() {
    std::vector<int> codes;
    for (const BackgroundGroup& group : BuiltInGroupsData()) {
        for (const BackgroundEntry& entry : group.entries) {
            if (entry.code > kCodeCustomColour && entry.code <= kLastBuiltInCode) {
                codes.push_back(entry.code);
            }
        }
    }
    return codes;
}

std::string OwnPictureText(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return std::string(path) + " ()";
    }
    return std::string(path.substr(slash + 1)) + " (" + std::string(path.substr(0, slash + 1)) +
           ")";
}

std::string OwnPicturePath(std::string_view text, std::string_view dataFolder) {
    std::string rest(text);
    while (!rest.empty() && rest.back() == ' ') {
        rest.pop_back();
    }
    const auto open = rest.rfind(" (");
    if (open == std::string::npos) {
        return rest.empty() ? rest : JoinFolder(dataFolder, rest);
    }
    if (!rest.empty()) {
        rest.pop_back();  // the closing parenthesis
    }
    const std::string file = rest.substr(0, open);
    const std::string folder = rest.substr(std::min(open + 2, rest.size()));
    return folder.empty() ? JoinFolder(dataFolder, file) : folder + file;
}

std::vector<std::string> ReadOwnPictureTexts(const SettingsStore& settings) {
    std::vector<std::string> texts;
    for (int number = 0; number < setting::kOwnBackgrounds.capacity; ++number) {
        std::string text = ReadEntry(settings, setting::kOwnBackgrounds, number);
        if (text.empty()) {
            break;
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

std::vector<std::string> AddOnListPaths(std::string_view programFolder) {
    return {JoinFolder(programFolder, "gp/b01.dat"), JoinFolder(programFolder, "gp/b02.dat")};
}

void MergeAddOnEntries(std::vector<BackgroundGroup>& groups, const std::vector<IniLine>& addOns) {
    for (const IniLine& addOn : addOns) {
        auto group = std::find_if(groups.begin(), groups.end(), [&](const BackgroundGroup& g) {
            return g.name == addOn.section && !g.entries.empty();
        });
        if (group == groups.end()) {
            group = std::find_if(groups.begin(), groups.end(),
                                 [&](const BackgroundGroup& g) { return g.name > addOn.section; });
            group = groups.insert(group, BackgroundGroup{addOn.section, 0, {}});
        }
        auto& entries = group->entries;
        const auto before = std::find_if(entries.begin(), entries.end(),
                                         [&](const auto& e) { return e.text > addOn.value; });
        entries.insert(before, BackgroundEntry{addOn.value, kCodeAddOnPicture, addOn.key});
    }
}

std::vector<BackgroundGroup> FullBackgroundCatalogue(const SettingsStore& settings,
                                                     std::string_view programFolder,
                                                     std::string_view dataFolder) {
    std::vector<BackgroundGroup> groups = BuiltInBackgroundGroups();
    for (const std::string& text : ReadOwnPictureTexts(settings)) {
        groups.front().entries.push_back({text, kCodeOwnPicture, OwnPicturePath(text, dataFolder)});
    }
    for (const std::string& path : AddOnListPaths(programFolder)) {
        MergeAddOnEntries(groups, ReadIniLines(path));
    }
    return groups;
}

std::string AddOnPictureName(std::string_view programFolder, std::string_view displayName) {
    for (const std::string& path : AddOnListPaths(programFolder)) {
        for (const IniLine& entry : ReadIniLines(path)) {
            if (entry.value == displayName) {
                return entry.key;
            }
        }
    }
    return std::string(displayName);
}

std::string AddOnDisplayName(std::string_view programFolder, std::string_view pictureName) {
    for (const std::string& path : AddOnListPaths(programFolder)) {
        for (const IniLine& entry : ReadIniLines(path)) {
            if (entry.key == pictureName) {
                return entry.value;
            }
        }
    }
    return std::string(pictureName);
}

}  // namespace jw
