// The game information window beside a running game: F5, its numbers, and
// the wish to see it again that only its close box clears.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "engine/Jong_class_interface.h"
#include "layouts/ui/J_InfoGame.h"
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
