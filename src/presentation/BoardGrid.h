// The screen geometry of the board: where each column and row of half-tile
// cells lies in the window, where a tile is drawn, and which cell a window
// point falls on. The same numbers place the tiles and answer the mouse.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "engine/Board.h"
#include "presentation/TileGeometry.h"

namespace jw {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// What the grid is computed from.
struct GridArea {
    int clientWidth = 0;  // the board window, or the preview canvas
    int clientHeight = 0;
    int topMargin = 0;        // tool-bar band (+10 above 96 dpi); ignored in preview
    int statusBarHeight = 0;  // the big status bar; ignored in preview
    bool preview = false;
};

class BoardGrid {
  public:
    static constexpr int kMaxDimension = 199;

    // Computes margins, N, the visible columns and rows and the cell edges
    // X[1..N] and Y[1..N] (all divisions truncating).
    void Compute(const GridArea& area, const TileGeometry& geometry);

    // Moves the whole grid right and down so that a layout `width` x
    // `height` cells anchored at column 1 and row 1 lies in the middle of
    // the visible cells; never moves it left or up.
    void CentreLayout(int width, int height);

    // Left pixel edge of column `c` and top edge of row `r` at level 0;
    // 0 outside 1..N.
    int X(int c) const { return c >= 1 && c <= n ? xs[static_cast<std::size_t>(c)] : 0; }
    int Y(int r) const { return r >= 1 && r <= n ? ys[static_cast<std::size_t>(r)] : 0; }

    // Top-left pixel of the picture of a tile anchored at `pos`:
    // (X[c] - L x D, Y[r] - L x D).
    Point TilePosition(BoardPos pos) const;

    // The cell under a window point at `level`: column c takes the points
    // with X[c] - L x D < x <= X[c + 1] - L x D, rows likewise. Nothing when
    // the point lies before the first or after the last edge.
    std::optional<BoardPos> CellAt(int level, int x, int y) const;

    // The cell under a point at `level` (level - 1 in the layout editor),
    // moved to its tile's anchor when it holds one of a tile's other three
    // cells.
    std::optional<BoardPos> HitTest(const Board& board, int level, int x, int y, bool editor) const;

    // The topmost tile under a point: probes levels 5 down to 1 and takes the
    // first whose cell holds a live tile.
    std::optional<BoardPos> TileAt(const Board& board, int x, int y, bool editor) const;
    // Every live tile under a point, from the top level down (TileAt is the
    // first of them).
    std::vector<BoardPos> TilesAt(const Board& board, int x, int y, bool editor) const;

    // Whether a layout `width` x `height` cells fits: one spare column and
    // row are needed on screens 900 pixels wide or more.
    bool Fits(int width, int height, int screenWidth) const;

    int N() const { return n; }
    int VisibleColumns() const { return visibleColumns; }
    int VisibleRows() const { return visibleRows; }
    int LeftMargin() const { return leftMargin; }
    int TopMargin() const { return topMargin; }
    int AvailableWidth() const { return availableWidth; }
    int AvailableHeight() const { return availableHeight; }
    int Depth() const { return depth; }

  private:
    std::array<int, kMaxDimension + 2> xs{};
    std::array<int, kMaxDimension + 2> ys{};
    int n = 0;
    int visibleColumns = 0;
    int visibleRows = 0;
    int leftMargin = 5;
    int topMargin = 0;
    int availableWidth = 0;
    int availableHeight = 0;
    int depth = 0;
    int cellWidth = 0;
    int cellHeight = 0;
};

// The extent of the layout on a board, in cells: from the first to the last
// column and row that hold a tile or a removed tile on any level.
struct LayoutExtent {
    int width = 0;
    int height = 0;
};
LayoutExtent ExtentOf(const Board& board);

}  // namespace jw
