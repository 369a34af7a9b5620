#include "layouts/ForeignLayout.h"

#include <gtest/gtest.h>

#include "engine/Jong_class.h"
#include "engine/LayoutReader.h"
#include "platform/ScriptedHost.h"

namespace jw {
namespace {

// A version 1.1 layout: `depth` blocks of `height` rows.
std::string Layout(int width, int height, const std::vector<std::string>& rows, int depth = 1) {
    std::string text = "kmahjongg-layout-v1.1\r\n# a comment\r\nw" + std::to_string(width) +
                       "\r\nh" + std::to_string(height) + "\r\nd" + std::to_string(depth) + "\r\n";
    for (const std::string& row : rows)
        text += row + "\r\n";
    return text;
}

// Seven tiles on level 1 and one on level 2 resting on two of them.
const std::vector<std::string> kEight = {"12121212121212..", "43434343434343..", ".12.............",
                                         ".43............."};

std::string Refusal(const std::string& text) {
    return ConvertForeignLayout(text).refusal;
}

TEST(ForeignLayoutTest, TilesAndLevelsSurviveTheConversion) {
    const std::string text = Layout(16, 2, kEight, 2);
    ASSERT_TRUE(IsForeignLayout(text));
    const ForeignLayoutResult result = ConvertForeignLayout(text);
    ASSERT_EQ(result.refusal, "");
    EXPECT_EQ(result.tiles, 8);
    EXPECT_EQ(result.levels, 2);

    // The engine reads the converted file: the same tiles, on the same levels.
    test::ScriptedHost host;
    TMahJong_Base engine(host);
    ASSERT_TRUE(ReadLayoutText(engine, ReadMode::Preview, result.fileText, 10000));
    EXPECT_EQ(engine.board.CountAnchors(), 8);
    EXPECT_EQ(engine.board.CountAnchors(1), 7);
    EXPECT_EQ(engine.board.CountAnchors(2), 1);
    EXPECT_EQ(engine.rules, LayoutRules{});
    EXPECT_TRUE(engine.madeInEditor);
}

TEST(ForeignLayoutTest, VersionOneHasAFixedSize) {
    std::string text = "mahjongg-layout-v1.0\n";
    for (int level = 0; level < 5; ++level)
        for (int row = 0; row < 16; ++row)
            text += (level == 0 && row < 2
                         ? std::string(row == 0 ? "12121212" : "43434343") + std::string(24, '.')
                         : std::string(32, '.')) +
                    "\n";
    const ForeignLayoutResult result = ConvertForeignLayout(text);
    EXPECT_EQ(result.refusal, "");
    EXPECT_EQ(result.tiles, 4);
    EXPECT_FALSE(IsForeignLayout("Jadewind layout\n"));
}

TEST(ForeignLayoutTest, BrokenRulesAreNamed) {
    EXPECT_EQ(Refusal(Layout(16, 2, kEight, 3)),
              "The layout should have 6 rows of cells (3 levels of 2), but it has 4.");
    std::vector<std::string> rows = kEight;
    rows[1].pop_back();
    EXPECT_EQ(Refusal(Layout(16, 2, rows, 2)), "Row 2 of level 1 has 15 cells instead of 16.");
    rows = kEight;
    rows[0][15] = 'x';
    EXPECT_EQ(Refusal(Layout(16, 2, rows, 2)),
              "The character 'x' at level 1, row 1, column 16 is none of 1, 2, 3, 4 and '.'.");
    rows = kEight;
    rows[1][12] = '.';  // a "1" without its "4"
    EXPECT_EQ(Refusal(Layout(16, 2, rows, 2)),
              "The tile at level 1, row 1, column 13 is not whole: a tile is the four cells 1 2 "
              "over 4 3.");
    rows = kEight;
    rows[2] = "..............12";
    rows[3] = "..............43";
    EXPECT_EQ(Refusal(Layout(16, 2, rows, 2)),
              "The tile at level 2, row 1, column 15 lies on nothing: a tile above the first "
              "level must rest on tiles below.");
    EXPECT_EQ(Refusal(Layout(16, 2, {kEight[0], kEight[1]}, 1)),
              "The layout has 7 tiles; a layout needs a multiple of 4.");
    // Six levels of one tile each.
    std::vector<std::string> tower;
    for (int level = 0; level < 6; ++level) {
        tower.push_back("12");
        tower.push_back("43");
    }
    EXPECT_EQ(Refusal(Layout(2, 2, tower, 6)),
              "The layout has tiles on level 6; at most 5 levels are played.");
    // 434 tiles on one level.
    std::vector<std::string> wide(2, "");
    for (int k = 0; k < 434; ++k) {
        wide[0] += "12";
        wide[1] += "43";
    }
    EXPECT_EQ(Refusal(Layout(868, 2, wide, 1)),
              "The layout is 868 x 2 cells; at most 198 x 198 fit on the board.");
    std::vector<std::string> many;
    for (int row = 0; row < 6; ++row) {
        std::string top, bottom;
        for (int k = 0; k < 76; ++k) {
            top += "12";
            bottom += "43";
        }
        many.push_back(top);
        many.push_back(bottom);
    }
    EXPECT_EQ(Refusal(Layout(152, 12, many, 1)), "The layout has more than 432 tiles.");
    EXPECT_EQ(Refusal(Layout(4, 2, {"....", "...."}, 1)), "The layout has no tiles.");
    EXPECT_EQ(Refusal("kmahjongg-layout-v1.1\nwide\nh2\nd1\n"),
              "The layout should have 2 rows of cells (1 levels of 2), but it has 1.");
}

}  // namespace
}  // namespace jw
