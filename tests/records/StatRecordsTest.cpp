#include "records/StatRecords.h"

#include <gtest/gtest.h>

#include "engine/FixedText.h"

namespace jw {
namespace {

TEST(StatRecordTest, ThreeWinsThenALossKeepTheLongestStreak) {
    StatRecord r;
    CountGame(r, true, 100);
    CountGame(r, true, 50);
    CountGame(r, true, 25);
    CountGame(r, false, -40);
    EXPECT_EQ(FormatStatRecord(r),
              "000003 000001 000003 000001 000000 000001 000000000135 000000000000");
    CountGame(r, false, 0);
    CountGame(r, true, 1);
    EXPECT_EQ(FormatStatRecord(r),
              "000004 000002 000003 000002 000001 000000 000000000136 000000000000");
}

TEST(StatRecordTest, NegativeScoreSumAndTheReservedNumberSurviveARoundTrip) {
    StatRecord r =
        ParseStatRecord("000000 000001 000000 000001 000000 000001 -00000000050 000000000777");
    EXPECT_EQ(r.scoreSum, -50);
    EXPECT_EQ(r.reserved, 777);
    CountGame(r, false, -10);
    const std::string text = FormatStatRecord(r);
    EXPECT_EQ(text.size(), static_cast<std::size_t>(kStatRecordLength));
    EXPECT_EQ(text, "000000 000002 000000 000002 000000 000002 -00000000060 000000000777");
}

TEST(StatRecordTest, BadNumberZeroesOnlyTheFieldsFromThereOn) {
    const StatRecord r = ParseStatRecord("000005 000002 ****** 000001 000003");
    EXPECT_EQ(r.won, 5);
    EXPECT_EQ(r.lost, 2);
    EXPECT_EQ(r.longestWinStreak, 0);
    EXPECT_EQ(r.lossStreak, 0);
    EXPECT_EQ(FormatStatRecord(ParseStatRecord("")),
              "000000 000000 000000 000000 000000 000000 000000000000 000000000000");
    EXPECT_EQ(ParseStatRecord("\xff\x01 12").won, 0);
}

TEST(StatRecordTest, CounterAtItsFieldLimitStaysReadable) {
    StatRecord r;
    r.won = 999999;
    r.winStreak = 999999;
    r.longestWinStreak = 999999;
    r.scoreSum = 999999999990;
    CountGame(r, true, 100);
    CountGame(r, false, -2000000000000);
    const std::string text = FormatStatRecord(r);
    EXPECT_EQ(text.find('*'), std::string::npos) << text;
    const StatRecord back = ParseStatRecord(text);
    EXPECT_EQ(back.won, 999999);
    EXPECT_EQ(back.lost, 1);
    EXPECT_EQ(back.lossStreak, 1);
    EXPECT_EQ(back.scoreSum, -99999999999);
}

GameResult SampleResult() {
    return GameResult{.won = true,
                      .gameId = 7,
                      .gameName = std::string("Turtle"),
                      .player = std::string("Ann"),
                      .scoreType = std::string("1"),
                      .gameNumber = std::string("12345"),
                      .end = {2007, 3, 9, 14, 5, 7, 0},
                      .elapsed = 321,
                      .score = -15,
                      .matches = 72,
                      .undoCount = 2,
                      .undoPenaltyTotal = 20,
                      .totalTiles = 144,
                      .tilesLeft = 0,
                      .shuffleCount = 1,
                      .shufflePenaltyTotal = 50};
}

TEST(LogLineTest, FieldsSitInTheirColumns) {
    const std::string line = FormatLogLine(SampleResult());
    ASSERT_EQ(line.size(), static_cast<std::size_t>(kLogLineLength));
    EXPECT_EQ(Columns(line, 1, 8), "20070309");
    EXPECT_EQ(Columns(line, 10, 8), "14:05:07");
    EXPECT_EQ(Columns(line, 19, 6), "000321");
    EXPECT_EQ(Columns(line, 26, 5), "00007");
    EXPECT_EQ(TrimRight(Columns(line, 32, 50)), "Turtle");
    EXPECT_EQ(TrimRight(Columns(line, 83, 30)), "Ann");
    EXPECT_EQ(Columns(line, 114, 7), "Won  1 ");
    EXPECT_EQ(Columns(line, 122, 12), "-00000000015");
    EXPECT_EQ(TrimRight(Columns(line, 135, 15)), "12345");
    EXPECT_EQ(Columns(line, 151, 4), "0841");
    EXPECT_EQ(Columns(line, 156, 6), "000072");
    EXPECT_EQ(Columns(line, 163, 6), "000002");
    EXPECT_EQ(Columns(line, 170, 12), "000000000020");
    EXPECT_EQ(Columns(line, 223, 6), "000144");
    EXPECT_EQ(Columns(line, 230, 6), "000000");
    EXPECT_EQ(Columns(line, 237, 6), "000001");
    EXPECT_EQ(Columns(line, 244, 12), "000000000050");
    for (int column : {9, 18, 25, 31, 82, 113, 121, 134, 150, 155, 243})
        EXPECT_EQ(line[static_cast<std::size_t>(column - 1)], ' ') << column;
}

TEST(LogLineTest, LongNamesAreCutAndTheLineKeepsItsLength) {
    GameResult r = SampleResult();
    r.won = false;
    r.gameName = std::string(80, 'g');
    r.player = std::string(40, 'p');
    const std::string line = FormatLogLine(r, '.');
    ASSERT_EQ(line.size(), static_cast<std::size_t>(kLogLineLength));
    EXPECT_EQ(Columns(line, 10, 8), "14.05.07");
    EXPECT_EQ(Columns(line, 32, 50), std::string(50, 'g'));
    EXPECT_EQ(Columns(line, 83, 30), std::string(30, 'p'));
    EXPECT_EQ(Columns(line, 114, 5), "Lost ");
}

TEST(ProgressionTest, FourBytesCodeGameYearMonthAndResult) {
    GameResult r = SampleResult();
    r.gameId = 1234;
    EXPECT_EQ(ProgressionBytes(r), std::string({12 + 33, 34 + 33, 7 + 33, 3 + 100}));
    r.won = false;
    r.end.month = 12;
    EXPECT_EQ(ProgressionBytes(r), std::string({12 + 33, 34 + 33, 7 + 33, 12 + 50}));
    r.gameId = 30000;  // 300 + 33 taken modulo 256
    EXPECT_EQ(static_cast<unsigned char>(ProgressionBytes(r)[0]), (300 + 33) % 256);
}

TEST(StatRecordsTest, OnlyRealCalendarDaysAreDates) {
    EXPECT_TRUE(IsCalendarDate("20070228"));
    EXPECT_TRUE(IsCalendarDate("20080229"));
    EXPECT_TRUE(IsCalendarDate("20000229"));
    EXPECT_FALSE(IsCalendarDate("19000229"));
    EXPECT_FALSE(IsCalendarDate("20070229"));
    EXPECT_FALSE(IsCalendarDate("20071301"));
    EXPECT_FALSE(IsCalendarDate("20070100"));
    EXPECT_FALSE(IsCalendarDate("2007-1-1"));
    EXPECT_FALSE(IsCalendarDate("        "));
    EXPECT_FALSE(IsCalendarDate("2007010"));
}

}  // namespace
}  // namespace jw
