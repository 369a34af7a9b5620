// The game window driven like a player: clicks on tiles, keys, pause, full
// screen and closing with a game in progress.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <csignal>
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
#include "records/ui/J_HiScore.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "ui/ChooseGame.h"

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
        test::AcceptOfferedGame(host);
        // A booked game may make a hi-score list: the congratulation has its
        // own tests.
        shell->hiScoreAnswerer = [](TfrmJHiScore&) {};
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

    // Clicks the two tiles of a free pair; false when there is none.
    static bool ClickAFreePair(GameShell& shell) {
        const auto pair = FreePair(*shell.Engine());
        if (!pair) {
            return false;
        }
        ClickTile(shell, pair->first);
        ClickTile(shell, pair->second);
        return true;
    }

    // Moves the pointer over a tile's face and clicks it, as a hand would.
    static void MoveAndClick(GameShell& shell, BoardPos pos) {
        BoardView* view = shell.Window()->Board();
        QTest::mouseMove(view, FaceCentre(shell, pos));
        QTest::mouseClick(view, Qt::LeftButton, {}, FaceCentre(shell, pos));
        QTest::mouseMove(view, FaceCentre(shell, pos) + QPoint(1, 1));
    }

    // The pixels where the window's picture differs from the renderer's
    // picture of the engine's board, drawn afresh. The pointer is moved to
    // a corner of the play area first, off every tile.
    static int PixelsUnlikeTheBoard(GameShell& shell) {
        BoardView* view = shell.Window()->Board();
        QTest::mouseMove(view, QPoint(2, 2));
        const QImage shown = view->Picture().copy();
        shell.Renderer()->RedrawBoard();
        const QImage fresh = view->Picture();
        if (shown.size() != fresh.size()) {
            return shown.width() * shown.height();
        }
        int unlike = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                unlike += shown.pixel(x, y) != fresh.pixel(x, y) ? 1 : 0;
            }
        }
        return unlike;
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

TEST_F(GameWindow, TheWindowAlwaysShowsTheBoardTheGameHolds) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    TfrmJMain& window = *shell->Window();

    // A hinted pair, clicked by hand after the hint, with the pointer
    // resting on a tile while the hint shows.
    auto pair = FreePair(engine);
    ASSERT_TRUE(pair.has_value());
    QTest::mouseMove(window.Board(), FaceCentre(*shell, pair->first));
    std::vector<BoardPos> hinted;
    QTimer::singleShot(300, [&] {
        for (int i = 0; i < engine.selection.Count(); ++i) {
            hinted.push_back(engine.selection.Pos(i));
        }
    });
    window.Action(CommandId::SuggestMove)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&engine] { return !engine.play.busy; }, 2000));
    ASSERT_EQ(hinted.size(), 2u);
    MoveAndClick(*shell, hinted[0]);
    MoveAndClick(*shell, hinted[1]);
    ASSERT_EQ(engine.board.tilesLeft, 142);
    EXPECT_EQ(PixelsUnlikeTheBoard(*shell), 0) << "after a hinted match";

    // A pair found without a hint.
    pair = FreePair(engine);
    ASSERT_TRUE(pair.has_value());
    MoveAndClick(*shell, pair->first);
    MoveAndClick(*shell, pair->second);
    ASSERT_EQ(engine.board.tilesLeft, 140);
    EXPECT_EQ(PixelsUnlikeTheBoard(*shell), 0) << "after a plain match";

    window.Action(CommandId::Undo)->trigger();
    ASSERT_EQ(engine.board.tilesLeft, 142);
    EXPECT_EQ(PixelsUnlikeTheBoard(*shell), 0) << "after undo";
    window.Action(CommandId::Redo)->trigger();
    ASSERT_EQ(engine.board.tilesLeft, 140);
    EXPECT_EQ(PixelsUnlikeTheBoard(*shell), 0) << "after redo";

    // A hint while a tile is selected, then the match.
    pair = FreePair(engine);
    ASSERT_TRUE(pair.has_value());
    MoveAndClick(*shell, pair->first);
    window.Action(CommandId::SuggestMove)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&engine] { return !engine.play.busy; }, 2000));
    MoveAndClick(*shell, pair->second);
    ASSERT_EQ(engine.board.tilesLeft, 138);
    EXPECT_EQ(PixelsUnlikeTheBoard(*shell), 0) << "after a hint with a tile selected";
}

TEST_F(GameWindow, AHintReturnsAtOnceAndTheWindowsOwnLoopEndsIt) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    const auto pair = FreePair(engine);
    ASSERT_TRUE(pair.has_value());

    // A timer of the window's loop, due during the hint: it must not fire
    // before the command has returned to that loop.
    bool inCommand = true;
    bool firedInCommand = false;
    bool fired = false;
    QTimer::singleShot(50, [&] {
        fired = true;
        firedInCommand = inCommand;
    });
    QElapsedTimer elapsed;
    elapsed.start();
    shell->Window()->Action(CommandId::SuggestMove)->trigger();
    inCommand = false;
    EXPECT_LT(elapsed.elapsed(), 500);
    EXPECT_FALSE(fired);
    ASSERT_TRUE(engine.play.busy);
    EXPECT_EQ(engine.selection.Count(), 2);
    EXPECT_EQ(engine.counters.suggestCount, 1);
    EXPECT_EQ(PixelsUnlikeTheBoard(*shell), 0) << "the hinted pair on show";

    // A click meanwhile is ignored.
    ClickTile(*shell, pair->first);
    EXPECT_EQ(engine.selection.Count(), 2);
    EXPECT_EQ(engine.board.tilesLeft, 144);

    EXPECT_TRUE(QTest::qWaitFor([&engine] { return !engine.play.busy; }, 3000));
    EXPECT_GE(elapsed.elapsed(), 750);
    EXPECT_TRUE(fired);
    EXPECT_FALSE(firedInCommand);
    EXPECT_EQ(engine.selection.Count(), 0);
    EXPECT_EQ(PixelsUnlikeTheBoard(*shell), 0) << "after the hint";
    ClickTile(*shell, pair->first);
    EXPECT_EQ(engine.selection.Count(), 1);
}

TEST_F(GameWindow, QuitGameClearsTheFiguresAndANewGameTheTileValue) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    TfrmJMain& window = *shell->Window();
    const auto pair = FreePair(engine);
    ASSERT_TRUE(pair.has_value());
    MoveAndClick(*shell, pair->first);
    MoveAndClick(*shell, pair->second);
    ASSERT_EQ(window.StatusPanel(2), "Tiles: 142");
    // The pointer rests on a tile: its value shows.
    const auto next = FreePair(engine);
    ASSERT_TRUE(next.has_value());
    QTest::mouseMove(window.Board(), FaceCentre(*shell, next->first));
    ASSERT_NE(window.StatusPanel(4), "Tile Value:");

    window.Action(CommandId::New)->trigger();
    ASSERT_TRUE(engine.play.playing);
    EXPECT_EQ(window.StatusPanel(4), "Tile Value:");
    EXPECT_EQ(window.StatusPanel(2), "Tiles: 144");

    window.Action(CommandId::QuitGame)->trigger();
    ASSERT_FALSE(engine.play.playing);
    EXPECT_EQ(window.StatusPanel(0), "Score:");
    EXPECT_EQ(window.StatusPanel(1), "Time: 0:00:00");
    EXPECT_EQ(window.StatusPanel(2), "Tiles:");
    EXPECT_EQ(window.StatusPanel(3), "Matches:");
}

TEST_F(GameWindow, TheKeyboardReturnsToTheGameWhenADialogCloses) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TfrmJMain& window = *shell->Window();
    window.show();
    window.activateWindow();
    QTest::qWait(50);
    // A real question box this time, closed as a player would close it.
    shell->GetHost().answerer = nullptr;
    bool closed = false;
    QTimer::singleShot(200, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            QTest::keyClick(modal, Qt::Key_Escape);
            closed = true;
        }
    });
    shell->GetHost().ShowMessage(MessageKind::Confirmation, "Restart this game?",
                                 MessageButtons::OkCancel);
    ASSERT_TRUE(closed);
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeWindow(), &window);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->window(), &window);

    // Esc from the focused widget leaves full screen.
    window.Action(CommandId::FullScreen)->trigger();
    QTest::qWait(50);
    ASSERT_TRUE(window.isFullScreen());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_FALSE(window.isFullScreen());
}

TEST_F(GameWindow, ASmallWindowShrinksTheTilesAndKeepsTheStatusBarReadable) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TfrmJMain& window = *shell->Window();
    window.show();
    QTest::qWait(100);
    const int normalFace = shell->Renderer()->Geometry().faceWidth;

    for (const QSize asked : {QSize(400, 300), QSize(200, 150)}) {
        window.resize(asked);
        QTest::qWait(100);
        EXPECT_GE(window.width(), 400);
        EXPECT_GE(window.height(), 300);
        EXPECT_LE(shell->Renderer()->Geometry().faceWidth, normalFace);
        const QRect board = window.Board()->geometry();
        const QRect status = window.statusBar()->geometry();
        EXPECT_LE(board.bottom(), status.top()) << "the board runs into the status bar";
        // The panels lie side by side inside the bar, none over another.
        int right = -1;
        for (QLabel* label : window.statusBar()->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->width() <= 16) {
                continue;
            }
            const QRect place(label->mapTo(window.statusBar(), QPoint(0, 0)), label->size());
            EXPECT_GE(place.left(), right) << label->text().toStdString();
            EXPECT_LE(place.right(), window.statusBar()->width());
            right = place.right();
        }
    }
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
    pause->trigger();
    // The pause screen runs on the window's timer until the key.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shell->Renderer()->Paused(); }, 2000));
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
        ASSERT_TRUE(ClickAFreePair(*shell));
        number = shell->Engine()->gameNumber;
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
    ASSERT_TRUE(shell->Window()->close());
    shell.reset();

    // A logout or a terminal closing the resumed game holds it again.
    for (const int signal : {SIGTERM, SIGHUP}) {
        auto resumed = StartShell();
        ASSERT_NE(resumed, nullptr);
        ASSERT_EQ(resumed->Engine()->gameNumber, number);
        ASSERT_FALSE(std::filesystem::exists(resumed->DataFolder() + "Stat_e01.dat"));
        std::raise(signal);
        QTest::qWait(100);
        EXPECT_FALSE(resumed->Window()->isVisible());
        EXPECT_TRUE(std::filesystem::exists(resumed->DataFolder() + "Stat_e01.dat"))
            << "signal " << signal;
    }
    auto last = StartShell();
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Engine()->gameNumber, number);
    EXPECT_EQ(last->Engine()->board.tilesLeft, 142);
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

TEST_F(GameWindow, AGameLeftForANewOneIsBookedOnceAsLost) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TMahJong_interface& engine = *shell->Engine();
    ASSERT_TRUE(ClickAFreePair(*shell));
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

// The third toolbar style shades the bars from near white at the top to a
// pale green at the bottom, without a frame; the others leave them to the
// application's style. A change in Customize takes effect at once.
TEST_F(GameWindow, ToolbarStylesShadeTheBarsOnlyInTheThirdStyle) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TfrmJMain& window = *shell->Window();
    auto* bar = window.findChild<QToolBar*>("Standard");
    ASSERT_NE(bar, nullptr);
    const auto near = [](QRgb colour, QRgb wanted) {
        return std::abs(qRed(colour) - qRed(wanted)) <= 4 &&
               std::abs(qGreen(colour) - qGreen(wanted)) <= 4 &&
               std::abs(qBlue(colour) - qBlue(wanted)) <= 4;
    };
    // Far right, where no button lies.
    const auto top = [&] { return bar->grab().toImage().pixel(bar->width() - 3, 0); };
    const auto bottom = [&] {
        return bar->grab().toImage().pixel(bar->width() - 3, bar->height() - 1);
    };

    window.ApplyToolbarLook(2, true, true);
    QApplication::processEvents();
    EXPECT_TRUE(near(top(), qRgb(0xfb, 0xfd, 0xfb))) << std::hex << top();
    EXPECT_TRUE(near(bottom(), qRgb(0xdd, 0xe8, 0xe0))) << std::hex << bottom();
    const int shadedHeight = bar->height();

    window.ApplyToolbarLook(0, true, true);
    QApplication::processEvents();
    EXPECT_FALSE(near(bottom(), qRgb(0xdd, 0xe8, 0xe0))) << std::hex << bottom();
    EXPECT_GE(bar->height(), shadedHeight);  // the style's frame is back

    window.ApplyToolbarLook(2, false, true);
    QApplication::processEvents();
    EXPECT_TRUE(near(bottom(), qRgb(0xdd, 0xe8, 0xe0))) << std::hex << bottom();
}

// With room to spare every status text shows whole, in whatever font the
// desktop gives: the panels were designed for a narrower one.
TEST_F(GameWindow, StatusTextsShowWholeInAWideWindow) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TfrmJMain& window = *shell->Window();
    window.SetStatusTexts({"Score: 12345", "Time: 1:23:45", "Tiles: 144", "Matches: 100",
                           "Tile Value: 10", "Player 1"});
    QApplication::processEvents();
    int shown = 0;
    for (QLabel* label : window.statusBar()->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) {
            continue;
        }
        ++shown;
        EXPECT_EQ(label->fontMetrics().elidedText(label->text(), Qt::ElideRight,
                                                  label->contentsRect().width()),
                  label->text());
    }
    EXPECT_EQ(shown, 6);
}

}  // namespace
}  // namespace jw
