#include "platform/SettingsDefaults.h"

#include <gtest/gtest.h>

#include "platform/SaveFile.h"
#include "platform/TempFolder.h"
#include "records/SettingsFile.h"

namespace jw {
namespace {

using test::TempFolder;
using namespace setting;

class SettingsDefaultsTest : public ::testing::Test {
  protected:
    void Store(std::string_view bytes) const { ASSERT_TRUE(WriteFileAtomically(path, bytes)); }

    TempFolder temp;
    std::string path = temp / "cnfg.dat";
    SettingsFile settings{path};
};

TEST(SettingsTileSizeTest, LetterByScreenWidthAndFullScreen) {
    struct Case {
        int width;
        char windowed;
        char fullScreen;
    };
    for (const Case& c :
         {Case{1920, 'X', 'X'}, Case{1551, 'X', 'X'}, Case{1550, 'T', 'T'}, Case{1201, 'T', 'T'},
          Case{1200, 'B', 'C'}, Case{1001, 'B', 'C'}, Case{1000, 'M', 'P'}, Case{781, 'M', 'P'},
          Case{780, 'N', 'N'}, Case{0, 'N', 'N'}}) {
        EXPECT_EQ(DefaultTileSizeLetter(c.width, false), c.windowed) << c.width;
        EXPECT_EQ(DefaultTileSizeLetter(c.width, true), c.fullScreen) << c.width;
    }
}

TEST_F(SettingsDefaultsTest, TileSizeDefaultFollowsScreenAndStoredFullScreen) {
    const ScreenInfo screen{1024, 768, 24};
    EXPECT_EQ(ReadTileSetSize(settings, screen), "B");
    Store("[Preference]\nFull_Screen=Y\n");
    EXPECT_EQ(ReadTileSetSize(settings, screen), "C");
    Store("[Preference]\nFull_Screen=Y\ntile_set_size=T\n");
    EXPECT_EQ(ReadTileSetSize(settings, screen), "T");
}

TEST_F(SettingsDefaultsTest, BackgroundColourZeroReadsAsButtonFace) {
    EXPECT_EQ(ReadBackgroundColour(settings), -16777201);
    Store("[Preference]\nBackground_Col=0\n");
    EXPECT_EQ(ReadBackgroundColour(settings), -16777201);
    Store("[Preference]\nbackground_col=255\n");
    EXPECT_EQ(ReadBackgroundColour(settings), 255);
    Store("[Preference]\nBackground_Col=red\n");
    EXPECT_EQ(ReadBackgroundColour(settings), -16777201);
}

TEST_F(SettingsDefaultsTest, TileSetDefaultDependsOnScoreType) {
    EXPECT_EQ(ReadTileSet(settings), 4);
    Store("[Preference]\nScore_Type=02\n");
    EXPECT_EQ(ReadTileSet(settings), 501);
    Store("[Preference]\nScore_Type=2\n");
    EXPECT_EQ(ReadTileSet(settings), -1);
    Store("[Preference]\nScore_Type=02\nTile_Set=7\n");
    EXPECT_EQ(ReadTileSet(settings), 7);

    EXPECT_EQ(ScoreTypeKey("02", kSuffixTileSet), "02_Tile_Set");
    EXPECT_EQ(ReadScoreTypeTileSet(settings, "01"), 4);
    Store("[Preference]\n02_tile_set=503\n");
    EXPECT_EQ(ReadScoreTypeTileSet(settings, "02"), 503);
}

TEST_F(SettingsDefaultsTest, WindowAndScreenDefaultsFollowTheScreen) {
    const ScreenInfo screen{1280, 1024, 32};
    EXPECT_EQ(ReadMainWindowWidth(settings, screen), 1130);
    EXPECT_EQ(ReadMainWindowHeight(settings, screen), 874);
    EXPECT_EQ(ReadStoredScreenWidth(settings, screen), 1280);
    EXPECT_EQ(ReadStoredScreenHeight(settings, screen), 1024);
    Store("[Preference]\nMainWindowState_Width=800\nScreenHeight=600\n");
    EXPECT_EQ(ReadMainWindowWidth(settings, screen), 800);
    EXPECT_EQ(ReadStoredScreenHeight(settings, screen), 600);
}

TEST(SettingsKeysTest, NumberedKeysArePadded) {
    EXPECT_EQ(PlayerSlotKey(1), "User001");
    EXPECT_EQ(PlayerSlotKey(20), "User020");
    EXPECT_EQ(ListKey(kGameNumberHistory, 7), "Game007");
    EXPECT_EQ(ListKey(kRecentGames, 7), "Game007");
    EXPECT_EQ(ListKey(kFavorites, 12), "Game0012");
    EXPECT_EQ(ListKey(kOwnBackgrounds, 1234), "Background1234");
}

TEST(SettingsTileSizeTest, DefaultSetByFamily) {
    EXPECT_EQ(DefaultTileSetFor("01"), 4);
    EXPECT_EQ(DefaultTileSetFor("02"), 501);
    EXPECT_EQ(DefaultTileSetFor("03"), -1);
}

TEST_F(SettingsDefaultsTest, FirstStartCreatesThreePlayers) {
    ASSERT_TRUE(EnsureDefaultPlayers(settings));
    EXPECT_EQ(settings.ReadString(kPreference, kUserDefault.key, ""), "Player 1");
    EXPECT_EQ(
        settings.ReadSectionValues(kUsers),
        (std::vector<std::string>{"User001=Player 1", "User002=Player 2", "User003=Player 3"}));
    EXPECT_FALSE(EnsureDefaultPlayers(settings));
}

TEST_F(SettingsDefaultsTest, ExistingPlayerIsKeptButAnEmptyOneIsReplaced) {
    Store("[Preference]\nUserDefault=Ann\n[Users]\nUser001=Ann\n");
    EXPECT_FALSE(EnsureDefaultPlayers(settings));
    EXPECT_EQ(settings.ReadSectionValues(kUsers), std::vector<std::string>{"User001=Ann"});

    Store("[Preference]\nUserDefault=  \n");
    EXPECT_TRUE(EnsureDefaultPlayers(settings));
    EXPECT_EQ(settings.ReadString(kPreference, kUserDefault.key, ""), "Player 1");
}

}  // namespace
}  // namespace jw
