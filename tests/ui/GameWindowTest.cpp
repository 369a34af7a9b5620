// The game window driven like a player: clicks on tiles, keys, pause, full
// screen and closing with a game in progress.
#include <gtest/gtest.h>
#include <QAction>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <map>

#include "engine/Jong_class_interface.h"
#include "engine/Scoring.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "presentation/BoardRenderer.h"
#include "records/RecordFile.h"
#include "records/SettingsFile.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"

namespace jw {
namespace {

class GameWindow : public ::testing::Test {
  protected:
    GameWindow()
        : home("HOME", folder.Path().string()),
          dataHome("XDG_DATA_HOME", (folder.Path() / "data").string()) {}

    // Starts the game as the program does and lets the first activation run.
    std::unique_ptr<GameShell> StartShell(std::string folder = std::string(JW_BIN_DIR) + "/") {
        // The tile-set chooser that a fresh start shows has its own tests.
        std::filesystem::create_directories(this->folder.Path() / "data" / "Jadewind");
        SettingsFile stored((this->folder.Path() / "data" / "Jadewind" / "cnfg.dat").string());
        Write(stored, setting::kSelectTilesStartup, false);
        auto shell = std::make_unique<GameShell>(folder);
        QtHost& host = shell->GetHost();
        host.answerer = [this](MessageKind, const std::string& text, MessageButtons) {
            asked.push_back(text);
            return MessageAnswer::Ok;
        };
        host.noMoreMatchesAnswerer = [] { return NoMoreMatchesChoice::Close; };
        host.holdAndExitAnswerer = [] { return HoldAndExitChoice::HoldAndExit; };
        if (!shell->Start()) {
            return nullptr;
        }
        shell->Window()->resize(1280, 900);
        QTest::qWait(100);
        return shell;
    }

    // Clicks the middle of a tile's face.
    static void ClickTile(GameShell& shell, BoardPos pos) {
        QTest::mouseClick(shell.Window()->Board(), Qt::LeftButton, {}, FaceCentre(shell, pos));
    }

    // Two free tiles of one match group, or nothing.
    static std::optional<std::pair<BoardPos, BoardPos>> FreePair(TMahJong_interface& engine) {
        std::map<MatchGroup, BoardPos> seen;
        for (int level = 1; level <= kTileLevels; ++level) {
            for (int column = 1; column < kBoardColumns; ++column) {
                for (int row = 1; row < kBoardRows; ++row) {
                    const CellCode code = engine.board.At(level, column, row);
                    if (!IsAnchor(code) || !engine.IsTileFree(level, column, row, false)) {
                        continue;
                    }
                    const MatchGroup group = engine.MatchGroupOfTile(code);
                    const BoardPos pos{level, column, row};
                    const auto found = seen.find(group);
                    if (found != seen.end()) {
                        return std::make_pair(found->second, pos);
                    }
                    seen[group] = pos;
                }
            }
        }
        return std::nullopt;
    }

    // The middle of a tile's face on the window.
    static QPoint FaceCentre(GameShell& shell, BoardPos pos) {
        const Point corner = shell.Renderer()->Grid().TilePosition(pos);
        const TileGeometry& geometry = shell.Renderer()->Geometry();
        return {corner.x + geometry.faceWidth / 2, corner.y + geometry.faceHeight / 2};
    }

    test::TempFolder folder;
    test::ScopedEnv home;
    test::ScopedEnv dataHome;
    std::vector<std::string> asked;
};

TEST_F(GameWindow, ClickingTwoMatchingFreeTilesRemovesThemAndScores) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    ASSERT_TRUE(engine.play.playing);
    ASSERT_EQ(engine.board.tilesLeft, 144);
    const auto pair = FreePair(engine);
    ASSERT_TRUE(pair.has_value());
    BoardView* view = shell->Window()->Board();
    QTest::mouseClick(view, Qt::LeftButton, {}, FaceCentre(*shell, pair->first));
    QTest::mouseClick(view, Qt::LeftButton, {}, FaceCentre(*shell, pair->second));
    EXPECT_EQ(engine.board.tilesLeft, 142);
    EXPECT_LT(engine.board.At(pair->first.level, pair->first.column, pair->first.row), 0);
    EXPECT_LT(engine.board.At(pair->second.level, pair->second.column, pair->second.row), 0);
    EXPECT_GT(DisplayedScore(engine.counters), 0);
}

TEST_F(GameWindow, APressOnACoveredTileGoesToTheFreeTileBeneathThePointer) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    // A tile of level 4 of the turtle: the top tile covers it.
    std::optional<BoardPos> covered;
    for (int column = 1; column < kBoardColumns && !covered; ++column) {
        for (int row = 1; row < kBoardRows && !covered; ++row) {
            if (IsAnchor(engine.board.At(4, column, row)) &&
                !engine.IsTileFree(4, column, row, false)) {
                covered = BoardPos{4, column, row};
            }
        }
    }
    ASSERT_TRUE(covered.has_value());
    // A point of its face that the top tile leaves visible.
    const Point corner = shell->Renderer()->Grid().TilePosition(*covered);
    const int x = corner.x + 3;
    const int y = corner.y + 3;
    // Below it, the first level with a live tile under the point decides.
    std::optional<BoardPos> expected;
    for (int level = 3; level >= 1 && !expected; --level) {
        const auto hit = shell->Renderer()->Grid().HitTest(engine.board, level, x, y, false);
        if (hit && engine.board.At(hit->level, hit->column, hit->row) > 0 &&
            engine.IsTileFree(hit->level, hit->column, hit->row, false)) {
            expected = hit;
        }
    }
    QTest::mouseClick(shell->Window()->Board(), Qt::LeftButton, {}, QPoint(x, y));
    ASSERT_EQ(engine.selection.Count(), expected ? 1 : 0);
    if (expected) {
        EXPECT_EQ(engine.selection.Pos(0), *expected);
        EXPECT_LT(expected->level, 4);
    }
}

TEST_F(GameWindow, PauseStopsTheClockAndAnyKeyResumes) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    TfrmJMain& window = *shell->Window();
    QAction* pause = window.Action(CommandId::Pause);
    ASSERT_TRUE(pause->isEnabled());
    bool sawPause = false;
    QTimer::singleShot(300, [&] {
        sawPause = shell->Renderer()->Paused() && !engine.clock.Running();
        QTest::keyClick(window.Board(), Qt::Key_Space);
    });
    pause->trigger();  // returns when the pause ends
    EXPECT_TRUE(sawPause);
    EXPECT_FALSE(shell->Renderer()->Paused());
    EXPECT_TRUE(engine.clock.Running());
    EXPECT_FALSE(window.IsCommandDown(CommandId::Pause));
}

TEST_F(GameWindow, FullScreenKeysEnterAndEscapeLeaves) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TfrmJMain& window = *shell->Window();
    window.Action(CommandId::FullScreen)->trigger();
    QTest::qWait(50);
    EXPECT_TRUE(window.isFullScreen());
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_FALSE(window.IsCommandDown(CommandId::FullScreen));
}

TEST_F(GameWindow, CtrlZTakesTheLastPairBack) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    const auto pair = FreePair(engine);
    ASSERT_TRUE(pair.has_value());
    const CellCode first = engine.board.At(pair->first.level, pair->first.column, pair->first.row);
    ClickTile(*shell, pair->first);
    ClickTile(*shell, pair->second);
    ASSERT_EQ(engine.board.tilesLeft, 142);
    QTest::keyClick(shell->Window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(engine.board.tilesLeft, 144);
    EXPECT_EQ(engine.board.At(pair->first.level, pair->first.column, pair->first.row), first);
    EXPECT_TRUE(shell->Window()->Action(CommandId::Redo)->isEnabled());
}

TEST_F(GameWindow, ClosingWithAGameInProgressHoldsItAndTheNextStartResumesIt) {
    std::string number;
    {
        auto shell = StartShell();
        ASSERT_NE(shell, nullptr);
        TMahJong_interface& engine = *shell->Engine();
        const auto pair = FreePair(engine);
        ASSERT_TRUE(pair.has_value());
        ClickTile(*shell, pair->first);
        ClickTile(*shell, pair->second);
        number = engine.gameNumber;
        EXPECT_TRUE(shell->Window()->close());
        EXPECT_TRUE(std::filesystem::exists(shell->DataFolder() + "Stat_e01.dat"));
        // The bars' arrangement is stored with its version.
        EXPECT_TRUE(std::filesystem::exists(shell->DataFolder() + "tb_data.dat"));
        EXPECT_EQ(
            SettingsFile(shell->DataFolder() + "cnfg.dat").ReadString("Parameters", "TB_Vers", ""),
            "01");
    }
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(shell->Engine()->gameNumber, number);
    EXPECT_EQ(shell->Engine()->board.tilesLeft, 142);
    // Resumed once: the held file is gone.
    EXPECT_FALSE(std::filesystem::exists(shell->DataFolder() + "Stat_e01.dat"));
}

TEST_F(GameWindow, AMissingResourceLibraryIsReportedAndNothingStarts) {
    const std::string empty = folder / "program";
    std::filesystem::create_directories(empty);
    auto shell = StartShell(empty + "/");
    EXPECT_EQ(shell, nullptr);
    ASSERT_EQ(asked.size(), 1u);
    // The whole path is shown in lower case.
    std::string lower = empty + "/MahJong.rgf";
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(asked[0], "Can't find/load " + lower);
}

TEST_F(GameWindow, ClosingWritesTheWindowStateAndAsksWhenConfigured) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    const std::string settingsPath = shell->DataFolder() + "cnfg.dat";
    SettingsFile settings(settingsPath);
    settings.WriteString("Preference", "ConfirmQuit", "Y");
    shell->GetHost().answerer = [this](MessageKind, const std::string& text, MessageButtons) {
        asked.push_back(text);
        return MessageAnswer::Cancel;
    };
    EXPECT_FALSE(shell->Window()->close());
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), "Exit Jadewind 2007?");
    // The state is written even though the close was refused.
    EXPECT_EQ(settings.ReadString("Preference", "Full_Screen", "?"), "N");
    EXPECT_NE(settings.ReadInteger("Preference", "MainClientWidth", -1), -1);
}

}  // namespace
}  // namespace jw

namespace jw {
namespace {

TEST_F(GameWindow, AGameLeftForANewOneIsBookedOnceAsLost) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    const auto pair = FreePair(engine);
    ASSERT_TRUE(pair.has_value());
    ClickTile(*shell, pair->first);
    ClickTile(*shell, pair->second);
    QTest::qWait(50);
    ASSERT_EQ(engine.counters.matchesMade, 1);
    shell->Window()->Action(CommandId::New)->trigger();
    QTest::qWait(100);

    const auto data = folder.Path() / "data" / "Jadewind";
    const auto log = ReadLines((data / "Stat_log.dat").string(), 1 << 20);
    ASSERT_TRUE(log.has_value());
    ASSERT_EQ(log->size(), 1u);
    EXPECT_EQ((*log)[0].size(), 255u);
    EXPECT_EQ((*log)[0].substr(113, 5), "Lost ");
    EXPECT_EQ((*log)[0].substr(155, 6), "000001");  // the one match made
    const std::string player =
        Read(SettingsFile((data / "cnfg.dat").string()), setting::kUserDefault);
    EXPECT_NE(ReadValue((data / "Stat.dat").string(), "00000", player, "").find("000000 000001"),
              std::string::npos);
}

}  // namespace
}  // namespace jw
