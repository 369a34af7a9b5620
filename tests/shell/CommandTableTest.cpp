#include "shell/CommandTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace jw {
namespace {

void CollectCommands(const std::vector<MenuEntry>& entries, std::multiset<CommandId>& out) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind != MenuEntry::Kind::Separator) {
            out.insert(entry.command);
        }
        CollectCommands(entry.children, out);
    }
}

TEST(CommandTable, EveryCommandHasOneRowAndAUniqueComponentName) {
    std::set<std::string> components;
    std::set<CommandId> ids;
    for (const CommandInfo& info : AllCommands()) {
        EXPECT_TRUE(components.insert(info.component).second) << info.component;
        EXPECT_TRUE(ids.insert(info.id).second) << info.component;
        EXPECT_EQ(&Command(info.id), &info);
    }
}

TEST(CommandTable, MainMenusHoldEachPlayingCommandOnce) {
    std::multiset<CommandId> used;
    for (const MenuInfo& menu : MainMenus()) {
        CollectCommands(menu.entries, used);
    }
    for (const CommandInfo& info : AllCommands()) {
        const std::string component = info.component;
        const bool editorOrPopUp = component.rfind("mnuLayout_", 0) == 0 ||
                                   component.find("PopUp") != std::string::npos;
        // "Overall Score..." is only reachable through customisation.
        const std::size_t expected = editorOrPopUp || info.id == CommandId::OverallScore ? 0 : 1;
        EXPECT_EQ(used.count(info.id), expected) << component;
    }
}

TEST(CommandTable, ToolbarButtonsAreTheCommandsMarkedForTheToolbar) {
    std::multiset<CommandId> onBars;
    CollectCommands(StandardToolbar(), onBars);
    CollectCommands(LayoutEditorToolbar(), onBars);
    for (const CommandInfo& info : AllCommands()) {
        EXPECT_EQ(onBars.count(info.id), info.onToolbar ? 1u : 0u) << info.component;
    }
    // The editor's toolbar: Save; four moves and Center; Options; Play.
    const auto& editor = LayoutEditorToolbar();
    ASSERT_EQ(editor.size(), 11u);
    EXPECT_EQ(editor.front().command, CommandId::LayoutSave);
    EXPECT_EQ(editor.back().command, CommandId::LayoutPlay);
}

TEST(CommandTable, FullScreenKeysPreferTheLongerChord) {
    using K = KeyPress::Key;
    EXPECT_EQ(FullScreenCommand({K::F, true, true, false}), CommandId::RandomFromFavorites);
    EXPECT_EQ(FullScreenCommand({K::F, false, true, false}), CommandId::OrganizeFavorites);
    EXPECT_EQ(FullScreenCommand({K::A, true, true, false}), CommandId::RandomFromAll);
    EXPECT_EQ(FullScreenCommand({K::A, false, true, false}), CommandId::AddFavorites);
    EXPECT_EQ(FullScreenCommand({K::F12, false, true, false}), CommandId::Open);
    EXPECT_EQ(FullScreenCommand({K::F12, true, true, false}), CommandId::Save);
    EXPECT_EQ(FullScreenCommand({K::F2, false, false, false}), CommandId::New);
    EXPECT_EQ(FullScreenCommand({K::F2, false, true, false}), CommandId::Restart);
    // Keys without a modifier in the map are taken whatever is held.
    EXPECT_EQ(FullScreenCommand({K::M, true, false, true}), CommandId::SuggestMove);
    EXPECT_EQ(FullScreenCommand({K::F11, false, true, false}), CommandId::FullScreen);
    // In full-screen mode the options answer Ctrl+U.
    EXPECT_EQ(FullScreenCommand({K::U, false, true, false}), CommandId::Customize);
    EXPECT_FALSE(FullScreenCommand({K::Z, false, false, false}).has_value());
    EXPECT_FALSE(FullScreenCommand({K::Other, false, true, false}).has_value());
}

TEST(CommandTable, PlaceholdersAreReplacedAtTheirFirstOccurrenceOnly) {
    EXPECT_EQ(ReplaceCaptionPlaceholders("A&bout [Program]..."), "A&bout Jadewind 2007...");
    EXPECT_EQ(ReplaceCaptionPlaceholders("[Program] and [Program]"),
              "Jadewind 2007 and [Program]");
    EXPECT_EQ(ReplaceCaptionPlaceholders("[Program_nm] [Program_sw]"),
              "Jadewind Jadewind 2007");
}

TEST(CommandTable, WindowTitleFollowsTheMode) {
    EXPECT_EQ(WindowTitle(false, "", false, "Standard"), "Jadewind 2007 v4.3");
    EXPECT_EQ(WindowTitle(false, "", true, "Standard"), "Jadewind 2007 v4.3  [Standard]");
    EXPECT_EQ(WindowTitle(true, "", true, "Standard"), "Jadewind 2007 v4.3  [Layout Editor]");
    EXPECT_EQ(WindowTitle(true, "My Tower   ", false, ""),
              "Jadewind 2007 v4.3  [Layout Editor: My Tower]");
}

}  // namespace
}  // namespace jw
