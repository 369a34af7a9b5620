#include "engine/Board.h"

#include <algorithm>
#include <new>

namespace jw {

namespace {

constexpr std::size_t kCells = static_cast<std::size_t>(kBoardLevels) * kBoardColumns * kBoardRows;

}  // namespace

// The grid comes zeroed from the allocator: a large block straight from the
// system, whose pages are only taken when first written.
Board::Grid::Grid() : memory(static_cast<Cell*>(std::calloc(kCells, sizeof(Cell)))) {
    if (!memory) {
        throw std::bad_alloc();
    }
}

Board::Grid::Grid(const Grid& other) : Grid() {
    *this = other;
}

Board::Grid& Board::Grid::operator=(const Grid& other) {
    if (this == &other) {
        return *this;
    }
    for (int level = 1; level <= kBoardLevels; ++level) {
        const int columns = std::max(UsedColumns(level), other.UsedColumns(level));
        const std::size_t first = Index(level, 1, 1);
        std::copy_n(other.memory.get() + first, static_cast<std::size_t>(columns) * kBoardRows,
                    memory.get() + first);
    }
    used = other.used;
    return *this;
}

void Board::Grid::Clear() {
    for (int level = 1; level <= kBoardLevels; ++level) {
        std::fill_n(memory.get() + Index(level, 1, 1),
                    static_cast<std::size_t>(UsedColumns(level)) * kBoardRows, Cell{0});
    }
    used.fill(0);
}

void Board::Clear() {
    cells.Clear();
    occupiedStale = true;
    tileCount = 0;
    tilesLeft = 0;
    levels = 0;
    perLevel.fill(0);
    idCounter = 0;
    ResetScanBounds();
}

const std::vector<BoardPos>& Board::OccupiedCells() const {
    if (occupiedStale) {
        occupied.clear();
        for (int level = 1; level <= kBoardLevels; ++level) {
            std::size_t index = Index(level, 1, 1);
            for (int column = 1; column <= UsedColumns(level); ++column) {
                for (int row = 1; row <= kBoardRows; ++row, ++index) {
                    if (cells[index] != 0) {
                        occupied.push_back({level, column, row});
                    }
                }
            }
        }
        occupiedStale = false;
    }
    return occupied;
}

void Board::ResetScanBounds() {
    scanWidth = kBoardColumns;
    scanHeight = kBoardRows;
}

bool Board::IsTileFree(int level, int column, int row, bool coverOnly, int removeRule) const {
    if (level < 1 || column < 1 || row < 1) {
        return false;
    }
    if (At(level, column, row) == 0) {
        return false;
    }
    if (level != kTileLevels) {
        const int above = level + 1;
        if (At(above, column, row) > 0 || At(above, column + 1, row) > 0 ||
            At(above, column, row + 1) > 0 || At(above, column + 1, row + 1) > 0) {
            return false;
        }
    }
    if (coverOnly || removeRule != 0) {
        return true;
    }
    // Two cells per side catch a neighbour at the same height, half a tile
    // higher or half a tile lower.
    const bool rightBlocked = column + 2 <= kBoardColumns && (At(level, column + 2, row) > 0 ||
                                                              At(level, column + 2, row + 1) > 0);
    const bool leftBlocked =
        column > 1 && (At(level, column - 1, row) > 0 || At(level, column - 1, row + 1) > 0);
    return !(rightBlocked && leftBlocked);
}

void Board::PlaceTile(int level, int column, int row, TileId id) {
    Set(level, column, row, AnchorCode(id));
    Set(level, column + 1, row, QuarterCode(id));
    Set(level, column, row + 1, QuarterCode(id));
    Set(level, column + 1, row + 1, QuarterCode(id));
    ++idCounter;
}

bool Board::HoldsWholeTile(int level, int column, int row) const {
    const std::int32_t anchor = At(level, column, row);
    if (!IsAnchor(anchor)) {
        return false;
    }
    const std::int32_t quarter = anchor - kAnchorBase + kQuarterBase;
    return At(level, column + 1, row) == quarter && At(level, column, row + 1) == quarter &&
           At(level, column + 1, row + 1) == quarter;
}

void Board::MarkTile(int level, int column, int row, Removal removal) {
    const bool mark = removal == Removal::MarkRemoved;
    Set(level, column, row, mark ? kRemovedAnchor : 0);
    Set(level, column + 1, row, mark ? kRemovedQuarter : 0);
    Set(level, column, row + 1, mark ? kRemovedQuarter : 0);
    Set(level, column + 1, row + 1, mark ? kRemovedQuarter : 0);
}

bool Board::RemoveTile(int level, int column, int row, bool onlyIfFree, int removeRule,
                       Removal removal) {
    if (onlyIfFree && !IsTileFree(level, column, row, false, removeRule)) {
        return false;
    }
    if (!HoldsWholeTile(level, column, row)) {
        return false;
    }
    MarkTile(level, column, row, removal);
    --tilesLeft;
    return true;
}

BoardPos Board::FindAnchor(CellCode anchorCode) const {
    if (!IsAnchor(anchorCode)) {
        return {};
    }
    for (int level = 1; level <= kTileLevels; ++level) {
        const int columns = std::min(UsedColumns(level), kBoardColumns - 1);
        for (int column = 1; column <= columns; ++column) {
            for (int row = 1; row < kBoardRows; ++row) {
                if (cells[Index(level, column, row)] == anchorCode) {
                    return {level, column, row};
                }
            }
        }
    }
    return {};
}

bool Board::RemoveTileByCode(CellCode anchorCode, Removal removal) {
    const BoardPos pos = FindAnchor(anchorCode);
    if (pos.level == 0) {
        return false;
    }
    return RemoveTile(pos.level, pos.column, pos.row, false, 0, removal);
}

int Board::CountAnchors(int level) const {
    if (level < 1 || level > kTileLevels) {
        return 0;
    }
    const Cell* first = cells.Level(level);
    const Cell* last = first + static_cast<std::ptrdiff_t>(UsedColumns(level)) * kBoardRows;
    return static_cast<int>(
        std::count_if(first, last, [](Cell v) { return v > 0 && v < kQuarterBase; }));
}

int Board::CountAnchors() const {
    int total = 0;
    for (int level = 1; level <= kTileLevels; ++level) {
        total += CountAnchors(level);
    }
    return total;
}

void Board::RecountLevels() {
    levels = 0;
    perLevel.fill(0);
    for (int level = 1; level <= kTileLevels; ++level) {
        perLevel[static_cast<std::size_t>(level)] = CountAnchors(level);
        if (perLevel[static_cast<std::size_t>(level)] > 0) {
            levels = level;
        }
    }
}

bool Board::CanPlaceInEditor(int level, int column, int row, int visibleColumns,
                             int visibleRows) const {
    if (level < 1 || column < 1 || row < 1 || level > kTileLevels) {
        return false;
    }
    if (!(column + 1 < visibleColumns && row + 1 < visibleRows)) {
        return false;
    }
    if (column + 1 > kBoardColumns || row + 1 > kBoardRows) {
        return false;
    }
    const int dc[4] = {0, 1, 0, 1};
    const int dr[4] = {0, 0, 1, 1};
    for (int k = 0; k < 4; ++k) {
        const int c = column + dc[k];
        const int r = row + dr[k];
        if (At(level, c, r) > 0) {
            return false;
        }
        if (level > 1 && At(level - 1, c, r) == 0) {
            return false;
        }
        if (level > 1 && At(level + 1, c, r) >= 1) {
            return false;
        }
    }
    return true;
}

}  // namespace jw
