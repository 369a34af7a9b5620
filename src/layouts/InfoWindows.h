// The game information window's numbers and the places of the small tool
// windows that float beside the board when nothing is stored for them.
#pragma once

#include <array>
#include <string>

#include "records/WindowPlace.h"

namespace jw {

// The counts of the running game.
struct GameInfoFigures {
    bool playing = false;
    int tileCount = 0;
    int tilesLeft = 0;
    int levels = 0;
    int availableMatches = 0;
    int possibleMatches = 0;
};

inline constexpr int kGameInfoLines = 6;
inline constexpr int kGameInfoWidth = 147;
inline constexpr int kGameInfoHeight = 165;

// The captions of the six lines, top to bottom.
inline constexpr std::array<const char*, kGameInfoLines> kGameInfoCaptions = {
    "Total tiles:", "Tiles matched:", "Tiles left:", "Levels:", "Matches:", "Possible match.:"};

// The six numbers as the window shows them; all empty with no game.
std::array<std::string, kGameInfoLines> GameInfoTexts(const GameInfoFigures& figures);

// What the placement needs to know of the main window, in screen pixels.
struct MainWindowFrame {
    int top = 0;            // outer top
    int height = 0;         // outer height
    int clientWidth = 0;    // width of the inner area
    int clientHeight = 0;   // height of the inner area
    int topDockHeight = 0;  // the bars docked at the top
    bool highDpi = false;   // more than 96 dots per inch
    bool statusVisible = true;
    int statusTop = 0;  // top of the status bar within the inner area
};

struct ScreenPoint {
    int left = 0;
    int top = 0;
};

// The game information window goes to the left edge, just under the bars,
// where no place is stored (a negative coordinate).
ScreenPoint GameInfoPlace(const WindowPlace& stored, const MainWindowFrame& main);

// A legend of `width` x `height` goes to the right of the board area,
// ending 10 pixels above the status bar, where no place is stored.
ScreenPoint LegendPlace(const WindowPlace& stored, const MainWindowFrame& main, int width,
                        int height);

}  // namespace jw
