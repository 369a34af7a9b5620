#include "presentation/Backgrounds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/MemorySettings.h"
#include "platform/SaveFile.h"
#include "platform/ScriptedHost.h"
#include "platform/TempFolder.h"
#include "presentation/Resample.h"
#include "presentation/TestPictures.h"

namespace jw {
namespace {

using test::MemorySettings;
using test::ScriptedHost;
using test::TempFolder;

constexpr Pixel kUntouched = Rgb(1, 2, 3);
constexpr Pixel kGreen = Rgb(0, 128, 0);

// A picture whose every pixel tells where it lies.
Image Numbered(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.Set(x, y, Rgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
        }
    }
    return image;
}

class MapStore : public ResourceStore {
  public:
    std::optional<std::string> Find(std::string_view kind, std::string_view name) const override {
        const auto found = entries.find(std::string(kind) + "/" + std::string(name));
        if (found == entries.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    std::map<std::string, std::string> entries;
};

bool Near(Pixel a, Pixel b, int tolerance) {
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
           std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

// ---------------------------------------------------------------------------
// Filling the area
// ---------------------------------------------------------------------------

TEST(BackgroundFillTest, SmallPictureIsTiledFourByThreeOnAThousandBySevenHundredArea) {
    const Image picture = Numbered(256, 256);
    Image target(1100, 800, PixelFormat::Rgb24, kUntouched);
    FillWithPicture(target, 1000, 700, picture);
    // Copies start at x = 0, 256, 512, 768 along the top row, and that row
    // band (the area's width) goes down to y = 256 and 512: the last copies
    // run past the area, none starts beyond it.
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(target.At(column * 256, row * 256), picture.At(0, 0));
            EXPECT_EQ(target.At(column * 256 + 231, row * 256 + 255), picture.At(231, 255));
            EXPECT_EQ(target.At(column * 256 + 17, row * 256 + 200), picture.At(17, 200));
        }
    }
    EXPECT_EQ(target.At(1023, 255), picture.At(255, 255));
    EXPECT_EQ(target.At(1000, 256), kUntouched);
    EXPECT_EQ(target.At(1024, 0), kUntouched);
    EXPECT_EQ(target.At(0, 768), kUntouched);
}

TEST(BackgroundFillTest, PictureOfExactlyFiveTwelveByThreeEightyFourIsStretched) {
    const Image picture = Numbered(512, 384);
    Image target(1100, 800, PixelFormat::Rgb24, kUntouched);
    FillWithPicture(target, 1000, 700, picture);
    const Image stretched = ResampleBSpline(picture, 1000, 700);
    EXPECT_EQ(target.At(0, 0), stretched.At(0, 0));
    EXPECT_EQ(target.At(999, 699), stretched.At(999, 699));
    EXPECT_EQ(target.At(600, 300), stretched.At(600, 300));
    EXPECT_EQ(target.At(1000, 0), kUntouched);
    EXPECT_EQ(target.At(0, 700), kUntouched);
}

TEST(BackgroundFillTest, TiledOrStretchedByEachSideAlone) {
    EXPECT_TRUE(IsTiledPicture(511, 384));
    EXPECT_TRUE(IsTiledPicture(512, 383));
    EXPECT_TRUE(IsTiledPicture(2000, 300));
    EXPECT_FALSE(IsTiledPicture(512, 384));
    EXPECT_FALSE(IsTiledPicture(640, 480));

    const Image narrow = Numbered(511, 600);
    Image target(1100, 800, PixelFormat::Rgb24, kUntouched);
    FillWithPicture(target, 1000, 700, narrow);
    EXPECT_EQ(target.At(511, 10), narrow.At(0, 10));
    EXPECT_EQ(target.At(5, 600), narrow.At(5, 0));
}

TEST(BackgroundFillTest, ColoursFadeToBlackOnlyWithFadingOnMoreThan256Colours) {
    Image target(200, 300, PixelFormat::Rgb24, kUntouched);
    FillWithColour(target, 100, 256, Rgb(200, 100, 40), true, 24);
    EXPECT_EQ(target.At(50, 0), Rgb(199, 100, 40));  // top band: 255/256 of the colour
    EXPECT_EQ(target.At(50, 255), kBlack);
    EXPECT_TRUE(Near(target.At(50, 128), Rgb(100, 50, 20), 2));
    EXPECT_EQ(target.At(100, 0), kUntouched);
    EXPECT_EQ(target.At(0, 256), kUntouched);

    FillWithColour(target, 100, 256, Rgb(200, 100, 40), true, 8);  // 256 colours: flat
    EXPECT_EQ(target.At(50, 255), Rgb(200, 100, 40));
    FillWithColour(target, 100, 256, Rgb(200, 100, 40), false, 24);
    EXPECT_EQ(target.At(50, 255), Rgb(200, 100, 40));
}

TEST(BackgroundFillTest, StoredColoursHaveRedInTheLowByteAndSystemColoursBecomeGreen) {
    EXPECT_EQ(ColourOfSetting(255), Rgb(255, 0, 0));
    EXPECT_EQ(ColourOfSetting(16711680), Rgb(0, 0, 255));
    EXPECT_EQ(ColourOfSetting(32896), Rgb(128, 128, 0));
    EXPECT_EQ(ColourOfSetting(-16777201), kGreen);
}

// ---------------------------------------------------------------------------
// The current background from the settings
// ---------------------------------------------------------------------------

TEST(CurrentBackgroundTest, DefaultSettingsGiveSky) {
    MemorySettings settings;
    const BackgroundChoice choice = ReadCurrentBackground(settings);
    EXPECT_EQ(choice.kind, BackgroundKind::BuiltIn);
    EXPECT_EQ(choice.code, 410);
    EXPECT_EQ(BuiltInPictureName(choice.code), "B410");
    EXPECT_TRUE(choice.fade);
}

TEST(CurrentBackgroundTest, BackgroundDefOverridesEverything) {
    MemorySettings settings;
    settings.WriteString("Preference", "Background_Def", "Y");
    settings.WriteString("Preference", "Customized_Background", "/pictures/own.jpg");
    settings.WriteString("Preference", "Additional_Background", "Lake");
    settings.WriteInteger("Preference", "Background_bmp", 260);
    settings.WriteInteger("Preference", "Background_Fixed_Col", 8421376);
    settings.WriteInteger("Preference", "Background_Col", 255);
    settings.WriteString("Preference", "Fade_Background", "N");
    const BackgroundChoice choice = ReadCurrentBackground(settings);
    EXPECT_EQ(choice.kind, BackgroundKind::Default);
    EXPECT_FALSE(choice.fade);
}

TEST(CurrentBackgroundTest, FirstSettingThatAppliesDecides) {
    MemorySettings settings;
    settings.WriteString("Preference", "Customized_Background", "/pictures/own.jpg");
    settings.WriteString("Preference", "Additional_Background", "Lake");
    EXPECT_EQ(ReadCurrentBackground(settings).kind, BackgroundKind::OwnPicture);
    EXPECT_EQ(ReadCurrentBackground(settings).picture, "/pictures/own.jpg");

    settings.WriteString("Preference", "Customized_Background", "");
    EXPECT_EQ(ReadCurrentBackground(settings).kind, BackgroundKind::AddOnPicture);
    EXPECT_EQ(ReadCurrentBackground(settings).picture, "Lake");

    settings.WriteString("Preference", "Additional_Background", "");
    settings.WriteInteger("Preference", "Background_bmp", 0);
    settings.WriteInteger("Preference", "Background_Fixed_Col", 8421376);
    settings.WriteInteger("Preference", "Background_Col", 255);
    EXPECT_EQ(ReadCurrentBackground(settings).kind, BackgroundKind::Colour);
    EXPECT_EQ(ReadCurrentBackground(settings).colour, 8421376);

    settings.WriteInteger("Preference", "Background_Fixed_Col", 0);
    EXPECT_EQ(ReadCurrentBackground(settings).colour, 255);
}

TEST(CurrentBackgroundTest, NoPictureAndDefaultColourGiveAGreenBoard) {
    MemorySettings settings;
    settings.WriteInteger("Preference", "Background_bmp", 0);
    ScriptedHost host;
    Backgrounds backgrounds(host, settings, {});
    backgrounds.Load();
    Image target(64, 256, PixelFormat::Rgb24, kUntouched);
    backgrounds.Make(target, 64, 256);
    EXPECT_EQ(target.At(10, 0), kGreen);
    EXPECT_EQ(target.At(10, 255), kBlack);

    settings.WriteString("Preference", "Fade_Background", "N");
    backgrounds.Load();
    backgrounds.Make(target, 64, 256);
    EXPECT_EQ(target.At(10, 255), kGreen);
    EXPECT_TRUE(host.messages.empty());
}

TEST(CurrentBackgroundTest, CodesNameTheirKinds) {
    EXPECT_EQ(ChoiceFromCode(0, 5, true).kind, BackgroundKind::Default);
    EXPECT_EQ(ChoiceFromCode(-5, 5, true).kind, BackgroundKind::Default);
    EXPECT_EQ(ChoiceFromCode(1, 5, true).colour, 5);
    EXPECT_EQ(ChoiceFromCode(2, 5, true).kind, BackgroundKind::BuiltIn);
    EXPECT_EQ(ChoiceFromCode(1000, 5, true).kind, BackgroundKind::BuiltIn);
    EXPECT_EQ(ChoiceFromCode(1001, 5, true).kind, BackgroundKind::Colour);
    EXPECT_EQ(ChoiceFromCode(1001, 5, true).colour, 1001);
    EXPECT_EQ(ChoiceFromCode(-102, 5, true).kind, BackgroundKind::OwnPicture);
    EXPECT_EQ(ChoiceFromCode(-103, 5, true).kind, BackgroundKind::AddOnPicture);
}

// ---------------------------------------------------------------------------
// Pictures: built-in, own, add-on, and what happens when they fail
// ---------------------------------------------------------------------------

class BackgroundPictureTest : public ::testing::Test {
  protected:
    BackgroundPictureTest() {
        sources.library = &library;
        sources.addOns = &addOns;
        sources.dataFolder = data.Path().string();
        sources.programFolder = program.Path().string();
    }

    Backgrounds Make() {
        Backgrounds backgrounds(host, settings, sources);
        backgrounds.Load();
        return backgrounds;
    }

    void ExpectFellBackToDefault(const Backgrounds& backgrounds) {
        EXPECT_EQ(backgrounds.Current().kind, BackgroundKind::Default);
        EXPECT_TRUE(backgrounds.Current().fade);
        EXPECT_EQ(settings.ReadString("Preference", "Customized_Background", "?"), "");
        EXPECT_EQ(settings.ReadString("Preference", "Additional_Background", "?"), "");
        EXPECT_EQ(settings.ReadString("Preference", "Background_Def", "?"), "Y");
        EXPECT_EQ(settings.ReadString("Preference", "Fade_Background", "?"), "Y");
        EXPECT_EQ(target.At(5, 0), kGreen);
        EXPECT_EQ(target.At(5, 255), kBlack);
    }

    TempFolder data;
    TempFolder program;
    MapStore library;
    MapStore addOns;
    BackgroundSources sources;
    MemorySettings settings;
    ScriptedHost host;
    Image target{300, 256, PixelFormat::Rgb24, kUntouched};
};

TEST_F(BackgroundPictureTest, BuiltInJpegIsLookedUpByItsCode) {
    library.entries["JPEG/B410"] =
        test::EncodeJpeg(Image(64, 64, PixelFormat::Rgb24, Rgb(40, 90, 200)));
    Backgrounds backgrounds = Make();
    backgrounds.Make(target, 200, 100);
    EXPECT_TRUE(Near(target.At(0, 0), Rgb(40, 90, 200), 2));
    EXPECT_TRUE(Near(target.At(199, 99), Rgb(40, 90, 200), 2));
    EXPECT_EQ(target.At(260, 10), kUntouched);  // the copy at x = 192 ends at 255
    EXPECT_TRUE(host.messages.empty());
}

// A picture read ahead on another core is drawn as one read when drawn,
// failures included: the same pixels, the same message and fall-back.
TEST_F(BackgroundPictureTest, PictureReadAheadIsDrawnAsIfReadWhenDrawn) {
    library.entries["JPEG/B410"] = test::EncodeJpeg(Numbered(64, 48));
    Image direct = target;
    Make().Make(direct, 200, 100);
    Backgrounds ahead = Make();
    ahead.ReadAhead();
    ahead.Make(target, 200, 100);
    EXPECT_EQ(target, direct);

    const std::string path = data / "gone.jpg";
    settings.WriteString("Preference", "Customized_Background", path);
    Backgrounds missing = Make();
    missing.ReadAhead();
    missing.Make(target, 300, 256);
    EXPECT_EQ(host.MessageTexts(),
              std::vector<std::string>{"Customized background image not found: " + path});
    ExpectFellBackToDefault(missing);
}

// A background changed after its picture was read ahead is read afresh.
TEST_F(BackgroundPictureTest, PictureReadAheadForAnEarlierChoiceIsNotUsed) {
    library.entries["JPEG/B410"] =
        test::EncodeJpeg(Image(32, 32, PixelFormat::Rgb24, Rgb(40, 90, 200)));
    library.entries["JPEG/B420"] =
        test::EncodeJpeg(Image(32, 32, PixelFormat::Rgb24, Rgb(200, 60, 20)));
    Backgrounds backgrounds = Make();
    ASSERT_EQ(backgrounds.Current().code, 410);
    backgrounds.ReadAhead();
    BackgroundChoice other = backgrounds.Current();
    other.code = 420;
    backgrounds.SetCurrent(other);
    backgrounds.Make(target, 200, 100);
    EXPECT_TRUE(Near(target.At(100, 50), Rgb(200, 60, 20), 2));
}

TEST_F(BackgroundPictureTest, MissingBuiltInPictureLeavesTheAreaAlone) {
    settings.WriteInteger("Preference", "Background_bmp", 260);
    Backgrounds backgrounds = Make();
    backgrounds.Make(target, 200, 100);
    EXPECT_EQ(target.At(0, 0), kUntouched);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(backgrounds.Current().code, 260);
}

TEST_F(BackgroundPictureTest, BuiltInBitmapIsDrawnOnceAtItsOwnSize) {
    settings.WriteInteger("Preference", "Background_bmp", 600);
    library.entries["BITMAP/B600"] = test::EncodeBmp(Numbered(20, 10));
    Backgrounds backgrounds = Make();
    backgrounds.Make(target, 200, 100);
    EXPECT_EQ(target.At(19, 9), Numbered(20, 10).At(19, 9));
    EXPECT_EQ(target.At(20, 0), kUntouched);
    EXPECT_EQ(target.At(0, 10), kUntouched);
}

TEST_F(BackgroundPictureTest, OwnBitmapAndBareNamesInTheDataFolder) {
    const Image picture = Numbered(40, 30);
    ASSERT_TRUE(WriteFileAtomically(data / "mine.bmp", test::EncodeBmp(picture)));
    settings.WriteString("Preference", "Customized_Background", "mine");
    Backgrounds backgrounds = Make();
    backgrounds.Make(target, 100, 100);
    EXPECT_EQ(target.At(45, 35), picture.At(5, 5));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(BackgroundPictureTest, OwnJpegIsReadByItsExtensionInAnyCase) {
    ASSERT_TRUE(WriteFileAtomically(
        data / "sea.JPEG", test::EncodeJpeg(Image(32, 32, PixelFormat::Rgb24, Rgb(10, 60, 150)))));
    settings.WriteString("Preference", "Customized_Background", data / "sea.JPEG");
    Backgrounds backgrounds = Make();
    backgrounds.Make(target, 100, 100);
    EXPECT_TRUE(Near(target.At(50, 50), Rgb(10, 60, 150), 2));
}

TEST_F(BackgroundPictureTest, MissingOwnPictureIsReportedAndTheDefaultTaken) {
    const std::string path = data / "gone.jpg";
    settings.WriteString("Preference", "Customized_Background", path);
    settings.WriteString("Preference", "Fade_Background", "N");
    Backgrounds backgrounds = Make();
    backgrounds.Make(target, 300, 256);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(host.messages[0].text, "Customized background image not found: " + path);
    ExpectFellBackToDefault(backgrounds);
}

TEST_F(BackgroundPictureTest, DamagedOwnPictureIsNotValid) {
    const std::string path = data / "broken.bmp";
    ASSERT_TRUE(WriteFileAtomically(path, "BM this is not a bitmap"));
    settings.WriteString("Preference", "Customized_Background", path);
    Backgrounds backgrounds = Make();
    backgrounds.Make(target, 300, 256);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Image is not valid: " + path});
    ExpectFellBackToDefault(backgrounds);
}

TEST_F(BackgroundPictureTest, MissingAddOnPictureAsksForThePackAndForgetsTheRandomList) {
    ASSERT_TRUE(WriteFileAtomically(data / "Rnd_read.dat", ""));
    settings.WriteString("Preference", "Additional_Background", "Lake");
    Backgrounds backgrounds = Make();
    backgrounds.Make(target, 300, 256);
    EXPECT_EQ(
        host.MessageTexts(),
        std::vector<std::string>{
            "Error loading the Background: Lake\nPlease install again Jadewind Graphics Pack"});
    EXPECT_FALSE(std::filesystem::exists(data / "Rnd_read.dat"));
    ExpectFellBackToDefault(backgrounds);
}

TEST_F(BackgroundPictureTest, AddOnPictureComesFromTheAddOnLibraries) {
    addOns.entries["JPEG/Lake"] =
        test::EncodeJpeg(Image(32, 32, PixelFormat::Rgb24, Rgb(150, 150, 30)));
    settings.WriteString("Preference", "Additional_Background", "Lake");
    Backgrounds backgrounds = Make();
    backgrounds.Make(target, 100, 100);
    EXPECT_TRUE(Near(target.At(70, 70), Rgb(150, 150, 30), 2));
    EXPECT_TRUE(host.messages.empty());
}

// ---------------------------------------------------------------------------
// The board area
// ---------------------------------------------------------------------------

TEST(BoardAreaTest, StartUpUsesTheStoredClientSizeOnTheSameScreen) {
    MemorySettings settings;
    const ScreenInfo screen{1280, 1024, 32};
    const WindowSizes window{800, 600, 650, 40};
    EXPECT_EQ(BoardArea(settings, screen, window, false), (Rect{0, 0, 800, 560}));
    // Nothing stored: the screen width, and the screen height less the frame.
    EXPECT_EQ(BoardArea(settings, screen, window, true), (Rect{0, 0, 1280, 1024 + 600 - 650 - 40}));
    settings.WriteInteger("Preference", "MainClientWidth", 1000);
    settings.WriteInteger("Preference", "MainClientHeight", 700);
    settings.WriteInteger("Preference", "ScreenWidth", 1280);
    settings.WriteInteger("Preference", "ScreenHeight", 1024);
    EXPECT_EQ(BoardArea(settings, screen, window, true), (Rect{0, 0, 1000, 660}));
    settings.WriteInteger("Preference", "ScreenHeight", 960);
    EXPECT_EQ(BoardArea(settings, screen, window, true), (Rect{0, 0, 1280, 934}));
}

}  // namespace
}  // namespace jw
