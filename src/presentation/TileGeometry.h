// The sizes of a tile on screen and the table of tile-size letters.
//
// A tile picture is (W + D) x (H + D): the face W x H at its top left and the
// 3-D sides, D pixels thick, along its right and bottom edges. W and H are
// also the steps between neighbouring tiles; half of each is one board cell.
#pragma once

#include <optional>
#include <string_view>

namespace jw {

class Host;

struct TileGeometry {
    int faceWidth = 0;   // W
    int faceHeight = 0;  // H
    int depth = 0;       // D

    int TileWidth() const { return faceWidth + depth; }
    int TileHeight() const { return faceHeight + depth; }
    int CellWidth() const { return faceWidth / 2; }
    int CellHeight() const { return faceHeight / 2; }
    friend bool operator==(const TileGeometry&, const TileGeometry&) = default;
};

// The eight size letters from the largest to the smallest.
inline constexpr std::string_view kSizeLetters = "XTSCBPMN";
// The set number that stands for an add-on set.
inline constexpr int kAddOnSetNumber = -103;

// The letter in upper case, or 0 when it is none of the eight.
char NormalizeSizeLetter(char letter);

// The chooser's label of a size: "Size 8 (Extra large)" ... "Size 1 (Small)";
// empty for an unknown letter.
std::string_view SizeLabel(char letter);

// The face and depth of a size letter. "X" is the set's own size (set 2:
// 82 x 110 x 22; set 3: 76 x 102 x 20; set 1, sets 4 and above and add-on
// sets: 88 x 120 x 24); any other set number with "X" is reported as
// "Error TSEL01" and gives nothing. A square set has H = W. Unknown letters
// give nothing without a message.
std::optional<TileGeometry> SizeTableGeometry(char letter, int setNumber, bool square, Host& host);

// One size larger ("+", X stays X) or smaller ("-", N stays N). Any other
// step is reported as "Error InDeS01" and leaves the letter as it was.
char StepTileSize(char letter, std::string_view step, Host& host);

// The size used before any layout is known (DefaultTileSizeLetter) and the
// default tile set of a family (DefaultTileSetFor) are settings defaults:
// see platform/SettingsDefaults.h.

}  // namespace jw
