// The open-game and game-number dialogs driven through the game window.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "Screenshot.h"
#include "engine/Jong_class_interface.h"
#include "layouts/ui/J_Open_Game.h"
#include "layouts/ui/J_Select_Game_Number.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "records/GameLists.h"
#include "records/SettingsFile.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"

namespace jw {
namespace {

using test::Shot;

class OpenGame : public ::testing::Test {
  protected:
    OpenGame()
        : home("HOME", folder.Path().string()),
          dataHome("XDG_DATA_HOME", (folder.Path() / "data").string()) {
        std::filesystem::create_directories(folder.Path() / "data" / "Jadewind");
    }

    SettingsFile Stored() const {
        return SettingsFile((folder.Path() / "data" / "Jadewind" / "cnfg.dat").string());
    }

    // Starts the game; `answer` plays the player in every open-game dialog.
    std::unique_ptr<GameShell> Start(std::function<void(TfrmJOpenGame&)> answer) {
        SettingsFile stored = Stored();
        Write(stored, setting::kSelectTilesStartup, false);
        auto shell = std::make_unique<GameShell>(std::string(JW_BIN_DIR) + "/");
        QtHost& host = shell->GetHost();
        host.answerer = [this](MessageKind, const std::string& text, MessageButtons) {
            asked.push_back(text);
            return MessageAnswer::Ok;
        };
        host.openGameAnswerer = [this, answer](TfrmJOpenGame& dialog) {
            ++dialogsShown;
            answer(dialog);
        };
        if (!shell->Start()) {
            return nullptr;
        }
        QTest::qWait(100);
        return shell;
    }

    test::TempFolder folder;
    test::ScopedEnv home;
    test::ScopedEnv dataHome;
    std::vector<std::string> asked;
    int dialogsShown = 0;
};

TEST_F(OpenGame, FreshStartOffersTheFirstGameWithItsPreview) {
    QString title, selected, tiles, chance, rulesTopic;
    bool pictured = false;
    auto shell = Start([&](TfrmJOpenGame& dialog) {
        title = dialog.windowTitle();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.VisibleList(), ChooserList::AllGames);
        const QTreeWidgetItem* item = dialog.List(ChooserList::AllGames)->currentItem();
        selected = item != nullptr ? item->text(0) : QString();
        tiles = dialog.DescriptionValues()[0]->text();
        chance = dialog.DescriptionValues()[3]->text();
        pictured = !dialog.PreviewPicture()->pixmap().isNull();
        Shot(dialog, "open-game-all-games");
        // The rules of a face-down game are the Memory-Up rules.
        ASSERT_TRUE(dialog.SelectText("Rectangle 40"));
        auto* rules = dialog.findChild<QPushButton*>("btnRules");
        ASSERT_NE(rules, nullptr);
        rules->click();
        rulesTopic = rules->property("helpTopic").toString();
        ASSERT_TRUE(dialog.SelectText("Standard"));
        dialog.OkButton()->click();
    });
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(title, "Open a game");
    EXPECT_EQ(selected, "Standard");
    EXPECT_EQ(tiles, "144 Tiles - 1 Set");
    EXPECT_EQ(chance, "High (1 in 3  -  33.3%)");
    EXPECT_TRUE(pictured);
    EXPECT_EQ(rulesTopic, "html/rules/rules_memoryup.htm");
    EXPECT_TRUE(shell->Engine()->play.playing);
    EXPECT_EQ(shell->Engine()->gameId, 0);
    // The started game is among the recent ones.
    EXPECT_EQ(ReadEntry(Stored(), setting::kRecentGames, 1), "00000");
}

TEST_F(OpenGame, ChosenGroupIsOpenAgainAtTheNextStart) {
    {
        auto shell = Start([](TfrmJOpenGame& dialog) {
            dialog.ShowList(ChooserList::GameGroups);
            QTreeWidgetItem* group = dialog.FindItem(ChooserList::GameGroups, kCodeOneLevel - 20);
            ASSERT_NE(group, nullptr);
            EXPECT_EQ(group->text(0), "3 Levels");
            EXPECT_EQ(group->parent()->text(0), "Games by Levels");
            group->setExpanded(true);
            for (int i = 0; i < group->childCount(); ++i) {
                if (group->child(i)->text(0) == "Bridges") {
                    dialog.List(ChooserList::GameGroups)->setCurrentItem(group->child(i));
                }
            }
            dialog.OkButton()->click();
        });
        ASSERT_NE(shell, nullptr);
        EXPECT_EQ(shell->Engine()->gameName, "Bridges");
    }
    // The game was not held: the next start offers the dialog again.
    QString selected;
    bool expanded = false;
    ChooserList list = ChooserList::AllGames;
    auto shell = Start([&](TfrmJOpenGame& dialog) {
        list = dialog.VisibleList();
        const QTreeWidgetItem* item = dialog.List(ChooserList::GameGroups)->currentItem();
        selected = item != nullptr ? item->text(0) : QString();
        expanded = item != nullptr && item->parent()->isExpanded() &&
                   item->parent()->text(0) == "3 Levels";
        Shot(dialog, "open-game-groups");
        dialog.reject();
    });
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_EQ(list, ChooserList::GameGroups);
    EXPECT_EQ(selected, "Bridges");
    EXPECT_TRUE(expanded);
}

TEST_F(OpenGame, HeadingIsNoGameAndCancelLeavesNoGame) {
    bool okEnabled = true;
    auto shell = Start([&](TfrmJOpenGame& dialog) {
        QTreeWidget* tree = dialog.List(ChooserList::AllGames);
        tree->setCurrentItem(tree->topLevelItem(0));
        EXPECT_EQ(tree->currentItem()->text(0), "MahJong Games Type");
        okEnabled = dialog.OkButton()->isEnabled();
        dialog.AcceptChoice();
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    ASSERT_NE(shell, nullptr);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(asked, std::vector<std::string>{"Select a game"});
    EXPECT_FALSE(shell->Engine()->play.playing);
    TfrmJMain& window = *shell->Window();
    for (const CommandId id : {CommandId::Restart, CommandId::Undo, CommandId::Save,
                               CommandId::QuitGame, CommandId::Pause}) {
        EXPECT_FALSE(window.Action(id)->isEnabled()) << static_cast<int>(id);
    }
    // "New game" without a game opens the dialog again.
    window.Action(CommandId::New)->trigger();
    EXPECT_EQ(dialogsShown, 2);
}

TEST_F(OpenGame, CustomListWithoutLayoutsAndPlayerRestoredOnCancel) {
    QStringList custom;
    auto shell = Start([](TfrmJOpenGame& dialog) { dialog.OkButton()->click(); });
    ASSERT_NE(shell, nullptr);
    const std::string player = shell->Engine()->playerName;
    shell->GetHost().openGameAnswerer = [&](TfrmJOpenGame& dialog) {
        dialog.ShowList(ChooserList::Custom);
        QTreeWidget* tree = dialog.List(ChooserList::Custom);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            custom << tree->topLevelItem(i)->text(0);
        }
        QComboBox* players = dialog.Players();
        ASSERT_GE(players->count(), 2);
        players->setCurrentIndex(1);
        emit players->activated(1);
        EXPECT_EQ(shell->Engine()->playerName, players->itemText(1).toStdString());
        dialog.reject();
    };
    shell->Window()->Action(CommandId::Open)->trigger();
    EXPECT_EQ(custom, QStringList{"(Run Layout Manager)"});
    EXPECT_EQ(shell->Engine()->playerName, player);
}

TEST_F(OpenGame, GameNumberDialogPlaysTheTypedNumber) {
    auto shell = Start([](TfrmJOpenGame& dialog) { dialog.OkButton()->click(); });
    ASSERT_NE(shell, nullptr);
    QtHost& host = shell->GetHost();
    QString title;
    host.gameNumberAnswerer = [&](TfrmJSelectGameNumber& dialog) {
        title = dialog.windowTitle();
        dialog.NumberBox()->setEditText("12a");
        dialog.PlayButton()->click();
        EXPECT_TRUE(dialog.isVisible());
        dialog.NumberBox()->setEditText("00012");
        dialog.GameBox()->setCurrentIndex(dialog.GameBox()->findText("Key"));
        dialog.PlayButton()->click();
    };
    shell->Window()->Action(CommandId::SelectNumber)->trigger();
    EXPECT_EQ(title, "Select a game number");
    EXPECT_EQ(asked, std::vector<std::string>{"Numbers only are required."});
    EXPECT_EQ(shell->Engine()->gameName, "Key");
    EXPECT_EQ(shell->Engine()->gameNumber, "0000000000012");
    EXPECT_EQ(LoadGameNumbers(Stored()), std::vector<std::string>{"0000000000012"});

    // An empty row of the lost games is refused; the rows come from the shell.
    shell->lostGameRows = [](const std::string& game) {
        return std::vector<GameNumberRow>{{"0000000000077", game, "Lost", "12/01/26", "Ann"},
                                          {"0004412900315", game, "Lost", "11/28/26", "Player 1"}};
    };
    host.gameNumberAnswerer = [&](TfrmJSelectGameNumber& dialog) {
        dialog.Pages()->setCurrentIndex(2);
        ASSERT_EQ(dialog.LostGrid()->rowCount(), 2);
        dialog.PlayButton()->click();  // no row selected
        dialog.LostGrid()->selectRow(0);
        Shot(dialog, "game-number-lost-games");
        dialog.PlayButton()->click();
    };
    shell->Window()->Action(CommandId::SelectNumber)->trigger();
    EXPECT_EQ(asked.back(), "Select a correct game number.");
    EXPECT_EQ(shell->Engine()->gameNumber, "0000000000077");
}

}  // namespace
}  // namespace jw
