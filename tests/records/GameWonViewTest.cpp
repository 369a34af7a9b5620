#include "records/GameWonView.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(GameWonViewTest, FirstWinShowsOneWonNoneLostAndAFullPie) {
    const GameWonFigures f = GameWonFiguresOf("Turtle   ", 1, 0);
    EXPECT_EQ(f.groupCaption, "Total [Turtle]");
    EXPECT_EQ(f.won, "1");
    EXPECT_EQ(f.lost, "0");
    EXPECT_EQ(f.total, "1");
    EXPECT_EQ(f.wonPercent, "(100%)");
    EXPECT_EQ(f.lostPercent, "(0%)");
    EXPECT_EQ(f.totalPercent, "(100%)");
    EXPECT_EQ(f.pieValue, 100);
    EXPECT_TRUE(f.showPie);
}

TEST(GameWonViewTest, LostIsTheRestOfTheRoundedWonShare) {
    const GameWonFigures f = GameWonFiguresOf("Spider", 2, 1);
    EXPECT_EQ(f.total, "3");
    EXPECT_EQ(f.wonPercent, "(66.7%)");
    EXPECT_EQ(f.lostPercent, "(33.3%)");
    EXPECT_EQ(f.pieValue, 66);
    const GameWonFigures lost = GameWonFiguresOf("Spider", 0, 4);
    EXPECT_EQ(lost.wonPercent, "(0%)");
    EXPECT_EQ(lost.lostPercent, "(100%)");
    EXPECT_EQ(lost.pieValue, 0);
    EXPECT_TRUE(lost.showPie);
}

TEST(GameWonViewTest, NoCountedGameHidesThePieAndThePercentages) {
    const GameWonFigures f = GameWonFiguresOf("Spider", 0, 0);
    EXPECT_FALSE(f.showPie);
    EXPECT_EQ(f.wonPercent, "");
    EXPECT_EQ(f.lostPercent, "");
    EXPECT_EQ(f.total, "0");
    EXPECT_EQ(f.totalPercent, "(100%)");
}

}  // namespace
}  // namespace jw
