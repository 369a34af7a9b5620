// Where the board picture is shown. The game window implements it with Qt;
// WindowImage keeps the window as a picture, for the command-line tool and
// the tests.
#pragma once

#include <optional>

#include "presentation/Image.h"

namespace jw {

class BoardWindow {
  public:
    virtual ~BoardWindow() = default;
    // Copies `area` of the board picture to the same place on the window.
    virtual void Present(const Image& board, Rect area) = 0;
    // Draws a transient picture straight onto the window at (x, y), leaving
    // out `key` when one is given (peek, pause pictures).
    virtual void DrawOver(const Image& picture, int x, int y, std::optional<Pixel> key) = 0;
};

// A window that is just a picture of the given size.
class WindowImage : public BoardWindow {
  public:
    WindowImage(int width, int height) : picture(width, height) {}
    void Present(const Image& board, Rect area) override;
    void DrawOver(const Image& over, int x, int y, std::optional<Pixel> key) override;

    Image picture;
    int presents = 0;  // how many rectangles were copied
};

}  // namespace jw
