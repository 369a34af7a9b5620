#include "engine/MatchFinder.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

class Finder : public ::testing::Test {
  protected:
    // Places a lone (free) tile with the given id; tiles go left to right.
    void Lone(TileId id) {
        board.PlaceTile(1, 3 + 4 * placed++, 3, id);
        ++board.tilesLeft;
    }
    MatchCount Count(int tilesToMatch = 2) {
        MatchCount count;
        FindMatches(board, tilesToMatch, 0, FaceRules{}, count);
        return count;
    }
    std::vector<std::string> Texts(const MatchCount& count) {
        std::vector<std::string> texts;
        for (const MatchCandidate& candidate : count.candidates) {
            texts.push_back(candidate.Text());
        }
        return texts;
    }
    Board board;
    int placed = 0;
};

TEST_F(Finder, FourTilesOfOneFaceGiveTwoMatchesOfSixPairs) {
    for (const TileId id : {1, 2, 3, 4}) {
        Lone(id);
    }
    const MatchCount count = Count();
    EXPECT_EQ(count.available, 2);
    EXPECT_EQ(count.possible, 6);
    EXPECT_EQ(count.liveTiles, 4);
    EXPECT_EQ(Texts(count), (std::vector<std::string>{"a1001b1002", "a1001b1003", "a1001b1004",
                                                      "a1002b1003", "a1002b1004", "a1003b1004"}));
}

TEST_F(Finder, ThreeTilesOfOneFaceGiveOneMatchOfThreePairs) {
    for (const TileId id : {5, 7, 8}) {
        Lone(id);
    }
    const MatchCount count = Count();
    EXPECT_EQ(count.available, 1);
    EXPECT_EQ(count.possible, 3);
}

TEST_F(Finder, OnlyFreeTilesOfOneGroupCount) {
    Lone(1);                        // face 1
    Lone(5);                        // face 2
    Lone(137);                      // a flower
    Lone(140);                      // another flower
    Lone(141);                      // a season
    board.PlaceTile(1, 40, 3, 2);   // face 1, boxed in on both sides
    board.PlaceTile(1, 38, 3, 9);   // face 3
    board.PlaceTile(1, 42, 3, 13);  // face 4
    const MatchCount count = Count();
    EXPECT_EQ(count.available, 1);
    EXPECT_EQ(Texts(count), (std::vector<std::string>{"a1137b1140"}));
    EXPECT_EQ(count.liveTiles, 8);
    // A removed tile is gone from the count.
    board.RemoveTile(1, 11, 3, false, 0, Removal::MarkRemoved);
    EXPECT_EQ(Count().available, 0);
    EXPECT_EQ(Count().liveTiles, 7);
}

TEST_F(Finder, PossibleMatchesAreCountedAfreshOnEveryRun) {
    Lone(1);
    Lone(2);
    MatchFinder finder;
    finder.Count(board, 2, 0, FaceRules{});
    finder.Count(board, 2, 0, FaceRules{});
    EXPECT_EQ(finder.Possible(), 1);
    EXPECT_EQ(finder.CandidatesText(), "a1001b1002");
}

TEST_F(Finder, GroupsOfThreeAndFour) {
    for (const TileId id : {1, 2, 3, 4, 5, 6}) {
        Lone(id);
    }
    const MatchCount triples = Count(3);
    EXPECT_EQ(triples.available, 1);  // four tiles of face 1 hold one disjoint triple
    EXPECT_EQ(Texts(triples), (std::vector<std::string>{"a1001b1002c1003", "a1001b1002c1004",
                                                        "a1001b1003c1004", "a1002b1003c1004"}));
    const MatchCount quadruples = Count(4);
    EXPECT_EQ(quadruples.available, 1);
    EXPECT_EQ(Texts(quadruples), (std::vector<std::string>{"a1001b1002c1003d1004"}));
    EXPECT_EQ(quadruples.candidates[0].SuggestedText(), "1001a1002b1003c1004d");
    EXPECT_EQ(Count(5).available, 0);
}

TEST_F(Finder, FacelessGroupsAreCappedButAllCounted) {
    for (int id = 1; id <= 40; ++id) {
        Lone(id);
    }
    MatchCount count;
    FindMatches(board, 4, 0, FaceRules{false, true}, count);
    EXPECT_EQ(count.available, 10);
    EXPECT_EQ(count.candidates.size(), kMaxGroupCandidates);
    FindMatches(board, 2, 0, FaceRules{false, true}, count);
    EXPECT_EQ(count.available, 20);
    EXPECT_EQ(count.possible, 40 * 39 / 2);
}

TEST_F(Finder, HintsCycleThroughEveryPairAndWrap) {
    for (const TileId id : {1, 2, 3}) {
        Lone(id);
    }
    MatchFinder finder;
    finder.Count(board, 2, 0, FaceRules{});
    SelectionSlots none;
    std::vector<std::string> shown;
    for (int k = 0; k < 4; ++k) {
        if (finder.hintCursor >= finder.Possible()) {
            finder.hintCursor = 0;
        }
        const auto pick = finder.ChooseForHint(none);
        ASSERT_TRUE(pick.has_value());
        shown.push_back(pick->Text());
        ++finder.hintCursor;
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"a1001b1002", "a1001b1003", "a1002b1003", "a1001b1002"}));
}

TEST_F(Finder, AHintForOneSelectedTileShowsAPairWithIt) {
    for (const TileId id : {1, 2, 3, 5}) {
        Lone(id);
    }
    board.PlaceTile(1, 40, 3, 9);
    MatchFinder finder;
    finder.Count(board, 2, 0, FaceRules{});
    SelectionSlots selected;
    selected.Add({1, 11, 3}, 1003);
    finder.hintCursor = 1;
    auto pick = finder.ChooseForHint(selected);
    ASSERT_TRUE(pick.has_value());
    EXPECT_EQ(pick->Text(), "a1001b1003");
    EXPECT_EQ(finder.hintCursor, 1);
    finder.hintCursor = 2;
    pick = finder.ChooseForHint(selected);
    EXPECT_EQ(pick->Text(), "a1002b1003");
    finder.hintCursor = 3;  // past the last pair with it: starts again at 0
    pick = finder.ChooseForHint(selected);
    EXPECT_EQ(pick->Text(), "a1001b1003");
    EXPECT_EQ(finder.hintCursor, 1);

    SelectionSlots lonely;
    lonely.Add({1, 15, 3}, 1005);
    EXPECT_FALSE(finder.ChooseForHint(lonely).has_value());
    // Two selected tiles are treated as none.
    SelectionSlots two;
    two.Add({1, 3, 3}, 1001);
    two.Add({1, 7, 3}, 1002);
    finder.hintCursor = 0;
    EXPECT_EQ(finder.ChooseForHint(two)->Text(), "a1001b1002");
}

TEST(SuggestedPairs, APairIsFoundInEitherOrder) {
    const std::string record = "1001a1005b1137a1140b";
    EXPECT_TRUE(WasSuggested(record, 1001, 1005));
    EXPECT_TRUE(WasSuggested(record, 1005, 1001));
    EXPECT_TRUE(WasSuggested(record, 1140, 1137));
    EXPECT_FALSE(WasSuggested(record, 1005, 1137));
    EXPECT_FALSE(WasSuggested("", 1001, 1002));
}

}  // namespace
}  // namespace jw
