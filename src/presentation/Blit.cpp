#include "presentation/Blit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace jw {
namespace {

bool Clip(const Image& dst, int& dx, int& dy, const Image& src, Rect& from) {
    return ClipCopy(dst.Bounds(), dx, dy, src.Bounds(), from);
}

// Calls apply(out, in) for every pixel of `from` in `src` that is not the key
// colour, with `out` the pixel of `dst` it lands on.
template <typename Apply>
void ForEachUnkeyed(Image& dst, int dx, int dy, const Image& src, Rect from, Pixel key,
                    Apply apply) {
    if (!Clip(dst, dx, dy, src, from)) {
        return;
    }
    for (int row = 0; row < from.height; ++row) {
        Pixel* out = dst.Row(dy + row) + dx;
        const Pixel* in = src.Row(from.y + row) + from.x;
        for (int i = 0; i < from.width; ++i) {
            if (in[i] != key) {
                apply(out[i], in[i]);
            }
        }
    }
}

int Clamp255(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

}  // namespace

bool ClipCopy(Rect dstBounds, int& dx, int& dy, Rect srcBounds, Rect& from) {
    const Rect inside = Intersect(from, srcBounds);
    if (inside.Empty()) {
        return false;
    }
    dx += inside.x - from.x;
    dy += inside.y - from.y;
    from = inside;
    // The part of the (already source-clipped) rectangle that lands inside dst.
    const Rect target = Intersect({dx, dy, from.width, from.height}, dstBounds);
    if (target.Empty()) {
        return false;
    }
    from.x += target.x - dx;
    from.y += target.y - dy;
    from.width = target.width;
    from.height = target.height;
    dx = target.x;
    dy = target.y;
    return true;
}

void Copy(Image& dst, int dx, int dy, const Image& src, Rect from) {
    Rect clipped = from;
    if (!Clip(dst, dx, dy, src, clipped)) {
        return;
    }
    for (int row = 0; row < clipped.height; ++row) {
        std::memcpy(dst.Row(dy + row) + dx, src.Row(clipped.y + row) + clipped.x,
                    static_cast<std::size_t>(clipped.width) * sizeof(Pixel));
    }
}

void Copy(Image& dst, int dx, int dy, const Image& src) {
    Copy(dst, dx, dy, src, src.Bounds());
}

void CopyKeyed(Image& dst, int dx, int dy, const Image& src, Rect from, Pixel key) {
    ForEachUnkeyed(dst, dx, dy, src, from, key, [](Pixel& out, Pixel in) { out = in; });
}

void CopyKeyed(Image& dst, int dx, int dy, const Image& src, Pixel key) {
    CopyKeyed(dst, dx, dy, src, src.Bounds(), key);
}

void AlphaBlend(Image& dst, int dx, int dy, const Image& src, int masterAlpha) {
    Rect from = src.Bounds();
    if (!Clip(dst, dx, dy, src, from)) {
        return;
    }
    const int master = Clamp255(masterAlpha);
    for (int row = 0; row < from.height; ++row) {
        Pixel* out = dst.Row(dy + row) + dx;
        const Pixel* in = src.Row(from.y + row) + from.x;
        for (int i = 0; i < from.width; ++i) {
            const Pixel s = in[i];
            const int alpha = AlphaOf(s) * master / 255;
            if (alpha == 0 && master == 255 && (s & 0xFFFFFF) == 0) {
                continue;
            }
            const Pixel d = out[i];
            const int keep = 255 - alpha;
            const int red = Clamp255(RedOf(s) * master / 255 + RedOf(d) * keep / 255);
            const int green = Clamp255(GreenOf(s) * master / 255 + GreenOf(d) * keep / 255);
            const int blue = Clamp255(BlueOf(s) * master / 255 + BlueOf(d) * keep / 255);
            out[i] = (d & 0xFF000000u) | Rgb(red, green, blue);
        }
    }
}

void FillRect(Image& dst, Rect rect, Pixel colour) {
    rect = Intersect(rect, dst.Bounds());
    for (int row = 0; row < rect.height; ++row) {
        Pixel* out = dst.Row(rect.y + row) + rect.x;
        std::fill(out, out + rect.width, colour);
    }
}

namespace {

Pixel Darkened(Pixel p, int amount) {
    return (p & 0xFF000000u) | Rgb(std::max(0, RedOf(p) - amount), std::max(0, GreenOf(p) - amount),
                                   std::max(0, BlueOf(p) - amount));
}

}  // namespace

void Darken(Image& dst, Rect rect, int amount) {
    rect = Intersect(rect, dst.Bounds());
    for (int row = 0; row < rect.height; ++row) {
        Pixel* out = dst.Row(rect.y + row) + rect.x;
        for (int i = 0; i < rect.width; ++i) {
            out[i] = Darkened(out[i], amount);
        }
    }
}

void DarkenWhere(Image& dst, int dx, int dy, const Image& mask, Rect from, Pixel key, int amount) {
    ForEachUnkeyed(dst, dx, dy, mask, from, key,
                   [amount](Pixel& out, Pixel) { out = Darkened(out, amount); });
}

void ReplaceColour(Image& dst, Rect rect, Pixel from, Pixel to) {
    rect = Intersect(rect, dst.Bounds());
    for (int row = 0; row < rect.height; ++row) {
        Pixel* out = dst.Row(rect.y + row) + rect.x;
        for (int i = 0; i < rect.width; ++i) {
            if (out[i] == from) {
                out[i] = to;
            }
        }
    }
}

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c < 0 ? -static_cast<std::int64_t>(c) : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude =
        ((product < 0 ? -product : product) + half) / (c < 0 ? -static_cast<std::int64_t>(c) : c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void VerticalGradient(Image& dst, Rect rect, Pixel top, Pixel bottom) {
    if (rect.Empty()) {
        return;
    }
    const int bottomEdge = rect.y + rect.height;
    for (int n = 0; n < 256; ++n) {
        const int from = bottomEdge - MulDiv(n + 1, rect.height, 256);
        const int to = bottomEdge - MulDiv(n, rect.height, 256);
        const Pixel colour = Rgb(RedOf(bottom) + MulDiv(n, RedOf(top) - RedOf(bottom), 256),
                                 GreenOf(bottom) + MulDiv(n, GreenOf(top) - GreenOf(bottom), 256),
                                 BlueOf(bottom) + MulDiv(n, BlueOf(top) - BlueOf(bottom), 256));
        FillRect(dst, {rect.x, from, rect.width, to - from}, colour);
    }
}

}  // namespace jw
