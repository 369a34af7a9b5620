// The rule set a layout carries.
#pragma once

namespace jw {

struct LayoutRules {
    int tilesToMatch = 2;  // tiles selected and removed together: 2, 3 or 4
    int repetition = 2;    // matches per face, 1..4
    int removeRule = 0;    // 0: uncovered and one side open; 1: uncovered only
    int setCount = 0;      // tile sets the layout was designed for; kept, not used
    int faceless = 0;      // non-zero: every tile of a face-up game matches any other
    int faceDown = 0;      // 1: a Memory-Up game

    // Tiles in one complete group of a face-up layout (tiles to match times
    // repetition) or of a face-down one (tiles to match).
    int GroupSize() const { return faceDown != 0 ? tilesToMatch : tilesToMatch * repetition; }

    friend bool operator==(const LayoutRules&, const LayoutRules&) = default;
};

}  // namespace jw
