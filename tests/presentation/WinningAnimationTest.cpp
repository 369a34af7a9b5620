// The six winning animations on a scripted clock: where the tiles land,
// when the patterns wait, and how they end.
#include "presentation/WinningAnimation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "platform/ScriptedHost.h"
#include "presentation/BoardAnimation.h"

namespace jw {
namespace {

struct StampRecord {
    int face;
    int x;
    int y;
    std::int64_t at;
};

struct RecordingTarget : StampTarget {
    explicit RecordingTarget(test::ScriptedHost& host) : host(host) {}
    void Stamp(int face, int x, int y) override {
        stamps.push_back({face, x, y, host.monotonicMs});
    }
    test::ScriptedHost& host;
    std::vector<StampRecord> stamps;
};

// The standard board: 800 x 600, size "B" (52 x 70, depth 14), 40 pixels of
// tool bars above and a 20-pixel status bar below.
constexpr AnimationArea kArea{800, 600, 800, 600, 40, 580};
constexpr AnimationTile kTile{52, 70, 14};

class Animation : public ::testing::Test {
  protected:
    // Starts `name` and runs it to the end on the scripted clock; returns the
    // waits it asked for.
    std::vector<int> Run(std::string_view name, int seconds, AnimationArea area = kArea) {
        EXPECT_TRUE(animation.Start(name, seconds, area, kTile));
        std::vector<int> waits;
        RunToEnd(animation, [&](int wait) {
            waits.push_back(wait);
            host.monotonicMs += wait;
        });
        EXPECT_FALSE(animation.Running());
        return waits;
    }

    test::ScriptedHost host;
    RecordingTarget target{host};
    WinningAnimation animation{host, target};
};

TEST_F(Animation, NoneAndUnknownNamesDrawNothing) {
    for (const std::string_view name : {"(None)", "Fireworks", "", "circles"}) {
        EXPECT_FALSE(animation.Start(name, 30, kArea, kTile)) << name;
        EXPECT_FALSE(animation.Running());
        EXPECT_FALSE(animation.Resume().has_value());
    }
    EXPECT_TRUE(target.stamps.empty());
}

TEST_F(Animation, RandomPicksOneOfTheSix) {
    host.randomValues = {1};
    ASSERT_TRUE(animation.Start("(Random)", 1, kArea, kTile));
    EXPECT_EQ(animation.Pattern(), "Circles");
    std::set<std::string_view> seen;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(animation.Start("(Random)", 1, kArea, kTile));
        seen.insert(animation.Pattern());
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST_F(Animation, LeftToRightFillsARowBeforeItsPause) {
    const std::vector<int> waits = Run("Left to right", 3);
    // x = -66 (depth 14), then a face width further each time, up to 766.
    ASSERT_GE(target.stamps.size(), 18u);
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(target.stamps[static_cast<std::size_t>(i)].x, -66 + 52 * i);
        EXPECT_EQ(target.stamps[static_cast<std::size_t>(i)].y, 40);
    }
    for (std::size_t i = 0; i < 17; ++i) {
        EXPECT_EQ(waits[i], 15);
    }
    EXPECT_EQ(waits[17], 700);
    // The next row starts a little left of the window, one face lower.
    EXPECT_EQ(target.stamps[17].y, 40 + 70);
    EXPECT_LE(target.stamps[17].x, -5);
    EXPECT_GE(target.stamps[17].x, -5 - 65);
    for (const StampRecord& stamp : target.stamps) {
        EXPECT_GE(stamp.face, 1);
        EXPECT_LE(stamp.face, 42);
    }
}

TEST_F(Animation, LeftToRightStartsOverFromTheTop) {
    Run("Left to right", 30);
    std::set<int> rows;
    int restarts = 0;
    for (std::size_t i = 1; i < target.stamps.size(); ++i) {
        rows.insert(target.stamps[i].y);
        restarts += target.stamps[i].y < target.stamps[i - 1].y ? 1 : 0;
        // A row never reaches the window's bottom.
        EXPECT_LT(target.stamps[i].y + 84, 600);
    }
    EXPECT_EQ(rows.size(), 7u);  // 40, 110, ..., 460: the next would reach 600
    EXPECT_GE(restarts, 1);
}

TEST_F(Animation, UpToDownFillsColumnsFromTheLeft) {
    const std::vector<int> waits = Run("Up to down", 3);
    ASSERT_GE(target.stamps.size(), 11u);
    // y = -84, then a face height lower each time while above 600.
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(target.stamps[static_cast<std::size_t>(i)].x, 0);
        EXPECT_EQ(target.stamps[static_cast<std::size_t>(i)].y, -84 + 70 * i);
    }
    EXPECT_EQ(waits[9], 15);
    EXPECT_EQ(waits[10], 700);
    EXPECT_EQ(target.stamps[10].x, 52);
    EXPECT_LE(target.stamps[10].y, -5);
}

TEST_F(Animation, ADurationOfZeroStopsAfterTheFirstStampOrRun) {
    for (const std::string_view name : {"Open order", "Left to right", "Up to down"}) {
        target.stamps.clear();
        Run(name, 0);
        EXPECT_EQ(target.stamps.size(), 1u) << name;
    }
    for (const std::string_view name : {"Lines", "Circles", "Festoons"}) {
        target.stamps.clear();
        Run(name, 0);
        ASSERT_GT(target.stamps.size(), 1u) << name;
        // One run throws one face.
        for (const StampRecord& stamp : target.stamps) {
            EXPECT_EQ(stamp.face, target.stamps[0].face) << name;
        }
    }
}

TEST_F(Animation, PatternsEndWhenTheirTimeIsUp) {
    for (const std::string_view name : kAnimationPatterns) {
        target.stamps.clear();
        host.monotonicMs = 1000;
        Run(name, 2);
        ASSERT_FALSE(target.stamps.empty()) << name;
        // Nothing is stamped after the time is up, except what finishes the
        // run in progress.
        EXPECT_GE(host.monotonicMs, 3000) << name;
        EXPECT_LT(host.monotonicMs, 3000 + 20000) << name;
    }
}

TEST_F(Animation, OpenOrderRestsEveryFifthStamp) {
    const std::vector<int> waits = Run("Open order", 1);
    ASSERT_FALSE(waits.empty());
    for (const int wait : waits) {
        EXPECT_EQ(wait, 5);
    }
    // Five stamps a rest, 200 rests in a second, then the one that sees the
    // time is up.
    EXPECT_EQ(target.stamps.size(), 5u * 200u + 1u);
    for (const StampRecord& stamp : target.stamps) {
        EXPECT_GE(stamp.x, -26);
        EXPECT_LT(stamp.x, 800);
        EXPECT_GE(stamp.y, -35);
        EXPECT_LT(stamp.y, 600);
    }
}

TEST_F(Animation, StopEndsAtTheNextCheck) {
    ASSERT_TRUE(animation.Start("Circles", 30, kArea, kTile));
    ASSERT_TRUE(animation.Resume().has_value());
    const std::size_t before = target.stamps.size();
    animation.Stop();
    EXPECT_FALSE(animation.Resume().has_value());
    EXPECT_FALSE(animation.Running());
    EXPECT_EQ(target.stamps.size(), before);
}

TEST(CirclePoints, TraceTheOutlineClockwiseFromTheTop) {
    const auto& points = CirclePoints();
    ASSERT_FALSE(points.empty());
    EXPECT_LE(points.size(), 300u);
    EXPECT_EQ(points.front()[0], 150);
    EXPECT_EQ(points.front()[1], 0);
    // One outline pixel per row: down the right half (x from 150), then up
    // the left half (x below 150); every fourth of them is used.
    std::size_t turn = 0;
    while (turn < points.size() && points[turn][0] >= 150) {
        ++turn;
    }
    ASSERT_GT(turn, 10u);
    ASSERT_LT(turn, points.size() - 10);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double dx = points[i][0] + 0.5 - 150;
        const double dy = points[i][1] + 0.5 - 150;
        EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 150, 1.5) << i;
        EXPECT_EQ(points[i][0] >= 150, i < turn) << i;
        if (i > 0 && i != turn) {
            EXPECT_EQ(points[i][1] - points[i - 1][1], i < turn ? 4 : -4) << i;
        }
    }
    EXPECT_EQ(points.size(), 150u);  // 600 rows traced, every fourth used
}

TEST_F(Animation, CirclesStampOnlyInsideTheClientArea) {
    Run("Circles", 5);
    ASSERT_FALSE(target.stamps.empty());
    for (const StampRecord& stamp : target.stamps) {
        const bool xIn =
            (stamp.x >= 0 && stamp.x <= 800) || (stamp.x + 52 >= 0 && stamp.x + 52 <= 800);
        const bool yIn =
            (stamp.y >= 0 && stamp.y <= 600) || (stamp.y + 70 >= 0 && stamp.y + 70 <= 600);
        EXPECT_TRUE(xIn && yIn) << stamp.x << "," << stamp.y;
    }
}

TEST_F(Animation, CirclesFollowThePointsFromTheirCorner) {
    // Corner: cy = 100, cx = 200; face 7.
    host.randomValues = {100, 200, 6};
    Run("Circles", 0);
    const auto& points = CirclePoints();
    ASSERT_EQ(target.stamps.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(target.stamps[i].x, 200 + points[i][0]);
        EXPECT_EQ(target.stamps[i].y, 100 + points[i][1]);
        EXPECT_EQ(target.stamps[i].face, 7);
    }
}

TEST_F(Animation, CirclesNearTheFarEdgeStartBeforeIt) {
    // cy = 500 > 600 - 150 gives 450 - 500 = -50; cx = 700 gives 650 - 700.
    host.randomValues = {500, 700, 0};
    Run("Circles", 0);
    ASSERT_FALSE(target.stamps.empty());
    EXPECT_EQ(target.stamps[0].x, -50 + 150);
    EXPECT_EQ(target.stamps[0].y, -50 + 0);
}

TEST(FestoonTables, FallAndBounce) {
    const auto fall = FestoonFall();
    EXPECT_EQ(fall[0].step, 0);
    EXPECT_EQ(fall[0].length, 0);
    EXPECT_EQ(fall[1].step, 3);
    EXPECT_EQ(fall[1].length, 3);
    EXPECT_EQ(fall[19].step, 39);
    EXPECT_EQ(fall[19].length, 39);
    EXPECT_EQ(fall[20].step, 41);
    EXPECT_EQ(fall[20].length, 100);

    const auto bounce = FestoonBounce(2);
    const std::vector<int> firstArc = {-38, -34, -30, -26, -22, -18, -14, -10, -6, -2, 0,
                                       0,   2,   6,   10,  14,  18,  22,  26,  30, 34, 38};
    for (std::size_t i = 0; i < firstArc.size(); ++i) {
        EXPECT_EQ(bounce[i].step, firstArc[i]) << i;
    }
    EXPECT_EQ(bounce[22].step, -30);
    EXPECT_EQ(bounce[39].step, 30);
    EXPECT_EQ(bounce[40].step, -22);
    EXPECT_EQ(bounce[53].step, 22);
    EXPECT_EQ(bounce[54].step, -14);
    EXPECT_EQ(bounce[63].step, 14);
    EXPECT_EQ(bounce[64].step, 0);
    // Every arc rises as much as it falls.
    int sum = 0;
    for (const FestoonRun& run : bounce) {
        sum += run.step;
    }
    EXPECT_EQ(sum, 0);

    const std::vector<int> lengths = {0, 0, 2, 3, 4, 5, 4, 3, 2, 1, 0,
                                      0, 1, 2, 3, 4, 5, 4, 3, 2, 0, 0};
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        EXPECT_EQ(bounce[i].length, lengths[i]) << i;
    }
    EXPECT_EQ(FestoonBounce(3)[5].length, 6);
    EXPECT_EQ(bounce[22].length, 1);
    EXPECT_EQ(bounce[64].length, 1000);
}

TEST_F(Animation, FestoonsFallThenBounceAlongTheBottom) {
    // r = 2 (even: to the right), dx = (1 + 3) = 4, face 1, x = 100,
    // y = 10 + 40 - 50 = 0.
    host.randomValues = {1, 1, 0, 100, 10};
    Run("Festoons", 1);
    ASSERT_GT(target.stamps.size(), 10u);
    // Run 0 stamps once without moving down; run 1 (step 3) stamps at i = 0
    // and i = 3; run 2 (step 5) at i = 0 and 5.
    const std::vector<int> ys = {0, 0, 3, 6, 11};
    for (std::size_t i = 0; i < ys.size(); ++i) {
        EXPECT_EQ(target.stamps[i].y, ys[i]) << i;
    }
    // The first throw: its tile drifts 4 pixels right at every stamp until
    // it has left the window.
    std::size_t end = 1;
    while (end < target.stamps.size() && target.stamps[end].x == target.stamps[end - 1].x + 4) {
        ++end;
    }
    EXPECT_GT(target.stamps[end - 1].x, 800 - 4);
    // It fell to the bottom, then bounced up from there.
    std::size_t landed = 0;
    while (landed < end && target.stamps[landed].y + 70 < 580) {
        ++landed;
    }
    ASSERT_LT(landed, end);
    EXPECT_LT(target.stamps[landed].y + 70, 580 + 42);
    int highest = target.stamps[landed].y;
    for (std::size_t i = landed; i < end; ++i) {
        highest = std::min(highest, target.stamps[i].y);
    }
    EXPECT_LT(highest, target.stamps[landed].y - 300);
}

TEST_F(Animation, LinesBounceInsideTheClientArea) {
    Run("Lines", 20);
    ASSERT_GT(target.stamps.size(), 100u);
    int reversals = 0;
    for (std::size_t i = 0; i < target.stamps.size(); ++i) {
        const StampRecord& stamp = target.stamps[i];
        // At most one step (11 pixels) beyond an edge, where a run ends.
        EXPECT_GE(stamp.x, 1 - 11);
        EXPECT_LT(stamp.x + 52, 800 + 11);
        EXPECT_GT(stamp.y, 40 - 11);
        EXPECT_LT(stamp.y + 70, 580 + 11);
        if (i >= 2) {
            const int before = target.stamps[i - 1].x - target.stamps[i - 2].x;
            const int now = stamp.x - target.stamps[i - 1].x;
            reversals += (before > 0) != (now > 0) ? 1 : 0;
        }
    }
    EXPECT_GT(reversals, 2);
}

TEST_F(Animation, PatternsLetTimePassOnATinyBoard) {
    // A board smaller than one tile: every pattern must still reach its end.
    const AnimationArea tiny{40, 30, 40, 30, 0, 30};
    for (const std::string_view name : kAnimationPatterns) {
        host.monotonicMs = 0;
        Run(name, 1, tiny);
        EXPECT_GE(host.monotonicMs, 1000) << name;
    }
}

}  // namespace
}  // namespace jw
