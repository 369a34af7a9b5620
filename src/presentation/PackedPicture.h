// An opaque picture kept at three bytes a pixel: for a large picture that
// is made once and afterwards only copied from, such as the background
// under the tiles, which takes a quarter less memory this way.
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/Image.h"
#include "presentation/PictureMemory.h"

namespace jw {

class PackedPicture {
  public:
    PackedPicture() = default;
    // Keeps the red, green and blue of every pixel of `picture`; the alpha
    // byte is not kept and reads back as 0.
    explicit PackedPicture(const Image& picture);
    // Keeps `picture` instead, in the same memory when the size is the same.
    void Pack(const Image& picture);

    int Width() const { return width; }
    int Height() const { return height; }
    bool Empty() const { return width <= 0 || height <= 0; }
    Rect Bounds() const { return {0, 0, width, height}; }
    // The pixel at (x, y); 0 outside the picture.
    Pixel At(int x, int y) const;
    void Reset() { *this = PackedPicture(); }

    // Copies `from` (a rectangle of this picture) to (dx, dy) of `dst`,
    // clipped against both, as Copy does between pictures.
    void CopyTo(Image& dst, int dx, int dy, Rect from) const;

  private:
    // The first byte of the pixel at (x, y), which lies inside the picture.
    const std::uint8_t* PixelAt(int x, int y) const;

    int width = 0;
    int height = 0;
    // Red, green and blue of each pixel, row after row.
    std::vector<std::uint8_t, PictureAllocator<std::uint8_t>> bytes;
};

}  // namespace jw
