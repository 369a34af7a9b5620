// Readers of the settings whose default is worked out when they are read
// (by the screen, by the game family) or whose key is built from a declared
// part and a name (per family, per tool window), and the start-up defaults
// of the player list. The declarations themselves are in Settings.h.
#pragma once

#include <string>
#include <string_view>

#include "platform/Host.h"
#include "platform/Settings.h"

namespace jw {

// The default tile size letter for a screen `screenWidth` pixels wide:
// above 1550 "X", above 1200 "T", above 1000 "C" full-screen or "B",
// above 780 "P" full-screen or "M", otherwise "N".
char DefaultTileSizeLetter(int screenWidth, bool fullScreen);

// "Automatic_Tile_Size": whether the tile size follows the screen. Without
// settings (tools, previews) it does, as on a fresh settings file.
bool AutomaticTileSize(const SettingsStore* settings);

// "Tile_Set_Size", defaulting to the letter for the current screen and the
// stored full-screen flag.
std::string ReadTileSetSize(const SettingsStore& settings, const ScreenInfo& screen);

// "Score_Type", the family code of the last chosen game ("01" by default).
std::string ReadScoreType(const SettingsStore& settings);

// The default tile set of a game family: 4 for "01", 501 for "02", else -1.
int DefaultTileSetFor(std::string_view scoreType);

// "Tile_Set", defaulting by the stored "Score_Type".
int ReadTileSet(const SettingsStore& settings);

// The name of a per-family key: score type + suffix, e.g. "02_Tile_Set".
std::string ScoreTypeKey(std::string_view scoreType, std::string_view suffix);

// score type + "_Tile_Set", defaulting to that family's tile set.
int ReadScoreTypeTileSet(const SettingsStore& settings, std::string_view scoreType);

// Makes the tile set the player last chose for family `scoreType` the
// current one: "Tile_Set", "Customized_Tile_Set" and "Additional_Tile_Set"
// take the values of that family's keys.
void SwitchToFamilyTileSet(SettingsStore& settings, std::string_view scoreType);

// "Background_Col"; a stored 0 reads as the button-face colour reference,
// the same as a missing value.
int ReadBackgroundColour(const SettingsStore& settings);

// "MainWindowState_Width" / "_Height", defaulting to the screen size less 150.
int ReadMainWindowWidth(const SettingsStore& settings, const ScreenInfo& screen);
int ReadMainWindowHeight(const SettingsStore& settings, const ScreenInfo& screen);

// "ScreenWidth" / "ScreenHeight", defaulting to the current screen size.
int ReadStoredScreenWidth(const SettingsStore& settings, const ScreenInfo& screen);
int ReadStoredScreenHeight(const SettingsStore& settings, const ScreenInfo& screen);

// The key of player slot `slot` (1..20) in "Users": "User001" and so on.
std::string PlayerSlotKey(int slot);

// At start-up: when "UserDefault" is empty or missing, makes "Player 1" the
// current player and writes "Player 1" to "Player 3" into the first three
// slots of "Users". Returns true when the defaults were needed.
bool EnsureDefaultPlayers(SettingsStore& settings);

// The place of tool window `form` in "Forms": form + "_Left", "_Top" and
// "_Visible" (defaults -1, -1, not visible).
struct FormPlaceSetting {
    int left = setting::kDefFormLeft;
    int top = setting::kDefFormTop;
    bool visible = setting::kDefFormVisible;
};
FormPlaceSetting ReadFormPlace(const SettingsStore& settings, std::string_view form);
void WriteFormPlace(SettingsStore& settings, std::string_view form, const FormPlaceSetting& place);

// A message the player may silence ("Show_Messages" or "Show_Confirmations"
// + key): false once a "Don't show again" box wrote "N".
bool MessageWanted(const SettingsStore& settings, std::string_view section, std::string_view key);
void SilenceMessage(SettingsStore& settings, std::string_view section, std::string_view key);

}  // namespace jw
