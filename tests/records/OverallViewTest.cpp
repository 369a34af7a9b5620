#include "records/OverallView.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(OverallViewTest, WebAddressesNeedAWebSite) {
    EXPECT_EQ(WebAddress("", kChampionsPage), "");
    EXPECT_EQ(WebAddress("https://example.org", kChampionsPage),
              "https://example.org/overallscore/champion.htm");
    EXPECT_EQ(WebAddress("https://example.org/", kAddScorePage),
              "https://example.org/addscore.htm");
}

}  // namespace
}  // namespace jw
