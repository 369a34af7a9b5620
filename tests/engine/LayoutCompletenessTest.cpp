#include "engine/LayoutCompleteness.h"

#include <gtest/gtest.h>

#include "LayoutTestSupport.h"

namespace jw {
namespace {

std::array<int, kTileLevels + 1> Levels(int one, int two = 0) {
    return {0, one, two, 0, 0, 0};
}

TEST(Completeness, FaceUpCountsWholeGroups) {
    const LayoutRules rules;  // groups of 4
    const auto empty = AssessLayout(rules, 0, Levels(0));
    EXPECT_EQ(empty.toAdd, 4);
    EXPECT_EQ(empty.toDelete, 0);
    const auto few = AssessLayout(rules, 3, Levels(3));
    EXPECT_EQ(few.toAdd, 1);
    EXPECT_EQ(few.toDelete, 0);  // fewer than a group: nothing to delete instead
    const auto over = AssessLayout(rules, 145, Levels(145));
    EXPECT_EQ(over.toAdd, 3);
    EXPECT_EQ(over.toDelete, 1);
    EXPECT_TRUE(AssessLayout(rules, 144, Levels(143, 1)).Complete());  // levels don't matter
    LayoutRules threes;
    threes.tilesToMatch = 3;
    threes.repetition = 1;
    EXPECT_TRUE(AssessLayout(threes, 9, Levels(9)).Complete());
}

TEST(Completeness, FaceDownNeedsWholeGroupsOnEveryLevel) {
    LayoutRules rules;
    rules.faceDown = 1;  // groups of 2
    EXPECT_TRUE(AssessLayout(rules, 6, Levels(4, 2)).Complete());
    const auto uneven = AssessLayout(rules, 6, Levels(3, 3));
    EXPECT_EQ(uneven.toAdd, 0);
    EXPECT_EQ(uneven.failingLevel, 1);
}

TEST(Completeness, MessagesThroughTheHost) {
    test::LayoutFixture f;
    for (int column = 1; column <= 9; column += 2) {
        f.engine->PlaceTile(1, column, 1, column);
    }
    EXPECT_FALSE(CheckLayoutComplete(*f.engine));
    f.engine->rules.faceDown = 1;
    f.engine->PlaceTile(1, 11, 1, 11);
    f.engine->PlaceTile(2, 1, 1, 12);
    f.engine->PlaceTile(2, 3, 1, 13);
    f.engine->PlaceTile(2, 5, 1, 14);
    f.engine->PlaceTile(2, 7, 1, 15);
    f.engine->PlaceTile(3, 1, 1, 16);
    f.engine->PlaceTile(3, 3, 1, 17);  // 6, 4 and 2 tiles
    EXPECT_TRUE(CheckLayoutComplete(*f.engine));
    f.engine->PlaceTile(2, 9, 1, 18);
    f.engine->PlaceTile(3, 5, 1, 19);  // 6, 5 and 3
    EXPECT_FALSE(CheckLayoutComplete(*f.engine));
    EXPECT_EQ(f.host.MessageTexts(),
              (std::vector<std::string>{
                  "The layout is not completed. To finish the layout:\rAdd 3 tiles or delete 1 "
                  "tiles.",
                  "Each level must contain a pair number of tiles, for ex. 2,4,6,8,...\r\nAdd or "
                  "delete one tile from level n.: 2"}));
}

}  // namespace
}  // namespace jw
