// The players window opened from the main window and driven like a player:
// a player added, one renamed, another chosen while a game runs.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "engine/Jong_class_interface.h"
#include "layouts/ui/J_Open_Game.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "records/LogQueries.h"
#include "records/Recorder.h"
#include "records/SettingsFile.h"
#include "records/ui/J_Players.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "ui/ChooseGame.h"
#include "ui/Screenshot.h"

namespace jw {
namespace {

using test::Shot;

QStringList Rows(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) {
        rows.append(list.item(i)->text());
    }
    return rows;
}

class PlayersWindow : public ::testing::Test {
  protected:
    PlayersWindow()
        : home("HOME", folder.Path().string()),
          dataHome("XDG_DATA_HOME", (folder.Path() / "data").string()) {
        std::filesystem::create_directories(folder.Path() / "data" / "Jadewind");
    }

    SettingsFile Stored() const {
        return SettingsFile((folder.Path() / "data" / "Jadewind" / "cnfg.dat").string());
    }

    std::unique_ptr<GameShell> StartShell() {
        {
            SettingsFile stored = Stored();
            Write(stored, setting::kSelectTilesStartup, false);
        }
        auto shell = std::make_unique<GameShell>(std::string(JW_BIN_DIR) + "/");
        QtHost& host = shell->GetHost();
        host.answerer = [this](MessageKind, const std::string& text, MessageButtons) {
            asked.push_back(text);
            return MessageAnswer::Ok;
        };
        test::AcceptOfferedGame(host);
        if (!shell->Start()) {
            return nullptr;
        }
        QTest::qWait(50);
        return shell;
    }

    test::TempFolder folder;
    test::ScopedEnv home;
    test::ScopedEnv dataHome;
    std::vector<std::string> asked;
};

// Types `name` into the editor and presses OK.
std::function<void(TfrmJPlayers2&)> Type(const QString& name) {
    return [name](TfrmJPlayers2& editor) {
        editor.NameEdit()->clear();
        QTest::keyClicks(editor.NameEdit(), name);
        editor.accept();
    };
}

TEST_F(PlayersWindow, AddRenameAndChooseAnotherPlayer) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    ASSERT_TRUE(engine.play.playing);
    ASSERT_EQ(engine.playerName, "Player 1");

    std::vector<std::string> renames;
    bool workingShown = false;
    QString countShown;
    TfrmJPlayers* shown = nullptr;
    shell->renamePlayerRecords = [&](const std::string& oldName, const std::string& newName,
                                     const std::function<void(int)>& progress) {
        renames.push_back(oldName + ">" + newName);
        progress(20);
        workingShown = shown->WorkingLabel()->isVisible();
        countShown = shown->CountLabel()->text();
    };
    bool ran = false;
    shell->playersAnswerer = [&](TfrmJPlayers& window) {
        ran = true;
        shown = &window;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Players"));
        EXPECT_EQ(Rows(*window.List()),
                  (QStringList{QStringLiteral("Player 1"), QStringLiteral("Player 2"),
                               QStringLiteral("Player 3")}));
        EXPECT_EQ(window.List()->currentRow(), 0);
        EXPECT_FALSE(window.DeleteButton()->isEnabled());
        EXPECT_TRUE(window.EditButton()->isEnabled());
        EXPECT_FALSE(window.WorkingLabel()->isVisible());

        // "New": a name with "=" is refused, then "Zoe" is added.
        window.editorAnswerer = [&, step = 0](TfrmJPlayers2& editor) mutable {
            EXPECT_EQ(editor.windowTitle(), QStringLiteral("Add a player"));
            EXPECT_EQ(editor.NameEdit()->maxLength(), 30);
            Type(step++ == 0 ? QStringLiteral("Zo=e") : QStringLiteral("Zoe"))(editor);
        };
        window.NewButton()->click();
        EXPECT_EQ(Rows(*window.List()).size(), 4);
        EXPECT_EQ(window.List()->currentItem()->text(), QStringLiteral("Zoe"));
        EXPECT_TRUE(window.DeleteButton()->isEnabled());

        // "Edit" on Player 3: the records follow and "Working:" hides again.
        window.List()->setCurrentRow(2);
        window.editorAnswerer = [&](TfrmJPlayers2& editor) {
            EXPECT_EQ(editor.windowTitle(), QStringLiteral("Edit a player"));
            EXPECT_EQ(editor.NameEdit()->text(), QStringLiteral("Player 3"));
            Type(QStringLiteral("Carla"))(editor);
        };
        window.EditButton()->click();
        EXPECT_FALSE(window.WorkingLabel()->isVisible());
        EXPECT_EQ(Rows(*window.List()),
                  (QStringList{QStringLiteral("Carla"), QStringLiteral("Player 1"),
                               QStringLiteral("Player 2"), QStringLiteral("Zoe")}));
        Shot(window, "players");

        // Choosing Player 2 closes the window.
        window.List()->setCurrentRow(2);
        window.SelectButton()->click();
        EXPECT_FALSE(window.isVisible());
    };
    shell->Window()->Action(CommandId::Players)->trigger();
    ASSERT_TRUE(ran);
    EXPECT_TRUE(workingShown);
    EXPECT_EQ(countShown, QStringLiteral("20"));
    EXPECT_EQ(renames, std::vector<std::string>{"Player 3>Carla"});
    EXPECT_EQ(asked, (std::vector<std::string>{std::string(kForbiddenPlayerCharacters),
                                               std::string(kPlayerRenamed)}));
    EXPECT_EQ(engine.playerName, "Player 2");
    // The running game was lost by Player 1, and the open-game dialog
    // started another.
    const auto logged = LoadPreviousGames(Recorder(shell->DataFolder()).LogPath());
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].player, "Player 1");
    EXPECT_FALSE(logged[0].won);
    EXPECT_TRUE(engine.play.playing);
    EXPECT_EQ(engine.board.tilesLeft, engine.board.tileCount);

    const SettingsFile stored = Stored();
    EXPECT_EQ(Read(stored, setting::kUserDefault), "Player 2");
    EXPECT_EQ(LoadPlayerNames(stored),
              (std::vector<std::string>{"Carla", "Player 1", "Player 2", "Zoe"}));
}

TEST_F(PlayersWindow, CancelKeepsThePlayerAndStoresTheList) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    shell->clearPlayerStatistics = [&](const std::string& name) {
        asked.push_back("clear " + name);
    };
    shell->playersAnswerer = [&](TfrmJPlayers& window) {
        window.List()->setCurrentRow(2);
        QTest::keyClick(window.List(), Qt::Key_Delete);
        window.CancelButton()->click();
    };
    shell->Window()->Action(CommandId::Players)->trigger();
    EXPECT_EQ(asked,
              (std::vector<std::string>{std::string(kConfirmDeletePlayer), "clear Player 3"}));
    EXPECT_EQ(shell->Engine()->playerName, "Player 1");
    EXPECT_EQ(LoadPlayerNames(Stored()), (std::vector<std::string>{"Player 1", "Player 2"}));
}

TEST_F(PlayersWindow, APlayerChosenFromTheOpenGameDialogStaysCurrent) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    shell->playersAnswerer = [](TfrmJPlayers& window) {
        window.List()->setCurrentRow(2);
        window.SelectButton()->click();
    };
    bool offered = false;
    shell->GetHost().openGameAnswerer = [&](TfrmJOpenGame& dialog) {
        for (QAction* action : dialog.actions()) {
            if (action->text() == QStringLiteral("Players...")) {
                offered = true;
                action->trigger();
            }
        }
        dialog.reject();  // no game chosen
    };
    shell->Window()->Action(CommandId::Open)->trigger();
    EXPECT_TRUE(offered);
    EXPECT_EQ(shell->Engine()->playerName, "Player 3");
    EXPECT_EQ(Read(Stored(), setting::kUserDefault), "Player 3");
}

}  // namespace
}  // namespace jw
