#include "records/ClearValues.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/TempFolder.h"

namespace jw {
namespace {

TEST(ClearValuesTest, EveryChoiceHasItsDescription) {
    EXPECT_EQ(ClearDescription(ClearChoice::All).size(), 1u);
    EXPECT_NE(ClearDescription(ClearChoice::All)[0].find("for all players and all games"),
              std::string::npos);
    EXPECT_EQ(ClearDescription(ClearChoice::Statistics)[0], "This clear Statistics values only.");
    EXPECT_EQ(ClearDescription(ClearChoice::HiScores)[0], "This clear Hi-Scores values only.");
    EXPECT_EQ(ClearDescription(ClearChoice::Statistics)[1],
              ClearDescription(ClearChoice::HiScores)[1]);
    ASSERT_EQ(ClearDescription(ClearChoice::Log).size(), 3u);
    EXPECT_EQ(ClearDescription(ClearChoice::Log)[2],
              "All the other Statistics values will be saved.");
}

TEST(ClearValuesTest, SelectedClearingNamesItsModeAndAsksAboutTheChosenEntries) {
    const ClearSelectedTexts stats = ClearSelectedTextsOf(ClearMode::Statistics);
    const ClearSelectedTexts scores = ClearSelectedTextsOf(ClearMode::HiScores);
    EXPECT_EQ(stats.caption, "Clear statistics");
    EXPECT_EQ(scores.caption, "Clear Hi-Scores");
    EXPECT_EQ(stats.note, "Select (All players) and (All games) to delete all statistics.");
    EXPECT_EQ(scores.note, "Select (All players) and (All games) to delete all Hi-Scores.");
    EXPECT_EQ(stats.done, "Statistics have been cleared.");
    EXPECT_EQ(scores.done, "Hi-Scores have been cleared.");
    EXPECT_EQ(ClearSelectedQuestion(ClearMode::Statistics, "Ann", "Turtle   "),
              "Are you sure you want to clear the statistics for player: Ann\rfor game: Turtle?");
    EXPECT_EQ(ClearSelectedQuestion(ClearMode::HiScores, "[All players]", "[All games]"),
              "Are you sure you want to clear the Hi-Scores? for player: [All players]\r"
              "for game: [All games]?");
}

TEST(ClearValuesTest, ListsStartWithTheirAllEntryThenSortedNames) {
    EXPECT_EQ(WithAllEntry(kAllPlayersEntry, {"bob", "Ann", "carl", "Bea"}),
              (std::vector<std::string>{"[All players]", "Ann", "Bea", "bob", "carl"}));
    EXPECT_EQ(WithAllEntry(kAllGamesEntry, {}), std::vector<std::string>{"[All games]"});
}

TEST(ClearValuesTest, ScopeAndRunResetFollowTheChosenEntries) {
    const ClearScope one = ClearScopeOf("Ann", "Turtle", 7);
    EXPECT_FALSE(one.allGames);
    EXPECT_FALSE(one.allPlayers);
    EXPECT_EQ(one.gameId, 7);
    EXPECT_EQ(one.player, "Ann");
    // Another player in another game leaves the run's counts alone.
    EXPECT_FALSE(ClearResetsRun(one, 3));
    EXPECT_TRUE(ClearResetsRun(one, 7));

    const ClearScope everybody = ClearScopeOf("[All players]", "Turtle", 7);
    EXPECT_TRUE(everybody.allPlayers);
    EXPECT_EQ(everybody.player, "");
    EXPECT_TRUE(ClearResetsRun(everybody, 3));

    const ClearScope everywhere = ClearScopeOf("Ann", "[All games]", 7);
    EXPECT_TRUE(everywhere.allGames);
    EXPECT_EQ(everywhere.gameId, -1);
    EXPECT_TRUE(ClearResetsRun(everywhere, 3));
}

TEST(ClearValuesTest, KeepBoxStartsAtTheSmallerOfCountAnd5000AndAcceptsOnlyFewer) {
    EXPECT_EQ(KeepStart(3000), 3000);
    EXPECT_EQ(KeepStart(12000), 5000);
    EXPECT_EQ(KeepStart(0), 0);
    // 3000 records: the start value is refused until a smaller one is typed.
    EXPECT_FALSE(KeepAccepted(KeepStart(3000), 3000));
    EXPECT_TRUE(KeepAccepted(2999, 3000));
    EXPECT_TRUE(KeepAccepted(1, 3000));
    EXPECT_FALSE(KeepAccepted(0, 3000));
    EXPECT_TRUE(KeepAccepted(KeepStart(12000), 12000));
    EXPECT_FALSE(KeepAccepted(0, 0));
    EXPECT_FALSE(KeepAccepted(std::nullopt, 12000));

    EXPECT_EQ(ParseKeep("2500"), 2500);
    EXPECT_EQ(ParseKeep(" 100 "), 100);
    EXPECT_EQ(ParseKeep("0"), 0);
    EXPECT_EQ(ParseKeep(""), std::nullopt);
    EXPECT_EQ(ParseKeep("-5"), std::nullopt);
    EXPECT_EQ(ParseKeep("12a"), std::nullopt);
    EXPECT_EQ(ParseKeep("30001"), std::nullopt);
    EXPECT_EQ(ParseKeep("99999999999999"), std::nullopt);
}

TEST(ClearValuesTest, LogCountIsEstimatedFromSizeAndFirstLine) {
    test::TempFolder folder;
    const std::string path = (folder.Path() / "Stat_log.dat").string();
    EXPECT_EQ(EstimatedLogRecords(path), 0u);  // missing
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 3000; ++i)
            out << std::string(255, 'a') << "\r\n";
    }
    EXPECT_EQ(EstimatedLogRecords(path), 3000u);
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 40; ++i)
            out << std::string(i == 0 ? 98 : 148, 'b') << "\n";  // a short first line
    }
    EXPECT_EQ(EstimatedLogRecords(path), (98u + 1 + 39 * 149) / 99);
    { std::ofstream out(path, std::ios::binary); }
    EXPECT_EQ(EstimatedLogRecords(path), 0u);
    {
        std::ofstream out(path, std::ios::binary);
        out << "\r\n\r\n";
    }
    EXPECT_EQ(EstimatedLogRecords(path), 2u);
}

}  // namespace
}  // namespace jw
