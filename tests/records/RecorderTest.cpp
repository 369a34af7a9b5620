#include "records/Recorder.h"

#include <gtest/gtest.h>

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
    ASSERT_TRUE(recorder.RecordGame(Game(true, 30), false));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 90, "Bob"), false));
    ASSERT_TRUE(recorder.RecordGame(Game(false, 60, "Cy", 8), false));
    EXPECT_EQ(announced, (std::vector<int>{0, 0, 0}));
    const std::string scores = temp / "Stat_scr.dat";
    EXPECT_EQ(ListKeys(scores, "00007").size(), 20u);
    EXPECT_EQ(TrimRight(Columns(ReadValue(scores, "00007", "01-01", ""), 39, 30)), "Bob");
    EXPECT_EQ(TrimRight(Columns(ReadValue(scores, "00007", "01-02", ""), 39, 30)), "Ann");
    EXPECT_EQ(ReadValue(scores, "00007", "01-20", "").size(), 122u);
    EXPECT_EQ(ReadValue(scores, "00008", "01-01", "").substr(0, 12), "000000000060");
    EXPECT_EQ(ListSections(scores), (std::vector<std::string>{"Version", "00007", "00008"}));
    ASSERT_TRUE(recorder.RecordGame(Game(true, 5), true));  // disabled: no entry
    EXPECT_EQ(announced.size(), 3u);
}

}  // namespace
}  // namespace jw
