// The statistics and log windows driven through the game window, over
// records booked in the player's data folder.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "ChooseGame.h"
#include "Screenshot.h"
#include "StartedShell.h"
#include "engine/GameCatalog.h"
#include "engine/Jong_class_interface.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "records/Recorder.h"
#include "records/SettingsFile.h"
#include "records/ui/J_StatisLog.h"
#include "records/ui/J_Statistics.h"
#include "records/ui/StatCharts.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"

namespace jw {
namespace {

using test::Shot;

GameResult Game(GameId id, const std::string& name, bool won, std::int64_t score, int month) {
    GameResult r;
    r.won = won;
    r.gameId = id;
    r.gameName = name;
    r.player = "Player 1";
    r.scoreType = "01";
    r.gameNumber = std::to_string(1000000 + score);
    r.end = {2026, month, 3, 20, 15, 0, 0};
    r.elapsed = 400;
    r.score = score;
    return r;
}

class StatisticsWindow : public test::StartedShell {
  protected:
    StatisticsWindow() {
        answerFor = [](MessageButtons) { return MessageAnswer::Ok; };
        std::filesystem::create_directories(data);
        // Twelve games of "Standard" over four months, and one of "Bridges".
        Recorder recorder(data.string());
        for (int k = 0; k < 12; ++k)
            recorder.RecordGame(Game(0, "Standard", k % 3 != 2, 100 + k, 1 + k / 3), false);
        recorder.RecordGame(Game(GameCatalog().IdOf("Bridges"), "Bridges", false, 20, 5), false);
    }
};

TEST_F(StatisticsWindow, PagesShowTheBookedGames) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    bool opened = false;
    shell->GetHost().statisticsAnswerer = [&](TfrmJStatistics& w) {
        opened = true;
        EXPECT_EQ(w.windowTitle(), "Statistics [Standard]");
        EXPECT_EQ(w.GameWonLost().won->text(), "8");
        EXPECT_EQ(w.GameWonLost().wonPercent->text(), "(66.7%)");
        EXPECT_EQ(w.GameChanceWidgets().line->text(), "About 1 in 3");
        EXPECT_TRUE(w.GameWonLost().pie->ShowsPie());
        // The charts come from the charts module beside the program, not the
        // note that stands in for them without it.
        EXPECT_EQ(qobject_cast<QLabel*>(w.GameWonLost().pie->widget(0)), nullptr);
        EXPECT_EQ(qobject_cast<QLabel*>(w.GameChanceWidgets().chart), nullptr);
        Shot(w, "statistics-game");

        // A game never played: the empty-chart picture and no percentages.
        w.GameBox()->setCurrentIndex(w.GameBox()->findText("Twins"));
        EXPECT_EQ(w.windowTitle(), "Statistics [Twins]");
        EXPECT_FALSE(w.GameWonLost().pie->ShowsPie());
        EXPECT_EQ(w.GameWonLost().wonPercent->text(), "");
        Shot(w, "statistics-game-never-played");

        w.Pages()->setCurrentIndex(1);
        EXPECT_EQ(w.TotalWonLost().won->text(), "8");
        Shot(w, "statistics-total");

        w.Pages()->setCurrentIndex(2);
        EXPECT_EQ(w.ListGrid()->rowCount(), 106);
        w.FilterBox()->setCurrentIndex(static_cast<int>(ListFilter::NotWon));
        ASSERT_EQ(w.ListGrid()->rowCount(), 1);
        EXPECT_EQ(w.ListGrid()->item(0, 0)->text(), "Bridges");
        EXPECT_EQ(w.ListCount()->text(), "1");
        w.FilterBox()->setCurrentIndex(static_cast<int>(ListFilter::Won));
        Shot(w, "statistics-list");

        // Another player has played nothing.
        w.PlayerBox()->setCurrentIndex(w.PlayerBox()->findText("Player 2"));
        EXPECT_EQ(w.ListGrid()->rowCount(), 0);
        EXPECT_FALSE(w.PlayButton()->isEnabled());
        w.PlayerBox()->setCurrentIndex(w.PlayerBox()->findText("Player 1"));

        w.GameBox()->setCurrentIndex(w.GameBox()->findText("Standard"));
        const auto sequences = w.MakeSequencesWindow();
        EXPECT_EQ(sequences->findChild<QLabel*>("value2")->text(), "Current: 1 Lost");
        sequences->show();
        Shot(*sequences, "statistics-sequences");
        const auto zoom = w.MakeZoomWindow(false);
        zoom->show();
        Shot(*zoom, "statistics-zoom");
        const auto players = w.MakePlayersWindow();
        players->show();
        Shot(*players, "statistics-players");

        w.ProgressionBox()->setChecked(false);
    };
    shell->Window()->Action(CommandId::GameStatistics)->trigger();
    EXPECT_TRUE(opened);
    SettingsFile stored((data / "cnfg.dat").string());
    EXPECT_FALSE(Read(stored, setting::kShowStatProgression));
}

TEST_F(StatisticsWindow, PlayingFromTheListAndTheLog) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    const std::string firstNumber = shell->Engine()->gameNumber;
    shell->GetHost().statisticsAnswerer = [&](TfrmJStatistics& w) {
        w.Pages()->setCurrentIndex(2);
        w.FilterBox()->setCurrentIndex(static_cast<int>(ListFilter::Won));
        ASSERT_EQ(w.ListGrid()->rowCount(), 1);
        w.PlayButton()->click();
        EXPECT_TRUE(w.StartedGame());
        EXPECT_FALSE(w.isVisible());
    };
    shell->Window()->Action(CommandId::GameStatistics)->trigger();
    EXPECT_EQ(shell->Engine()->gameName, "Standard");
    EXPECT_NE(shell->Engine()->gameNumber, firstNumber);  // a new deal

    shell->GetHost().statisticsLogAnswerer = [&](TfrmJStatisLog& w) {
        EXPECT_EQ(w.GameBox()->currentText(), "[All games]");
        EXPECT_FALSE(w.BrowseBox()->isVisible());  // a short log is read whole
        // The booked games and the one the statistics window's start ended.
        ASSERT_EQ(w.Rows(), 14);
        EXPECT_EQ(w.Count()->text(), "14");
        EXPECT_EQ(w.Cell(1, 3), "Bridges");  // newest first
        EXPECT_EQ(w.Cell(2, 16), "1000111");
        w.GameBox()->setCurrentIndex(w.GameBox()->findText("Standard"));
        EXPECT_EQ(w.Rows(), 13);
        Shot(w, "statistics-log");
        w.Grid()->selectRow(1);  // the newest of the booked ones
        w.PlayButton()->click();
        EXPECT_TRUE(w.StartedGame());
        // A clicked heading sorts by its column, numbers as numbers.
        w.Grid()->sortByColumn(5, Qt::AscendingOrder);
        EXPECT_EQ(w.Cell(0, 5), "0");
        EXPECT_EQ(w.Cell(1, 5), "100");
        w.Grid()->sortByColumn(5, Qt::DescendingOrder);
        EXPECT_EQ(w.Cell(0, 5), "111");
    };
    shell->Window()->Action(CommandId::LogStatistics)->trigger();
    EXPECT_EQ(shell->Engine()->gameName, "Standard");
    EXPECT_EQ(shell->Engine()->gameNumber, "0000001000111");
}

}  // namespace
}  // namespace jw
