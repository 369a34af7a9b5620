#include "presentation/Image.h"

#include <algorithm>

namespace jw {

Rect Intersect(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    if (right <= left || bottom <= top) {
        return {};
    }
    return {left, top, right - left, bottom - top};
}

Rect Unite(const Rect& a, const Rect& b) {
    if (a.Empty()) {
        return b.Empty() ? Rect{} : b;
    }
    if (b.Empty()) {
        return a;
    }
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.width, b.x + b.width);
    const int bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

Image::Image(int widthIn, int heightIn, PixelFormat formatIn, Pixel fill) : format(formatIn) {
    if (widthIn > 0 && heightIn > 0) {
        width = widthIn;
        height = heightIn;
        pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    }
}

void Image::Fill(Pixel p) {
    std::fill(pixels.begin(), pixels.end(), p);
}

}  // namespace jw
