#include <gtest/gtest.h>

#include "platform/SaveFile.h"
#include "platform/ScriptedHost.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "records/Advice.h"
#include "records/SettingsFile.h"
#include "records/WindowPlace.h"

namespace jw {
namespace {

using test::ScriptedHost;
using test::TempFolder;
using namespace setting;

class SettingsAdviceTest : public ::testing::Test {
  protected:
    TempFolder temp;
    SettingsFile settings{temp / "cnfg.dat"};
    ScriptedHost host;
};

// The window-place helpers keep their values in the same file.
using SettingsWindowPlaceTest = SettingsAdviceTest;

TEST_F(SettingsAdviceTest, ShowAdviceUntilTheBoxIsTicked) {
    ShowAdvice(host, settings, "Low colours", kMsgScreenUnder256Colors, 0);
    ASSERT_EQ(host.advices.size(), 1u);
    EXPECT_FALSE(host.advices[0].confirmation);
    EXPECT_EQ(host.advices[0].text, "Low colours");
    EXPECT_EQ(host.advices[0].picture, 0);
    EXPECT_FALSE(settings.HasKey(kShowMessages, kMsgScreenUnder256Colors));

    host.adviceAnswers.push_back({true, true});
    ShowAdvice(host, settings, "Low colours", kMsgScreenUnder256Colors, 1);
    EXPECT_EQ(settings.ReadString(kShowMessages, kMsgScreenUnder256Colors, ""), "N");

    ShowAdvice(host, settings, "Low colours", kMsgScreenUnder256Colors, 1);
    EXPECT_EQ(host.advices.size(), 2u) << "silenced";
}

TEST_F(SettingsAdviceTest, OnlyAnExactNSilencesAMessage) {
    ASSERT_TRUE(settings.TryWriteString(kShowMessages, kMsgScreenUnder256Colors, "n"));
    ShowAdvice(host, settings, "text", kMsgScreenUnder256Colors, 0);
    EXPECT_EQ(host.advices.size(), 1u);
}

TEST_F(SettingsAdviceTest, ConfirmAdviceAnswersAndRemembersTheTick) {
    host.adviceAnswers.push_back({false, false});
    EXPECT_FALSE(ConfirmAdvice(host, settings, "Shuffle?", kMsgInfoShuffle, true));
    ASSERT_EQ(host.advices.size(), 1u);
    EXPECT_TRUE(host.advices[0].confirmation);
    EXPECT_TRUE(host.advices[0].cancelWanted);

    // Ticked and left with Cancel: still silenced from now on.
    host.adviceAnswers.push_back({false, true});
    EXPECT_FALSE(ConfirmAdvice(host, settings, "Shuffle?", kMsgInfoShuffle, false));
    EXPECT_FALSE(host.advices[1].cancelWanted);
    EXPECT_EQ(settings.ReadString(kShowConfirmations, kMsgInfoShuffle, ""), "N");

    EXPECT_TRUE(ConfirmAdvice(host, settings, "Shuffle?", kMsgInfoShuffle, true));
    EXPECT_EQ(host.advices.size(), 2u);
}

TEST_F(SettingsWindowPlaceTest, WindowPlaceRoundTripsAndDefaults) {
    const ScreenInfo screen{1024, 768, 24};
    WindowPlace place = LoadWindowPlace(settings, screen, kFormInfoGame, 300, 200);
    EXPECT_EQ(place.left, -1);
    EXPECT_EQ(place.top, -1);
    EXPECT_FALSE(place.visible);

    SaveWindowPlace(settings, kFormInfoGame, 100, true, 50);
    EXPECT_EQ(settings.ReadSectionValues(kForms),
              (std::vector<std::string>{"info_game_Left=100", "info_game_Top=50",
                                        "info_game_Visible=Y"}));
    place = LoadWindowPlace(settings, screen, kFormInfoGame, 300, 200);
    EXPECT_EQ(place.left, 100);
    EXPECT_EQ(place.top, 50);
    EXPECT_TRUE(place.visible);
}

TEST_F(SettingsWindowPlaceTest, WindowPlaceIsPulledBackOntoTheScreen) {
    const ScreenInfo screen{1024, 768, 24};
    // A third of 301 x 200 is 100 x 66: at least that much stays visible.
    SaveWindowPlace(settings, kFormInfoLegendMahJong, 924, false, 702);
    WindowPlace place = LoadWindowPlace(settings, screen, kFormInfoLegendMahJong, 301, 200);
    EXPECT_EQ(place.left, 924);
    EXPECT_EQ(place.top, 702);

    SaveWindowPlace(settings, kFormInfoLegendMahJong, 925, false, 703);
    place = LoadWindowPlace(settings, screen, kFormInfoLegendMahJong, 301, 200);
    EXPECT_EQ(place.left, 924);
    EXPECT_EQ(place.top, 702);

    SaveWindowPlace(settings, kFormInfoLegendMahJong, 2147483647, false, 5000);
    place = LoadWindowPlace(settings, screen, kFormInfoLegendMahJong, 3000, 3000);
    EXPECT_EQ(place.left, 24);
    EXPECT_EQ(place.top, -232) << "negative places are left to the caller";
}

}  // namespace
}  // namespace jw
