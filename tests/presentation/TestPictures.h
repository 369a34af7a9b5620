// Pictures and resource stores made inside the tests: a store held in
// memory, a bitmap encoder, and a small tile set whose every part has its
// own colour, so that pixel tests can tell them apart.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/ResourceStore.h"
#include "presentation/Image.h"

namespace jw::test {

// Entries "KIND/NAME", names compared in lower case.
class MemoryStore : public ResourceStore {
  public:
    std::optional<std::string> Find(std::string_view kind, std::string_view name) const override;
    void Put(std::string_view kind, std::string_view name, std::string bytes);
    std::map<std::string, std::string> entries;
};

// A 24-bit bottom-up bitmap file of the picture.
std::string EncodeBmp(const Image& picture);
// A baseline JPEG stream of the picture at the given quality.
std::string EncodeJpeg(const Image& picture, int quality = 95);

// The colour of sheet cell `cell` (0..44): distinct, never magenta.
Pixel CellColour(int cell);

// The colours of the test tile bodies (variant 1..3).
Pixel BodyFaceColour(int variant);
Pixel BodyRightColour(int variant);
Pixel BodyBottomColour(int variant);

// Fills the stores with a bitmap add-on set `id` whose cells are
// `cellWidth` x `cellHeight` (the face of every cell in CellColour, frame
// lines black), its three bodies (W + D) x (H + D), and in `main` the
// silhouette, a face overlay magenta only at the face's top-left pixel, and
// the highlight mask (white in the middle, black at the border).
void PutTestTileSet(MemoryStore& main, MemoryStore& addOns, const std::string& id, int cellWidth,
                    int cellHeight, int faceWidth, int faceHeight, int depth);

// Number of pixels in which two pictures of the same size differ.
int CountDifferences(const Image& a, const Image& b);

}  // namespace jw::test
