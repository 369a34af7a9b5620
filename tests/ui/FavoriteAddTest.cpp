// The add-favourite dialog opened from the main window: the placeholder
// folder of an empty tree, a new folder, and a game added twice.
#include <gtest/gtest.h>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "engine/Jong_class_interface.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "records/GameLists.h"
#include "records/SettingsFile.h"
#include "records/ui/J_Favorite.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "ui/ChooseGame.h"
#include "ui/StartedShell.h"

namespace jw {
namespace {

class FavoriteAdd : public test::StartedShell {
  protected:
    FavoriteAdd() {
        answerFor = [this](MessageButtons) { return answer; };
    }

    MessageAnswer answer = MessageAnswer::Ok;
};

TEST_F(FavoriteAdd, PlaceholderFolderIsReplacedAndDuplicatesAreAskedAbout) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    const TMahJong_interface& engine = *shell->Engine();
    const std::string game = engine.catalog.NameOf(engine.gameId);
    ASSERT_FALSE(game.empty());

    shell->favoriteAddAnswerer = [&](TfrmJFavoriteAdd& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Favorite"));
        QTreeWidget* tree = dialog.TreeView();
        ASSERT_EQ(tree->topLevelItemCount(), 1);
        EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("Favorite Layouts"));
        EXPECT_TRUE(tree->selectedItems().isEmpty());
        int shown = 0;
        dialog.folderAnswerer = [&](TfrmJFavoriteAddFolder& folder) {
            EXPECT_EQ(folder.windowTitle(), QStringLiteral("Create New Folder"));
            EXPECT_EQ(folder.NameEdit()->text(), QStringLiteral("New folder"));
            folder.NameEdit()->clear();
            folder.accept();  // refused: empty
            EXPECT_TRUE(folder.isVisible());
            ++shown;
            QTest::keyClicks(folder.NameEdit(), "Mine");
            folder.accept();
        };
        dialog.NewFolderButton()->click();
        EXPECT_EQ(shown, 1);
        ASSERT_EQ(tree->selectedItems().size(), 1);
        EXPECT_EQ(tree->selectedItems().front()->text(0), QStringLiteral("Mine"));
        dialog.OkButton()->click();
    };
    shell->Window()->Action(CommandId::AddFavorites)->trigger();
    EXPECT_EQ(shownMessages, std::vector<std::string>{"Please enter at least 1 character."});
    auto stored = LoadFavoritesTree(Stored(), engine.catalog);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].text, "Mine");
    ASSERT_EQ(stored[0].children.size(), 1u);
    EXPECT_EQ(stored[0].children[0].text, game);
    EXPECT_EQ(stored[0].children[0].code, engine.gameId);

    // Into the same folder again: asked, and No adds nothing.
    shownMessages.clear();
    answer = MessageAnswer::No;
    shell->favoriteAddAnswerer = [&](TfrmJFavoriteAdd& dialog) {
        QTreeWidget* tree = dialog.TreeView();
        ASSERT_EQ(tree->topLevelItemCount(), 1);
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        dialog.OkButton()->click();
    };
    shell->Window()->Action(CommandId::AddFavorites)->trigger();
    EXPECT_EQ(shownMessages,
              std::vector<std::string>{game + " game is already in the Favorites list. Do you "
                                              "want to add it again?"});
    EXPECT_EQ(LoadFavoritesTree(Stored(), engine.catalog)[0].children.size(), 1u);

    // Nothing selected: the top level, where the game is not yet.
    shownMessages.clear();
    shell->favoriteAddAnswerer = [&](TfrmJFavoriteAdd& dialog) { dialog.OkButton()->click(); };
    shell->Window()->Action(CommandId::AddFavorites)->trigger();
    EXPECT_TRUE(shownMessages.empty());
    stored = LoadFavoritesTree(Stored(), engine.catalog);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].text, game);
}

}  // namespace
}  // namespace jw
