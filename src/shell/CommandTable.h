// The commands of the main window: captions, shortcuts, toolbar buttons and
// icons, and the contents of every menu and bar. The Qt window builds its
// menus and toolbars from these tables; nothing here depends on Qt.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

enum class CommandId {
    // File
    New,
    Open,
    Restart,
    SelectNumber,
    RandomGame,
    RandomFromFavorites,
    RandomFromAll,
    Save,
    Players,
    HoldAndExit,
    Exit,
    // Game
    Undo,
    Redo,
    InsertBookmark,
    GotoBookmark,
    Pause,
    QuitGame,
    SuggestMove,
    FullScreen,
    // Statistics
    GameStatistics,
    HiScores,
    LogStatistics,
    OverallScore,
    // Favorites
    AddFavorites,
    OrganizeFavorites,
    // Tools
    ChangeAppearance,
    SelectTiles,
    SelectBackground,
    Customize,
    EditCurrentLayout,
    LayoutManager,
    ShowGameInfo,
    ShowTileLegend,
    Comments,
    // Help
    HelpContents,
    ProgramOnTheWeb,
    ProductHomePage,
    ProductNews,
    ProgramUpdate,
    About,
    // Layout editor
    LayoutSave,
    LayoutSaveAs,
    LayoutPlay,
    LayoutExit,
    LayoutMoveLeft,
    LayoutMoveRight,
    LayoutMoveUp,
    LayoutMoveDown,
    LayoutMoveCenter,
    LayoutClearAll,
    LayoutOptions,
    // Pop-up menu of the play area
    ShowGameInfoPopUp,
    OrganizeFavoritesPopUp,
    ChangeTileSetPopUp,
    ChangeBackgroundPopUp,
    PausePopUp,
    QuitGamePopUp,
    ShowTileLegendPopUp,
};

struct CommandInfo {
    CommandId id;
    const char* component;       // "mnuNew"
    const char* caption;         // "&New game", with placeholders such as "[Program]"
    const char* shortcut;        // "F2", "Ctrl+F12", "" for none (Qt key-sequence text)
    const char* toolbarCaption;  // caption of the large toolbar button, "" for an image only
    bool onToolbar;              // has a large toolbar button
    const char* icon;            // image base name ("NEW"), "" for none
    const char* category;        // customisation category
    bool checkable;              // a check button that keeps a down state
};

// Every command, in menu order.
std::span<const CommandInfo> AllCommands();
const CommandInfo& Command(CommandId id);

// One entry of a menu or bar: a command, a separator, or a sub-menu whose
// entries follow as the command's children.
struct MenuEntry {
    enum class Kind { Command, Separator, SubMenu } kind = Kind::Command;
    CommandId command{};
    std::vector<MenuEntry> children;  // for sub-menus
};

struct MenuInfo {
    const char* component;  // "mnuFile"
    const char* caption;    // "&File"
    std::vector<MenuEntry> entries;
};

// The menus of the "Main Menu" bar, in order.
const std::vector<MenuInfo>& MainMenus();
// The menus of the "Menu Layout Editor" bar, in order.
const std::vector<MenuInfo>& LayoutEditorMenus();
// The buttons of the "Standard" and "Toolbar Layout Editor" bars (with separators).
const std::vector<MenuEntry>& StandardToolbar();
const std::vector<MenuEntry>& LayoutEditorToolbar();
// The pop-up menu of the play area.
const std::vector<MenuEntry>& PlayAreaPopUp();

// The names of the four bars, by index.
inline constexpr const char* kBarNames[4] = {"Main Menu", "Standard", "Menu Layout Editor",
                                             "Toolbar Layout Editor"};

// Image names: base + "_256_16x16" for menus, base + "_xp_24x24" for toolbars.
std::string SmallIconName(std::string_view base);
std::string LargeIconName(std::string_view base);
inline constexpr const char* kUndoDisabledImage = "UNDO_256_24x24_DISABLED";
inline constexpr const char* kRedoDisabledImage = "REDO_256_24x24_DISABLED";

// Replaces the first "[Program]", "[Program_sw]" and "[Program_nm]", in that order.
std::string ReplaceCaptionPlaceholders(std::string text);

inline constexpr const char* kProgramName = "Jadewind 2007";
inline constexpr const char* kProgramVersion = "4.3";
inline constexpr const char* kProgramDate = "Sept 25, 2007";

// The main window's title.
std::string WindowTitle(bool editing, std::string_view layoutName, bool gameInProgress,
                        std::string_view gameName);

// Keys as the full-screen key map sees them.
struct KeyPress {
    enum class Key { Other, F1, F2, F3, F4, F9, F11, F12, A, F, L, M, P, Q, T, U, Y, Z, Escape };
    Key key = Key::Other;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The command a key press runs in full-screen mode (where the menu bar is
// hidden), tested in a fixed order so that Shift+Ctrl+F wins over Ctrl+F.
std::optional<CommandId> FullScreenCommand(const KeyPress& press);

}  // namespace jw
