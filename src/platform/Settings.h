// Every setting of the settings file "cnfg.dat", declared once: its section,
// its key, its kind and its default together.
//
// Code reads and writes settings only through these declarations:
//
//     if (Read(settings, setting::kAutomaticTileSize)) ...
//     Write(settings, setting::kGame, id);
//
// Keys are matched without regard to letter case. Flags are stored as "Y" or
// "N", integers as decimal text, texts unchanged. A setting whose default
// depends on something else (the screen, the game family) is a SettingKey:
// it names section and key only, and the reader that works out its default
// lives beside it in SettingsDefaults.h. Lists of numbered keys ("User001",
// "Game0000", ...) are declared as a section with a key prefix.
#pragma once

#include <string>
#include <string_view>

#include "platform/GameFamily.h"
#include "platform/SettingsStore.h"

namespace jw {

// A Y/N flag.
struct FlagSetting {
    std::string_view section;
    std::string_view key;
    bool fallback;
};

// A whole number.
struct IntSetting {
    std::string_view section;
    std::string_view key;
    int fallback;
};

// A text.
struct TextSetting {
    std::string_view section;
    std::string_view key;
    std::string_view fallback;
};

// A setting whose default is computed when it is read.
struct SettingKey {
    std::string_view section;
    std::string_view key;
};

// A list section of numbered keys: prefix + number with `digits` digits
// (for example "User" + "001"), at most `capacity` entries (0: no limit).
struct NumberedList {
    std::string_view section;
    std::string_view prefix;
    int digits;
    int capacity;
};

inline bool Read(const SettingsStore& store, const FlagSetting& s) {
    return store.ReadFlag(s.section, s.key, s.fallback);
}
inline int Read(const SettingsStore& store, const IntSetting& s) {
    return store.ReadInteger(s.section, s.key, s.fallback);
}
inline std::string Read(const SettingsStore& store, const TextSetting& s) {
    return store.ReadString(s.section, s.key, s.fallback);
}
// The stored text of a flag ("Y" or "N" when missing), for the few readers
// that tell a stored junk value from a clear "N".
inline std::string ReadText(const SettingsStore& store, const FlagSetting& s) {
    return store.ReadString(s.section, s.key, s.fallback ? "Y" : "N");
}
inline void Write(SettingsStore& store, const FlagSetting& s, bool value) {
    store.WriteFlag(s.section, s.key, value);
}
inline void Write(SettingsStore& store, const IntSetting& s, int value) {
    store.WriteInteger(s.section, s.key, value);
}
inline void Write(SettingsStore& store, const TextSetting& s, std::string_view value) {
    store.WriteString(s.section, s.key, value);
}

// A SettingKey read with the default its caller works out, and written.
inline std::string ReadText(const SettingsStore& store, const SettingKey& s,
                            std::string_view fallback) {
    return store.ReadString(s.section, s.key, fallback);
}
inline int ReadInt(const SettingsStore& store, const SettingKey& s, int fallback) {
    return store.ReadInteger(s.section, s.key, fallback);
}
inline void Write(SettingsStore& store, const SettingKey& s, int value) {
    store.WriteInteger(s.section, s.key, value);
}
inline void Write(SettingsStore& store, const SettingKey& s, std::string_view value) {
    store.WriteString(s.section, s.key, value);
}

// The key of entry `number` of a numbered list, e.g. "User001".
inline std::string ListKey(const NumberedList& list, int number) {
    std::string digits = std::to_string(number < 0 ? 0 : number);
    if (static_cast<int>(digits.size()) < list.digits) {
        digits.insert(0, static_cast<std::size_t>(list.digits) - digits.size(), '0');
    }
    return std::string(list.prefix) + digits;
}

// Entry `number` of a numbered list, `fallback` when it is missing.
inline std::string ReadEntry(const SettingsStore& store, const NumberedList& list, int number,
                             std::string_view fallback = "") {
    return store.ReadString(list.section, ListKey(list, number), fallback);
}
inline void WriteEntry(SettingsStore& store, const NumberedList& list, int number,
                       std::string_view value) {
    store.WriteString(list.section, ListKey(list, number), value);
}

namespace setting {

// Sections
inline constexpr std::string_view kPreference = "Preference";
inline constexpr std::string_view kSettings = "Settings";
inline constexpr std::string_view kParameters = "Parameters";
inline constexpr std::string_view kForms = "Forms";
inline constexpr std::string_view kShowMessages = "Show_Messages";
inline constexpr std::string_view kShowConfirmations = "Show_Confirmations";
inline constexpr std::string_view kUsers = "Users";
inline constexpr std::string_view kGameNumbers = "Game_Numbers";
inline constexpr std::string_view kLastPlayedGames = "Last Played Games";
inline constexpr std::string_view kFavoriteGames = "Favorite Games";
inline constexpr std::string_view kCustomizedBackgrounds = "Customized backgrounds";

// ---------------------------------------------------------------------------
// "Preference"
// ---------------------------------------------------------------------------
inline constexpr TextSetting kUserDefault{kPreference, "UserDefault", ""};
// Game family of the last chosen game: "01" MahJong type, "02" Matching type.
inline constexpr TextSetting kScoreType{kPreference, "Score_Type", kScoreTypeMahJong};
inline constexpr IntSetting kGame{kPreference, "Game", 0};
inline constexpr TextSetting kGameName{kPreference, "Game_Name", ""};
// 0 all games, 1 game groups, 2 customized games, 3 favourites, 4 recent games.
inline constexpr IntSetting kGameTreeType{kPreference, "Game_TreeType", 0};
inline constexpr IntSetting kGameTreePos{kPreference, "Game_TreePos", -1};
inline constexpr IntSetting kGameTreeNum{kPreference, "Game_TreeNum", -30};
inline constexpr FlagSetting kOpenPreviewGame{kPreference, "Open_Preview_Game", true};
inline constexpr FlagSetting kOpenShowWonLost{kPreference, "Open_Show_Won_Lost", false};
// Default: by "Score_Type", the family's tile set below (see ReadTileSet).
inline constexpr SettingKey kTileSet{kPreference, "Tile_Set"};
inline constexpr int kDefaultTileSetMahJong = 4;
inline constexpr int kDefaultTileSetMatching = 501;
inline constexpr int kDefaultTileSetOther = -1;
// Default: the size letter by screen width (see DefaultTileSizeLetter).
inline constexpr SettingKey kTileSetSize{kPreference, "Tile_Set_Size"};
inline constexpr FlagSetting kAutomaticTileSize{kPreference, "Automatic_Tile_Size", true};
inline constexpr TextSetting kCustomizedTileSet{kPreference, "Customized_Tile_Set", ""};
inline constexpr TextSetting kAdditionalTileSet{kPreference, "Additional_Tile_Set", ""};
inline constexpr FlagSetting kRandomTileSet{kPreference, "Random_Tile_Set", false};
// Default: the current screen size.
inline constexpr SettingKey kScreenWidth{kPreference, "ScreenWidth"};
inline constexpr SettingKey kScreenHeight{kPreference, "ScreenHeight"};
inline constexpr IntSetting kMainClientWidth{kPreference, "MainClientWidth", -1};
inline constexpr IntSetting kMainClientHeight{kPreference, "MainClientHeight", -1};
inline constexpr IntSetting kMainWindowLeft{kPreference, "MainWindowState_Left", 50};
inline constexpr IntSetting kMainWindowTop{kPreference, "MainWindowState_Top", 50};
// Default: screen size minus kMainWindowMargin.
inline constexpr int kMainWindowMargin = 150;
inline constexpr SettingKey kMainWindowWidth{kPreference, "MainWindowState_Width"};
inline constexpr SettingKey kMainWindowHeight{kPreference, "MainWindowState_Height"};
inline constexpr FlagSetting kMainWindowMaximized{kPreference, "MainWindowState_Maximized", true};
inline constexpr FlagSetting kFullScreen{kPreference, "Full_Screen", false};
inline constexpr IntSetting kBackgroundBmp{kPreference, "Background_bmp", 410};
// A stored 0 also means the default: the system's button-face colour.
inline constexpr IntSetting kBackgroundCol{kPreference, "Background_Col", -16777201};
inline constexpr IntSetting kBackgroundFixedCol{kPreference, "Background_Fixed_Col", 0};
inline constexpr FlagSetting kBackgroundDef{kPreference, "Background_Def", false};
inline constexpr FlagSetting kFadeBackground{kPreference, "Fade_Background", true};
inline constexpr TextSetting kCustomizedBackground{kPreference, "Customized_Background", ""};
inline constexpr TextSetting kAdditionalBackground{kPreference, "Additional_Background", ""};
inline constexpr FlagSetting kRandomBackground{kPreference, "Random_Background", false};
// "(Random)", "Festoons", "Circles", "Lines", "Open order", "Left to right",
// "Up to down" or "(None)".
inline constexpr TextSetting kWinningAnimations{kPreference, "Winning_Animations", "(Random)"};
inline constexpr IntSetting kWinningAnimationsTime{kPreference, "Winning_Animations_Time", 30};
// 0 unlimited undo and redo, 1 only one, 2 disabled.
inline constexpr IntSetting kUndoEnabled{kPreference, "Undo_Enabled", 0};
inline constexpr FlagSetting kConfirmQuit{kPreference, "ConfirmQuit", false};
inline constexpr FlagSetting kConfirmQuitGame{kPreference, "ConfirmQuitGame", false};
inline constexpr FlagSetting kConfirmEnterHiScores{kPreference, "ConfirmEnterHiScores", true};
inline constexpr FlagSetting kShowGameWonDialogBox{kPreference, "Show_Game_Won_Dialog_Box", true};
inline constexpr FlagSetting kTipsStartUp{kPreference, "Tips_StartUp", false};
inline constexpr FlagSetting kConfirmSaveAndExit{kPreference, "ConfirmSaveAndExit", false};
// What exit does with an unfinished game: 0 abandon it, 1 hold it.
inline constexpr IntSetting kConfirmSaveAndExitType{kPreference, "ConfirmSaveAndExitType", 1};
inline constexpr FlagSetting kDisableStatistics{kPreference, "Disable_Statistics", false};
inline constexpr FlagSetting kShowStatProgression{kPreference, "Show_Stat_Progression", true};
inline constexpr FlagSetting kShowToolTips{kPreference, "Show_ToolTips", true};
inline constexpr FlagSetting kToolBarLarge{kPreference, "ToolBar_Large", true};
inline constexpr FlagSetting kToolBarFlat{kPreference, "ToolBar_Flat", true};
// 0 "Office", 1 "Flat", 2 "XP/Vista"; the program's look is the modern one.
inline constexpr IntSetting kToolbarStyle{kPreference, "Toolbar_style", 2};
inline constexpr FlagSetting kStatusbar{kPreference, "Statusbar", true};
inline constexpr FlagSetting kShowMainPopupMenu{kPreference, "Show_Main_Popup_Menu", true};
inline constexpr FlagSetting kShowPartialHiddenTile{kPreference, "Show_Partial_Hidden_Tile", true};
inline constexpr FlagSetting kShowTotalMoves{kPreference, "Show_Total_Moves", false};
// 10 the system pointer, 11 to 15 the program's own pointers.
inline constexpr IntSetting kCursor{kPreference, "Cursor", 10};
inline constexpr TextSetting kSkinName{kPreference, "Skin_name", ""};
inline constexpr FlagSetting kUseSkins{kPreference, "Use_Skins", false};
inline constexpr FlagSetting kSelectTilesStartup{kPreference, "Select_Tiles_Startup", true};
// Default: computed by the tile-set chooser.
inline constexpr SettingKey kSelectTilesClientWidth{kPreference, "Select_Tiles_ClientWidth"};
inline constexpr SettingKey kSelectTilesClientHeight{kPreference, "Select_Tiles_ClientHeight"};
inline constexpr FlagSetting kSoundsEnabled{kPreference, "Sounds_Enabled", true};
inline constexpr FlagSetting kSoundsAbout{kPreference, "Sounds_About", true};
inline constexpr FlagSetting kSoundsNewHiScores{kPreference, "Sounds_NewHiScores", true};
inline constexpr FlagSetting kSoundsGameWon{kPreference, "Sounds_GameWon", true};
inline constexpr FlagSetting kSoundsHiScores{kPreference, "Sounds_HiScores", true};
inline constexpr FlagSetting kSoundsPairing{kPreference, "Sounds_Pairing", true};
inline constexpr FlagSetting kSoundsRedo{kPreference, "Sounds_Redo", true};
inline constexpr FlagSetting kSoundsRestart{kPreference, "Sounds_Restart", true};
inline constexpr FlagSetting kSoundsUndo{kPreference, "Sounds_Undo", true};
inline constexpr FlagSetting kSoundsNewGame{kPreference, "Sounds_NewGame", false};

// ---------------------------------------------------------------------------
// "Settings"
// ---------------------------------------------------------------------------
// 1 a random favourite game, 2 a random game of all games.
inline constexpr IntSetting kRandomGameType{kSettings, "Random_Game_Type", 2};
inline constexpr FlagSetting kTileLegendShowValues{kSettings, "Tile_Legend_Show_Values", false};
inline constexpr FlagSetting kTileLegendMatchingShowValues{
    kSettings, "Tile_Legend_Matching_Show_Values", false};

// ---------------------------------------------------------------------------
// "Parameters"
// ---------------------------------------------------------------------------
// Default: the user's documents folder.
inline constexpr SettingKey kDirSave{kParameters, "Dir_Save"};
inline constexpr TextSetting kTbVers{kParameters, "TB_Vers", ""};
// ---------------------------------------------------------------------------
// Per game family: score type + suffix, e.g. "02_Tile_Set" (see
// ScoreTypeKey). Defaults as "Tile_Set" for that family, empty, empty.
// ---------------------------------------------------------------------------
inline constexpr std::string_view kSuffixTileSet = "_Tile_Set";
inline constexpr std::string_view kSuffixCustomizedTileSet = "_Customized_Tile_Set";
inline constexpr std::string_view kSuffixAdditionalTileSet = "_Additional_Tile_Set";

// ---------------------------------------------------------------------------
// "Forms": tool-window places, window name + suffix (see SaveWindowPlace)
// ---------------------------------------------------------------------------
inline constexpr std::string_view kFormInfoGame = "info_game";
inline constexpr std::string_view kFormInfoLegendMahJong = "info_legend_mahjong";
inline constexpr std::string_view kFormInfoLegendMatching = "info_legend_matching";
inline constexpr std::string_view kFormInfoLayoutEditor = "info_layout_editor";
// Only its "_Visible" key is used: whether a tile legend window was open.
inline constexpr std::string_view kFormInfoLegend = "info_legend";
inline constexpr std::string_view kSuffixLeft = "_Left";
inline constexpr std::string_view kSuffixTop = "_Top";
inline constexpr std::string_view kSuffixVisible = "_Visible";
inline constexpr int kDefFormLeft = -1;
inline constexpr int kDefFormTop = -1;
inline constexpr bool kDefFormVisible = false;

// ---------------------------------------------------------------------------
// "Show_Messages" and "Show_Confirmations": messages the player may silence
// ---------------------------------------------------------------------------
inline constexpr std::string_view kMsgScreenUnder256Colors = "Screen_Under_256_Colors";
inline constexpr std::string_view kMsgInfoShuffle = "Msg_info_Shuffle";

// ---------------------------------------------------------------------------
// List sections
// ---------------------------------------------------------------------------
inline constexpr NumberedList kPlayers{kUsers, "User", 3, 20};
inline constexpr std::string_view kDefaultPlayer1 = "Player 1";
inline constexpr std::string_view kDefaultPlayer2 = "Player 2";
inline constexpr std::string_view kDefaultPlayer3 = "Player 3";
inline constexpr NumberedList kGameNumberHistory{kGameNumbers, "Game", 3, 20};
inline constexpr NumberedList kRecentGames{kLastPlayedGames, "Game", 3, 20};
inline constexpr NumberedList kFavorites{kFavoriteGames, "Game", 4, 0};
inline constexpr NumberedList kOwnBackgrounds{kCustomizedBackgrounds, "Background", 3, 1000};

}  // namespace setting
}  // namespace jw
