#include "records/OverallView.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(OverallViewTest, ClockPadsHoursToTheirFieldAndStarsWhatDoesNotFit) {
    EXPECT_EQ(ClockText(0, ':', 2), "00:00:00");
    EXPECT_EQ(ClockText(3 * 3600 + 61, ':', 2), "03:01:01");
    EXPECT_EQ(ClockText(99 * 3600 + 3599, '.', 2), "99.59.59");
    EXPECT_EQ(ClockText(100 * 3600, ':', 2), "*:00:00");
    EXPECT_EQ(ClockText(9 * 3600, ':', 1), "9:00:00");
    EXPECT_EQ(ClockText(10 * 3600 + 5, ':', 1), "*:00:05");
    EXPECT_EQ(ClockText(-1, ':', 2), "00:00:00");
}

TEST(OverallViewTest, WebAddressesNeedAWebSite) {
    EXPECT_EQ(WebAddress("", kChampionsPage), "");
    EXPECT_EQ(WebAddress("https://example.org", kChampionsPage),
              "https://example.org/overallscore/champion.htm");
    EXPECT_EQ(WebAddress("https://example.org/", kAddScorePage),
              "https://example.org/addscore.htm");
}

}  // namespace
}  // namespace jw
