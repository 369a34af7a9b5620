// Picks, completed moves, the end of a game, hints, dead ends and shuffles,
// on boards built by the tests.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "engine/Scoring.h"

namespace jw {
namespace {

class GamePlay : public ::testing::Test, public test::EngineFixture {
  protected:
    // A lone, free tile; tiles go left to right along row 3.
    BoardPos Lone(TileId id) {
        const BoardPos pos{1, 3 + 4 * placed++, 3};
        engine.board.PlaceTile(pos.level, pos.column, pos.row, id);
        return pos;
    }
    bool Pick(const BoardPos& pos) { return EngineFixture::Pick(pos.level, pos.column, pos.row); }
    int placed = 0;
};

TEST_F(GamePlay, PicksSelectMatchingTilesOnly) {
    const BoardPos five = Lone(17);
    Lone(18);
    const BoardPos one = Lone(1);
    const BoardPos flower = Lone(137);
    const BoardPos season = Lone(141);
    const BoardPos otherFlower = Lone(140);
    BeginOnBoard(6);

    EXPECT_FALSE(Pick(five));
    EXPECT_FALSE(Pick(one));  // another group: nothing happens
    ASSERT_EQ(engine.selection.Count(), 1);
    EXPECT_EQ(engine.selection.Pos(0), five);
    EXPECT_FALSE(Pick(five));  // clicking it again unselects it
    EXPECT_EQ(engine.selection.Count(), 0);

    EXPECT_FALSE(Pick(flower));
    EXPECT_FALSE(Pick(season));  // a season does not go with a flower
    EXPECT_EQ(engine.selection.Count(), 1);
    EXPECT_TRUE(Pick(otherFlower));  // any flower goes with any flower
    EXPECT_EQ(engine.board.At(flower.level, flower.column, flower.row), kRemovedAnchor);
    EXPECT_EQ(engine.board.At(otherFlower.level, otherFlower.column, otherFlower.row),
              kRemovedAnchor);
}

TEST_F(GamePlay, ACompletedPairIsBookedInOrder) {
    const BoardPos a = Lone(17);
    const BoardPos b = Lone(18);
    Lone(1);
    Lone(2);
    BeginOnBoard(144);
    engine.board.tilesLeft = 144;  // as at the first move of a full game
    engine.redoStack.Push("an old redo");
    engine.play.undoDone = true;

    const std::string first = MoveDescriptor(a, 1017);
    const std::string second = MoveDescriptor(b, 1018);
    EXPECT_FALSE(Pick(a));
    EXPECT_TRUE(Pick(b));
    EXPECT_EQ(engine.counters.rawScore, 50);  // a pair of 5s at the start: 5 x 10
    ASSERT_EQ(engine.undoStack.Size(), 1u);
    EXPECT_EQ(*engine.undoStack.Top(), MatchUndoRecord({first, second, "", ""}, 0, 50));
    EXPECT_TRUE(engine.redoStack.Empty());
    EXPECT_FALSE(engine.play.undoDone);
    EXPECT_EQ(engine.counters.matchesMade, 1);
    EXPECT_EQ(engine.play.counted, 1);
    EXPECT_EQ(engine.selection.Count(), 0);
    EXPECT_EQ(engine.board.tilesLeft, 142);
    EXPECT_EQ(engine.finder.Available(), 1);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"Pairing"}));
    EXPECT_EQ(host.noMoreMatchesShown, 0);
}

TEST_F(GamePlay, APairShownByTheHintScoresNothingInEitherOrder) {
    const BoardPos a = Lone(1);
    const BoardPos b = Lone(2);
    const BoardPos c = Lone(5);
    const BoardPos d = Lone(6);
    BeginOnBoard(144);
    engine.suggestedPairs = "1001a1002b1005a1006b";
    Pick(b);
    Pick(a);
    Pick(c);
    Pick(d);
    EXPECT_EQ(engine.counters.rawScore, 0);
    EXPECT_EQ(engine.counters.matchesMade, 2);
}

TEST_F(GamePlay, AFaceDownMissCostsTwentyAndTurnsTheTilesBack) {
    engine.rules.faceDown = 1;
    const BoardPos one = Lone(1);  // face-down ids 1 and 2 share a face
    Lone(2);
    const BoardPos other = Lone(3);
    Lone(4);
    BeginOnBoard(4);

    EXPECT_FALSE(Pick(one));
    EXPECT_EQ(engine.play.faceUp, (std::vector<BoardPos>{one}));
    EXPECT_FALSE(Pick(one));  // already turned up: nothing happens
    EXPECT_EQ(engine.selection.Count(), 1);
    EXPECT_TRUE(Pick(other));
    host.RunWaits();
    EXPECT_EQ(engine.counters.rawScore, -20);
    EXPECT_EQ(engine.counters.matchesMade, 1);
    EXPECT_EQ(engine.selection.Count(), 0);
    EXPECT_TRUE(engine.play.faceUp.empty());
    EXPECT_EQ(host.waits, (std::vector<int>{400, 100}));
    EXPECT_EQ(*engine.undoStack.Top(),
              MatchUndoRecord({MoveDescriptor(one, 1001), "", "", ""}, 0, -20));
    EXPECT_EQ(engine.board.tilesLeft, 4);  // nothing was removed
}

TEST_F(GamePlay, ClearingTheBoardWinsWithBonuses) {
    const BoardPos a = Lone(17);
    const BoardPos b = Lone(18);
    BeginOnBoard(2);
    Pick(a);
    Pick(b);
    ASSERT_EQ(hooks.results.size(), 1u);
    const GameResult& result = hooks.results[0];
    EXPECT_TRUE(result.won);
    // 50 points, end bonus and time bonus of nearest(12.5) = 12 each.
    EXPECT_EQ(engine.counters.rawScore, 74);
    EXPECT_EQ(result.score, 74);
    EXPECT_EQ(result.matches, 1);
    EXPECT_EQ(result.counted, 1);
    EXPECT_EQ(result.tilesLeft, 0);
    EXPECT_FALSE(engine.play.playing);
    EXPECT_TRUE(engine.play.ended);
    EXPECT_EQ(hooks.animations, 1);
    EXPECT_EQ(hooks.gameWonWindows, 1);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"Pairing", "Won"}));
    // The 200 ms before the animation are the window's timer, not a wait.
    EXPECT_TRUE(host.waits.empty());
}

TEST_F(GamePlay, TheGameWonWindowWaitsForTheAnimation) {
    const BoardPos a = Lone(17);
    const BoardPos b = Lone(18);
    BeginOnBoard(2);
    hooks.holdAnimation = true;
    Pick(a);
    Pick(b);
    ASSERT_TRUE(hooks.heldAnimation);
    EXPECT_TRUE(engine.play.winningAnimation);
    EXPECT_EQ(hooks.gameWonWindows, 0);
    // Meanwhile no other game may be started, and a close waits.
    EXPECT_FALSE(engine.ConfirmQuit());
    EXPECT_EQ(engine.CloseRequest(), CloseDecision::WaitForAnimation);
    EXPECT_TRUE(engine.closePending);

    hooks.heldAnimation(false);
    EXPECT_FALSE(engine.play.winningAnimation);
    EXPECT_EQ(hooks.gameWonWindows, 1);
}

TEST_F(GamePlay, AClosedWindowEndsTheWinWithoutTheGameWonWindow) {
    const BoardPos a = Lone(17);
    const BoardPos b = Lone(18);
    BeginOnBoard(2);
    hooks.holdAnimation = true;
    Pick(a);
    Pick(b);
    ASSERT_TRUE(hooks.heldAnimation);
    hooks.heldAnimation(true);
    EXPECT_FALSE(engine.play.winningAnimation);
    EXPECT_EQ(hooks.gameWonWindows, 0);
    EXPECT_EQ(hooks.openGameDialogs, 0);
}

TEST_F(GamePlay, AClearedBoardAfterAShuffleIsLost) {
    const BoardPos a = Lone(17);
    const BoardPos b = Lone(18);
    BeginOnBoard(2);
    engine.counters.shuffleCount = 1;
    Pick(a);
    Pick(b);
    ASSERT_EQ(hooks.results.size(), 1u);
    EXPECT_FALSE(hooks.results[0].won);
    EXPECT_EQ(engine.counters.rawScore, 50);  // no bonuses
    EXPECT_EQ(hooks.animations, 0);
    EXPECT_EQ(hooks.openGameDialogs, 1);
}

TEST_F(GamePlay, AFaceDownGameBelowTheNeededScoreIsLost) {
    engine.rules.faceDown = 1;
    const BoardPos t1 = Lone(1);
    const BoardPos t2 = Lone(2);
    const BoardPos t3 = Lone(3);
    const BoardPos t4 = Lone(4);
    BeginOnBoard(4);
    for (int k = 0; k < 4; ++k) {
        Pick(t1);
        Pick(t3);  // a miss
        host.RunWaits();
    }
    Pick(t1);
    Pick(t2);
    Pick(t3);
    Pick(t4);
    EXPECT_EQ(engine.counters.rawScore, 120);
    ASSERT_EQ(host.memoryUpTotals.size(), 1u);
    const MemoryUpTotals& totals = host.memoryUpTotals[0];
    EXPECT_FALSE(totals.won);
    EXPECT_EQ(totals.tileCount, 4);
    EXPECT_EQ(totals.pointsPerMatch, 100);
    EXPECT_EQ(totals.pointsPerMiss, -20);
    EXPECT_EQ(totals.matches, 2);
    EXPECT_EQ(totals.misses, 4);
    EXPECT_EQ(totals.matchPoints, 200);
    EXPECT_EQ(totals.missPoints, -80);
    EXPECT_EQ(totals.needed, 130);  // 150 - 20
    EXPECT_EQ(totals.total, 120);
    ASSERT_EQ(hooks.results.size(), 1u);
    EXPECT_FALSE(hooks.results[0].won);
    EXPECT_EQ(hooks.openGameDialogs, 1);
}

TEST_F(GamePlay, QuitConfirmationFollowsTheSetting) {
    Lone(1);
    Lone(2);
    BeginOnBoard(2);
    EXPECT_TRUE(engine.ConfirmQuit());
    EXPECT_TRUE(host.messages.empty());

    settings.WriteFlag("Preference", "ConfirmQuitGame", true);
    host.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    EXPECT_FALSE(engine.ConfirmQuit());
    EXPECT_TRUE(engine.ConfirmQuit("Restart this game?"));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Quit this game?");
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(host.messages[1].text, "Restart this game?");

    engine.play.winningAnimation = true;
    EXPECT_FALSE(engine.ConfirmQuit());
    engine.play.winningAnimation = false;
    engine.play.won = true;
    EXPECT_TRUE(engine.ConfirmQuit());
    EXPECT_EQ(host.messages.size(), 2u);

    engine.play.won = false;
    engine.QuitGame();  // answered OK by default
    EXPECT_FALSE(engine.play.playing);
    EXPECT_EQ(engine.board.CountAnchors(), 0);
    ASSERT_EQ(hooks.results.size(), 1u);
    EXPECT_FALSE(hooks.results[0].won);
    EXPECT_EQ(hooks.results[0].counted, -1);
}

class DeadEnd : public GamePlay {
  protected:
    // Two stacks: face 1 over face 1 and face 2 over face 2, so that the
    // free tiles (1 and 5) do not match.
    void SetUp() override {
        engine.board.PlaceTile(1, 3, 3, 2);
        engine.board.PlaceTile(1, 7, 3, 6);
        engine.board.PlaceTile(2, 3, 3, 1);
        engine.board.PlaceTile(2, 7, 3, 5);
        engine.gameNumber = "1234567890123";
        BeginOnBoard(4);
    }
};

TEST_F(DeadEnd, ShuffleAsksTheAdviceAndReDeals) {
    engine.counters.rawScore = 301;
    const std::string bodyBefore = FormatBody(engine.board);
    host.noMoreMatchesAnswers = {NoMoreMatchesChoice::Shuffle, NoMoreMatchesChoice::Shuffle};
    host.adviceAnswers = {AdviceAnswer{false, false}, AdviceAnswer{true, false}};
    EXPECT_EQ(engine.finder.Available(), 0);
    engine.EndCheck();
    EXPECT_EQ(host.noMoreMatchesShown, 2);  // the refused advice shows the window again
    ASSERT_EQ(host.advices.size(), 2u);
    EXPECT_EQ(host.advices[0].text,
              "If one or more \"Shuffles\" are done, the game can be finished and the Score will "
              "be updated, but the game will be considered as \"Lost\" for Statistics.");
    EXPECT_EQ(engine.counters.shuffleCount, 1);
    EXPECT_EQ(engine.counters.shufflePenaltyTotal, 150);
    EXPECT_EQ(engine.counters.rawScore, 301);
    EXPECT_EQ(*engine.undoStack.Top(), ShuffleUndoRecord(bodyBefore, 301, 151));
    // The re-deal gives the two free tiles a pair.
    EXPECT_EQ(engine.finder.Available(), 1);
    EXPECT_EQ(engine.board.tilesLeft, 4);
}

TEST_F(DeadEnd, TheOtherChoices) {
    host.noMoreMatchesAnswers = {NoMoreMatchesChoice::Close};
    engine.EndCheck();
    EXPECT_TRUE(engine.play.playing);
    host.noMoreMatchesAnswers = {NoMoreMatchesChoice::Open};
    engine.EndCheck();
    EXPECT_EQ(hooks.openGameDialogs, 1);
    host.noMoreMatchesAnswers = {NoMoreMatchesChoice::EndGame};
    engine.EndCheck();
    EXPECT_FALSE(engine.play.playing);
    EXPECT_EQ(engine.board.CountAnchors(), 0);
    EXPECT_EQ(hooks.results.size(), 1u);
}

TEST_F(GamePlay, HintsCycleChargeAndRecordTheirPairs) {
    Lone(1);
    Lone(2);
    Lone(3);
    const BoardPos lonely = Lone(5);
    BeginOnBoard(4);
    for (int k = 0; k < 4; ++k) {
        engine.SuggestMove();
        host.RunWaits();
    }
    EXPECT_EQ(engine.suggestedPairs, "1001a1002b1001a1003b1002a1003b1001a1002b");
    EXPECT_EQ(host.waits, (std::vector<int>{800, 800, 800, 800}));
    EXPECT_EQ(engine.counters.suggestCount, 4);
    EXPECT_EQ(engine.counters.suggestPenaltyTotal, 4 * 2);  // nearest(4 / 2) each time
    EXPECT_EQ(engine.selection.Count(), 0);
    EXPECT_TRUE(host.messages.empty());

    Pick(lonely);
    engine.SuggestMove();
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"No Matches for the selected Tile."}));
    EXPECT_EQ(engine.counters.suggestCount, 5);
    EXPECT_EQ(engine.selection.Count(), 1);  // the player's selection stays
}

TEST_F(GamePlay, AHintOnABoardWithoutPairsStillCosts) {
    Lone(1);
    Lone(5);
    BeginOnBoard(2);
    engine.scoreType = "02";
    engine.SuggestMove();
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"No Matches available."}));
    EXPECT_EQ(engine.counters.suggestPenaltyTotal, 50);
}

TEST_F(GamePlay, GamesOfThreeAndFourTilesPlayWithoutPairs) {
    for (const int ttm : {3, 4}) {
        engine.ClearBoard();
        placed = 0;
        host.waits.clear();
        engine.rules.tilesToMatch = ttm;
        std::vector<BoardPos> ones;
        for (const TileId id : {1, 2, 3, 4}) {
            ones.push_back(Lone(id));
        }
        Lone(5);
        BeginOnBoard(5);
        EXPECT_EQ(engine.finder.Available(), 1);
        const int before = host.noMoreMatchesShown;
        for (int k = 0; k < ttm; ++k) {
            EXPECT_EQ(Pick(ones[static_cast<std::size_t>(k)]), k == ttm - 1);
        }
        host.RunWaits();
        EXPECT_EQ(engine.counters.rawScore, 10);
        EXPECT_EQ(engine.board.tilesLeft, 5 - ttm);
        EXPECT_EQ(host.waits, (std::vector<int>{100}));
        // What is left holds no group: the dead-end window opens.
        EXPECT_EQ(host.noMoreMatchesShown, before + 1);
        engine.counters = GameCounters{};
    }
}

// The pauses of play run on the host's timer: the engine returns at once and
// stays busy until the pause is over.

TEST_F(GamePlay, AHintShowsItsPairWhileBusyThenGivesTheSelectionBack) {
    const BoardPos one = Lone(1);
    const BoardPos two = Lone(2);
    Lone(5);
    const BoardPos five = Lone(17);
    const BoardPos six = Lone(18);
    BeginOnBoard(5);
    ASSERT_FALSE(Pick(five));
    ASSERT_TRUE(Pick(six));  // a move to undo
    ASSERT_FALSE(Pick(two));
    const int refreshes = host.boardRefreshes;

    engine.SuggestMove();
    EXPECT_EQ(host.waits, std::vector<int>{800});
    ASSERT_TRUE(engine.play.busy);
    ASSERT_EQ(engine.selection.Count(), 2);  // the hinted pair, on show
    EXPECT_EQ(engine.selection.Pos(0), one);
    EXPECT_EQ(engine.selection.Pos(1), two);
    EXPECT_EQ(engine.counters.suggestCount, 1);
    // Meanwhile picks, hints and undo are ignored.
    EXPECT_FALSE(Pick(one));
    engine.SuggestMove();
    EXPECT_FALSE(engine.Undo());
    EXPECT_EQ(engine.counters.suggestCount, 1);
    EXPECT_EQ(engine.counters.matchesMade, 1);
    EXPECT_EQ(engine.board.tilesLeft, 3);
    host.Elapse(799);
    EXPECT_TRUE(engine.play.busy);
    EXPECT_EQ(engine.selection.Count(), 2);

    host.Elapse(1);
    EXPECT_FALSE(engine.play.busy);
    ASSERT_EQ(engine.selection.Count(), 1);  // the player's own pick is back
    EXPECT_EQ(engine.selection.Pos(0), two);
    EXPECT_EQ(engine.finder.hintCursor, 1);
    EXPECT_GT(host.boardRefreshes, refreshes + 1);
    EXPECT_EQ(host.PendingWaits(), 0u);
    // And play goes on.
    EXPECT_TRUE(Pick(one));
    EXPECT_EQ(engine.board.tilesLeft, 1);
}

TEST_F(GamePlay, AMemoryUpMissStaysFaceUpThenTurnsDownThenIsBooked) {
    engine.rules.faceDown = 1;
    const BoardPos one = Lone(1);
    Lone(2);
    const BoardPos other = Lone(3);
    const BoardPos fourth = Lone(4);
    BeginOnBoard(4);
    Pick(one);
    EXPECT_TRUE(Pick(other));

    // 400 ms with both faces up, nothing booked, the board deaf.
    EXPECT_TRUE(engine.play.busy);
    EXPECT_EQ(engine.play.faceUp, (std::vector<BoardPos>{one, other}));
    EXPECT_FALSE(Pick(fourth));
    EXPECT_EQ(engine.play.faceUp.size(), 2u);
    host.Elapse(399);
    EXPECT_EQ(engine.play.faceUp.size(), 2u);
    EXPECT_EQ(engine.counters.rawScore, 0);

    // Then face down, 100 ms more before the booking.
    host.Elapse(1);
    EXPECT_TRUE(engine.play.faceUp.empty());
    EXPECT_TRUE(engine.play.busy);
    EXPECT_EQ(engine.counters.matchesMade, 0);
    EXPECT_TRUE(engine.undoStack.Empty());
    host.Elapse(100);
    EXPECT_FALSE(engine.play.busy);
    EXPECT_EQ(engine.counters.matchesMade, 1);
    EXPECT_EQ(engine.counters.rawScore, -20);
    EXPECT_EQ(engine.selection.Count(), 0);
    EXPECT_EQ(host.waits, (std::vector<int>{400, 100}));
}

TEST_F(GamePlay, AMissOfAGameQuitMeanwhileIsNeverBooked) {
    engine.rules.faceDown = 1;
    const BoardPos one = Lone(1);
    Lone(2);
    const BoardPos other = Lone(3);
    Lone(4);
    BeginOnBoard(4);
    Pick(one);
    Pick(other);
    host.Elapse(400);  // between the two pauses
    engine.QuitGame();
    EXPECT_FALSE(engine.play.busy);
    const int ended = static_cast<int>(hooks.results.size());
    host.RunWaits();
    EXPECT_EQ(engine.counters.matchesMade, 0);
    EXPECT_EQ(engine.counters.rawScore, 0);
    EXPECT_TRUE(engine.undoStack.Empty());
    EXPECT_EQ(static_cast<int>(hooks.results.size()), ended);
}

TEST_F(GamePlay, AGroupOfThreeGoesOnlyAfterItsPause) {
    engine.rules.tilesToMatch = 3;
    std::vector<BoardPos> ones;
    for (const TileId id : {1, 2, 3}) {
        ones.push_back(Lone(id));
    }
    Lone(5);
    BeginOnBoard(4);
    for (const BoardPos& pos : ones) {
        Pick(pos);
    }
    // The sound at once; the tiles still there, the board busy.
    EXPECT_EQ(host.sounds, std::vector<std::string>{"Pairing"});
    EXPECT_TRUE(engine.play.busy);
    for (const BoardPos& pos : ones) {
        EXPECT_TRUE(IsAnchor(engine.board.At(pos.level, pos.column, pos.row)));
    }
    EXPECT_EQ(engine.board.tilesLeft, 4);
    EXPECT_EQ(engine.counters.rawScore, 0);
    host.Elapse(99);
    EXPECT_EQ(engine.board.tilesLeft, 4);

    host.Elapse(1);
    EXPECT_FALSE(engine.play.busy);
    for (const BoardPos& pos : ones) {
        EXPECT_EQ(engine.board.At(pos.level, pos.column, pos.row), kRemovedAnchor);
    }
    EXPECT_EQ(engine.board.tilesLeft, 1);
    EXPECT_EQ(engine.counters.rawScore, 10);
    EXPECT_EQ(engine.counters.matchesMade, 1);
}

}  // namespace
}  // namespace jw
