#include "engine/Board.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

class BoardRules : public ::testing::Test {
  protected:
    // Places tiles with consecutive ids and keeps the counts as a dealt board would.
    void Put(int level, int column, int row) {
        board.PlaceTile(level, column, row, ++lastId);
        ++board.tilesLeft;
    }
    bool Free(int level, int column, int row, int removeRule = 0) const {
        return board.IsTileFree(level, column, row, false, removeRule);
    }
    Board board;
    int lastId = 0;
};

TEST_F(BoardRules, PlacingWritesAnchorAndThreeQuarters) {
    Put(1, 10, 20);
    EXPECT_EQ(board.At(1, 10, 20), 1001);
    EXPECT_EQ(board.At(1, 11, 20), 2001);
    EXPECT_EQ(board.At(1, 10, 21), 2001);
    EXPECT_EQ(board.At(1, 11, 21), 2001);
    EXPECT_EQ(board.At(1, 12, 20), 0);
    EXPECT_EQ(board.idCounter, 1);
}

TEST_F(BoardRules, OutsideTheGridReadsEmptyAndIsNeverWritten) {
    EXPECT_EQ(board.At(0, 1, 1), 0);
    EXPECT_EQ(board.At(7, 1, 1), 0);
    EXPECT_EQ(board.At(1, 201, 1), 0);
    EXPECT_FALSE(board.Set(1, 0, 5, 1001));
    EXPECT_FALSE(board.Set(1, 5, 201, 1001));
    EXPECT_FALSE(Free(0, 5, 5));
    EXPECT_FALSE(Free(1, 5, 5));  // empty cell
}

// Cells are narrow: every code a game or a file can put there reads back as
// written, and a value beyond a cell's range is refused rather than cut.
TEST_F(BoardRules, CellsKeepEveryCodeAndRefuseWhatTheyCannotHold) {
    for (const int code : {-999, kRemovedQuarter, kRemovedAnchor, 1432, 2432, 9999}) {
        EXPECT_TRUE(board.Set(2, 7, 9, code));
        EXPECT_EQ(board.At(2, 7, 9), code);
    }
    EXPECT_FALSE(board.Set(2, 7, 9, 70000));
    EXPECT_FALSE(board.Set(2, 7, 9, -40000));
    EXPECT_EQ(board.At(2, 7, 9), 9999);
}

TEST_F(BoardRules, ALoneTileIsFree) {
    Put(1, 10, 10);
    EXPECT_TRUE(Free(1, 10, 10));
}

TEST_F(BoardRules, AnyOfTheFourCellsAboveCoversATile) {
    Put(1, 10, 10);
    Put(1, 12, 10);
    // A tile straddling the two, half a tile to the right of the first.
    Put(2, 11, 10);
    EXPECT_FALSE(Free(1, 10, 10));
    EXPECT_FALSE(Free(1, 12, 10));
    EXPECT_FALSE(board.IsTileFree(1, 10, 10, true, 0));
    EXPECT_TRUE(Free(2, 11, 10));
}

TEST_F(BoardRules, LevelFiveIsNeverCovered) {
    for (int level = 1; level <= 5; ++level) {
        Put(level, 10, 10);
    }
    // Level 6 never holds a tile in play, but even a stray value there must not cover.
    board.Set(6, 10, 10, 1099);
    EXPECT_TRUE(Free(5, 10, 10));
    EXPECT_FALSE(Free(4, 10, 10));
}

TEST_F(BoardRules, ATileBlockedOnBothSidesIsNotFree) {
    Put(1, 8, 10);
    Put(1, 10, 10);
    Put(1, 12, 10);
    EXPECT_FALSE(Free(1, 10, 10));
    EXPECT_TRUE(Free(1, 8, 10));
    EXPECT_TRUE(Free(1, 12, 10));
    // Only whether nothing lies on it.
    EXPECT_TRUE(board.IsTileFree(1, 10, 10, true, 0));
}

TEST_F(BoardRules, HalfRowNeighboursBlockTheirSide) {
    Put(1, 10, 10);
    Put(1, 8, 9);    // left neighbour half a row up
    Put(1, 12, 11);  // right neighbour half a row down
    EXPECT_FALSE(Free(1, 10, 10));
}

TEST_F(BoardRules, ANeighbourAFullRowAwayDoesNotBlock) {
    Put(1, 10, 10);
    Put(1, 8, 8);
    Put(1, 12, 12);
    EXPECT_TRUE(Free(1, 10, 10));
}

TEST_F(BoardRules, RemoveRuleOneOnlyAsksForNothingOnTop) {
    Put(1, 8, 10);
    Put(1, 10, 10);
    Put(1, 12, 10);
    EXPECT_TRUE(Free(1, 10, 10, 1));
    Put(2, 10, 10);
    EXPECT_FALSE(Free(1, 10, 10, 1));
}

TEST_F(BoardRules, GridEdgesCountAsOpenSides) {
    // Column 1 has no left neighbour.
    Put(1, 1, 10);
    Put(1, 3, 10);
    EXPECT_TRUE(Free(1, 1, 10));
    // A tile in column 199 reaches column 200: nothing can lie to its right.
    Put(1, 197, 30);
    Put(1, 199, 30);
    EXPECT_TRUE(Free(1, 199, 30));
}

TEST_F(BoardRules, RemovedTilesNeitherCoverNorBlock) {
    Put(1, 8, 10);
    Put(1, 10, 10);
    Put(1, 12, 10);
    Put(2, 10, 10);
    ASSERT_TRUE(board.RemoveTile(2, 10, 10, true, 0, Removal::MarkRemoved));
    ASSERT_TRUE(board.RemoveTile(1, 8, 10, true, 0, Removal::MarkRemoved));
    EXPECT_EQ(board.At(2, 10, 10), kRemovedAnchor);
    EXPECT_EQ(board.At(2, 11, 11), kRemovedQuarter);
    EXPECT_EQ(board.At(1, 8, 10), kRemovedAnchor);
    EXPECT_TRUE(Free(1, 10, 10));
    EXPECT_EQ(board.tilesLeft, 2);
}

TEST_F(BoardRules, RemovalRefusesBlockedTilesAndBrokenBlocks) {
    Put(1, 10, 10);
    Put(2, 10, 10);
    EXPECT_FALSE(board.RemoveTile(1, 10, 10, true, 0, Removal::MarkRemoved));
    EXPECT_EQ(board.At(1, 10, 10), 1001);
    // Not an anchor.
    EXPECT_FALSE(board.RemoveTile(1, 11, 10, false, 0, Removal::MarkRemoved));
    // A damaged block: one quarter belongs to another tile.
    board.Set(1, 11, 11, 2005);
    EXPECT_FALSE(board.RemoveTile(1, 10, 10, false, 0, Removal::MarkRemoved));
    EXPECT_EQ(board.tilesLeft, 2);
}

TEST_F(BoardRules, EditorRemovalEmptiesTheCells) {
    Put(1, 10, 10);
    ASSERT_TRUE(board.RemoveTile(1, 10, 10, false, 0, Removal::Erase));
    for (int c = 10; c <= 11; ++c) {
        for (int r = 10; r <= 11; ++r) {
            EXPECT_EQ(board.At(1, c, r), 0);
        }
    }
}

TEST_F(BoardRules, RemoveByCodeFindsTilesInTheLastRowsAndColumns) {
    Put(1, 10, 199);  // anchored in the last row a tile can start in
    Put(3, 199, 50);  // and in the last column
    EXPECT_EQ(board.FindAnchor(1001), (BoardPos{1, 10, 199}));
    EXPECT_TRUE(board.RemoveTileByCode(1001, Removal::MarkRemoved));
    EXPECT_EQ(board.At(1, 10, 199), kRemovedAnchor);
    EXPECT_TRUE(board.RemoveTileByCode(1002, Removal::MarkRemoved));
    EXPECT_FALSE(board.RemoveTileByCode(1002, Removal::MarkRemoved));
    EXPECT_FALSE(board.RemoveTileByCode(2001, Removal::MarkRemoved));
}

TEST_F(BoardRules, CountsAnchorsPerLevel) {
    Put(1, 10, 10);
    Put(1, 12, 10);
    Put(2, 11, 10);
    board.RemoveTile(1, 12, 10, false, 0, Removal::MarkRemoved);
    board.RecountLevels();
    EXPECT_EQ(board.CountAnchors(), 2);
    EXPECT_EQ(board.perLevel[1], 1);
    EXPECT_EQ(board.perLevel[2], 1);
    EXPECT_EQ(board.levels, 2);
}

TEST_F(BoardRules, ClearEmptiesCellsCountsAndScanBounds) {
    Put(1, 10, 10);
    board.tileCount = 1;
    board.scanWidth = 7;
    board.Clear();
    EXPECT_EQ(board.At(1, 10, 10), 0);
    EXPECT_EQ(board.tileCount, 0);
    EXPECT_EQ(board.tilesLeft, 0);
    EXPECT_EQ(board.idCounter, 0);
    EXPECT_EQ(board.scanWidth, kBoardColumns);
}

TEST_F(BoardRules, ClearingAndCopyingReachEveryColumnEverUsed) {
    Put(1, 10, 10);
    Put(3, 199, 50);   // the last column a tile can start in
    Put(5, 150, 198);  // the top tile level, near the last row
    Board copy = board;
    EXPECT_EQ(copy.At(3, 200, 51), QuarterCode(2));
    EXPECT_EQ(copy.FindAnchor(AnchorCode(3)), (BoardPos{5, 150, 198}));
    EXPECT_EQ(copy.OccupiedCells().size(), 12u);
    EXPECT_EQ(copy.CountAnchors(3), 1);

    board.Clear();
    for (const BoardPos pos : {BoardPos{1, 10, 10}, BoardPos{3, 200, 51}, BoardPos{5, 151, 199}}) {
        EXPECT_EQ(board.At(pos.level, pos.column, pos.row), 0);
    }
    EXPECT_TRUE(board.OccupiedCells().empty());
    EXPECT_EQ(copy.OccupiedCells().size(), 12u);  // the copy has cells of its own

    // Taking a smaller board empties what only the larger one used.
    Put(1, 4, 4);
    copy = board;
    EXPECT_EQ(copy.At(3, 199, 50), 0);
    EXPECT_EQ(copy.At(5, 150, 198), 0);
    EXPECT_EQ(copy.OccupiedCells().size(), 4u);
    EXPECT_EQ(copy.CountAnchors(), 1);
}

TEST_F(BoardRules, EditorPlacementNeedsFullSupportAndNothingAbove) {
    const int cols = 60;
    const int rows = 40;
    EXPECT_TRUE(board.CanPlaceInEditor(1, 10, 10, cols, rows));
    // Outside the visible part of the grid.
    EXPECT_FALSE(board.CanPlaceInEditor(1, 59, 10, cols, rows));
    EXPECT_FALSE(board.CanPlaceInEditor(1, 10, 39, cols, rows));
    EXPECT_FALSE(board.CanPlaceInEditor(0, 10, 10, cols, rows));
    Put(1, 10, 10);
    Put(1, 12, 10);
    // Overlapping an existing tile.
    EXPECT_FALSE(board.CanPlaceInEditor(1, 11, 11, cols, rows));
    // Straddling two tiles is supported; half off the edge is not.
    EXPECT_TRUE(board.CanPlaceInEditor(2, 11, 10, cols, rows));
    EXPECT_FALSE(board.CanPlaceInEditor(2, 13, 10, cols, rows));
    EXPECT_FALSE(board.CanPlaceInEditor(2, 10, 11, cols, rows));
    // Nothing may be slid under a tile on the level above.
    Put(2, 11, 10);
    Put(3, 11, 10);
    board.RemoveTile(2, 11, 10, false, 0, Removal::Erase);
    EXPECT_FALSE(board.CanPlaceInEditor(2, 10, 10, cols, rows));
}

}  // namespace
}  // namespace jw
