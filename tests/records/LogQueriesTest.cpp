#include "records/LogQueries.h"

#include <gtest/gtest.h>

#include "platform/SaveFile.h"
#include "platform/TempFolder.h"
#include "records/StatRecords.h"

namespace jw {
namespace {

using test::TempFolder;

std::string Line(const char* game, const char* number, bool won, const char* player, int day,
                 int hour = 10) {
    GameResult r;
    r.won = won;
    r.gameName.assign(game);
    r.gameNumber.assign(number);
    r.player.assign(player);
    r.end = {2007, 4, day, hour, 0, 0, 0};
    return FormatLogLine(r);
}

class LogQueriesTest : public ::testing::Test {
  protected:
    void Log(const std::vector<std::string>& lines) {
        ASSERT_TRUE(WriteLinesAtomically(path, lines));
    }
    TempFolder temp;
    std::string path = temp / "Stat_log.dat";
};

TEST_F(LogQueriesTest, PreviousGamesAreNewestFirstAndLimited) {
    Log({Line("Turtle", "111", true, "Ann", 1), Line("Fish", "222", false, "Bob", 2), "too short",
         Line("Turtle", "333", false, "Cy", 3)});
    const auto games = LoadPreviousGames(path);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].number, "333");
    EXPECT_EQ(games[0].player, "Cy");
    EXPECT_FALSE(games[0].won);
    EXPECT_EQ(games[2].date, "20070401");
    EXPECT_TRUE(games[2].won);
    EXPECT_EQ(games[1].game, "Fish");
    EXPECT_EQ(LoadPreviousGames(path, 1).size(), 1u);
    EXPECT_TRUE(LoadPreviousGames(temp / "missing.dat").empty());
}

TEST_F(LogQueriesTest, InvalidDateIsShownEmpty) {
    std::string line = Line("Turtle", "1", true, "Ann", 1);
    line.replace(4, 2, "13");
    Log({line});
    const auto games = LoadPreviousGames(path);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].date, "");
}

TEST_F(LogQueriesTest, LostGamesDropDealsWonByAnyoneAndKeepOneLossPerDeal) {
    Log({Line("Turtle", "100", false, "Bob", 1),    // later won by Cy
         Line("Turtle", "100", true, "Cy", 2),      //
         Line("Turtle", "200", false, "Dan", 3),    // lost twice: Ann's loss stays
         Line("Turtle", "200", false, "Ann", 5),    //
         Line("Turtle", "300", false, "Bob", 4),    //
         Line("Fish", "400", false, "Bob", 6),      // another game
         Line("Turtle", "200", false, "Ann", 2)});  // Ann's earliest loss of 200
    const auto lost = LoadLostGames(path, "Turtle");
    ASSERT_EQ(lost.size(), 2u);
    EXPECT_EQ(lost[0].number, "300");
    EXPECT_EQ(lost[1].number, "200");
    EXPECT_EQ(lost[1].player, "Ann");
    EXPECT_EQ(lost[1].date, "20070402");
    EXPECT_TRUE(LoadLostGames(path, "Turt").empty());
}

}  // namespace
}  // namespace jw
