#include "engine/LayoutReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LayoutTestSupport.h"
#include "engine/LayoutWriter.h"
#include "platform/TempFolder.h"

namespace jw {
namespace {

using test::BodyOf;
using test::FileFromPlainLines;
using test::LayoutText;

class LayoutReading : public ::testing::Test, public test::LayoutFixture {
  protected:
    bool Read(const std::string& text, ReadMode mode = ReadMode::Preview, GameId id = 0) {
        return ReadLayoutText(*engine, mode, text, id);
    }
    std::vector<std::string> Messages() const { return host.MessageTexts(); }
};

TEST_F(LayoutReading, TenLinesGiveNoBoardElevenWithAnEmptyBodyAnEmptyOne) {
    engine->PlaceTile(1, 1, 1, 1);
    engine->board.tileCount = 1;
    std::vector<std::string> ten(10, "");
    ten[0] = "01";
    EXPECT_FALSE(Read(JoinLinesCrLf(ten)));
    EXPECT_EQ(engine->board.CountAnchors(), 0);
    EXPECT_EQ(engine->gameName, "Standard");  // the name is set however the read ends

    EXPECT_TRUE(Read(LayoutText("020200000000", "")));
    EXPECT_EQ(engine->board.tileCount, 0);
    EXPECT_EQ(engine->board.tilesLeft, 0);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(LayoutReading, RulesLine) {
    Read(LayoutText("020200000000", ""));
    EXPECT_EQ(engine->rules, LayoutRules{});
    Read(LayoutText("0302010301", ""));  // ten columns: FaceDown 0
    EXPECT_EQ(engine->rules.tilesToMatch, 3);
    EXPECT_EQ(engine->rules.removeRule, 1);
    EXPECT_EQ(engine->rules.setCount, 3);
    EXPECT_EQ(engine->rules.faceless, 1);
    EXPECT_EQ(engine->rules.faceDown, 0);
    Read(LayoutText("040000000001", ""));
    EXPECT_EQ(engine->rules.repetition, 2);  // 00 reads as 2
    EXPECT_EQ(engine->rules.faceDown, 1);
    Read(LayoutText("04040x000001", ""));  // one rule not a number: all defaults
    EXPECT_EQ(engine->rules, LayoutRules{});
    EXPECT_TRUE(Messages().empty());

    Read(LayoutText("020202000003", ""));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Error FLL RSS 01", "Error FLL TD 01"}));
    EXPECT_EQ(engine->rules.faceDown, 3);  // reported, kept as read
}

TEST_F(LayoutReading, LevelSixAnchorsAreReportedAndStored) {
    Read(LayoutText("020200000000", BodyOf({{1, 1, 1}}) + "060050051003" + "060060051004"));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Error LY01", "Error LY01", "Error fl_L1 : 3 - 3"}));
    EXPECT_EQ(engine->board.At(6, 5, 5), 1003);
    EXPECT_EQ(engine->board.At(6, 6, 5), 1004);
    EXPECT_EQ(engine->board.tileCount, 3);
    EXPECT_EQ(engine->board.perLevel[1], 1);
    EXPECT_EQ(engine->board.levels, 1);
}

TEST_F(LayoutReading, RecordsOutsideTheBoardAreSkipped) {
    const std::string tile = BodyOf({{1, 1, 1}});
    Read(LayoutText("020200000000", tile + "000050051001" + "070050051001" + "010000051001" +
                                        "012010051001" + "01005201-001" + "01-01005-001"));
    EXPECT_EQ(
        Messages(),
        (std::vector<std::string>{"Error LY02 : 6 cell records outside the board were skipped"}));
    EXPECT_EQ(engine->board.tileCount, 1);
    EXPECT_EQ(engine->board.At(1, 1, 1), 1001);
}

TEST_F(LayoutReading, UnreadableRecordStopsTheBody) {
    Read(LayoutText("020200000000", BodyOf({{1, 1, 1}}) + "01abc0051001" + BodyOf({{1, 9, 9}})));
    EXPECT_EQ(Messages().front(), "Error in reading the file: ");
    EXPECT_EQ(engine->board.tileCount, 1);
    host.messages.clear();
    Read(LayoutText("020200000000", BodyOf({{1, 1, 1}}) + "0100"));  // truncated record
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Error in reading the file: "}));
    EXPECT_EQ(engine->board.tileCount, 1);
}

TEST_F(LayoutReading, CountsAndPlacement) {
    // Two tiles far from the corner, one of them on level 2.
    ASSERT_TRUE(Read(LayoutText("020200000000", BodyOf({{1, 50, 40}, {1, 52, 41}, {2, 51, 40}}))));
    const Board& board = engine->board;
    EXPECT_EQ(board.At(1, 1, 1), 1001);  // leftmost anchor in column 1, topmost in row 1
    EXPECT_EQ(board.At(1, 3, 2), 1002);
    EXPECT_EQ(board.At(2, 2, 1), 1003);
    EXPECT_EQ(board.At(1, 50, 40), 0);
    EXPECT_EQ(board.tileCount, 3);
    EXPECT_EQ(board.tilesLeft, 3);
    EXPECT_EQ(board.levels, 2);
    EXPECT_EQ(board.perLevel[1], 2);
    EXPECT_EQ(board.perLevel[2], 1);
    EXPECT_EQ(board.idCounter, 4);  // highest id + 1
    EXPECT_TRUE(Messages().empty());
}

TEST_F(LayoutReading, APositionHoldsWhatItsLastRecordSaid) {
    // An anchor written left of the layout and then emptied again does not
    // count where the layout is moved to; a cell written twice keeps the
    // second value.
    ASSERT_TRUE(Read(LayoutText(
        "020200000000", "010100101009" + BodyOf({{1, 50, 40}}) + "010100100000" + "010500401001")));
    const Board& board = engine->board;
    EXPECT_EQ(board.At(1, 1, 1), 1001);
    EXPECT_EQ(board.At(1, 2, 2), QuarterCode(1));
    EXPECT_EQ(board.FindAnchor(1009).level, 0);
    EXPECT_EQ(board.OccupiedCells().size(), 4u);
}

TEST_F(LayoutReading, LoneAnchorReportsTheQuarterCount) {
    Read(LayoutText("020200000000", "010100101005"));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Error fl_L1 : 0 - 1"}));
}

TEST_F(LayoutReading, ScreenFitSeam) {
    bool flagSeen = false;
    engine->layoutSeams.fitToScreen = [&](TMahJong_Base&, bool fitFlag) {
        flagSeen = fitFlag;
        return false;
    };
    host.screen = {800, 600, 16};
    engine->gameId = 3;
    EXPECT_FALSE(Read(LayoutText("020200000000", BodyOf({{1, 1, 1}})), ReadMode::NewGame, 0));
    EXPECT_TRUE(flagSeen);  // another game, automatic tile size on by default
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Your video card's display is 800 x 600\rYou can't play: "
                                        "Standard\rPlease set an higher screen resolution."}));
    settings.WriteString("Preference", "Automatic_Tile_Size", "N");
    Read(LayoutText("020200000000", ""), ReadMode::NewGame, 1);
    EXPECT_FALSE(flagSeen);
}

TEST_F(LayoutReading, BrokenLinesAndGarbageDoNotCrash) {
    // A scrambled CR LF inside line 1 splits it; the lines after it shift.
    std::string text = LayoutText("020200000000", BodyOf({{1, 1, 1}}));
    text.insert(text.find("\r\n") + 10, "\r\n");
    Read(text, ReadMode::OpenSaved, -1);
    Read(std::string(5000, '\n'), ReadMode::OpenSaved, -1);
    Read(std::string(100000, '\xFF'), ReadMode::GoToBookmark, -1);
    std::string noise;
    for (int i = 0; i < 20000; ++i) {
        noise.push_back(static_cast<char>((i * 7919) % 251));
    }
    Read(noise, ReadMode::ResumeHeld, -1);
    EXPECT_LE(engine->board.CountAnchors(), kMaxTiles);
}

class LayoutSources : public LayoutReading {};

TEST_F(LayoutSources, MissingSources) {
    EXPECT_FALSE(ReadLayout(*engine, ReadMode::NewGame, "", 7));
    test::TempFolder folder;
    engine->dataFolder = folder.Path().string() + "/";
    EXPECT_FALSE(ReadLayout(*engine, ReadMode::NewGame, "", 10004));
    EXPECT_FALSE(ReadLayout(*engine, ReadMode::OpenSaved, folder / "none.mjg", -1));
    EXPECT_FALSE(ReadLayout(*engine, ReadMode::NewGame, folder / "none.mjg", -1));
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "File not found: G00007",
                              "File not found: " + folder.Path().string() + "/cl/cl_10004.dat",
                              "File not found: " + folder / "none.mjg"}));
}

TEST_F(LayoutSources, HugeFileIsRefused) {
    test::TempFolder folder;
    const std::string path = folder / "huge.mjg";
    {
        std::ofstream out(path, std::ios::binary);
        const std::string block(1 << 20, '0');
        for (int i = 0; i < 50; ++i) {
            out << block;
        }
    }
    EXPECT_FALSE(ReadLayout(*engine, ReadMode::OpenSaved, path, -1));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Error in reading the file: " + path}));
}

TEST_F(LayoutSources, BuiltInFromResourcesAndHeldGameDeletedOnceRead) {
    resources.entries["GAMES/G00089"] = LayoutText("020201010001", BodyOf({{1, 1, 1}, {1, 3, 1}}));
    ASSERT_TRUE(ReadLayout(*engine, ReadMode::NewGame, "", 89));
    EXPECT_EQ(engine->gameName, "Rectangle 16");
    EXPECT_EQ(engine->board.tileCount, 2);

    test::TempFolder folder;
    const std::string path = folder / "Stat_e01.dat";
    ASSERT_TRUE(WriteFileAtomically(path, LayoutText("020200000000", BodyOf({{1, 1, 1}}))));
    ReadLayout(*engine, ReadMode::ResumeHeld, path, -1);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(engine->gameId, -1);  // a layout file says -1
}

class GameFiles : public LayoutReading {
  protected:
    // A game of game 57 with two of its three tiles removed.
    void SetUpGame() {
        engine->mode = EngineMode::Playing;
        engine->gameId = 57;
        engine->gameNumber = "0123456789012";
        engine->playerName = "Ildikó";
        engine->elapsedSeconds = 3725;
        engine->scoreType = "01";
        engine->madeInEditor = true;
        engine->rules.faceDown = 1;
        engine->rules.removeRule = 1;
        engine->rules.setCount = 2;
        engine->PlaceTile(1, 1, 1, 5);
        engine->PlaceTile(1, 3, 1, 9);
        engine->PlaceTile(2, 2, 1, 12);
        engine->board.tileCount = 3;
        engine->board.tilesLeft = 3;
        ASSERT_TRUE(engine->RemoveTileAt(2, 2, 1, true));
        ASSERT_TRUE(engine->RemoveTileAt(1, 3, 1, true));
        engine->counters = {4, 2, -30, 1, 15, 3, 45, 1, 100, 876};
        engine->suggestedPairs = "some pairs";
        engine->undoStack.Push("0100000000 undo one");
        engine->undoStack.Push("0200000000 undo two");
        engine->redoStack.Push("0100000000 redo");
    }
};

TEST_F(GameFiles, SavedGameRoundTrip) {
    SetUpGame();
    test::TempFolder folder;
    const std::string path = folder / "game.mjg";
    ASSERT_TRUE(WriteLayoutFile(*engine, LayoutFileKind::SavedGame, path));

    test::ScriptedHost otherHost;
    TMahJong_Base other(otherHost);
    ASSERT_TRUE(ReadLayout(other, ReadMode::OpenSaved, path, -1));
    EXPECT_TRUE(otherHost.messages.empty());
    EXPECT_EQ(FormatBody(other.board), FormatBody(engine->board));
    EXPECT_EQ(other.board.At(1, 3, 1), -1);
    EXPECT_EQ(other.board.At(2, 3, 2), -2);
    EXPECT_EQ(other.board.tilesLeft, 1);
    EXPECT_EQ(other.board.tileCount, 3);  // the game's count, not the tiles left
    EXPECT_EQ(other.rules, engine->rules);
    EXPECT_EQ(other.gameId, 57);
    EXPECT_EQ(other.gameName, "Cross (2 Levels) 60");
    EXPECT_EQ(other.gameNumber, "0123456789012");
    EXPECT_EQ(other.playerName, "Ildikó");
    EXPECT_EQ(other.elapsedSeconds, 3725);
    EXPECT_TRUE(other.madeInEditor);
    EXPECT_EQ(other.counters.matchesMade, 4);
    EXPECT_EQ(other.counters.undoPenaltyTotal, -30);
    EXPECT_EQ(other.counters.suggestPenaltyTotal, 45);
    EXPECT_EQ(other.counters.shufflePenaltyTotal, 100);
    EXPECT_EQ(other.counters.rawScore, 876);
    EXPECT_EQ(other.suggestedPairs, "some pairs");
    EXPECT_EQ(other.undoStack.Lines(), engine->undoStack.Lines());
    EXPECT_EQ(other.redoStack.Lines(), engine->redoStack.Lines());
}

TEST_F(GameFiles, WhatEachModeTakes) {
    SetUpGame();
    const std::string text = LayoutFileText(LayoutContentOf(*engine, LayoutFileKind::Bookmark));
    test::ScriptedHost otherHost;
    TMahJong_Base other(otherHost);
    other.counters.matchesMade = 99;
    other.board.tileCount = 3;
    other.playerName = "me";
    ReadLayoutText(other, ReadMode::GoToBookmark, text, 57);
    EXPECT_EQ(other.counters.matchesMade, 99);  // the bookmark keeps these
    EXPECT_EQ(other.counters.shuffleCount, 1);  // and takes these
    EXPECT_EQ(other.counters.rawScore, 876);
    EXPECT_EQ(other.playerName, "me");
    EXPECT_EQ(other.gameNumber, "0123456789012");
    EXPECT_EQ(other.board.tileCount, 3);

    ReadLayoutText(other, ReadMode::Restart, text, 57);
    EXPECT_EQ(other.counters.matchesMade, 0);
    EXPECT_EQ(other.counters.shuffleCount, 0);
    EXPECT_EQ(other.board.tileCount, 1);  // a layout read counts what lies there
}

TEST_F(GameFiles, StoredTileCountThatDisagreesIsRecounted) {
    SetUpGame();
    LayoutFileContent content = LayoutContentOf(*engine, LayoutFileKind::SavedGame);
    content.header.tileCount = 9999;
    test::ScriptedHost otherHost;
    TMahJong_Base other(otherHost);
    ReadLayoutText(other, ReadMode::OpenSaved, LayoutFileText(content), -1);
    EXPECT_EQ(other.board.tileCount, 3);  // one live anchor, two removed
}

TEST_F(GameFiles, TileFamilyOfTheFileIsSelected) {
    SetUpGame();
    engine->scoreType = "02";
    const std::string text = LayoutFileText(LayoutContentOf(*engine, LayoutFileKind::HeldGame));
    settings.WriteInteger("Preference", "02_Tile_Set", 503);
    settings.WriteString("Preference", "02_Additional_Tile_Set", "ADD7");
    int reloads = 0;
    engine->layoutSeams.reloadTileSet = [&] { ++reloads; };
    engine->scoreType = "01";
    ReadLayoutText(*engine, ReadMode::OpenSaved, text, -1);
    EXPECT_EQ(engine->scoreType, "02");
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(settings.ReadInteger("Preference", "Tile_Set", 0), 503);
    EXPECT_EQ(settings.ReadString("Preference", "Additional_Tile_Set", "-"), "ADD7");
    EXPECT_EQ(settings.ReadString("Preference", "Customized_Tile_Set", "-"), "");

    LayoutFileContent bad = LayoutContentOf(*engine, LayoutFileKind::SavedGame);
    bad.header.scoreType = "07";
    ReadLayoutText(*engine, ReadMode::OpenSaved, LayoutFileText(bad), -1);
    EXPECT_EQ(engine->scoreType, "01");
    EXPECT_EQ(Messages().back(), "Score Type Error (fnL): 07");
}

TEST_F(GameFiles, TilesAtTheEdgeOfTheGridKeepEveryCell) {
    engine->PlaceTile(1, 1, 1, 1);
    engine->PlaceTile(1, 199, 199, 2);
    engine->PlaceTile(2, 199, 1, 3);
    engine->PlaceTile(1, 199, 1, 4);
    engine->board.tileCount = 4;
    const std::string text = LayoutFileText(LayoutContentOf(*engine, LayoutFileKind::HeldGame));
    test::ScriptedHost otherHost;
    TMahJong_Base other(otherHost);
    ReadLayoutText(other, ReadMode::OpenSaved, text, -1);
    EXPECT_TRUE(otherHost.messages.empty());
    EXPECT_EQ(FormatBody(other.board), FormatBody(engine->board));
    EXPECT_EQ(other.board.At(1, 200, 200), 2002);
    EXPECT_EQ(other.board.At(2, 200, 2), 2003);

    // An anchor in the last column has no room for its tile: its quarters
    // would lie outside and are not stored.
    const std::string edge =
        "012001001005"
        "012011002005"
        "012001012005"
        "012011012005";
    ReadLayoutText(other, ReadMode::Preview, LayoutText("020200000000", edge), 0);
    EXPECT_EQ(other.board.At(1, 1, 1), 1005);
    EXPECT_EQ(other.board.At(1, 2, 1), 0);
    EXPECT_EQ(other.board.At(1, 1, 2), 2005);
    EXPECT_EQ(
        otherHost.MessageTexts(),
        (std::vector<std::string>{"Error LY02 : 2 cell records outside the board were skipped",
                                  "Error fl_L1 : 1 - 1"}));
}

}  // namespace
}  // namespace jw
