// The winning animation on a board: its stamps land on the renderer's
// BoardImage and window, its area and tile sizes come from the board.
#pragma once

#include <functional>

#include "presentation/BoardRenderer.h"
#include "presentation/WinningAnimation.h"

namespace jw {

class BoardStamps : public StampTarget {
  public:
    explicit BoardStamps(BoardRenderer& renderer) : renderer(renderer) {}
    void Stamp(int face, int x, int y) override { renderer.StampFace(face, x, y); }
    BoardRenderer& Renderer() const { return renderer; }

  private:
    BoardRenderer& renderer;
};

// The tile sizes of the loaded set.
AnimationTile AnimationTileOf(const TileGeometry& geometry);

// The area of a board picture `width` x `height` whose tiles start below
// `top` and whose lowest `statusBarHeight` pixels a status bar covers. The
// board picture is the whole drawing surface, so window and client agree.
AnimationArea AnimationAreaOf(int width, int height, int top, int statusBarHeight);

// Runs `animation` to its end on a clock that only moves when told:
// `advance` receives every wait the pattern asks for, and is expected to move
// the Host's clock by it. Returns the number of waits.
int RunToEnd(WinningAnimation& animation, const std::function<void(int)>& advance);

}  // namespace jw
