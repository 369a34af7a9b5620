// What a cell of the board holds.
//
//   0                 empty
//   TileId + 1000     anchor: the top-left cell of a tile
//   TileId + 2000     one of the other three cells of that tile
//   -1 / -2           anchor / other cell of a tile removed during play
#pragma once

namespace jw {

using TileId = int;
using CellCode = int;

inline constexpr int kMaxTiles = 432;
inline constexpr CellCode kAnchorBase = 1000;
inline constexpr CellCode kQuarterBase = 2000;
inline constexpr CellCode kRemovedAnchor = -1;
inline constexpr CellCode kRemovedQuarter = -2;

// A cell holds a live tile exactly when its value is above 0.
constexpr bool IsLive(CellCode code) {
    return code > 0;
}
// An anchor lies strictly between 1000 and 2000.
constexpr bool IsAnchor(CellCode code) {
    return code > kAnchorBase && code < kQuarterBase;
}
constexpr CellCode AnchorCode(TileId id) {
    return id + kAnchorBase;
}
constexpr CellCode QuarterCode(TileId id) {
    return id + kQuarterBase;
}
// The TileId of an anchor or quarter code; 0 for anything else.
constexpr TileId TileIdOfCode(CellCode code) {
    if (IsAnchor(code)) {
        return code - kAnchorBase;
    }
    if (code > kQuarterBase && code <= kQuarterBase + kMaxTiles) {
        return code - kQuarterBase;
    }
    return 0;
}

// The position of a tile: the level, column and row of its anchor cell.
struct BoardPos {
    int level = 0;
    int column = 0;
    int row = 0;
    friend bool operator==(const BoardPos&, const BoardPos&) = default;
};

}  // namespace jw
