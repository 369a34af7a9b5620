// An opaque picture kept at three bytes a pixel: for a large picture that
// is made once and afterwards only copied from, such as the background
// under the tiles, which takes a quarter less memory this way. It may keep
// only a part of the picture, one run of pixels per row; it is still read
// in the picture's coordinates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "presentation/Image.h"
#include "presentation/PictureMemory.h"

namespace jw {

// A part of a picture made of one run of pixels per row, such as the tiles
// of a layout cover: each row from its first pixel up to, not including,
// its end. A row holding nothing has first == end.
class RowRuns {
  public:
    struct Run {
        int first = 0;
        int end = 0;
        bool Empty() const { return end <= first; }
    };

    RowRuns() = default;
    // Every row of `area`, whole.
    explicit RowRuns(Rect area) { Add(area); }

    // Widens each row `area` crosses to hold its part of it; a row's run
    // also takes any gap between what it held and `area`.
    void Add(Rect area);
    // Keeps only what lies inside `area`.
    void ClipTo(Rect area);
    // The run of row `y`; empty for rows outside.
    Run RunOf(int y) const;
    // The smallest rectangle holding every run.
    Rect Bounds() const { return bounds; }
    bool Empty() const { return bounds.Empty(); }
    // Is every pixel of `other` in these runs?
    bool Holds(const RowRuns& other) const;
    // Pixels in all the runs.
    std::size_t Pixels() const;

  private:
    int top = 0;
    std::vector<Run> runs;  // rows top, top + 1, ...
    Rect bounds;            // of every area added
};

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
    void Pack(const Image& picture, const RowRuns& part);

    int Width() const { return Bounds().width; }
    int Height() const { return Bounds().height; }
    bool Empty() const { return kept.Empty(); }
    // The smallest rectangle holding the part kept, in the picture's
    // coordinates.
    Rect Bounds() const { return kept.Bounds(); }
    // Is all of `area` kept? An empty area always is.
    bool Covers(Rect area) const { return kept.Holds(RowRuns(area)); }
    bool Covers(const RowRuns& area) const { return kept.Holds(area); }
    // The pixel at (x, y); 0 outside the part kept.
    Pixel At(int x, int y) const;
    void Reset() { *this = PackedPicture(); }

    // Copies `from` (a rectangle of the picture) to (dx, dy) of `dst`,
    // clipped against both and against the part kept, as Copy does between
    // pictures.
    void CopyTo(Image& dst, int dx, int dy, Rect from) const;

  private:
    RowRuns kept;
    // Where each row's run starts in `bytes`, from the top row of `kept`.
    std::vector<std::size_t> rowStarts;
    // Red, green and blue of each pixel of the part kept, row after row.
    std::vector<std::uint8_t, PictureAllocator<std::uint8_t>> bytes;
};

}  // namespace jw
