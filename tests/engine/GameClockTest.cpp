#include "engine/GameClock.h"

#include <gtest/gtest.h>

#include "platform/ScriptedHost.h"

namespace jw {
namespace {

class Clock : public ::testing::Test {
  protected:
    void At(int hour, int minute, int second) {
        host.now.hour = hour;
        host.now.minute = minute;
        host.now.second = second;
    }
    test::ScriptedHost host;
    GameClock clock{host};
};

TEST_F(Clock, CountsFromTheStart) {
    At(10, 0, 0);
    clock.Start();
    EXPECT_EQ(clock.Text(), "0:00:00");
    At(11, 2, 3);
    EXPECT_EQ(clock.Text(), "1:02:03");
    EXPECT_EQ(clock.ElapsedSeconds(), 3723);
}

TEST_F(Clock, MidnightLosesOneSecond) {
    At(23, 59, 0);
    clock.Start();
    At(0, 1, 0);
    EXPECT_EQ(clock.Text(), "0:01:59");
}

TEST_F(Clock, PauseKeepsThePlayedTime) {
    At(8, 0, 0);
    clock.Start();
    At(8, 5, 0);
    clock.Pause();
    At(9, 0, 0);
    EXPECT_EQ(clock.Text(), "0:05:00");
    clock.Resume();
    At(9, 1, 0);
    EXPECT_EQ(clock.Text(), "0:06:00");
    // A pause over midnight.
    clock.Pause();
    At(0, 30, 0);
    clock.Resume();
    At(0, 31, 0);
    EXPECT_EQ(clock.Text(), "0:07:00");
}

TEST_F(Clock, StopFreezesTheText) {
    At(8, 0, 0);
    clock.Start();
    At(8, 0, 42);
    clock.Stop();
    At(9, 0, 0);
    EXPECT_EQ(clock.Text(), "0:00:42");
    EXPECT_FALSE(clock.Running());
}

TEST_F(Clock, SettingFromSeconds) {
    At(12, 0, 0);
    clock.SetElapsed(3600);
    EXPECT_EQ(clock.Text(), "1:00:00");
    clock.SetElapsedText("75");
    EXPECT_EQ(clock.Text(), "0:01:15");
    clock.SetElapsedText("abc");
    EXPECT_EQ(clock.Text(), "0:00:00");
    // Set just after midnight, the start lies on the day before.
    At(0, 0, 10);
    clock.SetElapsed(70);
    At(0, 0, 20);
    EXPECT_EQ(clock.Text(), "0:01:20");
}

TEST(ClockText, ElapsedSecondsReadTheLastSevenCharacters) {
    EXPECT_EQ(ElapsedSecondsOfText("Time: 1:02:03"), 3723);
    EXPECT_EQ(ElapsedSecondsOfText("0:00:09"), 9);
    EXPECT_EQ(ElapsedSecondsOfText("Time:"), 0);
    EXPECT_EQ(ElapsedSecondsOfText(""), 0);
    EXPECT_EQ(ElapsedSecondsOfText("x:yy:zz"), 0);
    EXPECT_EQ(ElapsedSecondsOfText("12:00:01"), 2 * 3600 + 1);  // ten hours and more are cut
    EXPECT_EQ(FormatClock(36000), "10:00:00");
}

}  // namespace
}  // namespace jw
