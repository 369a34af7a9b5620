// The board: a dense grid of 6 levels by 200 columns by 200 rows of half-tile
// cells, with the counts kept alongside it. A cell is kept in 16 bits, room
// for every code a cell can hold (-2 to 2432, and whatever the four digits
// of a file's cell record can say), which halves the grid.
//
// A tile fills a 2 x 2 block of cells and is addressed by its anchor, the
// top-left cell. Levels 1 to 5 hold tiles; level 6 stays empty so that the
// cells above a level-5 tile can be read without a bounds check.
//
// A layout uses a corner of the grid. The board remembers, level by level,
// the last column that has held anything since it was cleared, and clears,
// copies and scans no further; the rest of the grid is never written, so its
// memory is never taken from the system.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

#include "engine/CellCode.h"

namespace jw {

inline constexpr int kBoardLevels = 6;
inline constexpr int kTileLevels = 5;
inline constexpr int kBoardColumns = 200;
inline constexpr int kBoardRows = 200;

// What a removed tile leaves behind: during play its cells keep the extent of
// the dealt layout (-1 / -2); in the layout editor they are emptied.
enum class Removal { MarkRemoved, Erase };

class Board {
  public:
    Board() = default;

    // Cell value; 0 for any position outside the grid.
    std::int32_t At(int level, int column, int row) const {
        return InGrid(level, column, row) ? cells[Index(level, column, row)] : 0;
    }
    // Stores a value; returns false (and stores nothing) outside the grid or
    // for a value a cell cannot hold.
    bool Set(int level, int column, int row, std::int32_t value) {
        if (!InGrid(level, column, row) || value < std::numeric_limits<Cell>::min() ||
            value > std::numeric_limits<Cell>::max()) {
            return false;
        }
        Cell& cell = cells[Index(level, column, row)];
        if ((cell == 0) != (value == 0)) {
            occupiedStale = true;
        }
        if (value != 0) {
            cells.NoteUsed(level, column);
        }
        cell = static_cast<Cell>(value);
        return true;
    }
    static constexpr bool InGrid(int level, int column, int row) {
        return level >= 1 && level <= kBoardLevels && column >= 1 && column <= kBoardColumns &&
               row >= 1 && row <= kBoardRows;
    }
    // May a tile be anchored here, so that all four of its cells are inside
    // the tile levels and the grid?
    static constexpr bool CanAnchor(int level, int column, int row) {
        return level >= 1 && level <= kTileLevels && column >= 1 && column < kBoardColumns &&
               row >= 1 && row < kBoardRows;
    }

    // Every cell of levels 1..6 to 0, every count to 0.
    void Clear();

    // The free-tile rule. A tile is covered when any of the four cells above
    // it holds a live tile (never on level 5). With `coverOnly` the answer is
    // whether it is uncovered; otherwise, under remove rule 0, at least one of
    // its sides must be open as well. Removed tiles neither cover nor block.
    bool IsTileFree(int level, int column, int row, bool coverOnly, int removeRule) const;

    // Writes the tile's anchor and its three other cells with `id` and raises
    // the id counter by one. The caller guarantees the four cells are free.
    void PlaceTile(int level, int column, int row, TileId id);

    // Removes the tile anchored at the position. With `onlyIfFree` it must
    // pass the full free test. The four cells must hold the anchor and the
    // three quarters of one tile. Returns false when nothing was removed.
    bool RemoveTile(int level, int column, int row, bool onlyIfFree, int removeRule,
                    Removal removal);

    // Finds the first anchor cell equal to `anchorCode` (levels 1..5, then
    // columns, then rows, over every cell a tile can be anchored in) and
    // removes that tile without a free test.
    bool RemoveTileByCode(CellCode anchorCode, Removal removal);

    // Position of the first anchor cell holding `anchorCode`, in the same scan
    // order as RemoveTileByCode; level 0 when there is none.
    BoardPos FindAnchor(CellCode anchorCode) const;

    // Anchors of levels 1..5 holding live tiles (1001..1999).
    int CountAnchors() const;
    int CountAnchors(int level) const;
    // Recomputes the per-level counts and the highest level holding a tile.
    void RecountLevels();

    // The editor's placement rule: a new tile with its anchor here must lie
    // inside the visible part of the grid, on free cells, and above level 1
    // rest fully on tiles below with nothing above it.
    bool CanPlaceInEditor(int level, int column, int row, int visibleColumns,
                          int visibleRows) const;

    // Counts kept with the board.
    int tileCount = 0;                            // tiles in the layout, counted when it was read
    int tilesLeft = 0;                            // tiles still on the board
    int levels = 0;                               // highest level holding an anchor
    std::array<int, kTileLevels + 1> perLevel{};  // [1..5] anchors per level
    int idCounter = 0;  // one more than the highest TileId seen; +1 per placed tile
    int scanWidth = kBoardColumns;
    int scanHeight = kBoardRows;

    // Sets the scan bounds to their full size, as every finder scan starts.
    void ResetScanBounds();

    // The positions of every non-empty cell of levels 1..6 (live or removed),
    // in scan order: level, then column, then row. Play only turns live
    // cells into removed ones and back, so the list stays valid through a
    // whole game and the scans of the deal and of the match finder visit
    // these cells instead of the whole grid. It is rebuilt on the first call
    // after a cell changed between empty and non-empty.
    const std::vector<BoardPos>& OccupiedCells() const;

  private:
    static constexpr std::size_t Index(int level, int column, int row) {
        return (static_cast<std::size_t>(level - 1) * kBoardColumns +
                static_cast<std::size_t>(column - 1)) *
                   kBoardRows +
               static_cast<std::size_t>(row - 1);
    }
    bool HoldsWholeTile(int level, int column, int row) const;
    void MarkTile(int level, int column, int row, Removal removal);
    int UsedColumns(int level) const { return cells.UsedColumns(level); }

    using Cell = std::int16_t;
    // The cells, zeroed when allocated, with the last column of each level
    // that may hold anything but 0; past it a level's cells stay 0, and
    // clearing and copying stop there.
    class Grid {
      public:
        Grid();
        Grid(const Grid& other);
        Grid& operator=(const Grid& other);
        ~Grid() = default;

        Cell& operator[](std::size_t index) { return memory[index]; }
        Cell operator[](std::size_t index) const { return memory[index]; }
        const Cell* Level(int level) const { return memory.get() + Index(level, 1, 1); }
        int UsedColumns(int level) const { return used[static_cast<std::size_t>(level - 1)]; }
        void NoteUsed(int level, int column) {
            int& last = used[static_cast<std::size_t>(level - 1)];
            last = column > last ? column : last;
        }
        void Clear();

      private:
        struct Free {
            void operator()(Cell* cells) const { std::free(cells); }
        };
        std::unique_ptr<Cell[], Free> memory;
        std::array<int, kBoardLevels> used{};
    };
    Grid cells;
    mutable std::vector<BoardPos> occupied;
    mutable bool occupiedStale = true;
};

}  // namespace jw
