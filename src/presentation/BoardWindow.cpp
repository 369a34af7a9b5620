#include "presentation/BoardWindow.h"

#include "presentation/Blit.h"

namespace jw {

void WindowImage::Present(const Image& board, Rect area) {
    ++presents;
    Copy(picture, area.x, area.y, board, area);
}

void WindowImage::DrawOver(const Image& over, int x, int y, std::optional<Pixel> key) {
    if (key) {
        CopyKeyed(picture, x, y, over, *key);
    } else {
        Copy(picture, x, y, over);
    }
}

}  // namespace jw
