// The game information numbers and where the tool windows open.
#include "layouts/InfoWindows.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(GameInfo, NumbersOfARunningGameAndNoneWithout) {
    GameInfoFigures f;
    f.playing = true;
    f.tileCount = 144;
    f.tilesLeft = 100;
    f.levels = 5;
    f.availableMatches = 7;
    f.possibleMatches = 12;
    const auto texts = GameInfoTexts(f);
    EXPECT_EQ(texts, (std::array<std::string, kGameInfoLines>{"144", "44", "100", "5", "7", "12"}));
    f.playing = false;
    for (const std::string& text : GameInfoTexts(f)) {
        EXPECT_TRUE(text.empty());
    }
}

MainWindowFrame Frame() {
    MainWindowFrame main;
    main.top = 20;
    main.height = 900;
    main.clientHeight = 850;  // 50 of title and menu
    main.clientWidth = 1200;
    main.topDockHeight = 40;
    main.statusTop = 820;
    return main;
}

TEST(ToolWindowPlace, GameInfoGoesUnderTheBarsWhenNothingIsStored) {
    MainWindowFrame main = Frame();
    ScreenPoint at = GameInfoPlace({-1, -1, false}, main);
    EXPECT_EQ(at.left, 0);
    EXPECT_EQ(at.top, 20 + 50 + 40 - 3);
    main.highDpi = true;
    EXPECT_EQ(GameInfoPlace({-1, -1, false}, main).top, 20 + 50 + 40 + 10 - 3);
    // A stored place is kept, each coordinate on its own.
    at = GameInfoPlace({300, 200, true}, main);
    EXPECT_EQ(at.left, 300);
    EXPECT_EQ(at.top, 200);
    at = GameInfoPlace({300, -1, true}, main);
    EXPECT_EQ(at.left, 300);
    EXPECT_EQ(at.top, 20 + 50 + 40 + 10 - 3);
}

TEST(ToolWindowPlace, LegendEndsAboveTheStatusBar) {
    MainWindowFrame main = Frame();
    ScreenPoint at = LegendPlace({-1, -1, false}, main, 382, 415);
    EXPECT_EQ(at.left, 1200 - 382 - 10);
    EXPECT_EQ(at.top, 20 + 50 + 820 - 415 - 10);
    main.statusVisible = false;
    EXPECT_EQ(LegendPlace({-1, -1, false}, main, 382, 341).top, 20 + 50 + 850 - 341 - 10);
    EXPECT_EQ(LegendPlace({5, 6, false}, main, 382, 341).left, 5);
}

}  // namespace
}  // namespace jw
