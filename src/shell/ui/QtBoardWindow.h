// The board window on Qt: has the play area show finished rectangles of the
// board picture, which it paints from the renderer's own pixels, and draws
// transient pictures (peek, pause) over it.
#pragma once

#include <QImage>

#include "presentation/BoardWindow.h"
#include "presentation/ui/QtPicture.h"

namespace jw {

class BoardView;

class QtBoardWindow : public BoardWindow {
  public:
    explicit QtBoardWindow(BoardView& view);
    ~QtBoardWindow() override;
    QtBoardWindow(const QtBoardWindow&) = delete;
    QtBoardWindow& operator=(const QtBoardWindow&) = delete;
    void Present(const Image& board, Rect area) override;
    void DrawOver(const Image& picture, int x, int y, std::optional<Pixel> key) override;

  private:
    BoardView& view;
    const Image* shown = nullptr;  // the picture presented last
    int shownWidth = 0;
    int shownHeight = 0;
};

}  // namespace jw
