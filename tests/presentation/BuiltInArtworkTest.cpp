// The backgrounds, pause pictures and sounds the build puts into
// MahJong.rgf, read back as the game reads them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "engine/SoundEvents.h"
#include "presentation/BackgroundCatalogue.h"
#include "presentation/Backgrounds.h"
#include "presentation/BmpRead.h"
#include "presentation/JpegDecode.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/SoundChannel.h"

namespace jw {
namespace {

// A build without the artwork generator (no Qt) packs only the layouts.
bool HasArtwork(const ResourceLibrary& library) {
    for (const std::string& name : library.EntryNames()) {
        if (name.rfind("GAMES/", 0) != 0) {
            return true;
        }
    }
    return false;
}

class BuiltInArtworkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        library = ResourceLibrary::Open(std::string(JW_BIN_DIR) + "/MahJong.rgf", &error);
        ASSERT_NE(library, nullptr) << error;
        if (!HasArtwork(*library)) {
            GTEST_SKIP() << "this build packs no artwork into the library";
        }
    }

    std::unique_ptr<ResourceLibrary> library;
};

TEST_F(BuiltInArtworkTest, EveryCataloguePictureIsAJpegToTileOrToStretch) {
    int tiled = 0;
    for (int code : BuiltInPictureCodes()) {
        const auto bytes = library->Find("JPEG", BuiltInPictureName(code));
        ASSERT_TRUE(bytes) << code;
        Image picture;
        std::string error;
        ASSERT_TRUE(DecodeJpeg(*bytes, picture, error)) << code << ": " << error;
        if (IsTiledPicture(picture.Width(), picture.Height())) {
            ++tiled;
        } else {
            EXPECT_GE(picture.Width(), 1024) << code;
            EXPECT_GE(picture.Height(), 768) << code;
        }
    }
    EXPECT_GT(tiled, 30);  // most are small tiles; a few large pictures
}

TEST_F(BuiltInArtworkTest, PausePicturesAreBitmapsOnThePauseGreen) {
    for (const char* name : {"BMP_PAUSE_1", "BMP_PAUSE_2"}) {
        const auto bytes = library->Find("BITMAP", name);
        ASSERT_TRUE(bytes) << name;
        Image picture;
        std::string error;
        ASSERT_TRUE(ReadBmp(*bytes, picture, error)) << name << ": " << error;
        EXPECT_EQ(picture.At(0, 0), Rgb(0, 128, 0)) << name;
        EXPECT_EQ(picture.At(picture.Width() - 1, picture.Height() - 1), Rgb(0, 128, 0)) << name;
    }
}

TEST_F(BuiltInArtworkTest, EverySoundOfTheEventTableIsAShortPcmWave) {
    for (const SoundEventInfo& info : SoundEventTable()) {
        const auto bytes = library->Find("WAVE", info.soundName);
        ASSERT_TRUE(bytes) << info.soundName;
        const auto wave = ParseWave(*bytes);
        ASSERT_TRUE(wave) << info.soundName;
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->bitsPerSample, 16);
        const double seconds = static_cast<double>(wave->dataSize) / 2 / wave->sampleRate;
        EXPECT_GT(seconds, 0.1) << info.soundName;
        EXPECT_LT(seconds, 3.0) << info.soundName;
        int peak = 0;
        for (std::size_t i = 0; i + 1 < wave->dataSize; i += 2) {
            const auto lo = static_cast<unsigned char>((*bytes)[wave->dataOffset + i]);
            const auto hi = static_cast<unsigned char>((*bytes)[wave->dataOffset + i + 1]);
            peak =
                std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(lo | hi << 8))));
        }
        EXPECT_NEAR(20 * std::log10(peak / 32767.0), -3.0, 0.5) << info.soundName;
    }
    EXPECT_FALSE(library->Find("WAVE", kStopSoundName));
}

}  // namespace
}  // namespace jw
