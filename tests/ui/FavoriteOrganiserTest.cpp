// The favourites organiser opened from the main window: games added into a
// folder and the top level, folders made, renamed and removed, and the tree
// stored on OK only.
#include <gtest/gtest.h>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
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

QListWidgetItem* Find(QListWidget& list, const QString& text) {
    const auto found = list.findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

class FavoriteOrganiser : public test::StartedShell {
  protected:
    FavoriteOrganiser() {
        answerFor = [](MessageButtons) { return MessageAnswer::Ok; };
    }
};

TEST_F(FavoriteOrganiser, EditsTheTreeAndStoresItOnOk) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    const GameCatalog& catalog = shell->Engine()->catalog;
    const std::string a = catalog.NameOf(0);
    const std::string b = catalog.NameOf(1);
    const std::string c = catalog.NameOf(2);
    {
        FavoriteNode folder;
        folder.code = kStoredFolderCode;
        folder.text = "Old";
        FavoriteNode game;
        game.code = 2;
        game.text = c;
        SettingsFile stored = Stored();
        SaveFavoritesTree(stored, {folder, game});
    }

    // Cancel stores nothing.
    shell->favoriteOrganiserAnswerer = [&](TfrmJFavorite& window) {
        window.RemoveAllButton()->click();
        EXPECT_EQ(window.TreeView()->topLevelItemCount(), 0);
    };
    shell->Window()->Action(CommandId::OrganizeFavorites)->trigger();
    ASSERT_EQ(LoadFavoritesTree(Stored(), catalog).size(), 2u);

    shell->favoriteOrganiserAnswerer = [&](TfrmJFavorite& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Favorite games"));
        QTreeWidget* tree = window.TreeView();
        QListWidget* games = window.GamesList();
        ASSERT_EQ(tree->topLevelItemCount(), 2);
        // The first node is selected: the folder, which may be renamed.
        EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("Old"));
        EXPECT_TRUE(window.RenameFolderButton()->isEnabled());

        // Two games into the folder, in list order.
        games->clearSelection();
        Find(*games, QString::fromStdString(b))->setSelected(true);
        Find(*games, QString::fromStdString(a))->setSelected(true);
        window.AddButton()->click();
        ASSERT_EQ(tree->topLevelItem(0)->childCount(), 2);

        // A top-level game: renaming is off, and adding goes to the top level.
        tree->setCurrentItem(tree->topLevelItem(1));
        EXPECT_FALSE(window.RenameFolderButton()->isEnabled());
        games->clearSelection();
        Find(*games, QString::fromStdString(a))->setSelected(true);
        window.AddButton()->click();
        EXPECT_EQ(tree->topLevelItemCount(), 3);

        // A new folder goes in front of the top-level games; it is renamed
        // with the dialog and then in place.
        window.folderAnswerer = [](TfrmJFavoriteAddFolder& dialog) {
            dialog.NameEdit()->setText(QStringLiteral("Fresh"));
            dialog.accept();
        };
        window.NewFolderButton()->click();
        ASSERT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("Fresh"));
        EXPECT_EQ(tree->currentItem(), tree->topLevelItem(1));
        window.folderAnswerer = [](TfrmJFavoriteAddFolder& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rename Folder"));
            EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Fresh"));
            dialog.NameEdit()->setText(QStringLiteral("Second"));
            dialog.accept();
        };
        window.RenameFolderButton()->click();
        tree->topLevelItem(0)->setText(0, QStringLiteral("First"));
        if (!qEnvironmentVariable("JW_SHOTS_DIR").isEmpty()) {
            window.grab().save(qEnvironmentVariable("JW_SHOTS_DIR") + "/favorites-organiser.png");
        }

        // The top-level game c is removed.
        const auto found = tree->findItems(QString::fromStdString(c), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        tree->setCurrentItem(found.front());
        window.RemoveButton()->click();
        window.OkButton()->click();
    };
    shell->Window()->Action(CommandId::OrganizeFavorites)->trigger();

    const auto stored = LoadFavoritesTree(Stored(), catalog);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].text, "First");
    ASSERT_EQ(stored[0].children.size(), 2u);
    EXPECT_EQ(stored[0].children[0].code, 0);
    EXPECT_EQ(stored[0].children[1].code, 1);
    EXPECT_EQ(stored[1].text, "Second");
    EXPECT_TRUE(stored[1].children.empty());
    EXPECT_EQ(stored[2].code, 0);
    EXPECT_TRUE(shownMessages.empty());
}

}  // namespace
}  // namespace jw
