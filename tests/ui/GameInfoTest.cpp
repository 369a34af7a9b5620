// The game information window beside a running game: F5, its numbers, and
// the wish to see it again that only its close box clears.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include <QCheckBox>
#include "engine/Jong_class_interface.h"
#include "layouts/ui/J_InfoGame.h"
#include "layouts/ui/J_InfoLegend.h"
#include "records/WindowPlace.h"
#include "shell/CommandTable.h"
#include "shell/ui/J_Main.h"
#include "ui/StartedShell.h"

namespace jw {
namespace {

using GameInfoWindow = test::StartedShell;

TEST_F(GameInfoWindow, F5ShowsTheSixNumbersOfTheRunningGame) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TfrmJInfoGame* info = shell->GameInfoWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(info->isVisible());  // created hidden on a fresh start
    EXPECT_EQ(info->windowTitle(), " Game info");
    EXPECT_EQ(info->size(), QSize(147, 165));
    EXPECT_TRUE(info->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    QTest::keyClick(shell->Window(), Qt::Key_F5);
    ASSERT_TRUE(info->isVisible());
    EXPECT_TRUE(shell->Window()->IsCommandDown(CommandId::ShowGameInfo));
    const TMahJong_interface& engine = *shell->Engine();
    EXPECT_EQ(info->Number(0), QString::number(engine.board.tileCount));
    EXPECT_EQ(info->Number(1), "0");
    EXPECT_EQ(info->Number(2), QString::number(engine.board.tilesLeft));
    EXPECT_EQ(info->Number(3), QString::number(engine.board.levels));
    EXPECT_EQ(info->Number(4), QString::number(engine.finder.Available()));
    EXPECT_EQ(info->Number(5), QString::number(engine.finder.Possible()));
    EXPECT_GT(info->Number(0).toInt(), 0);

    // F5 again releases the button and hides it.
    QTest::keyClick(shell->Window(), Qt::Key_F5);
    EXPECT_FALSE(info->isVisible());
    EXPECT_FALSE(shell->Window()->IsCommandDown(CommandId::ShowGameInfo));
}

TEST_F(GameInfoWindow, OnlyTheCloseBoxKeepsItClosedForTheNextGame) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TfrmJInfoGame* info = shell->GameInfoWindow();
    QAction* button = shell->Window()->Action(CommandId::ShowGameInfo);
    QAction* newGame = shell->Window()->Action(CommandId::New);

    button->trigger();
    ASSERT_TRUE(info->isVisible());
    // Releasing the button hides it; the next game shows it again.
    button->trigger();
    EXPECT_FALSE(info->isVisible());
    newGame->trigger();
    QTest::qWait(50);
    EXPECT_TRUE(info->isVisible());
    EXPECT_TRUE(button->isChecked());

    // The close box: the next game leaves it closed.
    info->close();
    EXPECT_FALSE(info->isVisible());
    EXPECT_FALSE(button->isChecked());
    newGame->trigger();
    QTest::qWait(50);
    EXPECT_FALSE(info->isVisible());
}

TEST_F(GameInfoWindow, ItsActualVisibilityAndPlaceAreStoredAtExit) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    shell->Window()->Action(CommandId::ShowGameInfo)->trigger();
    shell->GameInfoWindow()->move(40, 60);
    shell->Window()->close();
    SettingsFile settings(shell->DataFolder() + "cnfg.dat");
    const WindowPlace place =
        LoadWindowPlace(settings, ScreenInfo{4000, 4000, 24}, setting::kFormInfoGame, 147, 165);
    EXPECT_TRUE(place.visible);
    EXPECT_EQ(place.left, shell->GameInfoWindow()->pos().x());
    EXPECT_EQ(place.top, shell->GameInfoWindow()->pos().y());
}

}  // namespace
}  // namespace jw

namespace jw {
namespace {

using TileLegendWindow = test::StartedShell;

TEST_F(TileLegendWindow, TheLegendFollowsTheGamesTileFamily) {
    auto shell = StartShell();
    ASSERT_NE(shell, nullptr);
    TfrmJInfoLegend* mahJong = shell->MahJongLegend();
    TfrmJInfoLegend* matching = shell->MatchingLegend();
    ASSERT_NE(mahJong, nullptr);
    ASSERT_NE(matching, nullptr);
    EXPECT_FALSE(mahJong->isVisible());
    QAction* button = shell->Window()->Action(CommandId::ShowTileLegend);
    ASSERT_EQ(shell->Engine()->scoreType, "01");

    button->trigger();
    ASSERT_TRUE(mahJong->isVisible());
    EXPECT_FALSE(matching->isVisible());
    EXPECT_EQ(mahJong->size(), QSize(382, 415));
    EXPECT_EQ(mahJong->Drawn().size(), 42u);
    // Values on: the badge of the first character reads "10" on its colour.
    mahJong->ShowValuesBox()->click();
    const LegendTile& first = mahJong->Drawn().front();
    EXPECT_EQ(first.value, "10");
    EXPECT_EQ(mahJong->Picture().pixelColor(first.x + 22, first.y + 51), QColor(255, 255, 225));
    // The face picture itself is drawn at 38 x 54: its middle is not the
    // window's background any more.
    EXPECT_NE(mahJong->Picture().pixelColor(first.x + 19, first.y + 20), QColor(255, 255, 242));
    EXPECT_EQ(mahJong->Picture().pixelColor(first.x + 39, first.y + 20), QColor(255, 255, 242));

    // A face-down game of MahJong tiles: the Matching legend, 36 faces, 50.
    shell->Engine()->rules.faceDown = 1;
    matching->ShowValuesBox()->click();
    button->trigger();  // release
    button->trigger();  // and press again
    EXPECT_FALSE(mahJong->isVisible());
    ASSERT_TRUE(matching->isVisible());
    ASSERT_EQ(matching->Drawn().size(), 36u);
    for (const LegendTile& tile : matching->Drawn()) {
        EXPECT_EQ(tile.value, "50");
    }
    shell->Engine()->rules.faceDown = 0;
}

}  // namespace
}  // namespace jw
