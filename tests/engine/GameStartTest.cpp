// Starting games through the layout reader: new deals, restarts, typed
// numbers, random games and layouts that do not add up.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "EngineFixture.h"
#include "engine/LayoutWriter.h"
#include "engine/reference/SampleBoards.h"
#include "platform/TempFolder.h"

namespace jw {
namespace {

using literal::TurtleAnchors;

// Every anchor of the board as "level column row id", in scan order.
std::vector<std::string> Tiles(const Board& board) {
    std::vector<std::string> tiles;
    for (const BoardPos& pos : board.OccupiedCells()) {
        const int code = board.At(pos.level, pos.column, pos.row);
        if (IsAnchor(code)) {
            tiles.push_back(std::to_string(pos.level) + " " + std::to_string(pos.column) + " " +
                            std::to_string(pos.row) + " " + std::to_string(code - kAnchorBase));
        }
    }
    return tiles;
}

class GameStart : public ::testing::Test, public test::EngineFixture {
  protected:
    void SetUp() override { AddLayout(0, TurtleAnchors()); }
    bool Start(ReadMode mode, GameId id = 0) { return engine.StartGame(mode, id, "", "Ann"); }
};

TEST_F(GameStart, ANewGameDealsTheNumberItDraws) {
    host.randomValues = {1234567, 765432};
    ASSERT_TRUE(Start(ReadMode::NewGame));
    EXPECT_EQ(engine.gameNumber, "0944977087944");
    EXPECT_TRUE(engine.play.playing);
    EXPECT_EQ(engine.playerName, "Ann");
    EXPECT_EQ(engine.gameName, "Standard");
    EXPECT_EQ(engine.board.tilesLeft, 144);
    EXPECT_GT(engine.finder.Available(), 0);
    EXPECT_EQ(hooks.started, (std::vector<std::string>{"0 0944977087944"}));
    EXPECT_TRUE(host.sounds.empty());  // the new-game sound is off by default
    // The ids are a deal, not the order the layout was written in.
    std::vector<std::string> tiles = Tiles(engine.board);
    ASSERT_EQ(tiles.size(), 144u);
    std::vector<int> ids;
    for (const BoardPos& pos : engine.board.OccupiedCells()) {
        const int code = engine.board.At(pos.level, pos.column, pos.row);
        if (IsAnchor(code)) {
            ids.push_back(code - kAnchorBase);
        }
    }
    EXPECT_FALSE(std::is_sorted(ids.begin(), ids.end()));
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids.front(), 1);
    EXPECT_EQ(ids.back(), 144);
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
}

TEST_F(GameStart, RestartAndTheTypedNumberDealTheSameBoard) {
    settings.WriteFlag("Preference", "Sounds_NewGame", true);
    host.randomValues = {2222222, 333333};
    ASSERT_TRUE(Start(ReadMode::NewGame));
    const std::vector<std::string> dealt = Tiles(engine.board);
    const std::string number = engine.gameNumber;

    // Some play, then the restart.
    engine.SuggestMove();
    engine.counters.rawScore = 99;
    ASSERT_TRUE(Start(ReadMode::Restart));
    EXPECT_EQ(engine.gameNumber, number);
    EXPECT_EQ(Tiles(engine.board), dealt);
    EXPECT_EQ(engine.counters.rawScore, 0);
    EXPECT_EQ(engine.counters.suggestCount, 0);
    EXPECT_TRUE(engine.suggestedPairs.empty());
    EXPECT_TRUE(engine.undoStack.Empty());
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"New", "Restart"}));
    // The restart ended the first game.
    ASSERT_EQ(hooks.results.size(), 1u);
    EXPECT_EQ(hooks.results[0].suggestCount, 1);

    ASSERT_TRUE(engine.StartNumberedGame(0, number.substr(number.find_first_not_of('0'))));
    EXPECT_EQ(Tiles(engine.board), dealt);
}

TEST_F(GameStart, TypedNumbersAreChecked) {
    ASSERT_TRUE(Start(ReadMode::NewGame));
    const int results = static_cast<int>(hooks.results.size());
    EXPECT_FALSE(engine.StartNumberedGame(0, "12a"));
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"Numbers only are required."}));
    EXPECT_FALSE(engine.StartNumberedGame(0, "0000"));
    EXPECT_EQ(static_cast<int>(hooks.results.size()), results);  // the game goes on
    EXPECT_TRUE(engine.play.playing);
    ASSERT_TRUE(engine.StartNumberedGame(0, "1"));
    EXPECT_EQ(engine.gameNumber, "0000000000001");
}

TEST_F(GameStart, ARefusedQuitKeepsTheRunningGame) {
    ASSERT_TRUE(Start(ReadMode::NewGame));
    const std::string number = engine.gameNumber;
    settings.WriteFlag("Preference", "ConfirmQuitGame", true);
    host.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(Start(ReadMode::NewGame));
    EXPECT_EQ(engine.gameNumber, number);
    EXPECT_TRUE(engine.play.playing);
    EXPECT_TRUE(hooks.results.empty());
}

TEST_F(GameStart, AMissingLayoutEndsTheStart) {
    EXPECT_FALSE(Start(ReadMode::NewGame, 7));
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"File not found: G00007"}));
    EXPECT_FALSE(engine.play.playing);
}

TEST_F(GameStart, NoMatchAtTheStartOffersANewDeal) {
    // Two tiles stacked: only the top one is free.
    AddLayout(5, {{1, 3, 3}, {2, 3, 3}});
    host.answers = {MessageAnswer::Yes, MessageAnswer::No};
    host.randomValues = {1, 1, 2, 2};
    ASSERT_TRUE(Start(ReadMode::NewGame, 5));
    EXPECT_EQ(host.MessageTexts(),
              (std::vector<std::string>{"There are no matches available. Start a new game?",
                                        "There are no matches available. Start a new game?"}));
    EXPECT_EQ(engine.gameNumber, "0000000000004");  // the second deal's number
    EXPECT_TRUE(engine.play.playing);
    EXPECT_EQ(hooks.results.size(), 1u);  // the first deal was ended
}

TEST_F(GameStart, InconsistentLayoutsReportAndPlayGoesOn) {
    // The reader and the deal both see a tile that lacks a quarter.
    LayoutRules rules;
    std::string body = test::BodyOf({{1, 3, 3}, {1, 7, 3}, {1, 11, 3}, {1, 15, 3}});
    body.erase(12, 12);  // the second cell record of the first tile
    resources.entries["GAMES/G00009"] = test::LayoutText(FormatRules(rules), body);
    ASSERT_TRUE(Start(ReadMode::NewGame, 9));
    const std::vector<std::string> messages = host.MessageTexts();
    EXPECT_NE(std::find(messages.begin(), messages.end(), "Error fl_L1 : 11 - 4"), messages.end());
    EXPECT_NE(std::find(messages.begin(), messages.end(), "Error STW-02"), messages.end());
    EXPECT_TRUE(engine.play.playing);
    engine.SuggestMove();
    engine.Shuffle();
    EXPECT_TRUE(engine.play.playing || engine.play.ended);

    // A layout file that asks for 0 tiles a match: dealt one tile a batch,
    // picked as pairs, without a crash. No matches are ever found, so the
    // offer of a new deal is declined.
    rules.tilesToMatch = 0;
    host.answers = {MessageAnswer::No};
    resources.entries["GAMES/G00010"] = test::LayoutText(
        FormatRules(rules), test::BodyOf({{1, 3, 3}, {1, 7, 3}, {1, 11, 3}, {1, 15, 3}}));
    ASSERT_TRUE(Start(ReadMode::NewGame, 10));
    EXPECT_EQ(engine.board.tilesLeft, 4);
    const std::vector<BoardPos> spots{{1, 1, 1}, {1, 5, 1}, {1, 9, 1}, {1, 13, 1}};
    for (const BoardPos& a : spots) {
        for (const BoardPos& b : spots) {
            Pick(a.level, a.column, a.row);
            Pick(b.level, b.column, b.row);
        }
    }
    EXPECT_EQ(engine.board.tilesLeft % 2, 0);
}

TEST_F(GameStart, ASavedGameStartsWhereItWasLeft) {
    host.now.hour = 10;
    ASSERT_TRUE(Start(ReadMode::NewGame));
    for (int k = 0; k < 3 && engine.finder.Available() > 0; ++k) {
        const MatchCandidate pair = engine.finder.Candidates().front();
        for (int t = 0; t < 2; ++t) {
            const BoardPos pos = engine.board.FindAnchor(pair.codes[static_cast<std::size_t>(t)]);
            Pick(pos.level, pos.column, pos.row);
        }
    }
    host.now.minute = 12;
    engine.elapsedSeconds = engine.clock.ElapsedSeconds();
    const test::TempFolder folder;
    ASSERT_TRUE(WriteLayoutFile(engine, LayoutFileKind::SavedGame, folder / "game.mjg"));
    const std::vector<std::string> saved = Tiles(engine.board);
    const GameCounters counters = engine.counters;

    test::EngineFixture other;
    other.host.now.hour = 15;
    ASSERT_TRUE(other.engine.StartGame(ReadMode::OpenSaved, -1, folder / "game.mjg", "Ann"));
    EXPECT_EQ(Tiles(other.engine.board), saved);
    EXPECT_EQ(other.engine.gameNumber, engine.gameNumber);
    EXPECT_EQ(other.engine.counters.matchesMade, counters.matchesMade);
    EXPECT_EQ(other.engine.counters.rawScore, counters.rawScore);
    EXPECT_EQ(other.engine.undoStack.Lines(), engine.undoStack.Lines());
    EXPECT_EQ(other.engine.clock.Text(), "0:12:00");
    EXPECT_EQ(other.engine.board.tilesLeft, 144 - 2 * counters.matchesMade);
    EXPECT_TRUE(other.engine.play.playing);
}

TEST_F(GameStart, RandomGamesFromAllGamesAndFromFavourites) {
    host.randomValues = {104};  // drawn from 0..104, never the last game
    EXPECT_FALSE(engine.RandomGame(RandomGameSource::All));
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"File not found: G00104"}));
    EXPECT_EQ(engine.play.randomGameType, 2);

    host.messages.clear();
    host.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(engine.RandomGame(RandomGameSource::Favorites));
    EXPECT_EQ(host.MessageTexts(),
              (std::vector<std::string>{"You haven't selected any favorite game.\rDo you want to "
                                        "select now your favorite games?"}));
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(hooks.organisers, 1);

    settings.WriteString("Favorite Games", "Game0000", "01-0010My folder");
    settings.WriteString("Favorite Games", "Game0001", "0200000Standard");
    settings.WriteString("Favorite Games", "Game0002", "0100050Rectangle 40");
    settings.WriteString("Favorite Games", "Game0004", "0100007Empire");  // after a gap: unread
    host.messages.clear();
    host.randomValues = {1};
    EXPECT_FALSE(engine.RandomGame(RandomGameSource::Favorites));
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"File not found: G00050"}));
    EXPECT_EQ(engine.play.randomGameType, 1);
    host.randomValues = {0, 1, 1};
    EXPECT_TRUE(engine.RandomGame(RandomGameSource::Favorites));
    EXPECT_EQ(engine.gameId, 0);
}

TEST_F(GameStart, AHintOnShowWhenANewGameStartsLeavesTheNewBoardAlone) {
    host.randomValues = {2222222, 333333};
    ASSERT_TRUE(Start(ReadMode::NewGame));
    engine.SuggestMove();
    ASSERT_TRUE(engine.play.busy);
    ASSERT_EQ(engine.selection.Count(), 2);

    host.randomValues = {4444444, 555555};
    ASSERT_TRUE(Start(ReadMode::NewGame));
    EXPECT_FALSE(engine.play.busy);  // the new board takes picks at once
    const std::vector<std::string> dealt = Tiles(engine.board);
    const BoardPos picked = engine.board.FindAnchor(engine.finder.Candidates().front().codes[0]);
    engine.PickTile(picked.level, picked.column, picked.row,
                    engine.board.At(picked.level, picked.column, picked.row));
    ASSERT_EQ(engine.selection.Count(), 1);

    // The old hint's time runs out: nothing of it comes back.
    host.RunWaits();
    EXPECT_EQ(Tiles(engine.board), dealt);
    ASSERT_EQ(engine.selection.Count(), 1);
    EXPECT_EQ(engine.selection.Pos(0), picked);
    EXPECT_EQ(engine.finder.hintCursor, 0);
    EXPECT_FALSE(engine.play.busy);
}

TEST_F(GameStart, AHintOnShowWhenTheEngineGoesAwayNeverComesBack) {
    host.randomValues = {2222222, 333333};
    auto gone = std::make_unique<TMahJong_interface>(host);
    gone->resources = &resources;
    gone->settings = &settings;
    ASSERT_TRUE(gone->StartGame(ReadMode::NewGame, 0, "", "Ann"));
    const int refreshes = host.boardRefreshes;
    gone->SuggestMove();
    ASSERT_EQ(host.PendingWaits(), 1u);
    gone.reset();
    host.RunWaits();                                // would touch the destroyed engine
    EXPECT_EQ(host.boardRefreshes, refreshes + 1);  // only the hint's own
}

}  // namespace
}  // namespace jw
