// What the game logic asks of the board picture: the drawing operations of
// the engine object. The board renderer of the presentation layer implements
// them; the engine only holds a pointer, so that it never depends on how
// pixels are made.
#pragma once

#include <optional>

#include "engine/CellCode.h"

namespace jw {

// How one tile is redrawn in place.
enum class TileRedraw {
    Unselect = 1,     // plain tile: unselect, turn face up, editor places a tile
    Remove = 2,       // the tile is gone: what lay under and around it
    Select = 3,       // the selected look
    FaceDown = 4,     // turn face down (blank face)
    FaceDownAlt = 5,  // the same
    Hover = 6,        // the highlight look
    SelectHover = 7,  // selected look with the highlight
};

class BoardPainter {
  public:
    virtual ~BoardPainter() = default;

    // Background and all tiles into the board picture, then onto the window.
    virtual void RedrawBoard() = 0;
    // Redraws the neighbourhood of the tile anchored at `pos`.
    virtual void RedrawTile(BoardPos pos, TileRedraw mode, bool copyToWindow) = 0;
    // Chooses a tile size at which the current layout fits; false when it
    // does not fit even at the smallest size.
    virtual bool FitLayout(bool automatic, bool recompute, bool tryToFit) = 0;
    // Gives back the player's own tile size after a smaller one was forced.
    virtual void RestoreUserSize() = 0;
    // The topmost tile under a window point, moved to its anchor.
    virtual std::optional<BoardPos> TileAt(int x, int y) = 0;
};

}  // namespace jw
