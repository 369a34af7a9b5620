// The four selection slots of a move.
//
// Each slot holds the anchor CellCode of a selected tile (1001..1432) or -1,
// and for an occupied slot its MoveDescriptor: level (2 digits), column (3),
// row (3) and anchor code (4), for example "01012005" + "1017".
#pragma once

#include <array>
#include <string>

#include "engine/CellCode.h"

namespace jw {

inline constexpr int kSelectionSlots = 4;
inline constexpr CellCode kEmptySlot = -1;

// The 12-character text of a selected tile.
std::string MoveDescriptor(BoardPos pos, CellCode anchorCode);

// Reads a 12-character descriptor back; false when it is malformed.
bool ParseMoveDescriptor(const std::string& text, BoardPos& pos, CellCode& anchorCode);

class SelectionSlots {
public:
    SelectionSlots() { Clear(); }

    // Every slot to -1.
    void Clear();
    // Number of occupied slots (they fill in order 1, 2, 3, 4).
    int Count() const;
    // Fills the next free slot; false when all four are taken.
    bool Add(BoardPos pos, CellCode anchorCode);
    // Empties slot `index` (0-based) and moves the later ones down.
    void RemoveAt(int index);
    // Index of the slot holding the tile at `pos`, or -1.
    int IndexOf(BoardPos pos) const;

    CellCode Code(int index) const { return codes[static_cast<std::size_t>(index)]; }
    const BoardPos& Pos(int index) const { return positions[static_cast<std::size_t>(index)]; }
    std::string Descriptor(int index) const;

private:
    std::array<CellCode, kSelectionSlots> codes{};
    std::array<BoardPos, kSelectionSlots> positions{};
};

}  // namespace jw
