#include "engine/Faces.h"

#include <gtest/gtest.h>

#include <map>

namespace jw {
namespace {

constexpr FaceRules kFaceUp{};
constexpr FaceRules kFaceDown{true, false};
constexpr FaceRules kFaceless{false, true};

TEST(Faces, StandardSetHasFourOfEachSuitFaceAndOneOfEachBonusFace) {
    std::map<FaceIndex, int> perFace;
    for (TileId id = 1; id <= 144; ++id) {
        ++perFace[FaceUpFace(id)];
    }
    ASSERT_EQ(perFace.size(), 42u);
    for (FaceIndex face = 1; face <= 34; ++face) {
        EXPECT_EQ(perFace[face], 4) << "face " << face;
    }
    for (FaceIndex face = 35; face <= 42; ++face) {
        EXPECT_EQ(perFace[face], 1) << "face " << face;
    }
    EXPECT_EQ(FaceUpFace(1), 1);
    EXPECT_EQ(FaceUpFace(8), 2);
    EXPECT_EQ(FaceUpFace(37), 10);
    EXPECT_EQ(FaceUpFace(136), 34);
    EXPECT_EQ(FaceUpFace(137), 35);
    EXPECT_EQ(FaceUpFace(144), 42);
}

TEST(Faces, LargeFaceUpGamesRepeatTheSet) {
    for (TileId id = 1; id <= 144; ++id) {
        EXPECT_EQ(FaceUpFace(id + 144), FaceUpFace(id));
        EXPECT_EQ(FaceUpFace(id + 288), FaceUpFace(id));
    }
    EXPECT_EQ(FaceUpFace(0), -1);
    EXPECT_EQ(FaceUpFace(433), -1);
    EXPECT_EQ(FaceUpFace(-5), -1);
}

TEST(Faces, FaceDownGamesHoldThirtySixPairsPerSeventyTwoTiles) {
    std::map<FaceIndex, int> perFace;
    for (TileId id = 1; id <= 144; ++id) {
        ++perFace[FaceDownFace(id)];
    }
    ASSERT_EQ(perFace.size(), 36u);
    for (const auto& [face, count] : perFace) {
        EXPECT_EQ(count, 4) << "face " << face;  // twice per 72 tiles
    }
    EXPECT_EQ(FaceDownFace(1), 1);
    EXPECT_EQ(FaceDownFace(2), 1);
    EXPECT_EQ(FaceDownFace(68), 34);
    EXPECT_EQ(FaceDownFace(69), 35);
    EXPECT_EQ(FaceDownFace(70), 35);
    EXPECT_EQ(FaceDownFace(71), 39);
    EXPECT_EQ(FaceDownFace(72), 39);
    for (TileId id = 1; id <= 72; ++id) {
        EXPECT_EQ(FaceDownFace(id + 72), FaceDownFace(id));
        EXPECT_EQ(FaceDownFace(id + 360), FaceDownFace(id));
    }
    EXPECT_EQ(FaceDownFace(0), -1);
}

TEST(MatchGroups, FlowersMatchFlowersAndSeasonsMatchSeasons) {
    for (TileId id : {137, 138, 139, 140, 281, 284, 425}) {
        EXPECT_EQ(MatchGroupOf(id, kFaceUp), 35) << id;
    }
    for (TileId id : {141, 142, 143, 144, 285, 288, 432}) {
        EXPECT_EQ(MatchGroupOf(id, kFaceUp), 39) << id;
    }
    EXPECT_NE(MatchGroupOf(137, kFaceUp), MatchGroupOf(141, kFaceUp));
    // Ordinary faces are their own group.
    EXPECT_EQ(MatchGroupOf(5, kFaceUp), 2);
    EXPECT_EQ(MatchGroupOf(5 + 144, kFaceUp), 2);
}

TEST(MatchGroups, AcceptAnAnchorCodeInPlaceOfAnId) {
    EXPECT_EQ(MatchGroupOf(1138, kFaceUp), 35);
    EXPECT_EQ(MatchGroupOf(1005, kFaceUp), MatchGroupOf(5, kFaceUp));
    EXPECT_EQ(MatchGroupOf(1071, kFaceDown), 39);
}

TEST(MatchGroups, FacelessTilesAllMatchAndShowNoFace) {
    EXPECT_EQ(MatchGroupOf(1, kFaceless), -1);
    EXPECT_EQ(MatchGroupOf(144, kFaceless), -1);
    EXPECT_EQ(FaceOf(1, kFaceless), -1);
    // Faceless only applies to face-up games.
    EXPECT_EQ(FaceOf(3, FaceRules{true, true}), 2);
}

TEST(MatchGroups, FaceDownPairsMatchOnlyEachOther) {
    EXPECT_EQ(MatchGroupOf(1, kFaceDown), MatchGroupOf(2, kFaceDown));
    EXPECT_NE(MatchGroupOf(2, kFaceDown), MatchGroupOf(3, kFaceDown));
    EXPECT_EQ(MatchGroupOf(3, kFaceDown), MatchGroupOf(75, kFaceDown));
    EXPECT_EQ(MatchGroupOf(0, kFaceDown), -1);
}

}  // namespace
}  // namespace jw
