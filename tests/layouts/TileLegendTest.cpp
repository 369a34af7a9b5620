// The tile legends: the form a game wants, the faces with their places and
// badge values, and the badge rectangle.
#include "layouts/TileLegend.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/ScriptedHost.h"

namespace jw {
namespace {

TEST(TileLegend, FormFollowsTheTileFamilyAndFaceDownGames) {
    EXPECT_EQ(LegendFormFor("01", false), LegendForm::MahJong);
    EXPECT_EQ(LegendFormFor("02", false), LegendForm::Matching);
    EXPECT_EQ(LegendFormFor("01", true), LegendForm::Matching);
    EXPECT_EQ(LegendFormFor("03", true), LegendForm::Matching);
    EXPECT_EQ(LegendFormFor("03", false), std::nullopt);
    EXPECT_EQ(LegendFormFor("", false), std::nullopt);
}

TEST(TileLegend, MahJongFacesPlacesAndValues) {
    test::ScriptedHost host;
    const auto tiles = LegendTiles(LegendForm::MahJong, "01", false, host);
    ASSERT_EQ(tiles.size(), 42u);
    std::set<int> faces;
    for (const LegendTile& t : tiles) {
        faces.insert(t.face);
        EXPECT_EQ(t.value.size(), 2u) << t.face;
    }
    EXPECT_EQ(faces.size(), 42u);
    EXPECT_EQ(*faces.begin(), 1);
    EXPECT_EQ(*faces.rbegin(), 42);
    // Characters: 1..9 in a row from x 8 in steps of 41, under their caption.
    EXPECT_EQ(tiles[0].face, 1);
    EXPECT_EQ(tiles[0].x, 8);
    EXPECT_EQ(tiles[0].y, 8 + 18);
    EXPECT_EQ(tiles[0].value, "10");
    EXPECT_EQ(tiles[8].x, 336);
    EXPECT_EQ(tiles[8].value, " 9");
    EXPECT_EQ(tiles[9].face, 10);  // circles
    EXPECT_EQ(tiles[9].y, 83 + 18);
    EXPECT_EQ(tiles[10].value, " 2");
    EXPECT_EQ(tiles[18].y, 158 + 18);  // bamboos
    // Winds, dragons, flowers, seasons.
    EXPECT_EQ(tiles[27].face, 28);
    EXPECT_EQ(tiles[27].y, 233 + 18);
    EXPECT_EQ(tiles[30].x, 131);
    EXPECT_EQ(tiles[27].value, "11");
    EXPECT_EQ(tiles[31].face, 32);
    EXPECT_EQ(tiles[31].x, 213);
    EXPECT_EQ(tiles[33].x, 295);
    EXPECT_EQ(tiles[33].value, "12");
    EXPECT_EQ(tiles[34].face, 35);
    EXPECT_EQ(tiles[34].y, 320 + 18);
    EXPECT_EQ(tiles[38].face, 39);
    EXPECT_EQ(tiles[41].x, 336);
    for (int i = 34; i < 42; ++i) {
        EXPECT_EQ(tiles[static_cast<std::size_t>(i)].value, "15") << i;
    }
    // Screens of more dots per inch move every row down.
    const auto high = LegendTiles(LegendForm::MahJong, "01", false, host, 10);
    EXPECT_EQ(high[0].y, 8 + 28);
    EXPECT_EQ(high[41].y, 320 + 28);
    EXPECT_TRUE(host.messages.empty());
}

TEST(TileLegend, MatchingShowsThirtySixFacesWithOneValue) {
    test::ScriptedHost host;
    const auto faceUp = LegendTiles(LegendForm::Matching, "02", false, host);
    ASSERT_EQ(faceUp.size(), 36u);
    EXPECT_EQ(faceUp[34].face, 35);
    EXPECT_EQ(faceUp[35].face, 39);
    EXPECT_EQ(faceUp[9].x, 8);
    EXPECT_EQ(faceUp[9].y, 8 + 18 + 75);
    EXPECT_EQ(faceUp[35].x, 8 + 41 * 8);
    EXPECT_EQ(faceUp[35].y, 8 + 18 + 75 * 3);
    for (const LegendTile& t : faceUp) {
        EXPECT_EQ(t.value, "25");
    }
    // A face-down game of MahJong tiles: the Matching legend, every badge 50.
    ASSERT_EQ(LegendFormFor("01", true), LegendForm::Matching);
    for (const LegendTile& t : LegendTiles(LegendForm::Matching, "01", true, host)) {
        EXPECT_EQ(t.value, "50");
    }
}

TEST(TileLegend, BadgeTextsAndRectangle) {
    EXPECT_EQ(BadgeText(5), "5 ");
    EXPECT_EQ(BadgeText(50), "50");
    EXPECT_EQ(BadgeText(150), "15");
    const BadgeRect r = BadgeOf(100, 200, 12);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.right, 135);
    EXPECT_EQ(r.top, 200 + 50 - 12);
    EXPECT_EQ(r.bottom, 252);
    EXPECT_EQ(r.textX, 120);
    EXPECT_EQ(r.textY, 200 + 51 - 12);
}

}  // namespace
}  // namespace jw
