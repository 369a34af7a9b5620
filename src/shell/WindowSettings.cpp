#include "shell/WindowSettings.h"

#include <algorithm>

#include "platform/SettingsDefaults.h"

namespace jw {

using namespace setting;

MainWindowState ReadMainWindowState(const SettingsStore& settings, const ScreenInfo& screen) {
    MainWindowState state;
    state.left = Read(settings, kMainWindowLeft);
    state.top = Read(settings, kMainWindowTop);
    state.width = std::max(ReadMainWindowWidth(settings, screen), kMinimumWindowWidth);
    state.height = std::max(ReadMainWindowHeight(settings, screen), kMinimumWindowHeight);
    state.maximized = Read(settings, kMainWindowMaximized);
    state.fullScreen = Read(settings, kFullScreen);
    return state;
}

void WriteMainWindowState(SettingsStore& settings, const MainWindowState& window, int clientWidth,
                          int clientHeight, const ScreenInfo& screen) {
    const bool maximized = window.maximized || window.fullScreen;
    Write(settings, kMainWindowMaximized, maximized);
    if (!maximized) {
        Write(settings, kMainWindowLeft, window.left);
        Write(settings, kMainWindowTop, window.top);
        Write(settings, kMainWindowWidth, window.width);
        Write(settings, kMainWindowHeight, window.height);
    }
    Write(settings, kFullScreen, window.fullScreen);
    Write(settings, kMainClientWidth, clientWidth);
    Write(settings, kMainClientHeight, clientHeight);
    Write(settings, kScreenWidth, screen.width);
    Write(settings, kScreenHeight, screen.height);
}

char StartupTileSize(const SettingsStore& settings, const ScreenInfo& screen) {
    std::string size = ReadTileSetSize(settings, screen);
    if (AutomaticTileSize(&settings) &&
        (ReadStoredScreenWidth(settings, screen) != screen.width ||
         ReadStoredScreenHeight(settings, screen) != screen.height)) {
        size = std::string(1, DefaultTileSizeLetter(screen.width, false));
    }
    return size.empty() ? 'X' : size[0];
}

}  // namespace jw
