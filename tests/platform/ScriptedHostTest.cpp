#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

namespace jw::test {
namespace {

TEST(ScriptedHostTest, AnswersFromTheQueueThenByButtons) {
    ScriptedHost host;
    host.answers.push_back(MessageAnswer::No);
    EXPECT_EQ(host.ShowMessage(MessageKind::Warning, "a", MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(host.ShowMessage(MessageKind::Warning, "b", MessageButtons::YesNoCancel),
              MessageAnswer::Yes);
    EXPECT_EQ(host.ShowMessage(MessageKind::Error, "c", MessageButtons::OkCancel),
              MessageAnswer::Ok);
    host.Inform("d");
    ASSERT_EQ(host.messages.size(), 4u);
    EXPECT_EQ(host.messages[3].kind, MessageKind::Information);
    EXPECT_EQ(host.messages[3].buttons, MessageButtons::Ok);
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(ScriptedHostTest, RandomIsDeterministicAndInRange) {
    ScriptedHost first;
    ScriptedHost second;
    for (int i = 0; i < 200; ++i) {
        const int value = first.Random(7);
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 7);
        EXPECT_EQ(value, second.Random(7));
    }
    EXPECT_EQ(first.Random(0), 0);
    EXPECT_EQ(first.Random(-3), 0);

    first.randomValues = {12, -1};
    EXPECT_EQ(first.Random(5), 2);
    EXPECT_EQ(first.Random(5), 4);
}

TEST(ScriptedHostTest, WaitMovesTheMonotonicClock) {
    ScriptedHost host;
    host.monotonicMs = 1000;
    host.After(400, [] {});
    host.RunWaits();
    EXPECT_EQ(host.MonotonicMs(), 1400);
    host.waitAdvancesClock = false;
    host.After(400, [] {});
    host.RunWaits();
    EXPECT_EQ(host.MonotonicMs(), 1400);
    EXPECT_EQ(host.waits, (std::vector<int>{400, 400}));
}

TEST(ScriptedHostTest, ContinuationsRunWhenTheirTimeHasPassed) {
    ScriptedHost host;
    std::vector<std::string> ran;
    host.After(300, [&] { ran.push_back("300"); });
    host.After(100, [&] {
        ran.push_back("100");
        // Queued while time passes: due at 100 + 50.
        host.After(50, [&] { ran.push_back("150"); });
    });
    host.After(100, [&] { ran.push_back("100 second"); });
    EXPECT_TRUE(ran.empty());  // nothing runs before its time
    host.Elapse(99);
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(host.MonotonicMs(), 99);
    host.Elapse(1);
    EXPECT_EQ(ran, (std::vector<std::string>{"100", "100 second"}));
    EXPECT_EQ(host.PendingWaits(), 2u);
    host.Elapse(100);
    EXPECT_EQ(ran, (std::vector<std::string>{"100", "100 second", "150"}));
    EXPECT_EQ(host.MonotonicMs(), 200);
    host.RunWaits();
    EXPECT_EQ(ran.back(), "300");
    EXPECT_EQ(host.MonotonicMs(), 300);
    EXPECT_EQ(host.PendingWaits(), 0u);
}

}  // namespace
}  // namespace jw::test
