#include "presentation/BoardGrid.h"

#include <algorithm>

namespace jw {
namespace {

// Counts the steps of `step` pixels that fit while depth + sum stays below
// `available` (at most `limit` of them); returns the count and the sum.
std::pair<int, int> CountSteps(int available, int step, int depth, int limit) {
    int sum = 0;
    int count = 0;
    while (depth + sum < available && count < limit) {
        sum += step;
        ++count;
    }
    return {count, sum};
}

}  // namespace

void BoardGrid::Compute(const GridArea& area, const TileGeometry& geometry) {
    depth = geometry.depth;
    if (area.preview) {
        leftMargin = 2;
        topMargin = 2;
        availableWidth = area.clientWidth - 2 * 2;
        availableHeight = area.clientHeight - 2 - 2;
    } else {
        leftMargin = 5;
        topMargin = area.topMargin;
        availableWidth = area.clientWidth - 2 * leftMargin;
        availableHeight = area.clientHeight - topMargin - leftMargin - area.statusBarHeight;
    }
    const int w = std::max(1, geometry.faceWidth);
    const int h = std::max(1, geometry.faceHeight);
    cellWidth = w / 2;
    cellHeight = h / 2;
    n = (availableWidth / w + 1) * 2;
    n = std::clamp(n, 1, kMaxDimension);

    const auto [columns, width] = CountSteps(availableWidth, w / 2, depth, n + 1);
    visibleColumns = columns;
    xs.fill(0);
    xs[1] = std::max((availableWidth - (width - w / 2)) / 2, leftMargin + depth);
    for (int i = 2; i <= n; ++i) {
        xs[static_cast<std::size_t>(i)] = xs[static_cast<std::size_t>(i - 1)] + w / 2;
    }

    const auto [rows, height] = CountSteps(availableHeight, h / 2, depth, n + 1);
    visibleRows = rows;
    ys.fill(0);
    ys[1] = std::max((availableHeight - (height - h / 2)) / 2 + topMargin, topMargin + depth);
    for (int i = 2; i <= n; ++i) {
        ys[static_cast<std::size_t>(i)] = ys[static_cast<std::size_t>(i - 1)] + h / 2;
    }
}

void BoardGrid::CentreLayout(int width, int height) {
    const int dx = std::max(0, visibleColumns - width) * cellWidth / 2;
    const int dy = std::max(0, visibleRows - height) * cellHeight / 2;
    for (int i = 1; i <= n; ++i) {
        xs[static_cast<std::size_t>(i)] += dx;
        ys[static_cast<std::size_t>(i)] += dy;
    }
}

Point BoardGrid::TilePosition(BoardPos pos) const {
    return {X(pos.column) - pos.level * depth, Y(pos.row) - pos.level * depth};
}

std::optional<BoardPos> BoardGrid::CellAt(int level, int x, int y) const {
    const int shift = level * depth;
    int column = 0;
    for (int k = 1; k <= n; ++k) {
        if (xs[static_cast<std::size_t>(k)] - shift >= x) {
            column = k - 1;
            break;
        }
    }
    int row = 0;
    for (int k = 1; k <= n; ++k) {
        if (ys[static_cast<std::size_t>(k)] - shift >= y) {
            row = k - 1;
            break;
        }
    }
    if (column < 1 || row < 1) {
        return std::nullopt;
    }
    return BoardPos{level, column, row};
}

std::optional<BoardPos> BoardGrid::HitTest(const Board& board, int level, int x, int y,
                                           bool editor) const {
    std::optional<BoardPos> cell = CellAt(editor ? level - 1 : level, x, y);
    if (!cell) {
        return std::nullopt;
    }
    cell->level = level;
    const CellCode code = board.At(level, cell->column, cell->row);
    if (code > kQuarterBase && code <= kQuarterBase + kMaxTiles) {
        const CellCode anchor = code - kQuarterBase + kAnchorBase;
        if (board.At(level, cell->column - 1, cell->row) == anchor) {
            --cell->column;
        } else if (board.At(level, cell->column, cell->row - 1) == anchor) {
            --cell->row;
        } else if (board.At(level, cell->column - 1, cell->row - 1) == anchor) {
            --cell->column;
            --cell->row;
        }
    }
    return cell;
}

std::optional<BoardPos> BoardGrid::TileAt(const Board& board, int x, int y, bool editor) const {
    for (int level = kTileLevels; level >= 1; --level) {
        const std::optional<BoardPos> cell = HitTest(board, level, x, y, editor);
        if (cell && board.At(cell->level, cell->column, cell->row) > 0) {
            return cell;
        }
    }
    return std::nullopt;
}

std::vector<BoardPos> BoardGrid::TilesAt(const Board& board, int x, int y, bool editor) const {
    std::vector<BoardPos> tiles;
    for (int level = kTileLevels; level >= 1; --level) {
        const std::optional<BoardPos> cell = HitTest(board, level, x, y, editor);
        if (cell && board.At(cell->level, cell->column, cell->row) > 0) {
            tiles.push_back(*cell);
        }
    }
    return tiles;
}

bool BoardGrid::Fits(int width, int height, int screenWidth) const {
    const int spare = screenWidth >= 900 ? 1 : 0;
    return visibleColumns - spare >= width && visibleRows - spare >= height;
}

LayoutExtent ExtentOf(const Board& board) {
    int minColumn = kBoardColumns + 1;
    int maxColumn = 0;
    int minRow = kBoardRows + 1;
    int maxRow = 0;
    for (const BoardPos& pos : board.OccupiedCells()) {
        if (pos.level > kTileLevels) {
            break;  // the cells come in level order
        }
        minColumn = std::min(minColumn, pos.column);
        maxColumn = std::max(maxColumn, pos.column);
        minRow = std::min(minRow, pos.row);
        maxRow = std::max(maxRow, pos.row);
    }
    if (maxColumn == 0) {
        return {};
    }
    return {maxColumn - minColumn + 1, maxRow - minRow + 1};
}

}  // namespace jw
