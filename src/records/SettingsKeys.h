// Every section and key of the settings file "cnfg.dat", with its default.
//
// This is the one place where the names of the settings are spelled. Keys
// are matched without regard to letter case, so a key that some window
// writes with a different capitalisation still meets the same value.
//
// Kinds: flags are stored as "Y" or "N" (kDef... is a bool), integers as
// decimal text (kDef... is an int), texts unchanged (kDef... is a string).
// Defaults that depend on other values (the tile set, the tile size, the
// main window size, the background colour) have readers in
// SettingsDefaults.h.
#pragma once

#include <string_view>

#include "engine/ScoreType.h"

namespace jw {

// ---------------------------------------------------------------------------
// Sections
// ---------------------------------------------------------------------------
inline constexpr std::string_view kSectionPreference = "Preference";
inline constexpr std::string_view kSectionSettings = "Settings";
inline constexpr std::string_view kSectionParameters = "Parameters";
inline constexpr std::string_view kSectionForms = "Forms";
inline constexpr std::string_view kSectionShowMessages = "Show_Messages";
inline constexpr std::string_view kSectionShowConfirmations = "Show_Confirmations";
inline constexpr std::string_view kSectionUsers = "Users";
inline constexpr std::string_view kSectionGameNumbers = "Game_Numbers";
inline constexpr std::string_view kSectionLastPlayedGames = "Last Played Games";
inline constexpr std::string_view kSectionFavoriteGames = "Favorite Games";
inline constexpr std::string_view kSectionCustomizedBackgrounds = "Customized backgrounds";

// ---------------------------------------------------------------------------
// Section "Preference": player and chosen game
// ---------------------------------------------------------------------------
inline constexpr std::string_view kKeyUserDefault = "UserDefault";
inline constexpr std::string_view kDefUserDefault = "";

// Game family of the last chosen game: "01" MahJong type, "02" Matching type.
inline constexpr std::string_view kKeyScoreType = "Score_Type";
inline constexpr std::string_view kDefScoreType = kScoreTypeMahJong;

inline constexpr std::string_view kKeyGame = "Game";
inline constexpr int kDefGame = 0;
inline constexpr std::string_view kKeyGameName = "Game_Name";
inline constexpr std::string_view kDefGameName = "";
// 0 all games, 1 game groups, 2 customized games, 3 favourites, 4 recent games.
inline constexpr std::string_view kKeyGameTreeType = "Game_TreeType";
inline constexpr int kDefGameTreeType = 0;
inline constexpr std::string_view kKeyGameTreePos = "Game_TreePos";
inline constexpr int kDefGameTreePos = -1;
inline constexpr std::string_view kKeyGameTreeNum = "Game_TreeNum";
inline constexpr int kDefGameTreeNum = -30;
inline constexpr std::string_view kKeyOpenPreviewGame = "Open_Preview_Game";
inline constexpr bool kDefOpenPreviewGame = true;
inline constexpr std::string_view kKeyOpenShowWonLost = "Open_Show_Won_Lost";
inline constexpr bool kDefOpenShowWonLost = false;

// ---------------------------------------------------------------------------
// Section "Preference": tile sets and tile size
// ---------------------------------------------------------------------------
// Default: kDefTileSetMahJong, kDefTileSetMatching or kDefTileSetOther by
// "Score_Type" (see ReadTileSet).
inline constexpr std::string_view kKeyTileSet = "Tile_Set";
inline constexpr int kDefTileSetMahJong = 4;
inline constexpr int kDefTileSetMatching = 501;
inline constexpr int kDefTileSetOther = -1;
// Default: the size letter by screen width (see DefaultTileSizeLetter).
inline constexpr std::string_view kKeyTileSetSize = "Tile_Set_Size";
inline constexpr std::string_view kKeyAutomaticTileSize = "Automatic_Tile_Size";
inline constexpr bool kDefAutomaticTileSize = true;
inline constexpr std::string_view kKeyCustomizedTileSet = "Customized_Tile_Set";
inline constexpr std::string_view kDefCustomizedTileSet = "";
inline constexpr std::string_view kKeyAdditionalTileSet = "Additional_Tile_Set";
inline constexpr std::string_view kDefAdditionalTileSet = "";
inline constexpr std::string_view kKeyRandomTileSet = "Random_Tile_Set";
inline constexpr bool kDefRandomTileSet = false;
// Per family: score type + these suffixes, e.g. "02_Tile_Set" (see
// ScoreTypeKey). Defaults as "Tile_Set" for that family, empty, empty.
inline constexpr std::string_view kKeySuffixTileSet = "_Tile_Set";
inline constexpr std::string_view kKeySuffixCustomizedTileSet = "_Customized_Tile_Set";
inline constexpr std::string_view kKeySuffixAdditionalTileSet = "_Additional_Tile_Set";

// ---------------------------------------------------------------------------
// Section "Preference": screen and main window
// ---------------------------------------------------------------------------
// Default: the current screen size.
inline constexpr std::string_view kKeyScreenWidth = "ScreenWidth";
inline constexpr std::string_view kKeyScreenHeight = "ScreenHeight";
inline constexpr std::string_view kKeyMainClientWidth = "MainClientWidth";
inline constexpr int kDefMainClientWidth = -1;
inline constexpr std::string_view kKeyMainClientHeight = "MainClientHeight";
inline constexpr int kDefMainClientHeight = -1;
inline constexpr std::string_view kKeyMainWindowLeft = "MainWindowState_Left";
inline constexpr int kDefMainWindowLeft = 50;
inline constexpr std::string_view kKeyMainWindowTop = "MainWindowState_Top";
inline constexpr int kDefMainWindowTop = 50;
// Default: screen size minus kMainWindowMargin.
inline constexpr std::string_view kKeyMainWindowWidth = "MainWindowState_Width";
inline constexpr std::string_view kKeyMainWindowHeight = "MainWindowState_Height";
inline constexpr int kMainWindowMargin = 150;
inline constexpr std::string_view kKeyMainWindowMaximized = "MainWindowState_Maximized";
inline constexpr bool kDefMainWindowMaximized = true;
inline constexpr std::string_view kKeyFullScreen = "Full_Screen";
inline constexpr bool kDefFullScreen = false;

// ---------------------------------------------------------------------------
// Section "Preference": background and winning animation
// ---------------------------------------------------------------------------
inline constexpr std::string_view kKeyBackgroundBmp = "Background_bmp";
inline constexpr int kDefBackgroundBmp = 410;
// A stored 0 also means the default: the system's button-face colour.
inline constexpr std::string_view kKeyBackgroundCol = "Background_Col";
inline constexpr int kDefBackgroundCol = -16777201;
inline constexpr std::string_view kKeyBackgroundFixedCol = "Background_Fixed_Col";
inline constexpr int kDefBackgroundFixedCol = 0;
inline constexpr std::string_view kKeyBackgroundDef = "Background_Def";
inline constexpr bool kDefBackgroundDef = false;
inline constexpr std::string_view kKeyFadeBackground = "Fade_Background";
inline constexpr bool kDefFadeBackground = true;
inline constexpr std::string_view kKeyCustomizedBackground = "Customized_Background";
inline constexpr std::string_view kDefCustomizedBackground = "";
inline constexpr std::string_view kKeyAdditionalBackground = "Additional_Background";
inline constexpr std::string_view kDefAdditionalBackground = "";
inline constexpr std::string_view kKeyRandomBackground = "Random_Background";
inline constexpr bool kDefRandomBackground = false;
// "(Random)", "Festoons", "Circles", "Lines", "Open order", "Left to right",
// "Up to down" or "(None)".
inline constexpr std::string_view kKeyWinningAnimations = "Winning_Animations";
inline constexpr std::string_view kDefWinningAnimations = "(Random)";
inline constexpr std::string_view kKeyWinningAnimationsTime = "Winning_Animations_Time";
inline constexpr int kDefWinningAnimationsTime = 30;

// ---------------------------------------------------------------------------
// Section "Preference": play, confirmations and statistics
// ---------------------------------------------------------------------------
// 0 unlimited undo and redo, 1 only one, 2 disabled.
inline constexpr std::string_view kKeyUndoEnabled = "Undo_Enabled";
inline constexpr int kDefUndoEnabled = 0;
inline constexpr std::string_view kKeyConfirmQuit = "ConfirmQuit";
inline constexpr bool kDefConfirmQuit = false;
inline constexpr std::string_view kKeyConfirmQuitGame = "ConfirmQuitGame";
inline constexpr bool kDefConfirmQuitGame = false;
inline constexpr std::string_view kKeyConfirmEnterHiScores = "ConfirmEnterHiScores";
inline constexpr bool kDefConfirmEnterHiScores = true;
inline constexpr std::string_view kKeyShowGameWonDialogBox = "Show_Game_Won_Dialog_Box";
inline constexpr bool kDefShowGameWonDialogBox = true;
inline constexpr std::string_view kKeyTipsStartUp = "Tips_StartUp";
inline constexpr bool kDefTipsStartUp = false;
inline constexpr std::string_view kKeyConfirmSaveAndExit = "ConfirmSaveAndExit";
inline constexpr bool kDefConfirmSaveAndExit = false;
// What exit does with an unfinished game: 0 abandon it, 1 hold it.
inline constexpr std::string_view kKeyConfirmSaveAndExitType = "ConfirmSaveAndExitType";
inline constexpr int kDefConfirmSaveAndExitType = 1;
inline constexpr std::string_view kKeyDisableStatistics = "Disable_Statistics";
inline constexpr bool kDefDisableStatistics = false;
inline constexpr std::string_view kKeyShowStatProgression = "Show_Stat_Progression";
inline constexpr bool kDefShowStatProgression = true;

// ---------------------------------------------------------------------------
// Section "Preference": window look
// ---------------------------------------------------------------------------
inline constexpr std::string_view kKeyShowToolTips = "Show_ToolTips";
inline constexpr bool kDefShowToolTips = true;
inline constexpr std::string_view kKeyToolBarLarge = "ToolBar_Large";
inline constexpr bool kDefToolBarLarge = true;
inline constexpr std::string_view kKeyToolBarFlat = "ToolBar_Flat";
inline constexpr bool kDefToolBarFlat = true;
// 0 "Office", 1 "Flat", 2 "XP/Vista"; the program's look is the modern one.
inline constexpr std::string_view kKeyToolbarStyle = "Toolbar_style";
inline constexpr int kDefToolbarStyle = 2;
inline constexpr std::string_view kKeyStatusbar = "Statusbar";
inline constexpr bool kDefStatusbar = true;
inline constexpr std::string_view kKeyShowMainPopupMenu = "Show_Main_Popup_Menu";
inline constexpr bool kDefShowMainPopupMenu = true;
inline constexpr std::string_view kKeyShowPartialHiddenTile = "Show_Partial_Hidden_Tile";
inline constexpr bool kDefShowPartialHiddenTile = true;
inline constexpr std::string_view kKeyShowTotalMoves = "Show_Total_Moves";
inline constexpr bool kDefShowTotalMoves = false;
// 10 the system pointer, 11 to 15 the program's own pointers.
inline constexpr std::string_view kKeyCursor = "Cursor";
inline constexpr int kDefCursor = 10;
inline constexpr std::string_view kKeySkinName = "Skin_name";
inline constexpr std::string_view kDefSkinName = "";
inline constexpr std::string_view kKeyUseSkins = "Use_Skins";
inline constexpr bool kDefUseSkins = false;
inline constexpr std::string_view kKeySelectTilesStartup = "Select_Tiles_Startup";
inline constexpr bool kDefSelectTilesStartup = true;
// Default: computed by the tile-set chooser.
inline constexpr std::string_view kKeySelectTilesClientWidth = "Select_Tiles_ClientWidth";
inline constexpr std::string_view kKeySelectTilesClientHeight = "Select_Tiles_ClientHeight";

// ---------------------------------------------------------------------------
// Section "Preference": sounds
// ---------------------------------------------------------------------------
inline constexpr std::string_view kKeySoundsEnabled = "Sounds_Enabled";
inline constexpr bool kDefSoundsEnabled = true;
inline constexpr std::string_view kKeySoundsAbout = "Sounds_About";
inline constexpr bool kDefSoundsAbout = true;
inline constexpr std::string_view kKeySoundsNewHiScores = "Sounds_NewHiScores";
inline constexpr bool kDefSoundsNewHiScores = true;
inline constexpr std::string_view kKeySoundsGameWon = "Sounds_GameWon";
inline constexpr bool kDefSoundsGameWon = true;
inline constexpr std::string_view kKeySoundsHiScores = "Sounds_HiScores";
inline constexpr bool kDefSoundsHiScores = true;
inline constexpr std::string_view kKeySoundsPairing = "Sounds_Pairing";
inline constexpr bool kDefSoundsPairing = true;
inline constexpr std::string_view kKeySoundsRedo = "Sounds_Redo";
inline constexpr bool kDefSoundsRedo = true;
inline constexpr std::string_view kKeySoundsRestart = "Sounds_Restart";
inline constexpr bool kDefSoundsRestart = true;
inline constexpr std::string_view kKeySoundsUndo = "Sounds_Undo";
inline constexpr bool kDefSoundsUndo = true;
inline constexpr std::string_view kKeySoundsNewGame = "Sounds_NewGame";
inline constexpr bool kDefSoundsNewGame = false;

// ---------------------------------------------------------------------------
// Section "Settings"
// ---------------------------------------------------------------------------
// 1 a random favourite game, 2 a random game of all games.
inline constexpr std::string_view kKeyRandomGameType = "Random_Game_Type";
inline constexpr int kDefRandomGameType = 2;
inline constexpr std::string_view kKeyTileLegendShowValues = "Tile_Legend_Show_Values";
inline constexpr bool kDefTileLegendShowValues = false;
inline constexpr std::string_view kKeyTileLegendMatchingShowValues =
    "Tile_Legend_Matching_Show_Values";
inline constexpr bool kDefTileLegendMatchingShowValues = false;

// ---------------------------------------------------------------------------
// Section "Parameters"
// ---------------------------------------------------------------------------
// Default: the user's documents folder.
inline constexpr std::string_view kKeyDirSave = "Dir_Save";
inline constexpr std::string_view kKeyTbVers = "TB_Vers";
inline constexpr std::string_view kDefTbVers = "";

// ---------------------------------------------------------------------------
// Section "Forms": tool-window places, name + suffix (see SaveWindowPlace)
// ---------------------------------------------------------------------------
inline constexpr std::string_view kFormInfoGame = "info_game";
inline constexpr std::string_view kFormInfoLegendMahJong = "info_legend_mahjong";
inline constexpr std::string_view kFormInfoLegendMatching = "info_legend_matching";
inline constexpr std::string_view kFormInfoLayoutEditor = "info_layout_editor";
// Only its "_Visible" key is used: whether a tile legend window was open.
inline constexpr std::string_view kFormInfoLegend = "info_legend";
inline constexpr std::string_view kKeySuffixLeft = "_Left";
inline constexpr std::string_view kKeySuffixTop = "_Top";
inline constexpr std::string_view kKeySuffixVisible = "_Visible";
inline constexpr int kDefFormLeft = -1;
inline constexpr int kDefFormTop = -1;
inline constexpr bool kDefFormVisible = false;

// ---------------------------------------------------------------------------
// Sections "Show_Messages" and "Show_Confirmations": switchable messages
// ---------------------------------------------------------------------------
inline constexpr std::string_view kMsgScreenUnder256Colors = "Screen_Under_256_Colors";
inline constexpr std::string_view kMsgInfoShuffle = "Msg_info_Shuffle";

// ---------------------------------------------------------------------------
// List sections: key prefixes and sizes
// ---------------------------------------------------------------------------
// "Users": "User001" .. "User020".
inline constexpr std::string_view kKeyPrefixUser = "User";
inline constexpr int kMaxPlayers = 20;
inline constexpr std::string_view kDefaultPlayer1 = "Player 1";
inline constexpr std::string_view kDefaultPlayer2 = "Player 2";
inline constexpr std::string_view kDefaultPlayer3 = "Player 3";
// "Game_Numbers" and "Last Played Games": "Game001" .. "Game020".
inline constexpr std::string_view kKeyPrefixGameSlot = "Game0";
inline constexpr int kMaxGameSlots = 20;
// "Favorite Games": "Game0000", "Game0001", ... without gaps.
inline constexpr std::string_view kKeyPrefixFavorite = "Game";
// "Customized backgrounds": "Background000", "Background001", ... without gaps.
inline constexpr std::string_view kKeyPrefixCustomizedBackground = "Background";

}  // namespace jw
