// An opaque picture kept at three bytes a pixel: for a large picture that
// is made once and afterwards only copied from, such as the background
// under the tiles, which takes a quarter less memory this way. It may keep
// only a part of the picture; it is still read in the picture's coordinates.
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
    // Keeps only the part of `picture` inside `part`.
    void Pack(const Image& picture, Rect part);

    int Width() const { return kept.width; }
    int Height() const { return kept.height; }
    bool Empty() const { return kept.Empty(); }
    // The part kept, in the picture's coordinates.
    Rect Bounds() const { return kept; }
    // Is all of `area` kept? An empty area always is.
    bool Covers(Rect area) const;
    // The pixel at (x, y); 0 outside the part kept.
    Pixel At(int x, int y) const;
    void Reset() { *this = PackedPicture(); }

    // Copies `from` (a rectangle of the picture) to (dx, dy) of `dst`,
    // clipped against both and against the part kept, as Copy does between
    // pictures.
    void CopyTo(Image& dst, int dx, int dy, Rect from) const;

  private:
    // The first byte of the pixel at (x, y), which lies inside the part kept.
    const std::uint8_t* PixelAt(int x, int y) const;

    Rect kept;
    // Red, green and blue of each pixel of the part kept, row after row.
    std::vector<std::uint8_t, PictureAllocator<std::uint8_t>> bytes;
};

}  // namespace jw
