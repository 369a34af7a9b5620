// The fast playable deal and match finder against their word-for-word
// versions: same dealt boards, same reports, same counts and the same
// candidates in the same order, over many boards and numbers.
#include <gtest/gtest.h>

#include <random>

#include "engine/Deal.h"
#include "engine/GameNumber.h"
#include "engine/MatchFinder.h"
#include "engine/reference/LiteralDeal.h"
#include "engine/reference/SampleBoards.h"

namespace jw {
namespace {

std::string RandomNumber(std::mt19937_64& random) {
    return NormalizeGameNumber(std::to_string(random() % 10000000000000ULL));
}

void ExpectSameDeal(const Board& start, const DealRules& rules, const std::string& number,
                    int first, int last, const std::optional<std::vector<int>>& ids = {}) {
    Board fast = start;
    Board slow = start;
    const DealResult a = PlayableDeal(fast, rules, number, first, last, ids);
    const DealResult b = literal::PlayableDeal(slow, rules, number, first, last, ids);
    ASSERT_EQ(a.tiles, b.tiles) << number << " levels " << first << ".." << last;
    ASSERT_EQ(a.reports, b.reports) << number;
    ASSERT_EQ(fast.tilesLeft, slow.tilesLeft);
    for (int level = 1; level <= kTileLevels; ++level) {
        for (int column = 1; column <= kBoardColumns; ++column) {
            for (int row = 1; row <= kBoardRows; ++row) {
                ASSERT_EQ(fast.At(level, column, row), slow.At(level, column, row));
            }
        }
    }
}

void ExpectSameCount(const Board& board, int removeRule, FaceRules faces) {
    MatchCount fast;
    FindMatches(board, 2, removeRule, faces, fast);
    const literal::FinderResult slow = literal::FindPairs(board, removeRule, faces);
    ASSERT_EQ(fast.available, slow.available);
    ASSERT_EQ(fast.possible, slow.possible);
    ASSERT_EQ(fast.liveTiles, slow.tilesLeft);
    std::string text;
    for (const MatchCandidate& candidate : fast.candidates) {
        text += candidate.Text();
    }
    ASSERT_EQ(text, slow.candidates);
}

TEST(DealDifferential, PlayableDealsMatchTheWordForWordDeal) {
    std::mt19937_64 random(2007);
    for (const int turtles : {1, 2, 3}) {
        Board board;
        literal::BuildTurtles(board, turtles);
        const int numbers = turtles == 1 ? 40 : 8;
        for (int k = 0; k < numbers; ++k) {
            ExpectSameDeal(board, DealRules{}, RandomNumber(random), 1, 5);
        }
    }
    // The number known to end in batches of one on the turtle layouts.
    Board standard;
    literal::BuildTurtles(standard, 1);
    ExpectSameDeal(standard, DealRules{}, "5496294016368", 1, 5);
}

TEST(DealDifferential, SingleLevelsShufflesAndLargerMatchesAgree) {
    std::mt19937_64 random(42);
    Board board;
    literal::BuildTurtles(board, 1);
    for (int k = 0; k < 10; ++k) {
        const std::string number = RandomNumber(random);
        // Level by level, face down.
        for (int level = 1; level <= 5; ++level) {
            ExpectSameDeal(board, DealRules{2, 0, {true, false}}, number, level, level);
        }
        // Three and four tiles a match, and the relaxed remove rule.
        ExpectSameDeal(board, DealRules{3, 0, {}}, number, 1, 5);
        ExpectSameDeal(board, DealRules{4, 1, {}}, number, 1, 5);
        ExpectSameDeal(board, DealRules{0, 0, {}}, number, 1, 5);
        // A shuffle of a partly cleared board.
        Board partial = board;
        std::vector<int> ids;
        int taken = 0;
        for (const BoardPos& pos : partial.OccupiedCells()) {
            const int cell = partial.At(pos.level, pos.column, pos.row);
            if (!IsAnchor(cell)) {
                continue;
            }
            if (taken++ % 3 == 0) {
                partial.RemoveTile(pos.level, pos.column, pos.row, false, 0, Removal::MarkRemoved);
            } else {
                ids.push_back(cell - kAnchorBase);
            }
        }
        ExpectSameDeal(partial, DealRules{}, number, 1, 5, ids);
    }
}

// Plays random games, comparing the two finders after every move.
TEST(DealDifferential, MatchCountsAgreeThroughoutRandomGames) {
    std::mt19937_64 random(99);
    struct Setup {
        int turtles;
        int removeRule;
        FaceRules faces;
    };
    for (const Setup setup : {Setup{1, 0, {}}, Setup{1, 0, {}}, Setup{1, 1, {}},
                              Setup{1, 0, {false, true}}, Setup{3, 0, {}}}) {
        Board board;
        literal::BuildTurtles(board, setup.turtles);
        PlayableDeal(board, DealRules{2, setup.removeRule, setup.faces}, RandomNumber(random), 1,
                     5);
        for (;;) {
            ExpectSameCount(board, setup.removeRule, setup.faces);
            MatchCount count;
            FindMatches(board, 2, setup.removeRule, setup.faces, count);
            if (count.candidates.empty()) {
                break;
            }
            const MatchCandidate& pick = count.candidates[random() % count.candidates.size()];
            for (int k = 0; k < 2; ++k) {
                ASSERT_TRUE(board.RemoveTileByCode(pick.codes[static_cast<std::size_t>(k)],
                                                   Removal::MarkRemoved));
            }
        }
    }
}

}  // namespace
}  // namespace jw
