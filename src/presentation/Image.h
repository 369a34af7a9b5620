// Pictures in memory: a width, a height and one 32-bit word per pixel.
//
// A pixel is 0xAARRGGBB. An opaque (24-bit) picture keeps its alpha byte at
// 0, so that a colour compares equal to the plain Rgb() value; a 32-bit
// picture uses the alpha byte for per-pixel coverage. Keeping both in the
// same word lets every blit run over plain words.
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/PictureMemory.h"

namespace jw {

using Pixel = std::uint32_t;

enum class PixelFormat { Rgb24, Argb32 };

constexpr Pixel Rgb(int red, int green, int blue) {
    return (static_cast<Pixel>(red & 0xFF) << 16) | (static_cast<Pixel>(green & 0xFF) << 8) |
           static_cast<Pixel>(blue & 0xFF);
}
constexpr Pixel Argb(int alpha, int red, int green, int blue) {
    return (static_cast<Pixel>(alpha & 0xFF) << 24) | Rgb(red, green, blue);
}
constexpr int RedOf(Pixel p) {
    return static_cast<int>((p >> 16) & 0xFF);
}
constexpr int GreenOf(Pixel p) {
    return static_cast<int>((p >> 8) & 0xFF);
}
constexpr int BlueOf(Pixel p) {
    return static_cast<int>(p & 0xFF);
}
constexpr int AlphaOf(Pixel p) {
    return static_cast<int>(p >> 24);
}

// The brightness of a colour as the program weighs it:
// (61 red + 174 green + 21 blue) / 256.
constexpr int Intensity(Pixel p) {
    return (61 * RedOf(p) + 174 * GreenOf(p) + 21 * BlueOf(p)) / 256;
}

// The colours every tile picture and work picture agree on.
inline constexpr Pixel kKeyColour = Rgb(255, 0, 255);      // see-through magenta
inline constexpr Pixel kShadowedKey = Rgb(205, 0, 205);    // magenta darkened by a shadow
inline constexpr Pixel kSilhouetteKey = Rgb(255, 255, 0);  // see-through yellow
inline constexpr Pixel kBlack = Rgb(0, 0, 0);

// A rectangle in pixels: left, top, width, height.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The overlap of two rectangles (empty when they do not meet).
Rect Intersect(const Rect& a, const Rect& b);
// The smallest rectangle holding both; an empty one adds nothing.
Rect Unite(const Rect& a, const Rect& b);

class Image {
  public:
    Image() = default;
    // A picture of the given size filled with `fill`; a size below 1 gives an
    // empty picture.
    Image(int width, int height, PixelFormat format = PixelFormat::Rgb24, Pixel fill = 0);

    int Width() const { return width; }
    int Height() const { return height; }
    PixelFormat Format() const { return format; }
    bool Empty() const { return width <= 0 || height <= 0; }
    Rect Bounds() const { return {0, 0, width, height}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // Unchecked access; callers clip first.
    Pixel* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const Pixel* Row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
    // Checked access: 0 outside the picture; writes outside are ignored.
    Pixel At(int x, int y) const { return Contains(x, y) ? Row(y)[x] : 0; }
    void Set(int x, int y, Pixel p) {
        if (Contains(x, y)) {
            Row(y)[x] = p;
        }
    }

    // Every pixel to `p`.
    void Fill(Pixel p);
    // Drops the pixels; the picture becomes empty.
    void Reset() { *this = Image(); }

    friend bool operator==(const Image&, const Image&) = default;

  private:
    int width = 0;
    int height = 0;
    PixelFormat format = PixelFormat::Rgb24;
    std::vector<Pixel, PictureAllocator<Pixel>> pixels;
};

}  // namespace jw
