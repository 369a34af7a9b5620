// The status bar's texts during a game, without one, and after Quit game.
#include <gtest/gtest.h>

#include "shell/StatusTexts.h"

namespace jw {
namespace {

TEST(StatusTexts, AGameInProgressShowsEveryFigure) {
    StatusFigures figures;
    figures.playing = true;
    figures.score = -40;
    figures.clock = "0:01:05";
    figures.tilesLeft = 142;
    figures.matches = 7;
    figures.player = "Ann";
    const auto texts = StatusPanelTexts(figures);
    EXPECT_EQ(texts[0], "Score: -40");
    EXPECT_EQ(texts[1], "Time: 0:01:05");
    EXPECT_EQ(texts[2], "Tiles: 142");
    EXPECT_EQ(texts[3], "Matches: 7");
    EXPECT_FALSE(texts[4]) << "the tile value follows the pointer, not the game";
    EXPECT_EQ(texts[5], "Ann");
}

TEST(StatusTexts, AfterTheEndTheFiguresStayAndQuitClearsThem) {
    StatusFigures figures;
    figures.playing = false;
    figures.player = "Ann";
    const auto texts = StatusPanelTexts(figures);
    EXPECT_FALSE(texts[0]);
    EXPECT_EQ(texts[1], "Time: 0:00:00");
    EXPECT_FALSE(texts[2]);
    EXPECT_FALSE(texts[3]);

    const auto cleared = ClearedStatusTexts("Ann");
    EXPECT_EQ(cleared[0], "Score:");
    EXPECT_EQ(cleared[1], "Time: 0:00:00");
    EXPECT_EQ(cleared[2], "Tiles:");
    EXPECT_EQ(cleared[3], "Matches:");
    EXPECT_EQ(cleared[4], "Tile Value:");
    EXPECT_EQ(cleared[5], "Ann");
    EXPECT_EQ(TileValueText(9), "Tile Value: 9");
}

}  // namespace
}  // namespace jw
