#include "engine/reference/SampleBoards.h"

namespace jw::literal {

namespace {

struct TileSpot {
    int level;
    int column2;  // twice the tile column, so that half tiles are whole numbers
    int row2;     // twice the tile row
};

}  // namespace

void PlaceTurtle(Board& board, int firstId, int columnOffset) {
    std::vector<TileSpot> spots;
    // Level 1: eight rows of 12, 8, 10, 12, 12, 10, 8, 12 tiles, one end tile
    // on the left and two on the right, half a row between rows 3 and 4.
    const int widths[8] = {12, 8, 10, 12, 12, 10, 8, 12};
    for (int r = 0; r < 8; ++r) {
        const int first = 1 + (12 - widths[r]) / 2;
        for (int c = first; c < first + widths[r]; ++c) {
            spots.push_back({1, 2 * c, 2 * r});
        }
    }
    spots.push_back({1, 0, 7});
    spots.push_back({1, 26, 7});
    spots.push_back({1, 28, 7});
    for (int level = 2; level <= 4; ++level) {
        const int size = 10 - 2 * level;  // 6, 4, 2
        const int first = 7 - size / 2;
        for (int c = first; c < first + size; ++c) {
            for (int r = 4 - size / 2; r < 4 + size / 2; ++r) {
                spots.push_back({level, 2 * c, 2 * r});
            }
        }
    }
    spots.push_back({5, 13, 7});
    int id = firstId;
    for (const TileSpot& spot : spots) {
        board.PlaceTile(spot.level, 3 + spot.column2 + columnOffset, 2 + spot.row2, id++);
    }
    board.tileCount += static_cast<int>(spots.size());
    board.tilesLeft += static_cast<int>(spots.size());
}

void BuildTurtles(Board& board, int turtles) {
    board.Clear();
    for (int k = 0; k < turtles; ++k) {
        PlaceTurtle(board, 1 + 144 * k, 36 * k);
    }
    board.RecountLevels();
    board.idCounter = 144 * turtles + 1;
}

std::vector<BoardPos> TurtleAnchors() {
    Board board;
    BuildTurtles(board, 1);
    std::vector<BoardPos> anchors;
    for (const BoardPos& pos : board.OccupiedCells()) {
        if (IsAnchor(board.At(pos.level, pos.column, pos.row))) {
            anchors.push_back(pos);
        }
    }
    return anchors;
}

}  // namespace jw::literal
