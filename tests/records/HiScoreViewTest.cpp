#include "records/HiScoreView.h"

#include <gtest/gtest.h>

#include "engine/FixedText.h"
#include "records/HiScores.h"

namespace jw {
namespace {

GameResult Result(std::int64_t score, int elapsed, bool won, const char* type) {
    GameResult r;
    r.won = won;
    r.gameId = 3;
    r.player = "Margaret";
    r.scoreType = type;
    r.gameNumber = "123456789012345";
    r.end = {2007, 2, 28, 23, 59, 1, 0};
    r.elapsed = elapsed;
    r.score = score;
    r.shuffleCount = 2;
    r.suggestCount = 11;
    return r;
}

TEST(HiScoreViewTest, TimeShowsHoursMinutesSecondsAndStarsFromTenHours) {
    EXPECT_EQ(HiScoreTimeText(0, ':'), "0:00:00");
    EXPECT_EQ(HiScoreTimeText(59, ':'), "0:00:59");
    EXPECT_EQ(HiScoreTimeText(3600 + 62, '.'), "1.01.02");
    EXPECT_EQ(HiScoreTimeText(9 * 3600 + 59 * 60 + 59, ':'), "9:59:59");
    EXPECT_EQ(HiScoreTimeText(10 * 3600, ':'), "*:00:00");
    EXPECT_EQ(HiScoreTimeText(999999, ':'), "*:46:39");
    EXPECT_EQ(HiScoreTimeText(-5, ':'), "0:00:00");
}

TEST(HiScoreViewTest, GameTypeFollowsCatalogTypeAndScoreType) {
    EXPECT_EQ(HiScoreGameType(1, "01"), "MahJong");
    EXPECT_EQ(HiScoreGameType(1, "02"), "Matching");
    EXPECT_EQ(HiScoreGameType(1, "03"), "");
    EXPECT_EQ(HiScoreGameType(2, "01"), "Memory-Up");
    EXPECT_EQ(HiScoreGameType(-1, "01"), "");  // own layouts
}

TEST(HiScoreViewTest, RowShowsTheFieldsOfAStoredEntry) {
    const std::string entry = FormatHiScore(Result(1234, 3 * 3600 + 4 * 60 + 5, false, "02"));
    const HiScoreRow row = HiScoreRowOf(entry, 4, 1, ':');
    EXPECT_FALSE(row.empty);
    EXPECT_EQ(row.rank, "05");
    EXPECT_EQ(row.player, "Margaret");
    EXPECT_EQ(row.score, "1234");
    EXPECT_EQ(row.time, "3:04:05");
    EXPECT_EQ(row.result, "Lost");
    EXPECT_EQ(row.shuffles, "2");
    EXPECT_EQ(row.suggestions, "11");
    EXPECT_EQ(row.date, "20070228");
    EXPECT_EQ(row.gameNumber, "1234567890123");  // columns 70 to 82 only
    EXPECT_EQ(row.gameType, "Matching");

    const HiScoreRow negative = HiScoreRowOf(FormatHiScore(Result(-45, 1, true, "01")), 19, 2, ':');
    EXPECT_EQ(negative.rank, "20");
    EXPECT_EQ(negative.score, "-45");
    EXPECT_EQ(negative.result, "Won ");
    EXPECT_EQ(negative.gameType, "Memory-Up");
}

TEST(HiScoreViewTest, EmptyShortAndDamagedEntriesNeverMakeUpValues) {
    const HiScoreRow empty = HiScoreRowOf(EmptyHiScore(), 0, 1, ':');
    EXPECT_TRUE(empty.empty);
    EXPECT_EQ(empty.rank, "01");
    EXPECT_EQ(empty.player, "");
    EXPECT_EQ(empty.time, "");
    EXPECT_TRUE(HiScoreRowOf("", 2, 1, ':').empty);

    std::string damaged = FormatHiScore(Result(50, 70, true, "01"));
    damaged.replace(13, 6, "ab?12 ");    // time
    damaged.replace(20, 8, "20071345");  // month 13
    const HiScoreRow row = HiScoreRowOf(damaged, 1, 1, ':');
    EXPECT_FALSE(row.empty);
    EXPECT_EQ(row.time, "0:00:00");
    EXPECT_EQ(row.date, "");
    EXPECT_EQ(row.score, "50");

    // A line cut after the score still shows it, with nothing invented.
    const HiScoreRow cut = HiScoreRowOf(damaged.substr(0, 12), 0, 1, ':');
    EXPECT_EQ(cut.score, "50");
    EXPECT_EQ(cut.time, "0:00:00");
    EXPECT_EQ(cut.date, "");
    EXPECT_EQ(cut.gameType, "");
}

TEST(HiScoreViewTest, GameListHoldsEveryGameSortedAndFindsTheOneToShow) {
    const GameCatalog catalog;
    const std::vector<std::string> layouts = {
        std::string("aardvark") + std::string(42, ' ') + "10000",
        std::string(50, ' ') + "10001",  // a blank line of the index
        "Zz Top",
    };
    const std::vector<std::string> names = HiScoreGameNames(catalog, layouts);
    ASSERT_EQ(names.size(), catalog.Ids().size() + 2);
    EXPECT_EQ(names.front(), "aardvark");
    EXPECT_EQ(names.back(), "Zz Top");
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_LE(ToLowerAscii(names[i - 1]), ToLowerAscii(names[i])) << names[i];

    const std::string some = catalog.NameOf(catalog.Ids()[5]);
    const std::string other = catalog.NameOf(catalog.Ids()[9]);
    const auto at = [&names](const std::string& n) {
        return static_cast<int>(std::find(names.begin(), names.end(), n) - names.begin());
    };
    EXPECT_EQ(HiScoreGameIndex(names, some, other), at(some));
    EXPECT_EQ(HiScoreGameIndex(names, "", other), at(other));
    EXPECT_EQ(HiScoreGameIndex(names, "No such game", other), at(other));
    EXPECT_EQ(HiScoreGameIndex(names, "No such game", "Nor this"), 0);
    EXPECT_EQ(HiScoreGameIndex({}, some, other), -1);
}

TEST(HiScoreViewTest, CongratulationNamesTheGameCutTo50) {
    EXPECT_EQ(CongratulationCaption("Turtle   "),
              "Congratulations! Your score has made the \"Turtle\" Hi-Scores list!");
    const std::string longName = std::string(48, 'a') + "  bcd";
    EXPECT_EQ(CongratulationCaption(longName), "Congratulations! Your score has made the \"" +
                                                   std::string(48, 'a') + "\" Hi-Scores list!");
}

}  // namespace
}  // namespace jw
