#include "engine/UndoRecord.h"

#include <gtest/gtest.h>

#include "engine/Board.h"
#include "engine/LayoutFile.h"

namespace jw {
namespace {

TEST(UndoRecord, AMatchHoldsFourPaddedDescriptorsAndTwoScores) {
    const std::string record = MatchUndoRecord({"010120051017", "020140071099", "", ""}, 120, 170);
    EXPECT_EQ(record,
              "01"
              "00000000"
              "010120051017"
              "020140071099" +
                  std::string(24, ' ') +
                  "000000000120"
                  "000000000170");
    const UndoRecordParts parts = SplitUndoRecord("  " + record + " ");
    EXPECT_EQ(parts.kind, "01");
    EXPECT_EQ(parts.body.substr(0, 24), "010120051017020140071099");
    EXPECT_EQ(parts.scoreBefore, 120);
    EXPECT_EQ(parts.scoreAfter, 170);
}

TEST(UndoRecord, AMissLosesTwentyPoints) {
    const std::string record = MatchUndoRecord({"010120051017", "", "", ""}, 0, -20);
    EXPECT_EQ(record.substr(record.size() - 24), "000000000000-00000000020");
    EXPECT_EQ(SplitUndoRecord(record).scoreAfter, -20);
}

TEST(UndoRecord, AShuffleHoldsTheBoardBody) {
    Board board;
    board.PlaceTile(1, 1, 1, 7);
    board.PlaceTile(2, 1, 1, 8);
    board.RemoveTile(2, 1, 1, false, 0, Removal::MarkRemoved);
    const std::string body = FormatBody(board);
    EXPECT_EQ(body.size(), 8u * 12u);
    EXPECT_EQ(body.substr(0, 36),
              "010010011007"
              "010010022007"
              "010020012007");
    EXPECT_EQ(body.substr(48, 24),
              "02001001-001"
              "02001002-002");
    const std::string record = ShuffleUndoRecord(body, 301, 151);
    const UndoRecordParts parts = SplitUndoRecord(record);
    EXPECT_EQ(parts.kind, "02");
    EXPECT_EQ(parts.body, body);
    EXPECT_EQ(parts.scoreBefore, 301);
    EXPECT_EQ(parts.scoreAfter, 151);
}

TEST(UndoRecord, ShortOrBrokenRecordsSplitWithoutScores) {
    const UndoRecordParts parts = SplitUndoRecord("01");
    EXPECT_EQ(parts.kind, "01");
    EXPECT_TRUE(parts.body.empty());
    EXPECT_FALSE(parts.scoreBefore.has_value());
    EXPECT_FALSE(SplitUndoRecord("0100000000" + std::string(12, 'x') + "000000000001")
                     .scoreBefore.has_value());
}

TEST(UndoStack, TheTopIsTheLastRecordPushed) {
    UndoStack stack;
    EXPECT_FALSE(stack.Pop().has_value());
    stack.Push("a");
    stack.Push("b");
    EXPECT_EQ(*stack.Top(), "b");
    EXPECT_EQ(stack.Pop(), "b");
    EXPECT_EQ(stack.Lines(), (std::vector<std::string>{"a"}));
    stack.Clear();
    EXPECT_TRUE(stack.Empty());
}

}  // namespace
}  // namespace jw
