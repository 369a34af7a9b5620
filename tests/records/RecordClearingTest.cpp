// Clearing statistics and hi-scores, and renaming a player in the records.
#include <gtest/gtest.h>

#include "engine/FixedText.h"
#include "platform/SaveFile.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "records/HiScores.h"
#include "records/RecordFile.h"
#include "records/Recorder.h"
#include "records/StatRecords.h"

namespace jw {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

GameResult Game(std::int64_t score, const char* player, GameId id) {
    GameResult r;
    r.won = score > 0;
    r.gameId = id;
    r.gameName = "Game " + std::to_string(id);
    r.player.assign(player);
    r.end = {2007, 5, 1, 10, 0, 0, 0};
    r.elapsed = 100;
    r.score = score;
    return r;
}

class ClearingTest : public ::testing::Test {
  protected:
    TempFolder temp;
    Recorder recorder{temp.Path().string()};

    void SetUp() override {
        ASSERT_TRUE(AppendSection(temp / "Stat_scr.dat", "Clear scores", {"Cleared"}, {"Y"}));
        // Every player's score is base + game id.
        for (const auto& [player, base] :
             {std::pair{"Ann", 30}, {"anna", 40}, {"Anna", 20}, {"Bob", 10}})
            for (const GameId id : {7, 8})
                ASSERT_TRUE(recorder.RecordGame(Game(base + id, player, id), false));
    }
    std::vector<std::string> Players(GameId id) {
        std::vector<std::string> players;
        const std::vector<std::string> keys = HiScoreKeys();
        for (const auto& entry : ReadValues(temp / "Stat_scr.dat", GameSection(id), keys, keys))
            players.emplace_back(TrimRight(Columns(entry, 39, 30)));
        return players;
    }
    std::size_t LogLines() {
        return ReadLines(recorder.LogPath(), 1 << 20).value_or(std::vector<std::string>{}).size();
    }
    std::int64_t OverallOf(const std::string& player) {
        for (const auto& standing : recorder.Overall().LoadStandings())
            if (standing.player == player)
                return standing.score;
        return 0;
    }
};

TEST_F(ClearingTest, RemovingAPlayersHiScoresKeepsTheOthersInOrder) {
    ASSERT_EQ(Players(7)[0], "anna");
    const std::int64_t annaBefore = OverallOf("anna");
    ASSERT_GT(annaBefore, 0);
    ASSERT_TRUE(recorder.ClearHiScores({7, false, false, "Anna "}));
    std::vector<std::string> expected = {"anna", "Ann", "Bob"};
    expected.resize(20);
    EXPECT_EQ(Players(7), expected);
    // Only the exact name loses the game from its overall score.
    EXPECT_EQ(OverallOf("anna"), annaBefore);
    EXPECT_EQ(OverallOf("Anna"), 28);
    EXPECT_EQ(Players(8)[0], "anna");

    ASSERT_TRUE(recorder.ClearHiScores({-1, true, false, "Bob"}));  // every built-in game
    EXPECT_EQ(Players(8),
              (std::vector<std::string>{"anna", "Ann", "Anna", "", "", "", "", "", "", "",
                                        "",     "",    "",     "", "", "", "", "", "", ""}));
    EXPECT_EQ(OverallOf("Bob"), 0);

    ASSERT_TRUE(recorder.ClearHiScores({8, false, true, ""}));  // everybody in game 8
    EXPECT_TRUE(HiScoreTableEmpty(
        ReadValues(temp / "Stat_scr.dat", "00008", HiScoreKeys(), HiScoreKeys())));
    EXPECT_EQ(OverallOf("anna"), 47);
}

TEST_F(ClearingTest, ClearingAllHiScoresStopsTheSeedingAndTheOverallScore) {
    ASSERT_TRUE(recorder.ClearHiScores({-1, true, true, "Ann"}));
    EXPECT_FALSE(fs::exists(temp / "Stat_glo.dat"));
    EXPECT_TRUE(recorder.HiScoresCleared());
    EXPECT_EQ(ListSections(temp / "Stat_scr.dat"),
              (std::vector<std::string>{"Version", "Clear scores"}));
    EXPECT_EQ(recorder.OfferHiScore(Game(1, "Ann", 7)), 0);

    ASSERT_TRUE(recorder.ResetGameHiScores(7));
    EXPECT_TRUE(HiScoreTableEmpty(
        ReadValues(temp / "Stat_scr.dat", "00007", HiScoreKeys(), HiScoreKeys())));
}

TEST_F(ClearingTest, ClearingStatisticsInItsFourScopes) {
    ASSERT_EQ(LogLines(), 8u);
    ASSERT_TRUE(recorder.ClearStatistics({7, false, false, "Ann"}));
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann")[0], 0);
    EXPECT_EQ(recorder.ReadGameStats(8, "Ann")[0], 1);
    EXPECT_EQ(recorder.ReadGameStats(7, "Bob")[0], 1);
    EXPECT_EQ(LogLines(), 7u);

    ASSERT_TRUE(recorder.ClearStatistics({-1, true, false, "Bob"}));
    EXPECT_EQ(recorder.ReadGameStats(8, "Bob")[0], 0);
    EXPECT_EQ(recorder.ReadGameStats(8, "anna")[0], 1);
    EXPECT_EQ(LogLines(), 5u);
    EXPECT_EQ(ReadValue(recorder.StatPath(), "Version", "Bob", "none"), "none");

    ASSERT_TRUE(recorder.ClearStatistics({8, false, true, ""}));
    for (const char* player : {"Ann", "anna", "Anna"})
        EXPECT_EQ(recorder.ReadGameStats(8, player)[0], 0) << player;
    EXPECT_EQ(recorder.ReadGameStats(7, "anna")[0], 1);
    EXPECT_EQ(LogLines(), 2u);

    const auto progression = recorder.ProgressionPath("Ann");
    EXPECT_EQ(recorder.ClearAll({"Ann", "Bob"}, "Ann"), kAllClearedMessage);
    EXPECT_FALSE(fs::exists(recorder.LogPath()));
    EXPECT_FALSE(fs::exists(progression));
    EXPECT_FALSE(fs::exists(temp / "Stat_glo.dat"));
    EXPECT_EQ(ListSections(recorder.StatPath()), (std::vector<std::string>{"Version"}));
    EXPECT_EQ(recorder.ReadGameStats(7, "anna")[0], 0);
}

TEST_F(ClearingTest, ARenameReachesEveryRecordOfThePlayerOnly) {
    ASSERT_TRUE(WriteLinesAtomically(temp / "Stat_uni.dat", {"[Ann]", "x=1", "[Anne]"}));
    std::size_t lastCount = 0;
    ASSERT_EQ(recorder.RenamePlayerInRecords("Ann ", "x[00007]",
                                             [&](std::size_t lines) { lastCount = lines; }),
              "");
    EXPECT_GT(lastCount, 0u);
    EXPECT_EQ(lastCount % 10, 0u);
    EXPECT_EQ(recorder.ReadGameStats(7, "x[00007]")[0], 1);
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann")[0], 0);
    EXPECT_EQ(recorder.ReadGameStats(7, "Anna")[0], 1);
    EXPECT_EQ(Players(7)[1], "x[00007]");
    EXPECT_EQ(OverallOf("x[00007]"), 37 + 38);
    EXPECT_EQ(ListSections(temp / "Stat_uni.dat"), (std::vector<std::string>{"x[00007]", "Anne"}));
    EXPECT_TRUE(fs::exists(temp / "Stat_prg_x[00007].dat"));
    EXPECT_FALSE(fs::exists(temp / "Stat_prg_Ann.dat"));
    std::size_t renamed = 0;
    for (const auto& line :
         ReadLines(recorder.LogPath(), 1 << 20).value_or(std::vector<std::string>{})) {
        EXPECT_EQ(line.size(), 255u);
        renamed += TrimRight(Columns(line, 83, 30)) == "x[00007]";
    }
    EXPECT_EQ(renamed, 2u);
    // The section of game 7 is still found as a whole line, not inside the
    // renamed player's key.
    EXPECT_EQ(recorder.ReadGameStats(7, "Bob")[0], 1);
}

}  // namespace
}  // namespace jw
