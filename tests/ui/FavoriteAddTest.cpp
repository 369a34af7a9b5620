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

namespace jw {
namespace {

class FavoriteAdd : public ::testing::Test {
  protected:
    FavoriteAdd()
        : home("HOME", folder.Path().string()),
          dataHome("XDG_DATA_HOME", (folder.Path() / "data").string()) {
        std::filesystem::create_directories(folder.Path() / "data" / "Jadewind");
        SettingsFile stored = Stored();
        Write(stored, setting::kSelectTilesStartup, false);
    }

    SettingsFile Stored() const {
        return SettingsFile((folder.Path() / "data" / "Jadewind" / "cnfg.dat").string());
    }

    test::TempFolder folder;
    test::ScopedEnv home;
    test::ScopedEnv dataHome;
    std::vector<std::string> asked;
    MessageAnswer answer = MessageAnswer::Ok;
};

TEST_F(FavoriteAdd, PlaceholderFolderIsReplacedAndDuplicatesAreAskedAbout) {
    auto shell = std::make_unique<GameShell>(std::string(JW_BIN_DIR) + "/");
    shell->GetHost().answerer = [this](MessageKind, const std::string& text, MessageButtons) {
        asked.push_back(text);
        return answer;
    };
    test::AcceptOfferedGame(shell->GetHost());
    ASSERT_TRUE(shell->Start());
    QTest::qWait(50);
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
    EXPECT_EQ(asked, std::vector<std::string>{"Please enter at least 1 character."});
    auto stored = LoadFavoritesTree(Stored(), engine.catalog);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].text, "Mine");
    ASSERT_EQ(stored[0].children.size(), 1u);
    EXPECT_EQ(stored[0].children[0].text, game);
    EXPECT_EQ(stored[0].children[0].code, engine.gameId);

    // Into the same folder again: asked, and No adds nothing.
    asked.clear();
    answer = MessageAnswer::No;
    shell->favoriteAddAnswerer = [&](TfrmJFavoriteAdd& dialog) {
        QTreeWidget* tree = dialog.TreeView();
        ASSERT_EQ(tree->topLevelItemCount(), 1);
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        dialog.OkButton()->click();
    };
    shell->Window()->Action(CommandId::AddFavorites)->trigger();
    EXPECT_EQ(asked,
              std::vector<std::string>{game + " game is already in the Favorites list. Do you "
                                              "want to add it again?"});
    EXPECT_EQ(LoadFavoritesTree(Stored(), engine.catalog)[0].children.size(), 1u);

    // Nothing selected: the top level, where the game is not yet.
    asked.clear();
    shell->favoriteAddAnswerer = [&](TfrmJFavoriteAdd& dialog) { dialog.OkButton()->click(); };
    shell->Window()->Action(CommandId::AddFavorites)->trigger();
    EXPECT_TRUE(asked.empty());
    stored = LoadFavoritesTree(Stored(), engine.catalog);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].text, game);
}

}  // namespace
}  // namespace jw
