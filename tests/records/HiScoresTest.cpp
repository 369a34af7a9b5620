#include "records/HiScores.h"

#include <gtest/gtest.h>

#include "engine/FixedText.h"

namespace jw {
namespace {

GameResult Result(std::int64_t score, int elapsed, const char* player) {
    return GameResult{.won = true,
                      .gameId = 7,
                      .gameName = std::string("Turtle"),
                      .player = std::string(player),
                      .scoreType = std::string("1"),
                      .gameNumber = std::string("4711"),
                      .end = {2007, 6, 2, 9, 8, 7, 0},
                      .elapsed = elapsed,
                      .score = score,
                      .undoCount = 3,
                      .shuffleCount = 1};
}

TEST(HiScoreTest, EntryFieldsSitInTheirColumns) {
    const std::string e = FormatHiScore(Result(-45, 90, "Ann"));
    ASSERT_EQ(e.size(), static_cast<std::size_t>(kHiScoreLength));
    EXPECT_EQ(Columns(e, 1, 12), "-00000000045");
    EXPECT_EQ(Columns(e, 14, 6), "000090");
    EXPECT_EQ(Columns(e, 21, 8), "20070602");
    EXPECT_EQ(Columns(e, 30, 8), "09:08:07");
    EXPECT_EQ(TrimRight(Columns(e, 39, 30)), "Ann");
    EXPECT_EQ(TrimRight(Columns(e, 70, 15)), "4711");
    EXPECT_EQ(Columns(e, 86, 4), "Won ");
    EXPECT_EQ(Columns(e, 91, 6), "000001");
    EXPECT_EQ(Columns(e, 105, 6), "000003");
    EXPECT_EQ(Columns(e, 119, 4), "1  x");
    EXPECT_EQ(EmptyHiScore().size(), static_cast<std::size_t>(kHiScoreLength));
    EXPECT_EQ(EmptyHiScore().back(), 'x');
}

TEST(HiScoreTest, RankOrderByScoreThenShorterTime) {
    std::vector<std::string> table;
    for (int score : {90, 60, 30})
        table.push_back(FormatHiScore(Result(score, 100, "Seed")));
    EXPECT_EQ(InsertHiScore(table, FormatHiScore(Result(45, 100, "Ann"))), 2);
    EXPECT_EQ(TrimRight(Columns(table[2], 39, 30)), "Ann");
    EXPECT_EQ(TrimRight(Columns(table[3], 39, 30)), "Seed");
    // Equal score and equal time: placed after the one already there.
    EXPECT_EQ(InsertHiScore(table, FormatHiScore(Result(60, 100, "Bob"))), 2);
    // Equal score, shorter time: ahead of it.
    EXPECT_EQ(InsertHiScore(table, FormatHiScore(Result(60, 99, "Cy"))), 1);
    EXPECT_EQ(table.size(), static_cast<std::size_t>(kHiScoreEntries));
    // Negative scores still beat empty entries.
    EXPECT_EQ(InsertHiScore(table, FormatHiScore(Result(-5, 10, "Dan"))), 6);
}

TEST(HiScoreTest, FullTableDropsTheLastAndRefusesAWorseEntry) {
    std::vector<std::string> table;
    for (int i = 0; i < kHiScoreEntries; ++i)
        table.push_back(FormatHiScore(Result(1000 - i, 50, "Seed")));
    EXPECT_EQ(InsertHiScore(table, FormatHiScore(Result(900, 50, "Ann"))), -1);
    EXPECT_EQ(InsertHiScore(table, FormatHiScore(Result(995, 50, "Ann"))), 6);
    EXPECT_EQ(table.size(), static_cast<std::size_t>(kHiScoreEntries));
    EXPECT_EQ(Columns(table.back(), 1, 12), "000000000982");
}

}  // namespace
}  // namespace jw
