// What the main window keeps in the settings: its place and state, the
// board's client size and the screen it was on, and the tile size it starts
// with. The Qt window applies and collects these values; the rules live here.
#pragma once

#include <string>

#include "platform/Host.h"
#include "platform/SettingsStore.h"

namespace jw {

// The main window as it is stored.
struct MainWindowState {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    bool fullScreen = false;
};

// The smallest window the game opens with.
inline constexpr int kMinimumWindowWidth = 400;
inline constexpr int kMinimumWindowHeight = 300;

// The stored state; width and height default to the screen less 150 and are
// raised to the minimum window size.
MainWindowState ReadMainWindowState(const SettingsStore& settings, const ScreenInfo& screen);

// Writes the state as a close request leaves it: the place and size only when
// the window is neither maximized nor full-screen, the board's client size,
// and the screen the window was on.
void WriteMainWindowState(SettingsStore& settings, const MainWindowState& window, int clientWidth,
                          int clientHeight, const ScreenInfo& screen);

// The tile size letter the game starts with: the stored size, or the default
// for the screen; with the automatic size on and a screen that changed since
// the last run, the windowed default for the new screen.
char StartupTileSize(const SettingsStore& settings, const ScreenInfo& screen);

}  // namespace jw
