// TMahJong_graphic: the drawing side of the engine object. It adds the
// drawing operations of the board to the engine data; the pictures
// themselves are composed by the board renderer of the presentation layer,
// which the owner attaches as the `painter`. Without one (a test, a deal
// computed on the command line) the drawing operations do nothing.
#pragma once

#include "engine/BoardPainter.h"
#include "engine/Jong_class.h"

namespace jw {

class TMahJong_graphic : public TMahJong_Base {
  public:
    using TMahJong_Base::TMahJong_Base;

    BoardPainter* painter = nullptr;  // not owned

    // Full redraw of the board picture and the window.
    void RedrawBoard() {
        if (painter != nullptr) {
            painter->RedrawBoard();
        }
    }
    // Local redraw of one tile; see TileRedraw for the modes.
    void RedrawTile(BoardPos pos, TileRedraw mode, bool copyToWindow = true) {
        if (painter != nullptr) {
            painter->RedrawTile(pos, mode, copyToWindow);
        }
    }
    // Fits the layout on the screen; true without a painter.
    bool FitLayout(bool automatic, bool recompute, bool tryToFit) {
        return painter == nullptr || painter->FitLayout(automatic, recompute, tryToFit);
    }
    void RestoreUserSize() {
        if (painter != nullptr) {
            painter->RestoreUserSize();
        }
    }
};

}  // namespace jw
