// The tile-set artwork as the game reads it from the built MahJong.rgf:
// every picture present in its kind and size, the faces of each sheet told
// apart, and every built-in set loading at every tile size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/ScriptedHost.h"
#include "presentation/BmpRead.h"
#include "presentation/JpegDecode.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/TileSet.h"

namespace jw {
namespace {

struct BuiltInSet {
    int number;
    std::string sheet;
    std::string prefix;
    int w, h, d;
};

const std::vector<BuiltInSet> kSets = {
    {1, "tiles_X_001", "tiles_x_001", 88, 120, 24},
    {2, "tiles_S_002", "tiles_x_002", 82, 110, 22},
    {3, "tiles_X_003", "tiles_x_003", 76, 102, 20},
    {4, "tiles_X_004", "tiles_x_004", 88, 120, 24},
    {501, "tiles_X_501", "tiles_x_501", 88, 120, 24},
    {502, "tiles_X_502", "tiles_x_502", 88, 120, 24},
    {503, "tiles_X_503", "tiles_x_503", 88, 120, 24},
};

class ArtworkTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string error;
        library = ResourceLibrary::Open(std::string(JW_BIN_DIR) + "/MahJong.rgf", &error).release();
        ASSERT_NE(library, nullptr) << error;
    }
    static void TearDownTestSuite() {
        delete library;
        library = nullptr;
    }

    // Reads BITMAP/name, checking that it is a 24-bit uncompressed bitmap.
    static Image Bitmap(const std::string& name) {
        const auto bytes = library->Find("BITMAP", name);
        EXPECT_TRUE(bytes.has_value()) << name;
        if (!bytes) {
            return {};
        }
        EXPECT_TRUE(bytes->size() > 54 && bytes->compare(0, 2, "BM") == 0 &&
                    static_cast<unsigned char>((*bytes)[28]) == 24 && (*bytes)[30] == 0)
            << name << " is not a 24-bit bitmap";
        Image image;
        std::string error;
        EXPECT_TRUE(ReadBmp(*bytes, image, error)) << name << ": " << error;
        return image;
    }

    static Image Jpeg(const std::string& name) {
        const auto bytes = library->Find("JPEG", name);
        EXPECT_TRUE(bytes.has_value()) << name;
        if (!bytes) {
            return {};
        }
        EXPECT_EQ(bytes->compare(0, 3, "\xff\xd8\xff"), 0) << name << " is not a JPEG stream";
        Image image;
        std::string error;
        EXPECT_TRUE(DecodeJpeg(*bytes, image, error)) << name << ": " << error;
        return image;
    }

    static ResourceLibrary* library;
};

ResourceLibrary* ArtworkTest::library = nullptr;

// Face k (1..42) cut from a sheet, cells 34, 35 and 44 skipped.
Image CutFace(const Image& sheet, int w, int h, int face) {
    const int cell = face <= 34 ? face - 1 : face + 1;
    const int column = cell % 9;
    const int row = cell / 9;
    Image out(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            out.Set(x, y, sheet.At(column * w + column + 1 + x, row * h + row + 1 + y));
        }
    }
    return out;
}

// Share of pixels that differ by more than 64 in some channel.
double DifferingShare(const Image& a, const Image& b) {
    int count = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            const Pixel p = a.At(x, y);
            const Pixel q = b.At(x, y);
            const int worst =
                std::max({std::abs(RedOf(p) - RedOf(q)), std::abs(GreenOf(p) - GreenOf(q)),
                          std::abs(BlueOf(p) - BlueOf(q))});
            count += worst > 64 ? 1 : 0;
        }
    }
    return static_cast<double>(count) / (a.Width() * a.Height());
}

TEST_F(ArtworkTest, SheetsFollowTheGridAndTheirFacesDiffer) {
    for (const BuiltInSet& set : kSets) {
        const Image sheet = Jpeg(set.sheet);
        ASSERT_EQ(sheet.Width(), 9 * set.w + 10) << set.sheet;
        ASSERT_EQ(sheet.Height(), 5 * set.h + 6) << set.sheet;
        std::vector<Image> faces;
        for (int face = 1; face <= 42; ++face) {
            faces.push_back(CutFace(sheet, set.w, set.h, face));
        }
        for (size_t i = 0; i < faces.size(); ++i) {
            for (size_t j = i + 1; j < faces.size(); ++j) {
                EXPECT_GE(DifferingShare(faces[i], faces[j]), 0.006)
                    << set.sheet << ": faces " << i + 1 << " and " << j + 1;
            }
        }
    }
}

TEST_F(ArtworkTest, BodiesAndOverlaysAreBitmapsOfTheNaturalSize) {
    for (const BuiltInSet& set : kSets) {
        for (const char* variant : {"_1_3D_Border", "_2_3D_Border", "_3_3D_Border"}) {
            const Image body = Bitmap(set.prefix + variant);
            EXPECT_EQ(body.Width(), set.w + set.d) << set.prefix << variant;
            EXPECT_EQ(body.Height(), set.h + set.d) << set.prefix << variant;
            EXPECT_EQ(body.At(set.w + set.d - 1, 0), kKeyColour);
            EXPECT_NE(body.At(set.w / 2, set.h / 2), kKeyColour);
        }
        const Image overlay = Bitmap(set.prefix + "_3D_Border_Transparent");
        EXPECT_EQ(overlay.At(0, 0), kKeyColour);
        EXPECT_LE(overlay.Width(), 8);
        EXPECT_EQ(overlay.At(overlay.Width() - 1, overlay.Height() - 1), kBlack);
    }
}

TEST_F(ArtworkTest, SharedAndPreviewPicturesHaveTheirSizes) {
    const Image silhouette = Bitmap("tiles_3D_border_transparent");
    EXPECT_EQ(silhouette.At(silhouette.Width() / 2, silhouette.Height() / 2), kKeyColour);
    const Image mask = Bitmap("high_tld_alph");
    EXPECT_GT(RedOf(mask.At(mask.Width() / 2, mask.Height() / 2)), RedOf(mask.At(0, 0)));
    const Image preview = Bitmap("preview_001");
    EXPECT_EQ(preview.Width(), 9 * 11 + 10);
    EXPECT_EQ(preview.Height(), 5 * 15 + 6);
    for (const char* variant : {"_1_3D_Border", "_2_3D_Border", "_3_3D_Border"}) {
        const Image body = Bitmap(std::string("preview_001") + variant);
        EXPECT_EQ(body.Width(), 13);
        EXPECT_EQ(body.Height(), 17);
    }
    for (const char* name : {"preview_tiles_mahjong_antique", "preview_tiles_mahjong_classic",
                             "preview_tiles_mahjong_oriental", "preview_tiles_mahjong_modern",
                             "preview_tiles_matching_fruits", "preview_tiles_matching_flowers",
                             "preview_tiles_matching_shapes"}) {
        const Image picture = Jpeg(name);
        EXPECT_EQ(picture.Width(), 180) << name;
        EXPECT_EQ(picture.Height(), 120) << name;
    }
    const Image halo = Bitmap("sel_cell_alph");
    const Image frame = Bitmap("sel_cell_alph2");
    EXPECT_GT(halo.Width(), 180);
    EXPECT_EQ(frame.Width(), halo.Width());
    EXPECT_EQ(frame.At(0, 0), Rgb(255, 255, 255));
}

TEST_F(ArtworkTest, EverySetLoadsAtEverySize) {
    test::ScriptedHost host;
    std::string scoreType = "01";
    TileSetContext context{host, library, nullptr, nullptr, scoreType};
    for (const BuiltInSet& set : kSets) {
        for (char letter : std::string("XTSCBPMN")) {
            TileSet tileSet;
            TileSetChoice choice;
            choice.setNumber = set.number;
            choice.sizeLetter = letter;
            ASSERT_TRUE(LoadTileSetPictures(choice, context, tileSet))
                << set.number << " at " << letter;
            const TileGeometry& g = tileSet.geometry;
            EXPECT_EQ(scoreType, set.number > 500 ? "02" : "01");
            EXPECT_TRUE(tileSet.images.facesKeyed);
            for (int face = 1; face <= 42; ++face) {
                EXPECT_EQ(tileSet.images.faces[static_cast<size_t>(face)].Width(), g.faceWidth);
            }
            EXPECT_EQ(tileSet.images.bodies[3].Width(), g.TileWidth());
            EXPECT_EQ(tileSet.images.silhouette.Height(), g.TileHeight());
            EXPECT_FALSE(tileSet.images.highlightOverlay.Empty());
        }
    }
    TileSet preview;
    TileSetChoice choice;
    choice.preview = true;
    choice.sizeLetter = '\0';  // the preview engine has no size letter
    ASSERT_TRUE(LoadTileSetPictures(choice, context, preview));
    EXPECT_EQ(preview.geometry.faceWidth, 11);
    EXPECT_EQ(preview.geometry.depth, 2);
}

}  // namespace
}  // namespace jw
