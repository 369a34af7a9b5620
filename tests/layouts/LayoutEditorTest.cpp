#include "layouts/LayoutEditor.h"

#include <gtest/gtest.h>

#include "engine/CustomLayouts.h"
#include "engine/Jong_class.h"
#include "engine/LayoutReader.h"
#include "platform/ScriptedHost.h"
#include "platform/TempFolder.h"
#include "presentation/BoardGrid.h"

namespace jw {
namespace {

class LayoutEditorTest : public ::testing::Test {
  protected:
    LayoutEditorTest() {
        engine.dataFolder = temp.Path().string() + "/";
        grid.Compute({1000, 700, 0, 0, false}, geometry);
        editor.Enter(-1);
    }
    // The ghost held with its face exactly over the anchor's cell.
    PixelRect Over(int level, int column, int row) const {
        const Point at = grid.TilePosition({level, column, row});
        return {at.x, at.y, geometry.faceWidth, geometry.faceHeight};
    }

    test::TempFolder temp;
    test::ScriptedHost host;
    TMahJong_Base engine{host};
    TileGeometry geometry{52, 70, 14};
    BoardGrid grid;
    LayoutEditor editor{engine};
};

TEST(EditorCountsTest, MustAddAndOrRemove) {
    LayoutRules rules;  // 2 tiles to match, repetition 2: groups of 4
    EXPECT_EQ(CountEditorTiles(0, rules).mustAdd, 4);
    EXPECT_EQ(CountEditorTiles(0, rules).orRemove, 0);
    EXPECT_EQ(CountEditorTiles(3, rules).mustAdd, 1);
    EXPECT_EQ(CountEditorTiles(3, rules).orRemove, 0);  // fewer than a group
    EXPECT_EQ(CountEditorTiles(6, rules).mustAdd, 2);
    EXPECT_EQ(CountEditorTiles(6, rules).orRemove, 2);
    EXPECT_EQ(CountEditorTiles(8, rules).mustAdd, 0);
    rules.faceDown = 1;  // face down: pairs
    EXPECT_EQ(CountEditorTiles(7, rules).unit, 2);
    EXPECT_EQ(CountEditorTiles(7, rules).mustAdd, 1);
}

TEST_F(LayoutEditorTest, CandidatesPreferTheBestOverlap) {
    const auto exact = CandidatePositions(grid, 1, Over(1, 10, 10));
    ASSERT_EQ(exact.size(), 9u);
    EXPECT_EQ(exact[0], (BoardPos{1, 10, 10}));
    // Half a cell to the right: the cell to the right is as good, and the
    // higher column comes first.
    PixelRect shifted = Over(1, 10, 10);
    shifted.left += geometry.CellWidth() / 2;
    const auto half = CandidatePositions(grid, 1, shifted);
    EXPECT_EQ(half[0], (BoardPos{1, 11, 10}));
    EXPECT_EQ(half[1], (BoardPos{1, 10, 10}));
    // Nothing in column or row 0.
    for (const BoardPos& pos : CandidatePositions(grid, 1, Over(1, 1, 1)))
        EXPECT_TRUE(pos.column >= 1 && pos.row >= 1);
}

TEST_F(LayoutEditorTest, AddingLandsOnTopWhenSupportedAndRemovingTakesTheTopTile) {
    // Two tiles side by side on level 1, then one over the first.
    ASSERT_EQ(editor.Add(grid, Over(1, 10, 10)), (BoardPos{1, 10, 10}));
    ASSERT_EQ(editor.Add(grid, Over(1, 12, 10)), (BoardPos{1, 12, 10}));
    EXPECT_FALSE(editor.Clean());
    const auto top = editor.Add(grid, Over(2, 10, 10));
    ASSERT_TRUE(top);
    EXPECT_EQ(top->level, 2);
    EXPECT_EQ(editor.Tiles(), 3);
    EXPECT_EQ(engine.board.levels, 2);
    // Every placed tile has its own id.
    EXPECT_NE(engine.board.At(1, 10, 10), engine.board.At(1, 12, 10));
    EXPECT_NE(engine.board.At(2, 10, 10), engine.board.At(1, 10, 10));

    // A right click over the pile takes the top tile first.
    EXPECT_EQ(editor.Remove(grid, Over(2, 10, 10)), *top);
    EXPECT_EQ(editor.Remove(grid, Over(1, 10, 10)), (BoardPos{1, 10, 10}));
    EXPECT_EQ(editor.Tiles(), 1);
    EXPECT_EQ(engine.board.At(1, 11, 11), 0);  // the cells are empty again
}

TEST_F(LayoutEditorTest, MovingAndCentringStayOnTheBoard) {
    ASSERT_EQ(editor.Add(grid, Over(1, 2, 2)), (BoardPos{1, 2, 2}));
    EXPECT_FALSE(editor.Move(-2, 0, grid.VisibleColumns(), grid.VisibleRows()));
    EXPECT_EQ(host.MessageTexts().back(), "Layout already in the first column on the left.");
    EXPECT_FALSE(editor.Move(0, -2, grid.VisibleColumns(), grid.VisibleRows()));
    EXPECT_EQ(host.MessageTexts().back(), "Layout already in the first row on the top.");
    ASSERT_TRUE(editor.Move(2, 3, grid.VisibleColumns(), grid.VisibleRows()));
    EXPECT_TRUE(IsAnchor(engine.board.At(1, 4, 5)));
    EXPECT_EQ(engine.board.At(1, 2, 2), 0);

    ASSERT_TRUE(editor.Centre(grid.VisibleColumns(), grid.VisibleRows()));
    const int column = 1 + (grid.VisibleColumns() - 2 - 1) / 2;
    const int row = 1 + (grid.VisibleRows() - 2 - 1) / 2;
    EXPECT_TRUE(IsAnchor(engine.board.At(1, column, row)));
    EXPECT_FALSE(editor.Move(grid.VisibleColumns(), 0, grid.VisibleColumns(), grid.VisibleRows()));
    EXPECT_EQ(host.MessageTexts().back(), "Layout already in the last column on the right.");

    host.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(editor.ClearAll());
    EXPECT_EQ(editor.Tiles(), 1);
    EXPECT_TRUE(editor.ClearAll());
    EXPECT_EQ(editor.Tiles(), 0);
}

TEST_F(LayoutEditorTest, SavingChecksTheLayoutAndNamesIt) {
    for (int k = 0; k < 3; ++k)
        ASSERT_TRUE(editor.Add(grid, Over(1, 10 + 2 * k, 10)));
    EXPECT_FALSE(editor.Save(false, nullptr));
    EXPECT_EQ(host.MessageTexts().back(),
              "The layout is not completed. To finish the layout:\rAdd 1 tiles or delete 0 tiles.");
    ASSERT_TRUE(editor.Add(grid, Over(1, 16, 10)));

    // The name dialog proposes "My Layout"; cancelling writes nothing.
    std::vector<std::string> proposed;
    EXPECT_FALSE(editor.Save(false, [&](const std::string& name) {
        proposed.push_back(name);
        return std::optional<std::string>();
    }));
    EXPECT_EQ(proposed, (std::vector<std::string>{"My Layout"}));
    ASSERT_TRUE(editor.Save(false, [](const std::string&) { return std::string("Four"); }));
    EXPECT_TRUE(editor.Clean());
    EXPECT_EQ(editor.Name(), "Four");
    EXPECT_GE(engine.gameId, kFirstCustomGameId);
    EXPECT_EQ(CustomLayouts(engine.dataFolder).LayoutIdByName("Four"), engine.gameId);

    // Read back in the editor: the same four tiles, and the name to save under.
    const GameId saved = engine.gameId;
    LayoutEditor again(engine);
    ASSERT_TRUE(again.Enter(saved));
    EXPECT_EQ(again.Tiles(), 4);
    EXPECT_EQ(again.Name(), "Four");
    EXPECT_TRUE(again.MayLeave(nullptr));  // nothing changed

    // Leaving with changes: Cancel stays, No leaves.
    ASSERT_TRUE(again.Add(grid, Over(1, 30, 10)));
    host.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    EXPECT_FALSE(again.MayLeave(nullptr));
    EXPECT_TRUE(again.MayLeave(nullptr));
}

TEST_F(LayoutEditorTest, The433rdTileIsRefused) {
    // 432 tiles: 24 x 18 on the first level.
    for (int row = 0; row < 18; ++row)
        for (int column = 0; column < 24; ++column)
            engine.board.PlaceTile(1, 2 + 2 * column, 2 + 2 * row, 1 + row * 24 + column);
    ASSERT_EQ(editor.Tiles(), kMaxTiles);
    EXPECT_FALSE(editor.Add(grid, Over(1, 60, 10)));
    EXPECT_EQ(host.MessageTexts().back(), "Cannot add another Tile. Max number of Tiles exist.");
    EXPECT_EQ(editor.Tiles(), kMaxTiles);
}

TEST_F(LayoutEditorTest, AFaceDownLayoutNeedsWholePairsOnEveryLevel) {
    editor.SetOptions(true, 1);
    EXPECT_EQ(editor.Counts().unit, 2);
    for (const int column : {10, 12, 14})
        ASSERT_TRUE(editor.Add(grid, Over(1, column, 10)));
    ASSERT_EQ(editor.Add(grid, Over(2, 10, 10))->level, 2);  // 4 tiles: whole pairs in all
    EXPECT_FALSE(editor.Save(false, [](const std::string&) { return std::string("Pairs"); }));
    EXPECT_EQ(host.MessageTexts().back(),
              "Each level must contain a pair number of tiles, for ex. 2,4,6,8,...\r\n"
              "Add or delete one tile from level n.: 1");
    ASSERT_TRUE(editor.Add(grid, Over(1, 16, 10)));
    ASSERT_TRUE(editor.Add(grid, Over(2, 14, 10)));  // level 1: 4, level 2: 2
    EXPECT_TRUE(editor.Save(false, [](const std::string&) { return std::string("Pairs"); }));
}

}  // namespace
}  // namespace jw
