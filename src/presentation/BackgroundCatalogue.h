// The background codes and the catalogue of backgrounds the chooser shows:
// the built-in groups, the player's own pictures and the add-on pictures
// listed in "gp/b01.dat" and "gp/b02.dat".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/IniDocument.h"
#include "platform/SettingsStore.h"

namespace jw {

// Codes that name a background. Other codes: 0 or below the default
// background, 2..499 a built-in JPEG "Bnnn", 500..1000 a built-in bitmap
// "Bnnn", 1001 and above a fixed colour (red + 256 green + 65536 blue).
inline constexpr int kCodeCustomColour = 1;
inline constexpr int kCodeOwnPicture = -102;
inline constexpr int kCodeAddOnPicture = -103;
inline constexpr int kCodeCustomizedGroup = -100;
inline constexpr int kCodeCustomizedPlaceholder = -101;
inline constexpr int kFirstBuiltInBitmapCode = 500;
inline constexpr int kLastBuiltInCode = 1000;

// One line of the chooser's tree.
struct BackgroundEntry {
    std::string text;  // display text
    int code = 0;
    // Add-on pictures: the picture name in the add-on libraries. The
    // player's own pictures: the full path of the file.
    std::string picture;
};

// A group of the tree with its entries; group lines themselves carry code 0
// (the Customized group -100).
struct BackgroundGroup {
    std::string name;
    int code = 0;
    std::vector<BackgroundEntry> entries;
};

// The name of a built-in picture: "B" + the code in three digits ("B410").
std::string BuiltInPictureName(int code);

// The built-in groups in the chooser's order, starting with an empty
// "Customized" group.
std::vector<BackgroundGroup> BuiltInBackgroundGroups();

// Every picture code of the built-in groups (2..1000), in catalogue order.
std::vector<int> BuiltInPictureCodes();

// The display text of one of the player's own pictures: file name, " (",
// folder with its trailing '/', ")".
std::string OwnPictureText(std::string_view path);
// The full path back from a display text: trailing blanks and the last
// character dropped, split at the last " (", folder put before the file
// name. A text without " (" is taken as a bare file name.
std::string OwnPicturePath(std::string_view text, std::string_view dataFolder);

// The display texts of section "Customized backgrounds" ("Background000",
// "Background001", ... up to the first missing or empty key).
std::vector<std::string> ReadOwnPictureTexts(const SettingsStore& settings);

// The add-on lists and "Rnd_cfg.dat" are read with ReadIniLines
// (platform/IniDocument.h). In an add-on list the section is a group, the
// key a picture name and the value its display name.

// The paths of the two add-on lists "gp/b01.dat" and "gp/b02.dat" beside
// the program.
std::vector<std::string> AddOnListPaths(std::string_view programFolder);

// Puts add-on entries (code -103) into the groups: an existing group of the
// same name that has entries, or a new group inserted before the first
// group whose name sorts after it; within the group before the first entry
// whose display text sorts after it. Names compare as byte strings.
void MergeAddOnEntries(std::vector<BackgroundGroup>& groups, const std::vector<IniLine>& addOns);

// The whole catalogue: built-in groups, the player's own pictures in the
// Customized group and the add-on pictures of both lists.
std::vector<BackgroundGroup> FullBackgroundCatalogue(const SettingsStore& settings,
                                                     std::string_view programFolder,
                                                     std::string_view dataFolder);

// Translations between add-on display names and picture names through both
// lists; the input itself when no line matches.
std::string AddOnPictureName(std::string_view programFolder, std::string_view displayName);
std::string AddOnDisplayName(std::string_view programFolder, std::string_view pictureName);

}  // namespace jw
