// Readers for the settings whose defaults or stored values follow a rule,
// and the names of numbered list keys.
#pragma once

#include <string>
#include <string_view>

#include "platform/Host.h"
#include "platform/SettingsStore.h"

namespace jw {

// The default tile size letter for a screen `screenWidth` pixels wide:
// above 1550 "X", above 1200 "T", above 1000 "C" full-screen or "B",
// above 780 "P" full-screen or "M", otherwise "N".
char DefaultTileSizeLetter(int screenWidth, bool fullScreen);

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

// "Background_Col"; a stored 0 reads as the button-face colour reference,
// the same as a missing value.
int ReadBackgroundColour(const SettingsStore& settings);

// "MainWindowState_Width" / "_Height", defaulting to the screen size less 150.
int ReadMainWindowWidth(const SettingsStore& settings, const ScreenInfo& screen);
int ReadMainWindowHeight(const SettingsStore& settings, const ScreenInfo& screen);

// "ScreenWidth" / "ScreenHeight", defaulting to the current screen size.
int ReadStoredScreenWidth(const SettingsStore& settings, const ScreenInfo& screen);
int ReadStoredScreenHeight(const SettingsStore& settings, const ScreenInfo& screen);

// `prefix` followed by `number` zero-padded to `digits` digits, e.g.
// NumberedKey("User", 1, 3) is "User001".
std::string NumberedKey(std::string_view prefix, int number, int digits);

// The key of player slot `slot` (1..20) in "Users": "User001" and so on.
std::string PlayerSlotKey(int slot);

// At start-up: when "UserDefault" is empty or missing, makes "Player 1" the
// current player and writes "Player 1" to "Player 3" into the first three
// slots of "Users". Returns true when the defaults were needed.
bool EnsureDefaultPlayers(SettingsStore& settings);

}  // namespace jw
