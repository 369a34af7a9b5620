// The places where reading and writing a layout reaches into the board view
// and the tile-set loader. The presentation code fills them in; an engine
// without them (a preview in a test, the command-line tool) behaves as if
// every layout fits and the origin is 0, 0.
#pragma once

#include <functional>
#include <utility>

namespace jw {

class TMahJong_Base;

struct LayoutSeams {
    // Places the freshly read layout in the window and checks that it fits;
    // with the flag set the automatic tile size may step down. Returns
    // whether the layout fits.
    std::function<bool(TMahJong_Base&, bool fitFlag)> fitToScreen;
    // The pixel position of column 1 and row 1, written into layout files.
    std::function<std::pair<int, int>()> boardOrigin;
    // Reloads the tile set after a saved game switched the tile family.
    std::function<void()> reloadTileSet;
    // Refreshes the tile legend window.
    std::function<void()> refreshLegend;
};

}  // namespace jw
