#include "shell/CommandTable.h"

#include <array>
#include <cassert>

namespace jw {

namespace {

using C = CommandId;

// clang-format off
constexpr CommandInfo kCommands[] = {
    {C::New, "mnuNew", "&New game", "F2", "New", true, "NEW", "File", false},
    {C::Open, "mnuOpen", "&Open a game...", "Ctrl+F12", "Open", true, "OPEN", "File", false},
    {C::Restart, "mnuRestart", "&Restart game", "Ctrl+F2", "", true, "RESTART", "File", false},
    {C::SelectNumber, "mnuSelect", "S&elect a game number...", "F3", "", false, "SELECT", "File", false},
    {C::RandomGame, "mnuRandomGame", "R&andom game", "", "", false, "", "File", false},
    {C::RandomFromFavorites, "mnuRandomFromFavorites", "From &favorite games", "Shift+Ctrl+F", "", false, "RANDOM", "File", false},
    {C::RandomFromAll, "mnuRandomFromAll", "From &all games", "Shift+Ctrl+A", "", false, "", "File", false},
    {C::Save, "mnuSave", "&Save...", "Shift+Ctrl+F12", "", false, "SAVE", "File", false},
    {C::Players, "mnuPlayers", "&Players...", "Ctrl+L", "", false, "PLAYERS", "File", false},
    {C::HoldAndExit, "mnuHoldAndExit", "&Hold and exit...", "", "", false, "", "File", false},
    {C::Exit, "mnuExit", "E&xit", "", "Exit", true, "EXIT", "File", false},
    {C::Undo, "mnuUndo", "&Undo", "Ctrl+Z", "Undo", true, "UNDO", "Game", false},
    {C::Redo, "mnuRedo", "&Redo", "Ctrl+Y", "Redo", true, "REDO", "Game", false},
    {C::InsertBookmark, "mnuInsertBookmark", "Insert &bookmark", "", "", false, "BOOKMARK", "Game", false},
    {C::GotoBookmark, "mnuGotoBookmark", "Go &to bookmark", "", "", false, "", "Game", false},
    {C::Pause, "mnuPause", "P&ause", "Ctrl+P", "", false, "PAUSE", "Game", true},
    {C::QuitGame, "mnuQuitGame", "&Quit game", "Ctrl+Q", "", false, "", "Game", false},
    {C::SuggestMove, "mnuSuggestMove", "Suggest a &move", "M", "", false, "", "Game", false},
    {C::FullScreen, "mnuFullScreen", "Full Screen", "F11", "Full Screen", true, "FULL_SCREEN", "Game", true},
    {C::GameStatistics, "mnuGameStatistics", "&Game statistics...", "F4", "Stats", true, "STATS", "Statistics", false},
    {C::HiScores, "mnuHiScores", "&Hi-Scores...", "F9", "", false, "HISCORES", "Statistics", false},
    {C::LogStatistics, "mnuLogStatistics", "&Log statistics...", "", "", false, "", "Statistics", false},
    {C::OverallScore, "mnuOverallScore", "Overall Score...", "", "", false, "", "Statistics", false},
    {C::AddFavorites, "mnuAddFavorites", "&Add to Favorites...", "Ctrl+A", "", false, "FAVORITES", "Favorites", false},
    {C::OrganizeFavorites, "mnuOrganizeFavorites", "&Organize Favorites...", "Ctrl+F", "", false, "", "Favorites", false},
    {C::ChangeAppearance, "mnuChangeAppearance", "Change Appearance", "", "", false, "", "Tools", false},
    {C::SelectTiles, "mnuSelectTiles", "Select Tiles", "", "", false, "", "Tools", false},
    {C::SelectBackground, "mnuSelectBackground", "Select Background", "", "", false, "", "Tools", false},
    {C::Customize, "mnuCustomize", "&Options", "Ctrl+O", "", false, "CUSTOMIZE", "Tools", false},
    {C::EditCurrentLayout, "mnuEditCurrentLayout", "Edit current Layout", "", "", false, "", "Tools", false},
    {C::LayoutManager, "mnuLayoutManager", "Layout Manager", "Ctrl+T", "Layout", true, "LAYOUT", "Tools", false},
    {C::ShowGameInfo, "mnuShowGameInfo", "Game information...", "F5", "", false, "", "Tools", true},
    {C::ShowTileLegend, "mnuShowTileLegend", "Tile legend...", "", "", false, "", "Tools", true},
    {C::Comments, "mnuComments", "Co&mments...", "", "", false, "COMMENTS", "Tools", false},
    {C::HelpContents, "mnuHelpContents", "&Contents", "F1", "", true, "HELP", "Help", false},
    {C::ProgramOnTheWeb, "mnuProgramOnTheWeb", "[Program] on the &Web...", "", "", false, "", "Help", false},
    {C::ProductHomePage, "mnuProductHomePage", "[Program] &Home Page", "", "", false, "WEBPAGE", "Help", false},
    {C::ProductNews, "mnuProductNews", "&Product News", "", "", false, "WEBPAGE", "Help", false},
    {C::ProgramUpdate, "mnuProgramUpdate", "[Program] &Update", "", "", false, "WEBPAGE", "Help", false},
    {C::About, "mnuAbout", "A&bout [Program]...", "", "", false, "", "Help", false},
    {C::LayoutSave, "mnuLayout_Save", "Save...", "", "Save", true, "SAVE", "Edit", false},
    {C::LayoutSaveAs, "mnuLayout_SaveAs", "Save as...", "", "", false, "", "Edit", false},
    {C::LayoutPlay, "mnuLayout_Play", "Play", "", "Play", true, "PLAY", "Edit", false},
    {C::LayoutExit, "mnuLayout_Exit", "Exit layout", "", "", false, "", "Edit", false},
    {C::LayoutMoveLeft, "mnuLayout_MoveLeft", "Move left", "", "Move left", true, "MOVELEFT", "Edit", false},
    {C::LayoutMoveRight, "mnuLayout_MoveRight", "Move right", "", "Move right", true, "MOVERIGHT", "Edit", false},
    {C::LayoutMoveUp, "mnuLayout_MoveUp", "Move up", "", "Move up", true, "MOVEUP", "Edit", false},
    {C::LayoutMoveDown, "mnuLayout_MoveDown", "Move down", "", "Move down", true, "MOVEDOWN", "Edit", false},
    {C::LayoutMoveCenter, "mnuLayout_MoveCenter", "Center", "", "Center", true, "CENTER", "Edit", false},
    {C::LayoutClearAll, "mnuLayout_ClearAll", "Clear all", "", "", false, "", "Edit", false},
    {C::LayoutOptions, "mnuLayout_Options", "Options", "", "Options", true, "OPTIONSLAYOUT", "Edit", false},
    {C::ShowGameInfoPopUp, "mnuShowGameInfoPopUp", "Game information...", "", "", false, "", "Menus", false},
    {C::OrganizeFavoritesPopUp, "mnuOrganizeFavoritesPopUp", "Favorite games...", "", "", false, "", "Menus", false},
    {C::ChangeTileSetPopUp, "mnuChangeCardSetPopUp", "Change tile set", "", "", false, "", "Menus", false},
    {C::ChangeBackgroundPopUp, "mnuChangebackgroundPopUp", "Change background", "", "", false, "", "Menus", false},
    {C::PausePopUp, "mnuPausePopUp", "Pause", "Ctrl+P", "", false, "", "Menus", false},
    {C::QuitGamePopUp, "mnuQuitGamePopUp", "Quit game", "Ctrl+Q", "", false, "", "Menus", false},
    {C::ShowTileLegendPopUp, "mnuShowTileLegendPopUp", "Tile legend", "", "", false, "", "Menus", false},
};
// clang-format on

MenuEntry Cmd(CommandId id) {
    return {MenuEntry::Kind::Command, id, {}};
}
MenuEntry Sep() {
    return {MenuEntry::Kind::Separator, CommandId::New, {}};
}
MenuEntry Sub(CommandId id, std::vector<MenuEntry> children) {
    return {MenuEntry::Kind::SubMenu, id, std::move(children)};
}

}  // namespace

std::span<const CommandInfo> AllCommands() {
    return kCommands;
}

const CommandInfo& Command(CommandId id) {
    for (const CommandInfo& info : kCommands) {
        if (info.id == id) {
            return info;
        }
    }
    assert(false && "every command id has a table row");
    return kCommands[0];
}

const std::vector<MenuInfo>& MainMenus() {
    static const std::vector<MenuInfo> menus = {
        {"mnuFile",
         "&File",
         {Cmd(C::New), Cmd(C::Open), Sep(), Cmd(C::Restart), Cmd(C::SelectNumber),
          Sub(C::RandomGame, {Cmd(C::RandomFromFavorites), Cmd(C::RandomFromAll)}), Sep(),
          Cmd(C::Save), Sep(), Cmd(C::Players), Sep(), Cmd(C::HoldAndExit), Cmd(C::Exit)}},
        {"mnuGame",
         "&Game",
         {Cmd(C::Undo), Cmd(C::Redo), Sep(), Cmd(C::InsertBookmark), Cmd(C::GotoBookmark), Sep(),
          Cmd(C::Pause), Cmd(C::QuitGame), Sep(), Cmd(C::SuggestMove), Sep(), Cmd(C::FullScreen)}},
        {"mnuStatistics",
         "&Statistics",
         {Cmd(C::GameStatistics), Cmd(C::HiScores), Sep(), Cmd(C::LogStatistics)}},
        {"mnuFavorites", "F&avorites", {Cmd(C::AddFavorites), Cmd(C::OrganizeFavorites)}},
        {"mnuTools",
         "&Tools",
         {Sub(C::ChangeAppearance, {Cmd(C::SelectTiles), Cmd(C::SelectBackground)}),
          Cmd(C::Customize), Sep(), Cmd(C::EditCurrentLayout), Cmd(C::LayoutManager), Sep(),
          Cmd(C::ShowGameInfo), Cmd(C::ShowTileLegend), Sep(), Cmd(C::Comments)}},
        {"mnuHelp",
         "&Help",
         {Cmd(C::HelpContents), Sep(),
          Sub(C::ProgramOnTheWeb,
              {Cmd(C::ProductHomePage), Cmd(C::ProductNews), Cmd(C::ProgramUpdate)}),
          Sep(), Cmd(C::About)}},
    };
    return menus;
}

const std::vector<MenuInfo>& LayoutEditorMenus() {
    static const std::vector<MenuInfo> menus = {
        {"mnuLayout_File",
         "&File",
         {Cmd(C::LayoutSave), Cmd(C::LayoutSaveAs), Sep(), Cmd(C::LayoutPlay), Sep(),
          Cmd(C::LayoutExit)}},
        {"mnuLayout_Edit",
         "Edit",
         {Cmd(C::LayoutMoveLeft), Cmd(C::LayoutMoveRight), Cmd(C::LayoutMoveUp),
          Cmd(C::LayoutMoveDown), Cmd(C::LayoutMoveCenter), Sep(), Cmd(C::LayoutClearAll)}},
        {"mnuLayout_Tools", "Tools", {Cmd(C::LayoutOptions)}},
    };
    return menus;
}

const std::vector<MenuEntry>& StandardToolbar() {
    static const std::vector<MenuEntry> bar = {Cmd(C::New),
                                               Cmd(C::Open),
                                               Sep(),
                                               Cmd(C::Restart),
                                               Sep(),
                                               Cmd(C::Undo),
                                               Cmd(C::Redo),
                                               Sep(),
                                               Cmd(C::LayoutManager),
                                               Sep(),
                                               Cmd(C::GameStatistics),
                                               Sep(),
                                               Cmd(C::FullScreen),
                                               Sep(),
                                               Cmd(C::HelpContents),
                                               Sep(),
                                               Cmd(C::Exit)};
    return bar;
}

const std::vector<MenuEntry>& LayoutEditorToolbar() {
    static const std::vector<MenuEntry> bar = {Cmd(C::LayoutSave),       Sep(),
                                               Cmd(C::LayoutMoveLeft),   Cmd(C::LayoutMoveRight),
                                               Cmd(C::LayoutMoveUp),     Cmd(C::LayoutMoveDown),
                                               Cmd(C::LayoutMoveCenter), Sep(),
                                               Cmd(C::LayoutOptions),    Sep(),
                                               Cmd(C::LayoutPlay)};
    return bar;
}

const std::vector<MenuEntry>& PlayAreaPopUp() {
    static const std::vector<MenuEntry> menu = {
        Cmd(C::ShowGameInfoPopUp),  Cmd(C::OrganizeFavoritesPopUp), Sep(),
        Cmd(C::ChangeTileSetPopUp), Cmd(C::ChangeBackgroundPopUp),  Sep(),
        Cmd(C::PausePopUp),         Cmd(C::QuitGamePopUp),          Sep(),
        Cmd(C::ShowTileLegendPopUp)};
    return menu;
}

std::string SmallIconName(std::string_view base) {
    return std::string(base) + "_256_16x16";
}

std::string LargeIconName(std::string_view base) {
    return std::string(base) + "_xp_24x24";
}

std::string ReplaceCaptionPlaceholders(std::string text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kPlaceholders{{
        {"[Program]", "Jadewind 2007"},
        {"[Program_sw]", "Jadewind 2007"},
        {"[Program_nm]", "Jadewind"},
    }};
    for (const auto& [placeholder, value] : kPlaceholders) {
        const std::size_t at = text.find(placeholder);
        if (at != std::string::npos) {
            text.replace(at, placeholder.size(), value);
        }
    }
    return text;
}

std::string WindowTitle(bool editing, std::string_view layoutName, bool gameInProgress,
                        std::string_view gameName) {
    std::string title = std::string(kProgramName) + " v" + kProgramVersion;
    if (editing) {
        title += "  [Layout Editor";
        while (!layoutName.empty() && layoutName.back() == ' ') {
            layoutName.remove_suffix(1);
        }
        if (!layoutName.empty()) {
            title += ": ";
            title += layoutName;
        }
        title += "]";
    } else if (gameInProgress) {
        title += "  [";
        title += gameName;
        title += "]";
    }
    return title;
}

std::optional<CommandId> FullScreenCommand(const KeyPress& p) {
    using K = KeyPress::Key;
    const K k = p.key;
    if (k == K::F2 && !p.ctrl)
        return C::New;
    if (k == K::F12 && p.ctrl && !p.shift)
        return C::Open;
    if (k == K::F2 && p.ctrl)
        return C::Restart;
    if (k == K::F3)
        return C::SelectNumber;
    if (k == K::F && p.shift && p.ctrl)
        return C::RandomFromFavorites;
    if (k == K::A && p.shift && p.ctrl)
        return C::RandomFromAll;
    if (k == K::F12 && p.shift && p.ctrl)
        return C::Save;
    if (k == K::L && p.ctrl)
        return C::Players;
    if (k == K::Z && p.ctrl)
        return C::Undo;
    if (k == K::Y && p.ctrl)
        return C::Redo;
    if (k == K::P && p.ctrl)
        return C::Pause;
    if (k == K::Q && p.ctrl)
        return C::QuitGame;
    if (k == K::F11)
        return C::FullScreen;
    if (k == K::F4)
        return C::GameStatistics;
    if (k == K::F9)
        return C::HiScores;
    if (k == K::M)
        return C::SuggestMove;
    if (k == K::A && p.ctrl)
        return C::AddFavorites;
    if (k == K::F && p.ctrl)
        return C::OrganizeFavorites;
    if (k == K::U && p.ctrl)
        return C::Customize;
    if (k == K::T && p.ctrl)
        return C::LayoutManager;
    if (k == K::F1)
        return C::HelpContents;
    return std::nullopt;
}

}  // namespace jw
