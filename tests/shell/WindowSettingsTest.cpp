#include "shell/WindowSettings.h"

#include <gtest/gtest.h>

#include "platform/MemorySettings.h"
#include "platform/Settings.h"

namespace jw {
namespace {

TEST(MainWindowSettings, DefaultsFollowTheScreenAndKeepAMinimumSize) {
    test::MemorySettings settings;
    MainWindowState state = ReadMainWindowState(settings, {1280, 1024, 32});
    EXPECT_EQ(state.left, 50);
    EXPECT_EQ(state.top, 50);
    EXPECT_EQ(state.width, 1130);
    EXPECT_EQ(state.height, 874);
    EXPECT_TRUE(state.maximized);
    EXPECT_FALSE(state.fullScreen);
    state = ReadMainWindowState(settings, {500, 400, 32});
    EXPECT_EQ(state.width, kMinimumWindowWidth);
    EXPECT_EQ(state.height, kMinimumWindowHeight);
}

TEST(MainWindowSettings, AClosedWindowKeepsItsPlaceOnlyWhenNormal) {
    test::MemorySettings settings;
    const ScreenInfo screen{1920, 1080, 32};
    WriteMainWindowState(settings, {10, 20, 800, 600, false, false}, 780, 520, screen);
    MainWindowState read = ReadMainWindowState(settings, screen);
    EXPECT_EQ(read.left, 10);
    EXPECT_EQ(read.width, 800);
    EXPECT_FALSE(read.maximized);
    EXPECT_EQ(Read(settings, setting::kMainClientWidth), 780);
    // Full screen counts as maximized, and the normal place stays as it was.
    WriteMainWindowState(settings, {0, 0, 1920, 1080, false, true}, 1920, 1050, screen);
    read = ReadMainWindowState(settings, screen);
    EXPECT_TRUE(read.maximized);
    EXPECT_TRUE(read.fullScreen);
    EXPECT_EQ(read.left, 10);
    EXPECT_EQ(read.height, 600);
    EXPECT_EQ(ReadInt(settings, setting::kScreenWidth, 0), 1920);
}

TEST(MainWindowSettings, StartupSizeFollowsANewScreenOnlyWhenAutomatic) {
    test::MemorySettings settings;
    const ScreenInfo screen{1024, 768, 32};
    EXPECT_EQ(StartupTileSize(settings, screen), 'B');  // the screen's default
    Write(settings, setting::kTileSetSize, "s");
    EXPECT_EQ(StartupTileSize(settings, screen), 's');  // same screen: the stored size
    Write(settings, setting::kScreenWidth, 1600);
    EXPECT_EQ(StartupTileSize(settings, screen), 'B');
    Write(settings, setting::kAutomaticTileSize, false);
    EXPECT_EQ(StartupTileSize(settings, screen), 's');
}

}  // namespace
}  // namespace jw
