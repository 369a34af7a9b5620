#include "records/Recorder.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/FixedText.h"
#include "platform/SaveFile.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "records/HiScores.h"
#include "records/RecordFile.h"
#include "records/StatRecords.h"

namespace jw {
namespace {

using test::TempFolder;

GameResult Game(bool won, std::int64_t score, const char* player = "Ann", GameId id = 7) {
    GameResult r;
    r.won = won;
    r.gameId = id;
    r.gameName.assign("Turtle");
    r.player.assign(player);
    r.end = {2007, 5, 1, 10, 0, 0, 0};
    r.score = score;
    return r;
}

class RecorderTest : public ::testing::Test {
  protected:
    TempFolder temp;
    Recorder recorder{temp.Path().string()};
};

TEST_F(RecorderTest, FreshFolderGetsTheVersionedFiles) {
    ASSERT_TRUE(recorder.EnsureStatFiles("Ann"));
    EXPECT_EQ(ReadFileBytes(temp / "Stat.dat", 100).value_or(""), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(ReadFileBytes(temp / "Stat_scr.dat", 100).value_or(""),
              "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(ReadFileBytes(temp / "Stat_glo.dat", 100).value_or(""), "[Version]\r\nVOvS=0300\r\n");
    EXPECT_EQ(ReadFileBytes(temp / "Stat_prg_Ann.dat", 100).value_or("x"), "");
}

TEST_F(RecorderTest, FilesWrittenInAnotherSpellingAreUsed) {
    ASSERT_TRUE(WriteLinesAtomically(temp / "STAT.DAT", {"[Version]", "Version=0300"}));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 10), false));
    EXPECT_FALSE(std::filesystem::exists(temp / "Stat.dat"));
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann")[0], 1);
}

TEST_F(RecorderTest, EveryGameLandsInLogProgressionAndTotals) {
    ASSERT_TRUE(recorder.RecordGame(Game(true, 100), false));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 50), false));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 20), false));
    ASSERT_TRUE(recorder.RecordGame(Game(false, -30), false));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 5, "Bob", 8), false));

    const auto log = ReadLines(recorder.LogPath(), 1 << 20).value_or(std::vector<std::string>{});
    ASSERT_EQ(log.size(), 5u);
    for (const auto& line : log)
        EXPECT_EQ(line.size(), 255u);
    EXPECT_EQ(Columns(log[3], 114, 5), "Lost ");
    EXPECT_EQ(TrimRight(Columns(log[4], 83, 30)), "Bob");
    EXPECT_EQ(ReadFileBytes(recorder.ProgressionPath("Ann"), 100).value_or("").size(), 16u);
    EXPECT_EQ(ReadFileBytes(recorder.ProgressionPath("Bob"), 100).value_or("").size(), 4u);

    const GameStats ann = recorder.ReadGameStats(7, "Ann");
    EXPECT_EQ(ann, (GameStats{3, 1, 3, 1, 0, 1, 140, 0, 0}));  // the run moved on to Bob
    EXPECT_EQ(recorder.ReadGameStats(8, "Bob"), (GameStats{1, 0, 1, 0, 1, 0, 5, 1, 0}));
    EXPECT_EQ(recorder.ReadGameStats(8, "Ann"), (GameStats{}));
}

TEST_F(RecorderTest, RunCountersFollowTheCurrentPlayerAndGame) {
    recorder.ResetRun("Ann", 7);
    ASSERT_TRUE(recorder.RecordGame(Game(true, 1), false));
    ASSERT_TRUE(recorder.RecordGame(Game(false, 1), false));
    ASSERT_TRUE(recorder.RecordGame(Game(false, 1), false));
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann")[7], 1);
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann")[8], 2);
    recorder.ResetRun("Ann", 9);
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann")[8], 0);
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann")[1], 2);
}

TEST_F(RecorderTest, DisabledStatisticsRecordNothing) {
    ASSERT_TRUE(recorder.RecordGame(Game(true, 10), true));
    EXPECT_FALSE(std::filesystem::exists(recorder.LogPath()));
    EXPECT_EQ(ReadFileBytes(recorder.ProgressionPath("Ann"), 100).value_or("x"), "");
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann"), GameStats{});
}

TEST_F(RecorderTest, NamesThatLookLikeHeadersKeepEveryRecordApart) {
    ASSERT_TRUE(recorder.RecordGame(Game(true, 10, "x[00007]", 3), false));
    ASSERT_TRUE(recorder.RecordGame(Game(false, 4, "Ann", 7), false));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 6, "x[00007]", 3), false));
    EXPECT_EQ(recorder.ReadGameStats(3, "x[00007]")[0], 2);
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann")[1], 1);
    EXPECT_EQ(ListSections(recorder.StatPath()),
              (std::vector<std::string>{"Version", "00003", "00007"}));
}

TEST_F(RecorderTest, DamagedRecordIsCountedOnFromWhatStillReads) {
    ASSERT_TRUE(recorder.EnsureStatFiles("Ann"));
    ASSERT_TRUE(WriteValue(recorder.StatPath(), "00007", "Ann", "000004 00x"));
    ASSERT_TRUE(WriteValue(recorder.StatPath(), "00007", "Bob", FormatStatRecord({1, 1})));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 3), false));
    EXPECT_EQ(recorder.ReadGameStats(7, "Ann"), (GameStats{5, 0, 1, 0, 1, 0, 3, 1, 0}));
    EXPECT_EQ(recorder.ReadGameStats(7, "Bob")[0], 1);
    EXPECT_EQ(recorder.ReadGameStats(7, "Bob")[1], 1);
}

}  // namespace
}  // namespace jw

namespace jw {
namespace {

TEST_F(RecorderTest, FinishedGamesEnterTheGamesHiScoreTable) {
    std::vector<int> announced;
    recorder.onNewHiScore = [&](const GameResult&, int rank) { announced.push_back(rank); };
    // The first result of a game never played meets the seeded table:
    // 50, 47, 44, ... so 45 comes third and 30 eighth.
    ASSERT_TRUE(recorder.RecordGame(Game(true, 45), false));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 30, "Bob"), false));
    ASSERT_TRUE(recorder.RecordGame(Game(false, 90, "Cy", 8), false));
    EXPECT_EQ(announced, (std::vector<int>{2, 8, 0}));
    const std::string scores = temp / "Stat_scr.dat";
    const auto player = [&](const char* section, const char* key) {
        const std::string entry = ReadValue(scores, section, key, "");
        return std::string(TrimRight(Columns(entry, 39, 30)));
    };
    EXPECT_EQ(ListKeys(scores, "00007").size(), 20u);
    EXPECT_EQ(player("00007", "01-03"), "Ann");
    EXPECT_EQ(player("00007", "01-09"), "Bob");
    EXPECT_EQ(player("00007", "01-04").substr(0, 2), "* ");
    EXPECT_EQ(ReadValue(scores, "00007", "01-01", "").substr(0, 12), "000000000050");
    EXPECT_EQ(ReadValue(scores, "00007", "01-20", "").size(), 122u);
    EXPECT_EQ(ReadValue(scores, "00008", "01-01", "").substr(0, 12), "000000000090");
    const std::string lost = ReadValue(scores, "00008", "01-01", "");
    EXPECT_EQ(Columns(lost, 86, 4), "Lost");
    EXPECT_EQ(ListSections(scores), (std::vector<std::string>{"Version", "00007", "00008"}));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 5), true));  // disabled: no entry
    // Lower than all 20: nothing changes, nobody is congratulated.
    ASSERT_TRUE(recorder.RecordGame(Game(true, 0, "Dee"), false));
    EXPECT_EQ(announced.size(), 3u);
}

TEST_F(RecorderTest, SeededTablesAndTheClearMarker) {
    const LocalTime now{2026, 12, 9, 23, 5, 7, 0};
    const std::vector<std::string> seeded = SeededHiScores(now);
    ASSERT_EQ(seeded.size(), 20u);
    const std::vector<int> expected = {50, 47, 44, 41, 38, 35, 32, 29, 26, 23,
                                       20, 17, 14, 12, 10, 8,  6,  4,  2,  1};
    std::set<std::string> names;
    for (std::size_t rank = 0; rank < seeded.size(); ++rank) {
        const std::string& entry = seeded[rank];
        ASSERT_EQ(entry.size(), 122u);
        EXPECT_EQ(std::stoi(entry.substr(0, 12)), expected[rank]);
        EXPECT_EQ(std::stoi(entry.substr(13, 6)), 5 * expected[rank]);
        EXPECT_EQ(entry.substr(20, 8), "20261209");
        EXPECT_EQ(entry.substr(29, 8), "23:05:07");
        EXPECT_EQ(entry.substr(38, 2), "* ");
        names.insert(entry.substr(38, 30));
        EXPECT_EQ(entry.substr(69, 15), "000000000000000");
        EXPECT_EQ(entry.substr(85, 4), "Won ");
        EXPECT_EQ(entry.substr(118, 4), "01 x");
    }
    EXPECT_EQ(names.size(), 20u) << "one first name per rank";

    // Showing a table never played seeds it and writes it.
    const std::vector<std::string> shown = recorder.LoadHiScores(9, now, false);
    EXPECT_EQ(shown, seeded);
    EXPECT_EQ(ReadValue(temp / "Stat_scr.dat", "00009", "01-01", ""), seeded[0]);
    // With statistics disabled nothing is written.
    EXPECT_EQ(recorder.LoadHiScores(10, now, true), seeded);
    EXPECT_EQ(ReadValue(temp / "Stat_scr.dat", "00010", "01-01", "none"), "none");

    // After all hi-scores were cleared a new table starts empty: the first
    // result takes rank 1.
    ASSERT_TRUE(AppendSection(temp / "Stat_scr.dat", "Clear scores", {"Cleared"}, {"Y"}));
    EXPECT_TRUE(recorder.HiScoresCleared());
    EXPECT_EQ(recorder.OfferHiScore(Game(true, 3, "Ann", 11)), 0);
    EXPECT_TRUE(HiScoreTableEmpty(recorder.LoadHiScores(12, now, false)));
}

TEST_F(RecorderTest, TrimmingKeepsTheNewestRecordsAndTheProgression) {
    // One game recorded, then a log of 12,000 records put in place.
    ASSERT_TRUE(recorder.RecordGame(Game(true, 10), false));
    std::string records;
    for (int game = 0; game < 12000; ++game) {
        GameResult result = Game(game % 3 != 0, game);
        result.gameNumber = FormatFixed(game, 13);
        records += FormatLogLine(result) + "\r\n";
    }
    const std::string log = recorder.LogPath();
    ASSERT_TRUE(WriteFileAtomically(log, records));
    const std::string progression = recorder.ProgressionPath("Ann");
    const std::string progressionBefore = *ReadFileBytes(progression, 1u << 20);
    const std::vector<std::string> before = *ReadLines(log, kMaxRecordFileBytes);
    ASSERT_EQ(before.size(), 12000u);

    EXPECT_EQ(recorder.TrimLog(5000), "Log Statistics have been cleared.");
    const std::vector<std::string> after = *ReadLines(log, kMaxRecordFileBytes);
    ASSERT_EQ(after.size(), 5000u);
    EXPECT_EQ(after.front(), before[7000]);
    EXPECT_EQ(after.back(), before.back());
    EXPECT_EQ(*ReadFileBytes(progression, 1u << 20), progressionBefore)
        << "trimming the log keeps the other statistics";
    EXPECT_FALSE(std::filesystem::exists(temp / "_Stat_log.tmp"));
    // Keeping more than there is changes nothing.
    EXPECT_EQ(recorder.TrimLog(9000), "Log Statistics have been cleared.");
    EXPECT_EQ(ReadLines(log, kMaxRecordFileBytes)->size(), 5000u);

    EXPECT_EQ(recorder.ClearLog("Ann"), "Log Statistics have been cleared.");
    EXPECT_FALSE(std::filesystem::exists(log));
    EXPECT_FALSE(std::filesystem::exists(progression));
    EXPECT_TRUE(std::filesystem::exists(recorder.StatPath()));
}

}  // namespace
}  // namespace jw
