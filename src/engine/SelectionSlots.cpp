#include "engine/SelectionSlots.h"

#include "engine/FixedText.h"

namespace jw {

std::string MoveDescriptor(BoardPos pos, CellCode anchorCode) {
    return FormatFixed(pos.level, 2) + FormatFixed(pos.column, 3) + FormatFixed(pos.row, 3) +
           FormatFixed(anchorCode, 4);
}

bool ParseMoveDescriptor(const std::string& text, BoardPos& pos, CellCode& anchorCode) {
    if (text.size() != 12) {
        return false;
    }
    const auto level = ParseInteger(Columns(text, 1, 2));
    const auto column = ParseInteger(Columns(text, 3, 3));
    const auto row = ParseInteger(Columns(text, 6, 3));
    const auto code = ParseInteger(Columns(text, 9, 4));
    if (!level || !column || !row || !code) {
        return false;
    }
    pos = {static_cast<int>(*level), static_cast<int>(*column), static_cast<int>(*row)};
    anchorCode = static_cast<CellCode>(*code);
    return true;
}

void SelectionSlots::Clear() {
    codes.fill(kEmptySlot);
    positions.fill(BoardPos{});
}

int SelectionSlots::Count() const {
    int n = 0;
    while (n < kSelectionSlots && codes[static_cast<std::size_t>(n)] != kEmptySlot) {
        ++n;
    }
    return n;
}

bool SelectionSlots::Add(BoardPos pos, CellCode anchorCode) {
    const int n = Count();
    if (n >= kSelectionSlots) {
        return false;
    }
    codes[static_cast<std::size_t>(n)] = anchorCode;
    positions[static_cast<std::size_t>(n)] = pos;
    return true;
}

void SelectionSlots::RemoveAt(int index) {
    if (index < 0 || index >= kSelectionSlots) {
        return;
    }
    for (int k = index; k + 1 < kSelectionSlots; ++k) {
        codes[static_cast<std::size_t>(k)] = codes[static_cast<std::size_t>(k + 1)];
        positions[static_cast<std::size_t>(k)] = positions[static_cast<std::size_t>(k + 1)];
    }
    codes.back() = kEmptySlot;
    positions.back() = BoardPos{};
}

int SelectionSlots::IndexOf(BoardPos pos) const {
    for (int k = 0; k < Count(); ++k) {
        if (positions[static_cast<std::size_t>(k)] == pos) {
            return k;
        }
    }
    return -1;
}

std::string SelectionSlots::Descriptor(int index) const {
    if (index < 0 || index >= Count()) {
        return {};
    }
    return MoveDescriptor(Pos(index), Code(index));
}

}  // namespace jw
