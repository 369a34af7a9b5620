// The account of a game file that jadewind-tool replay prints.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "engine/GameFileReport.h"
#include "engine/LayoutWriter.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

bool Has(const std::string& text, const std::string& line) {
    return text.find(line + "\n") != std::string::npos;
}

class GameFileReportTest : public ::testing::Test, public test::EngineFixture {
  protected:
    test::TempFolder folder;
};

TEST_F(GameFileReportTest, ShowsTheHeaderTheBoardAndBothLists) {
    engine.board.PlaceTile(1, 1, 1, 17);
    engine.board.PlaceTile(1, 5, 1, 18);
    engine.board.PlaceTile(1, 9, 1, 1);
    engine.board.PlaceTile(1, 13, 1, 2);
    BeginOnBoard(4);
    engine.gameId = 0;
    engine.gameNumber = "1234567890123";
    engine.playerName = "Ann";
    engine.elapsedSeconds = 3725;
    Pick(1, 1, 1);
    Pick(1, 5, 1);
    engine.counters.undoCount = 1;
    engine.counters.undoPenaltyTotal = 100;
    engine.redoStack.Push(ShuffleUndoRecord(FormatBody(engine.board), 50, 25));
    const std::string file = folder / "game.mjg";
    ASSERT_TRUE(WriteLayoutFile(engine, LayoutFileKind::SavedGame, file));

    const std::optional<std::string> report =
        GameFileReport(*ReadFileBytes(file, kMaxLayoutFileBytes));
    ASSERT_TRUE(report);
    const std::string& r = *report;
    EXPECT_TRUE(Has(r, "file: saved game (kind 2)")) << r;
    EXPECT_TRUE(Has(r, "game: 0 Standard"));
    EXPECT_TRUE(Has(r, "game number: 1234567890123"));
    EXPECT_TRUE(Has(r, "player: Ann"));
    EXPECT_TRUE(Has(r, "clock: 1:02:05 (3725 s)"));
    EXPECT_TRUE(Has(r, "tile count: 4"));
    EXPECT_TRUE(Has(r, "raw score: 50"));
    EXPECT_TRUE(Has(r, "matches made: 1"));
    EXPECT_TRUE(Has(r, "undo: 1 (penalty 100)"));
    EXPECT_TRUE(Has(r, "score: -50"));
    EXPECT_TRUE(Has(r, "tiles on the board: 2"));
    EXPECT_TRUE(Has(r, "level 1: 2 tiles, columns 1-14, rows 1-2"));
    EXPECT_TRUE(Has(r, "  xx..xx..#+..#+")) << r;
    EXPECT_TRUE(Has(r, "  xx..xx..++..++"));
    EXPECT_TRUE(Has(r, "  9,1=1 13,1=2"));
    EXPECT_TRUE(Has(r, "undo records: 1"));
    EXPECT_TRUE(Has(r, "  1 match L1 1,1=17 L1 5,1=18, score 0 -> 50"));
    EXPECT_TRUE(Has(r, "redo records: 1"));
    EXPECT_TRUE(Has(r, "  1 shuffle of a board of 2 tiles, score 50 -> 25"));
}

TEST_F(GameFileReportTest, DamagedFilesAreShownNotTrusted) {
    EXPECT_FALSE(GameFileReport(std::string(10, '\n')));
    EXPECT_FALSE(IsGameFileText(std::string(10, '\n')));
    std::vector<std::string> plain = {
        "02",
        std::string(377, 'z'),
        "0202000000",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "0100300310010199199"  // one record, then one cut short
        "01003004",
        "[Un_St]",
        "01000000000100x003100x" + std::string(36, ' ') + std::string(24, 'q'),
        "09junk",
        "[Un_En]",
    };
    ScrambleLines(plain);
    const std::optional<std::string> report = GameFileReport(JoinLinesCrLf(plain));
    ASSERT_TRUE(report);
    EXPECT_TRUE(Has(*report, "file: unknown (kind z)"));
    EXPECT_TRUE(Has(*report, "first line: \"02\" (expected \"01\")"));
    EXPECT_TRUE(Has(*report, "game: ?"));
    EXPECT_TRUE(Has(*report, "score: ?"));
    EXPECT_TRUE(Has(*report, "body: a record is not a number; the rest of the body is not read"));
    EXPECT_TRUE(Has(*report, "body: 1 records off the board"));
    EXPECT_TRUE(Has(*report, "tiles on the board: 1"));
    EXPECT_TRUE(Has(*report, "  1 match [0100x003100x?], score ? -> ?")) << *report;
    EXPECT_TRUE(Has(*report, "  2 unknown kind \"09\", score ? -> ?"));
    EXPECT_TRUE(Has(*report, "redo records: 0"));
}

TEST_F(GameFileReportTest, OnlyTheProgramsOwnKindsOfFileAreGameFiles) {
    engine.board.PlaceTile(1, 1, 1, 1);
    engine.board.PlaceTile(1, 5, 1, 2);
    BeginOnBoard(2);
    const std::string file = folder / "game.mjg";
    ASSERT_TRUE(WriteLayoutFile(engine, LayoutFileKind::SavedGame, file));
    const std::string saved = *ReadFileBytes(file, kMaxLayoutFileBytes);
    EXPECT_TRUE(IsGameFileText(saved));

    // Many lines of bytes that are no game file: a picture, say.
    std::string picture;
    for (int line = 0; line < 40; ++line) {
        picture += "\x89PNG\x1b[2J\x07 garbage " + std::to_string(line) + "\r\n";
    }
    EXPECT_FALSE(IsGameFileText(picture));
}

}  // namespace
}  // namespace jw
