// When a layout is complete enough to be saved and played: its tiles must
// form whole groups (tiles to match times repetition for a face-up layout,
// tiles to match for a face-down one), and every level of a face-down layout
// must hold whole groups as well.
#pragma once

#include <array>
#include <string>

#include "engine/Board.h"
#include "engine/LayoutRules.h"

namespace jw {

class TMahJong_Base;

struct LayoutCompleteness {
    int toAdd = 0;         // tiles still to add
    int toDelete = 0;      // or tiles that could be deleted instead
    int failingLevel = 0;  // face-down: the first level that is not whole groups; 0 if none

    bool Complete() const { return toAdd == 0 && toDelete == 0 && failingLevel == 0; }
};

// Assesses `tiles` placed in all, `perLevel[1..5]` on each level.
LayoutCompleteness AssessLayout(const LayoutRules& rules, int tiles,
                                const std::array<int, kTileLevels + 1>& perLevel);

// "The layout is not completed. To finish the layout:\rAdd n tiles or delete
// m tiles."
std::string IncompleteLayoutMessage(const LayoutCompleteness& result);
// "Each level must contain a pair number of tiles, ..." naming the level.
std::string UnevenLevelMessage(int level);

// Counts the tiles on the engine's board and reports the first rule the
// layout breaks through the host. Returns whether the layout is complete.
bool CheckLayoutComplete(TMahJong_Base& engine);

}  // namespace jw
