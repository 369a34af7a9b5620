// Undo and redo of matches and shuffles, their limits and penalties, damaged
// records, the restart and the bookmark.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "engine/FixedText.h"
#include "engine/Scoring.h"
#include "engine/reference/SampleBoards.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace jw {
namespace {

using literal::TurtleAnchors;

class UndoRedo : public ::testing::Test, public test::EngineFixture {
  protected:
    void SetUp() override {
        AddLayout(0, TurtleAnchors());
        engine.dataFolder = folder.Path().string() + "/";
    }
    void StartTurtle() {
        host.randomValues = {4242424, 171717};
        ASSERT_TRUE(engine.StartGame(ReadMode::NewGame, 0, "", "Ann"));
    }
    // Plays the first pair the finder offers; false when there is none.
    bool PlayAPair() {
        if (engine.finder.Available() == 0) {
            return false;
        }
        const MatchCandidate pair = engine.finder.Candidates().front();
        for (int t = 0; t < 2; ++t) {
            const BoardPos pos = engine.board.FindAnchor(pair.codes[static_cast<std::size_t>(t)]);
            Pick(pos);
        }
        return true;
    }
    // A lone, free tile on a board built by the test.
    BoardPos Lone(TileId id) {
        const BoardPos pos{1, 3 + 4 * placed++, 3};
        engine.board.PlaceTile(pos.level, pos.column, pos.row, id);
        return pos;
    }
    bool Pick(const BoardPos& pos) { return EngineFixture::Pick(pos.level, pos.column, pos.row); }
    std::string Body() const { return FormatBody(engine.board); }

    test::TempFolder folder;
    int placed = 0;
};

TEST_F(UndoRedo, UndoPutsAPairBackAndRedoTakesItAgainAtTheirPenalties) {
    StartTurtle();
    while (engine.board.tilesLeft > 102) {
        ASSERT_TRUE(PlayAPair());
    }
    const std::string before = Body();
    const std::int64_t scoreBefore = engine.counters.rawScore;
    ASSERT_TRUE(PlayAPair());
    const std::string after = Body();
    const std::int64_t scoreAfter = engine.counters.rawScore;
    ASSERT_GT(scoreAfter, scoreBefore);
    ASSERT_EQ(engine.board.tilesLeft, 100);
    host.sounds.clear();

    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(Body(), before);  // both tiles back, with their ids
    EXPECT_EQ(engine.board.tilesLeft, 102);
    EXPECT_EQ(engine.counters.rawScore, scoreBefore);
    EXPECT_EQ(engine.counters.undoPenaltyTotal, 100);  // 2 x (100 / 2)
    EXPECT_EQ(engine.counters.undoCount, 1);
    EXPECT_EQ(engine.redoStack.Size(), 1u);
    EXPECT_EQ(engine.board.tileCount, 144);

    ASSERT_TRUE(engine.Redo());
    EXPECT_EQ(Body(), after);
    EXPECT_EQ(engine.board.tilesLeft, 100);
    EXPECT_EQ(engine.counters.rawScore, scoreAfter);
    EXPECT_EQ(engine.counters.redoPenaltyTotal, 51);  // 102 / 2
    EXPECT_EQ(engine.counters.redoCount, 1);
    EXPECT_TRUE(engine.redoStack.Empty());
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"Undo", "Redo"}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(UndoRedo, LimitsAndRefusalsBeep) {
    EXPECT_FALSE(engine.Undo());  // no game
    EXPECT_EQ(host.beeps, 1);
    StartTurtle();
    EXPECT_FALSE(engine.Undo());  // nothing to undo
    EXPECT_FALSE(engine.Redo());
    EXPECT_EQ(host.beeps, 3);

    settings.WriteInteger("Preference", "Undo_Enabled", 1);
    ASSERT_TRUE(PlayAPair());
    ASSERT_TRUE(PlayAPair());
    EXPECT_TRUE(engine.Undo());
    EXPECT_FALSE(engine.Undo());  // one undo between two moves
    EXPECT_EQ(host.beeps, 4);
    EXPECT_TRUE(engine.Redo());
    EXPECT_FALSE(engine.Redo());
    EXPECT_EQ(host.beeps, 5);
    ASSERT_TRUE(PlayAPair());  // a new match allows one more of each
    EXPECT_TRUE(engine.Undo());
    EXPECT_TRUE(engine.Redo());

    settings.WriteInteger("Preference", "Undo_Enabled", 2);
    EXPECT_FALSE(engine.Undo());
    EXPECT_EQ(host.beeps, 6);
    EXPECT_EQ(engine.counters.undoCount, 2);
    EXPECT_EQ(engine.counters.redoCount, 2);

    settings.WriteInteger("Preference", "Undo_Enabled", 0);
    engine.play.busy = true;  // a hint on show
    EXPECT_FALSE(engine.Undo());
    EXPECT_EQ(host.beeps, 7);
}

TEST_F(UndoRedo, TheMoveCommandsFollowTheGame) {
    EXPECT_EQ(engine.MoveCommands(), MoveCommandStates{});
    StartTurtle();
    MoveCommandStates faceUp;
    faceUp.undo = faceUp.redo = faceUp.suggestMove = true;
    faceUp.insertBookmark = faceUp.save = faceUp.holdAndExit = true;
    EXPECT_EQ(engine.MoveCommands(), faceUp);

    ASSERT_TRUE(engine.InsertBookmark());
    faceUp.goToBookmark = true;
    EXPECT_EQ(engine.MoveCommands(), faceUp);

    engine.rules.faceDown = 1;
    const MoveCommandStates states = engine.MoveCommands();
    EXPECT_FALSE(states.undo || states.redo || states.suggestMove);
    EXPECT_TRUE(states.insertBookmark && states.goToBookmark);
    // Memory-Up games take nothing back, whatever the "No more matches"
    // window offers.
    EXPECT_FALSE(engine.Undo());

    engine.rules.faceDown = 0;
    engine.EndGame();
    EXPECT_EQ(engine.MoveCommands(), MoveCommandStates{});
}

TEST_F(UndoRedo, UndoOfAShuffleRestoresTheBoardAndRedoDealsItAgain) {
    StartTurtle();
    for (int k = 0; k < 6; ++k) {
        ASSERT_TRUE(PlayAPair());
    }
    const std::string beforeShuffle = Body();
    const GameCounters countersBefore = engine.counters;
    engine.Shuffle();
    const std::string afterShuffle = Body();
    const GameCounters countersAfter = engine.counters;
    const std::int64_t penalty = countersAfter.shufflePenaltyTotal;
    ASSERT_GT(penalty, 0);
    ASSERT_NE(afterShuffle, beforeShuffle);

    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(Body(), beforeShuffle);
    EXPECT_EQ(engine.counters.shuffleCount, 0);
    EXPECT_EQ(engine.counters.shufflePenaltyTotal, 0);
    EXPECT_EQ(engine.counters.rawScore, countersBefore.rawScore);
    EXPECT_EQ(engine.board.tileCount, 144);  // the game's count, not the tiles left
    EXPECT_EQ(engine.board.tilesLeft, 132);

    ASSERT_TRUE(engine.Redo());
    EXPECT_EQ(Body(), afterShuffle);  // the board the shuffle gave
    EXPECT_EQ(engine.counters.shuffleCount, 1);
    EXPECT_EQ(engine.counters.shufflePenaltyTotal, penalty);
    // The shuffle is charged once; undo and redo have penalties of their own.
    EXPECT_EQ(engine.counters.rawScore, countersAfter.rawScore);
    EXPECT_EQ(DisplayedScore(engine.counters), DisplayedScore(countersAfter) -
                                                   engine.counters.undoPenaltyTotal -
                                                   engine.counters.redoPenaltyTotal);
    EXPECT_EQ(engine.board.tileCount, 144);
    EXPECT_TRUE(host.messages.empty());
}

class DamagedRecords : public UndoRedo {
  protected:
    void SetUp() override {
        UndoRedo::SetUp();
        a = Lone(17);
        b = Lone(18);
        c = Lone(1);
        d = Lone(2);
        BeginOnBoard(4);
        Pick(a);
        Pick(b);  // removes a and b; their cells mark removed tiles
        removed = Body();
    }
    std::string Descriptor(BoardPos pos, CellCode code) { return MoveDescriptor(pos, code); }
    void PushUndo(std::array<std::string, 4> pieces, std::int64_t before = 0,
                  std::int64_t after = 50) {
        engine.undoStack.Push(MatchUndoRecord(pieces, before, after));
    }
    BoardPos a, b, c, d;
    std::string removed;
};

TEST_F(DamagedRecords, UnreadablePiecesAreReportedAndTheRestIsUndone) {
    engine.undoStack.Clear();
    PushUndo({"01005x031017", Descriptor(b, 1018), "", ""}, 0, 40);
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Undo read error 1."}));
    EXPECT_EQ(engine.board.At(b.level, b.column, b.row), 1018);
    EXPECT_EQ(engine.board.At(a.level, a.column, a.row), kRemovedAnchor);
    EXPECT_EQ(engine.board.tilesLeft, 3);
}

TEST_F(DamagedRecords, PiecesOffTheBoardOrOverLiveTilesChangeNothing) {
    engine.undoStack.Clear();
    PushUndo({Descriptor({7, 3, 3}, 1017),    // above the tile levels
              Descriptor({1, 200, 3}, 1017),  // its cells would leave the grid
              Descriptor(c, 1017),            // over another live tile
              Descriptor(b, 1001)});          // a tile that is on the board already
    PushUndo({Descriptor({1, -5, 3}, 1017), Descriptor(a, 2017), Descriptor(a, 1999), ""});
    ASSERT_TRUE(engine.Undo());
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>(7, "Undo read error 1."));
    EXPECT_EQ(Body(), removed);
    EXPECT_EQ(engine.board.tilesLeft, 2);
}

TEST_F(DamagedRecords, UnreadableScoresAndKinds) {
    engine.undoStack.Clear();
    engine.counters.rawScore = 77;
    const std::string record = MatchUndoRecord({Descriptor(a, 1017), "", "", ""}, 0, 0);
    engine.undoStack.Push(record.substr(0, record.size() - 24) + std::string(24, 'x'));
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Undo read error 2."}));
    EXPECT_EQ(engine.counters.rawScore, 77);
    EXPECT_EQ(engine.board.At(a.level, a.column, a.row), 1017);  // the pieces still count

    host.messages.clear();
    engine.undoStack.Push("07" + std::string(8, '0') + std::string(48, ' ') + FormatFixed(5, 12) +
                          FormatFixed(9, 12));
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Error RsUn - EP3"}));
    EXPECT_EQ(engine.counters.rawScore, 5);

    host.messages.clear();
    ASSERT_TRUE(engine.Redo());  // the same record back
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Error Rd - EP3"}));
    EXPECT_EQ(engine.counters.rawScore, 9);
}

TEST_F(DamagedRecords, RedoReportsTilesThatAreNotThere) {
    ASSERT_TRUE(engine.Undo());
    engine.redoStack.Clear();
    // c is on the board, a is back on the board after the undo; a piece
    // with the wrong code, one off the board and one unreadable.
    engine.redoStack.Push(MatchUndoRecord(
        {Descriptor(a, 1018), Descriptor({1, 250, 3}, 1001), "01003003abcd", Descriptor(c, 1001)},
        0, 60));
    host.messages.clear();
    ASSERT_TRUE(engine.Redo());
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Redo Error NR01", "Redo Error NR01",
                                                             "Redo read error 1."}));
    EXPECT_EQ(engine.board.At(c.level, c.column, c.row), kRemovedAnchor);
    EXPECT_EQ(engine.board.At(a.level, a.column, a.row), 1017);
    EXPECT_EQ(engine.counters.rawScore, 60);
}

TEST_F(DamagedRecords, AShuffleRecordThatDoesNotHoldTheTilesIsRefused) {
    const std::string live = Body();
    const GameCounters counters = engine.counters;
    const std::size_t records = engine.undoStack.Size();
    const std::string broken[] = {
        ShuffleUndoRecord("010030031001xyz", 100, 50),                 // not whole records
        ShuffleUndoRecord(live.substr(0, live.size() - 12), 100, 50),  // a cell short
        ShuffleUndoRecord(test::BodyOf({{1, 3, 3}, {1, 7, 3}, {1, 11, 3}}), 100,
                          50),  // other tiles
        ShuffleUndoRecord("", 100, 50),
    };
    for (const std::string& record : broken) {
        engine.undoStack.Push(record);
        EXPECT_FALSE(engine.Undo());
        engine.undoStack.Pop();
        engine.redoStack.Push(record);
        EXPECT_FALSE(engine.Redo());
        engine.redoStack.Pop();
    }
    EXPECT_EQ(host.MessageTexts().size(), 8u);
    EXPECT_EQ(host.MessageTexts().front(), "Undo read error 1.");
    EXPECT_EQ(host.MessageTexts().back(), "Redo read error 1.");
    EXPECT_EQ(Body(), live);
    EXPECT_EQ(engine.counters.shuffleCount, counters.shuffleCount);
    EXPECT_EQ(engine.counters.undoCount, 0);
    EXPECT_EQ(engine.undoStack.Size(), records);
    EXPECT_FALSE(engine.play.undoDone);
}

TEST_F(DamagedRecords, AShuffleRecordWithoutScoresStillRestoresTheBoard) {
    engine.counters.shuffleCount = 1;
    engine.counters.shufflePenaltyTotal = 30;
    engine.counters.rawScore = 40;
    engine.undoStack.Push("0200000000" + Body() + std::string(24, 'x'));
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(host.MessageTexts(),
              (std::vector<std::string>{"Undo read error 3.", "Undo read error 2."}));
    EXPECT_EQ(engine.counters.shuffleCount, 0);
    EXPECT_EQ(engine.counters.shufflePenaltyTotal, 30);
    EXPECT_EQ(engine.counters.rawScore, 40);
    EXPECT_EQ(Body(), removed);
}

TEST_F(UndoRedo, RestartDealsTheSameGameAgain) {
    EXPECT_FALSE(engine.Restart(true));  // no game in progress: nothing
    EXPECT_TRUE(host.messages.empty());

    StartTurtle();
    const std::string dealt = Body();
    const std::string number = engine.gameNumber;
    ASSERT_TRUE(PlayAPair());
    host.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(engine.Restart(true));
    EXPECT_EQ(host.MessageTexts(),
              (std::vector<std::string>{"Restart this game?\rGame number: " + number}));
    EXPECT_EQ(engine.counters.matchesMade, 1);
    EXPECT_TRUE(hooks.results.empty());

    ASSERT_TRUE(engine.Restart(true));
    EXPECT_EQ(Body(), dealt);
    EXPECT_EQ(engine.gameNumber, number);
    EXPECT_EQ(engine.playerName, "Ann");
    EXPECT_EQ(engine.counters.matchesMade, 0);
    EXPECT_TRUE(engine.undoStack.Empty());
    EXPECT_EQ(hooks.results.size(), 1u);  // the game left was booked

    // The buttons of the end windows restart an ended game without asking.
    engine.EndGame();
    host.messages.clear();
    ASSERT_TRUE(engine.Restart(false));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Body(), dealt);
}

TEST_F(UndoRedo, GoToBookmarkTakesTheBoardAndScoreBackButKeepsTheHelpCounters) {
    StartTurtle();
    ASSERT_TRUE(PlayAPair());
    ASSERT_TRUE(engine.InsertBookmark());
    EXPECT_EQ(host.messages.back().text, "Insert bookmark?");
    EXPECT_EQ(engine.play.bookmarkFile, engine.dataFolder + "Stat_b01.dat");
    const std::string marked = Body();
    const std::int64_t markedScore = engine.counters.rawScore;
    const std::vector<std::string> markedUndo = engine.undoStack.Lines();

    ASSERT_TRUE(PlayAPair());
    ASSERT_TRUE(PlayAPair());
    ASSERT_TRUE(engine.Undo());
    engine.SuggestMove();
    const GameCounters now = engine.counters;
    host.messages.clear();

    host.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(engine.GoToBookmark());
    EXPECT_NE(Body(), marked);

    ASSERT_TRUE(engine.GoToBookmark());
    EXPECT_EQ(host.MessageTexts().back(), "Go to bookmark?");
    EXPECT_EQ(Body(), marked);
    EXPECT_EQ(engine.counters.rawScore, markedScore);
    EXPECT_EQ(engine.undoStack.Lines(), markedUndo);
    EXPECT_TRUE(engine.redoStack.Empty());
    EXPECT_EQ(engine.counters.undoCount, now.undoCount);
    EXPECT_EQ(engine.counters.undoPenaltyTotal, now.undoPenaltyTotal);
    EXPECT_EQ(engine.counters.suggestCount, now.suggestCount);
    EXPECT_EQ(engine.counters.matchesMade, now.matchesMade);
    EXPECT_EQ(engine.board.tileCount, 144);
    EXPECT_EQ(engine.board.tilesLeft, 142);
    EXPECT_EQ(engine.playerName, "Ann");

    // The bookmark belongs to its game.
    StartTurtle();
    EXPECT_FALSE(engine.MoveCommands().goToBookmark);
}

TEST_F(UndoRedo, ABookmarkThatCannotBeReadLeavesTheGameAlone) {
    StartTurtle();
    ASSERT_TRUE(PlayAPair());
    ASSERT_TRUE(engine.InsertBookmark());
    ASSERT_TRUE(PlayAPair());
    const std::string board = Body();
    const std::vector<std::string> undo = engine.undoStack.Lines();
    const GameId id = engine.gameId;

    // Cut to ten lines: the file holds no board.
    const std::vector<std::string> lines =
        *ReadLines(engine.play.bookmarkFile, kMaxLayoutFileBytes);
    ASSERT_TRUE(WriteLinesAtomically(engine.play.bookmarkFile,
                                     std::vector<std::string>(lines.begin(), lines.begin() + 10)));
    host.messages.clear();
    EXPECT_FALSE(engine.GoToBookmark());
    EXPECT_EQ(Body(), board);
    EXPECT_EQ(engine.undoStack.Lines(), undo);
    EXPECT_EQ(engine.gameId, id);
    EXPECT_EQ(engine.gameName, "Standard");

    std::filesystem::remove(engine.play.bookmarkFile);
    host.messages.clear();
    EXPECT_FALSE(engine.GoToBookmark());
    EXPECT_EQ(host.MessageTexts().back(), "File not found: " + engine.play.bookmarkFile);
    EXPECT_EQ(engine.undoStack.Lines(), undo);
    EXPECT_TRUE(engine.play.playing);
}

TEST_F(UndoRedo, ABookmarkThatCannotBeWrittenIsNotOffered) {
    StartTurtle();
    engine.dataFolder = folder / "missing/";
    EXPECT_FALSE(engine.InsertBookmark());
    EXPECT_TRUE(engine.play.bookmarkFile.empty());
    EXPECT_FALSE(engine.MoveCommands().goToBookmark);
}

}  // namespace
}  // namespace jw
