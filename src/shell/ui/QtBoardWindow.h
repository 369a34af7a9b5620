// The board window on Qt: copies finished rectangles of the board picture
// into the play area and draws transient pictures (peek, pause) over it.
#pragma once

#include <QImage>

#include "presentation/BoardWindow.h"
#include "presentation/ui/QtPicture.h"

namespace jw {

class BoardView;

class QtBoardWindow : public BoardWindow {
  public:
    explicit QtBoardWindow(BoardView& view) : view(view) {}
    void Present(const Image& board, Rect area) override;
    void DrawOver(const Image& picture, int x, int y, std::optional<Pixel> key) override;

  private:
    BoardView& view;
};

}  // namespace jw
