// The winning animation in a real board view, the celebration of a won game
// in the game window, and the tile-set and background choosers driven like
// a player.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "engine/Jong_class_interface.h"
#include "platform/MemorySettings.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/TileSetCatalog.h"
#include "presentation/ui/J_Choose_Background.h"
#include "presentation/ui/J_Choose_Tile_Sets.h"
#include "records/SettingsFile.h"
#include "records/ui/J_GameWon.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/QtBoardWindow.h"
#include "shell/ui/QtHost.h"
#include "shell/ui/WinAnimation.h"
#include "ui/ChooseGame.h"

namespace jw {
namespace {

std::unique_ptr<ResourceLibrary> OpenLibrary() {
    return ResourceLibrary::Open(std::string(JW_BIN_DIR) + "/MahJong.rgf");
}

// A board view showing a renderer's picture, with the standard set loaded.
struct ShownBoard {
    ShownBoard() : engine(host), renderer(engine) {
        library = OpenLibrary();
        engine.resources = library.get();
        engine.mode = EngineMode::Playing;
        view.resize(800, 600);
        view.show();
        renderer.SetWindow(&window);
        renderer.SetArea({800, 600, 0, 0, false});
        renderer.LoadTileSet(4, 'B');
        renderer.RedrawBoard();
    }
    QtHost host;
    std::unique_ptr<ResourceLibrary> library;
    TMahJong_interface engine;
    BoardRenderer renderer;
    BoardView view;
    QtBoardWindow window{view};

    // A request over the whole view that counts its start and end actions.
    WinAnimation::Request Request(std::string name, int delayMs) {
        WinAnimation::Request request;
        request.name = std::move(name);
        request.seconds = 30;
        request.delayMs = delayMs;
        request.area = AnimationAreaOf(800, 600, 0, 0);
        request.onStart = [this] { ++starts; };
        request.onEnd = [this] { ++ends; };
        return request;
    }
    int starts = 0;
    int ends = 0;
};

TEST(BoardWindowOnQt, PassingPicturesStayOverTheBoardUntilTheirPlaceIsShownAfresh) {
    ShownBoard board;
    const Image& composed = board.renderer.BoardImage();
    const auto boardAt = [&](int x, int y) { return composed.At(x, y) & 0xFFFFFFu; };
    const auto shownAt = [&](int x, int y) { return board.view.Picture().pixel(x, y) & 0xFFFFFFu; };
    ASSERT_EQ(board.view.Picture().size(), QSize(composed.Width(), composed.Height()));

    Image red(20, 10, PixelFormat::Rgb24, Rgb(255, 0, 0));
    red.Set(0, 0, Rgb(0, 0, 255));  // the key colour: see-through
    board.window.DrawOver(red, 100, 100, Rgb(0, 0, 255));
    board.window.DrawOver(red, 300, 300, std::nullopt);
    EXPECT_EQ(shownAt(105, 105), 0xFF0000u);
    EXPECT_EQ(shownAt(100, 100), boardAt(100, 100));
    EXPECT_EQ(shownAt(300, 300), 0x0000FFu);
    EXPECT_NE(boardAt(105, 105), 0xFF0000u);  // drawn over, not into the board

    // Showing part of its place afresh takes a passing picture away whole;
    // the one elsewhere stays.
    board.window.Present(composed, {110, 90, 5, 15});
    EXPECT_EQ(shownAt(105, 105), boardAt(105, 105));
    EXPECT_EQ(shownAt(305, 305), 0xFF0000u);

    // What the board holds is what the window paints, without a copy to
    // fall behind it.
    board.renderer.RedrawBoard();
    EXPECT_EQ(shownAt(400, 200), boardAt(400, 200));
}

TEST(WinAnimationWindow, AKeyStopsCirclesWithinOneStamp) {
    ShownBoard board;
    ASSERT_NE(board.library, nullptr);
    WinAnimation player(board.host, board.renderer);
    player.Play(board.Request("Circles", 0));
    QTest::qWait(300);
    ASSERT_TRUE(player.Active());
    const int stamped = player.Animation().Stamps();
    EXPECT_GT(stamped, 0);
    // The stamps are on the window as on the board picture.
    const QImage shown = board.view.Picture();
    const Image& composed = board.renderer.BoardImage();
    ASSERT_EQ(shown.width(), composed.Width());
    int differences = 0;
    for (int y = 0; y < composed.Height(); ++y) {
        for (int x = 0; x < composed.Width(); ++x) {
            differences += (shown.pixel(x, y) & 0xFFFFFFu) != (composed.At(x, y) & 0xFFFFFFu);
        }
    }
    EXPECT_EQ(differences, 0);

    QTest::keyClick(&board.view, Qt::Key_A);
    EXPECT_LE(player.Animation().Stamps() - stamped, 1);
    const int atKey = player.Animation().Stamps();
    QTest::qWait(50);
    EXPECT_FALSE(player.Active());
    EXPECT_EQ(player.Animation().Stamps(), atKey);
    EXPECT_EQ(board.starts, 1);
    EXPECT_EQ(board.ends, 1);
}

TEST(WinAnimationWindow, NoneEndsAtOnceAfterTheStartAction) {
    ShownBoard board;
    WinAnimation player(board.host, board.renderer);
    const QImage before = board.view.Picture();
    player.Play(board.Request("(None)", 200));
    QTest::qWait(100);
    EXPECT_EQ(board.starts, 0);  // still in the 200 ms before the celebration
    QTest::qWait(250);
    EXPECT_EQ(board.starts, 1);
    EXPECT_EQ(board.ends, 1);
    EXPECT_EQ(board.view.Picture(), before);
}

class ShellWin : public ::testing::Test {
  protected:
    ShellWin()
        : home("HOME", folder.Path().string()),
          dataHome("XDG_DATA_HOME", (folder.Path() / "data").string()) {
        std::filesystem::create_directories(folder.Path() / "data" / "Jadewind");
        SettingsFile stored((folder.Path() / "data" / "Jadewind" / "cnfg.dat").string());
        Write(stored, setting::kSelectTilesStartup, false);
        Write(stored, setting::kWinningAnimations, "Lines");
    }
    test::TempFolder folder;
    test::ScopedEnv home;
    test::ScopedEnv dataHome;
};

TEST_F(ShellWin, ClosingDuringTheAnimationEndsItAndThenTheWindow) {
    auto shell = std::make_unique<GameShell>(std::string(JW_BIN_DIR) + "/");
    shell->gameWonAnswerer = [](TfrmJGameWon&) {};  // the game-won window follows the win
    std::vector<std::string> sounds;
    QtHost& host = shell->GetHost();
    host.answerer = [](MessageKind, const std::string&, MessageButtons) {
        return MessageAnswer::Ok;
    };
    test::AcceptOfferedGame(shell->GetHost());
    ASSERT_TRUE(shell->Start());
    host.soundPlayer = [&sounds](const std::string& name) { sounds.push_back(name); };
    QTest::qWait(200);
    TMahJong_interface& engine = *shell->Engine();
    ASSERT_TRUE(engine.play.playing);

    // The last tile goes.
    engine.play.won = true;
    engine.board.tilesLeft = 0;
    engine.EndGame();
    EXPECT_TRUE(engine.play.winningAnimation);
    EXPECT_TRUE(shell->WinAnimationActive());
    EXPECT_TRUE(sounds.empty());  // the sound follows the 200 ms
    QTest::qWait(400);
    EXPECT_EQ(sounds, std::vector<std::string>{"Won"});
    ASSERT_TRUE(shell->WinAnimationActive());

    // A close request waits for the animation, which it ends.
    EXPECT_FALSE(shell->Window()->close());
    EXPECT_TRUE(shell->Window()->isVisible());
    QTest::qWait(200);
    EXPECT_FALSE(shell->WinAnimationActive());
    EXPECT_FALSE(engine.play.winningAnimation);
    EXPECT_FALSE(shell->Window()->isVisible());
}

TEST_F(ShellWin, AKeyEndsTheAnimationAndTheBoardKeepsItsStamps) {
    auto shell = std::make_unique<GameShell>(std::string(JW_BIN_DIR) + "/");
    shell->gameWonAnswerer = [](TfrmJGameWon&) {};  // the game-won window follows the win
    test::AcceptOfferedGame(shell->GetHost());
    ASSERT_TRUE(shell->Start());
    QTest::qWait(200);
    TMahJong_interface& engine = *shell->Engine();
    engine.play.won = true;
    engine.board.tilesLeft = 0;
    engine.EndGame();
    QTest::qWait(600);
    ASSERT_TRUE(shell->WinAnimationActive());
    // A key ends it; "Lines" has stamped on the board picture meanwhile.
    QTest::keyClick(shell->Window()->Board(), Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_FALSE(shell->WinAnimationActive());
    EXPECT_FALSE(engine.play.winningAnimation);
    EXPECT_TRUE(shell->Window()->isVisible());
    EXPECT_TRUE(engine.ConfirmQuit());  // other games may be started again
}

// The tile-set chooser on the real library.
class TileChooser : public ::testing::Test {
  protected:
    TileChooser() : library(OpenLibrary()) {
        host.answerer = [this](MessageKind, const std::string& text, MessageButtons) {
            asked.push_back(text);
            return answer;
        };
        setup.scoreType = "01";
        setup.setNumber = 4;
        setup.sizeLetter = 'B';
        setup.automaticSize = false;
        setup.playing = true;
        setup.programFolder = folder.Path().string();
    }
    test::TempFolder folder;
    QtHost host;
    std::unique_ptr<ResourceLibrary> library;
    test::MemorySettings settings;
    TileSetChooserSetup setup;
    std::vector<std::string> asked;
    MessageAnswer answer = MessageAnswer::No;
};

TEST_F(TileChooser, OpensOnTheSetInUseAndItsSize) {
    ASSERT_NE(library, nullptr);
    TfrmJChooseTileSets dialog(host, settings, *library, setup);
    dialog.show();
    QTest::qWait(50);
    EXPECT_EQ(dialog.Pages()->currentIndex(), 0);
    ASSERT_GE(dialog.List(false)->Selected(), 0);
    EXPECT_EQ(TileSetRowField(dialog.List(false)->List().rows[static_cast<std::size_t>(
                                  dialog.List(false)->Selected())],
                              4),
              "Modern");
    EXPECT_EQ(dialog.SizeList()->currentIndex(), 5);  // Size 4 (Normal)
    EXPECT_EQ(dialog.SizeList()->count(), 9);
    EXPECT_EQ(dialog.windowTitle(), "Select Your Preferred Tile Set");
    // A click on another preview selects it.
    TPreviewTiles* list = dialog.List(false);
    const PreviewListLayout& layout = list->Layout();
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(layout.ItemX(1) + 10, layout.ItemY(1) + 10));
    EXPECT_EQ(list->Selected(), 1);
}

TEST_F(TileChooser, AReducedSizeShowsNoSizeAndOkKeepsThePlayersSize) {
    setup.reducedInForce = true;
    TfrmJChooseTileSets dialog(host, settings, *library, setup);
    dialog.show();
    EXPECT_EQ(dialog.SizeList()->currentIndex(), -1);
    dialog.btnOKClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Chosen(), dialog.Opening());
    EXPECT_FALSE(
        settings.ReadString(setting::kTileSetSize.section, setting::kTileSetSize.key, "").size());
    EXPECT_TRUE(asked.empty());
}

TEST_F(TileChooser, AMatchingSetDuringAMahJongGameAnsweredNoChangesNothing) {
    TfrmJChooseTileSets dialog(host, settings, *library, setup);
    dialog.show();
    dialog.Pages()->setCurrentIndex(1);
    QTest::qWait(20);
    TPreviewTiles* list = dialog.List(true);
    QTest::mouseClick(list, Qt::LeftButton, {},
                      QPoint(list->Layout().ItemX(0) + 10, list->Layout().ItemY(0) + 10));
    ASSERT_EQ(list->Selected(), 0);
    dialog.btnOKClick();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].substr(0, 60),
              std::string("You have changed the Tile Set from MahJong Type to Matching Type.")
                  .substr(0, 60));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.NewGameWanted());

    answer = MessageAnswer::Yes;
    dialog.btnOKClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.NewGameWanted());
}

// The background chooser.
class BackgroundDialog : public ::testing::Test {
  protected:
    BackgroundDialog() : library(OpenLibrary()) {
        host.answerer = [this](MessageKind, const std::string& text, MessageButtons) {
            asked.push_back(text);
            return MessageAnswer::Yes;
        };
        setup.sources.library = library.get();
        setup.sources.dataFolder = folder.Path().string() + "/";
        setup.sources.programFolder = folder.Path().string() + "/";
    }
    test::TempFolder folder;
    QtHost host;
    std::unique_ptr<ResourceLibrary> library;
    test::MemorySettings settings;
    BackgroundChooserSetup setup;
    std::vector<std::string> asked;
};

TEST_F(BackgroundDialog, OkOnAGroupAsksForABackground) {
    BackgroundChoice sky;
    sky.kind = BackgroundKind::BuiltIn;
    sky.code = 410;
    TfrmJChooseBackground dialog(host, settings, sky, setup);
    dialog.show();
    ASSERT_NE(dialog.Tree()->currentItem(), nullptr);
    EXPECT_EQ(dialog.Tree()->currentItem()->text(0), "Sky");
    EXPECT_FALSE(dialog.Preview()->pixmap().isNull());
    dialog.Tree()->setCurrentItem(dialog.Tree()->topLevelItem(1));
    dialog.btnOKClick();
    EXPECT_EQ(asked, std::vector<std::string>{"Please select a Background."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.IncludeButton()->isEnabled());
}

TEST_F(BackgroundDialog, DeletingTheOnlyOwnPictureBringsThePlaceholderBack) {
    TfrmJChooseBackground dialog(host, settings, BackgroundChoice{}, setup);
    dialog.chooseFile = [this](const std::string&) -> std::optional<std::string> {
        return (folder.Path() / "mine.jpg").string();
    };
    dialog.show();
    QTreeWidgetItem* customized = dialog.Tree()->topLevelItem(0);
    ASSERT_EQ(customized->childCount(), 1);
    EXPECT_EQ(customized->child(0)->text(0), "(Double click to add a background)");
    dialog.AddPicture();
    customized = dialog.Tree()->topLevelItem(0);
    ASSERT_EQ(customized->childCount(), 1);
    EXPECT_EQ(dialog.Tree()->currentItem()->text(0).toStdString(),
              "mine.jpg (" + folder.Path().string() + "/)");
    dialog.DeletePicture();
    EXPECT_EQ(asked, std::vector<std::string>{"Are you sure you want to delete this background?"});
    customized = dialog.Tree()->topLevelItem(0);
    ASSERT_EQ(customized->childCount(), 1);
    EXPECT_EQ(customized->child(0)->text(0), "(Double click to add a background)");
}

TEST_F(BackgroundDialog, RandomPanelFollowsItsBox) {
    TfrmJChooseBackground dialog(host, settings, BackgroundChoice{}, setup);
    dialog.show();
    EXPECT_FALSE(dialog.RandomPanel()->isVisible());
    dialog.Random()->setChecked(true);
    EXPECT_TRUE(dialog.RandomPanel()->isVisible());
    EXPECT_EQ(dialog.IncludeButton()->text(), "Unselect");
    dialog.btnIncludeClick();
    EXPECT_EQ(dialog.IncludeButton()->text(), "Select");
}

}  // namespace
}  // namespace jw
