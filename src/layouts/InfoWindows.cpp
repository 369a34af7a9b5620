#include "layouts/InfoWindows.h"

namespace jw {
namespace {

// The outer frame above the inner area: the title bar and the menu bar.
int FrameAbove(const MainWindowFrame& main) {
    return main.top + main.height - main.clientHeight;
}

}  // namespace

std::array<std::string, kGameInfoLines> GameInfoTexts(const GameInfoFigures& f) {
    if (!f.playing) {
        return {};
    }
    return {std::to_string(f.tileCount),        std::to_string(f.tileCount - f.tilesLeft),
            std::to_string(f.tilesLeft),        std::to_string(f.levels),
            std::to_string(f.availableMatches), std::to_string(f.possibleMatches)};
}

ScreenPoint GameInfoPlace(const WindowPlace& stored, const MainWindowFrame& main) {
    ScreenPoint at{stored.left, stored.top};
    if (at.left < 0) {
        at.left = 0;
    }
    if (at.top < 0) {
        at.top = FrameAbove(main) + main.topDockHeight + (main.highDpi ? 10 : 0) - 3;
    }
    return at;
}

ScreenPoint LegendPlace(const WindowPlace& stored, const MainWindowFrame& main, int width,
                        int height) {
    ScreenPoint at{stored.left, stored.top};
    if (at.left < 0) {
        at.left = main.clientWidth - width - 10;
    }
    if (at.top < 0) {
        // Without a status bar the legend ends above the bottom of the inner
        // area rather than above its top, which would put it off the window.
        at.top = FrameAbove(main) + (main.statusVisible ? main.statusTop : main.clientHeight) -
                 height - 10;
    }
    return at;
}

}  // namespace jw
