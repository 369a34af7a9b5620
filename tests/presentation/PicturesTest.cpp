#include <gtest/gtest.h>

#include <filesystem>

#include <png.h>

#include "platform/TempFolder.h"
#include "presentation/Blit.h"
#include "presentation/BmpRead.h"
#include "presentation/BoardGrid.h"
#include "presentation/JpegDecode.h"
#include "presentation/PackedPicture.h"
#include "presentation/PngWrite.h"
#include "presentation/Resample.h"
#include "presentation/TestPictures.h"

namespace jw {
namespace {

TEST(Blits, KeyedCopyLeavesKeyPixelsAndClipsAtEveryEdge) {
    Image dst(4, 4, PixelFormat::Rgb24, Rgb(1, 2, 3));
    Image src(3, 3, PixelFormat::Rgb24, Rgb(9, 9, 9));
    src.Set(1, 1, kKeyColour);
    CopyKeyed(dst, -1, -1, src, kKeyColour);
    EXPECT_EQ(dst.At(0, 0), Rgb(1, 2, 3));  // src (1, 1) is the key: left out
    EXPECT_EQ(dst.At(1, 0), Rgb(9, 9, 9));
    EXPECT_EQ(dst.At(1, 1), Rgb(9, 9, 9));
    EXPECT_EQ(dst.At(2, 2), Rgb(1, 2, 3));
    // Partly outside on the right and bottom, from a source rectangle.
    CopyKeyed(dst, 3, 3, src, {1, 1, 2, 2}, kKeyColour);
    EXPECT_EQ(dst.At(3, 3), Rgb(1, 2, 3));  // the key pixel landed here
    Copy(dst, 3, 2, src, {0, 0, 3, 3});
    EXPECT_EQ(dst.At(3, 2), Rgb(9, 9, 9));
    EXPECT_EQ(dst.At(3, 3), Rgb(9, 9, 9));
    // A source rectangle starting outside the source keeps its alignment.
    Image small(2, 2, PixelFormat::Rgb24, 0);
    Copy(small, 0, 0, src, {-1, -1, 3, 3});
    EXPECT_EQ(small.At(0, 0), 0u);
    EXPECT_EQ(small.At(1, 1), Rgb(9, 9, 9));
}

TEST(Blits, DarkenStopsAtZeroAndDarkenWhereFollowsTheMask) {
    Image img(3, 1, PixelFormat::Rgb24, Rgb(255, 30, 50));
    Darken(img, {0, 0, 2, 1}, 50);
    EXPECT_EQ(img.At(0, 0), Rgb(205, 0, 0));
    EXPECT_EQ(img.At(2, 0), Rgb(255, 30, 50));
    EXPECT_EQ(Rgb(255, 0, 255) - 0, kKeyColour);
    Image key(1, 1, PixelFormat::Rgb24, kKeyColour);
    Darken(key, key.Bounds(), 50);
    EXPECT_EQ(key.At(0, 0), kShadowedKey);

    Image mask(3, 1, PixelFormat::Rgb24, kKeyColour);
    mask.Set(1, 0, kBlack);
    Image target(3, 1, PixelFormat::Rgb24, Rgb(100, 100, 100));
    DarkenWhere(target, 0, 0, mask, mask.Bounds(), kKeyColour, 50);
    EXPECT_EQ(target.At(0, 0), Rgb(100, 100, 100));
    EXPECT_EQ(target.At(1, 0), Rgb(50, 50, 50));
}

TEST(Blits, AlphaBlendOfPremultipliedPixels) {
    Image dst(3, 1, PixelFormat::Rgb24, Rgb(100, 100, 100));
    Image src(3, 1, PixelFormat::Argb32);
    src.Set(0, 0, Argb(0, 0, 0, 0));
    src.Set(1, 0, Argb(255, 255, 128, 0));
    src.Set(2, 0, Argb(128, 128, 64, 0));  // orange at half coverage
    AlphaBlend(dst, 0, 0, src, 255);
    EXPECT_EQ(dst.At(0, 0), Rgb(100, 100, 100));
    EXPECT_EQ(dst.At(1, 0), Rgb(255, 128, 0));
    EXPECT_EQ(dst.At(2, 0), Rgb(128 + 100 * 127 / 255, 64 + 49, 49));
}

TEST(Gradient, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(255, -128, 256), -128);  // -127.5
    EXPECT_EQ(MulDiv(3, 100, 256), 1);
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(Gradient, BandsRunFromTheBottomColourUpToTheTopColour) {
    // 512 rows: every band is two rows.
    Image img(2, 512);
    VerticalGradient(img, img.Bounds(), Rgb(0, 128, 0), kBlack);
    EXPECT_EQ(img.At(0, 511), kBlack);  // band 0
    EXPECT_EQ(img.At(0, 510), kBlack);
    EXPECT_EQ(img.At(0, 509), Rgb(0, 1, 0));  // band 1: MulDiv(1, 128, 256) = 1 (0.5 up)
    EXPECT_EQ(img.At(0, 0), Rgb(0, 128 * 255 / 256 + 1, 0));  // band 255: 127.5 -> 128
    // A short rectangle: bands of no rows are skipped, every row is painted.
    Image shortOne(1, 10, PixelFormat::Rgb24, kKeyColour);
    VerticalGradient(shortOne, {0, 2, 1, 5}, Rgb(200, 0, 0), Rgb(0, 0, 100));
    EXPECT_EQ(shortOne.At(0, 1), kKeyColour);
    EXPECT_EQ(shortOne.At(0, 7), kKeyColour);
    for (int y = 2; y < 7; ++y) {
        EXPECT_NE(shortOne.At(0, y), kKeyColour) << y;
    }
    // The bottom row is band 25, the first that has a row: red 0 +
    // MulDiv(25, 200, 256) = 20 (19.5 rounded up), blue 100 - 10.
    EXPECT_EQ(shortOne.At(0, 6), Rgb(20, 0, 90));
}

TEST(Resampling, KernelsHaveTheirShape) {
    EXPECT_DOUBLE_EQ(Lanczos3Kernel(0), 1.0);
    EXPECT_NEAR(Lanczos3Kernel(1), 0.0, 1e-12);
    EXPECT_NEAR(Lanczos3Kernel(2), 0.0, 1e-12);
    EXPECT_LT(Lanczos3Kernel(1.5), 0.0);  // the ringing lobe
    EXPECT_EQ(Lanczos3Kernel(3.0), 0.0);
    EXPECT_NEAR(BSplineKernel(0), 4.0 / 6.0, 1e-12);
    EXPECT_NEAR(BSplineKernel(1), 1.0 / 6.0, 1e-12);
    EXPECT_EQ(BSplineKernel(2), 0.0);
}

TEST(Resampling, FlatPicturesStayFlatAndEdgesSoften) {
    Image flat(37, 23, PixelFormat::Rgb24, Rgb(10, 200, 90));
    for (const Image& out : {ResampleLanczos3(flat, 88, 120), ResampleLanczos3(flat, 5, 7),
                             ResampleBSpline(flat, 64, 11)}) {
        for (int y = 0; y < out.Height(); ++y) {
            for (int x = 0; x < out.Width(); ++x) {
                ASSERT_EQ(out.At(x, y), Rgb(10, 200, 90));
            }
        }
    }
    // Black left half, white right half, doubled: the middle is a ramp; the
    // B-spline never overshoots, Lanczos rings but stays clamped.
    Image edge(8, 1, PixelFormat::Rgb24, kBlack);
    FillRect(edge, {4, 0, 4, 1}, Rgb(255, 255, 255));
    const Image smooth = ResampleBSpline(edge, 16, 1);
    for (int x = 1; x < 16; ++x) {
        EXPECT_GE(RedOf(smooth.At(x, 0)), RedOf(smooth.At(x - 1, 0)));
    }
    EXPECT_EQ(smooth.At(0, 0), kBlack);
    EXPECT_GT(RedOf(smooth.At(7, 0)), 0);
    EXPECT_LT(RedOf(smooth.At(7, 0)), 255);
    const Image sharp = ResampleLanczos3(edge, 16, 1);
    EXPECT_GT(RedOf(sharp.At(8, 0)), RedOf(smooth.At(8, 0)));  // steeper edge
    // Shrinking by two averages neighbouring pixels.
    Image stripes(8, 2, PixelFormat::Rgb24, kBlack);
    for (int x = 0; x < 8; x += 2) {
        FillRect(stripes, {x, 0, 1, 2}, Rgb(200, 200, 200));
    }
    const Image half = ResampleLanczos3(stripes, 4, 1);
    EXPECT_NEAR(RedOf(half.At(1, 0)), 100, 12);
    // 32-bit pictures keep alpha through resampling.
    Image alpha(4, 4, PixelFormat::Argb32, Argb(128, 10, 10, 10));
    EXPECT_EQ(AlphaOf(ResampleLanczos3(alpha, 9, 9).At(4, 4)), 128);
}

TEST(Resampling, StretchingStraightIntoATargetGivesTheStretchedPicture) {
    // Large enough to be made in two halves at once.
    Image picture(600, 450, PixelFormat::Rgb24);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            picture.Set(x, y, Rgb(x * 7, y * 3, (x ^ y) & 255));
        }
    }
    const Pixel untouched = Rgb(1, 2, 3);
    const Image stretched = ResampleBSpline(picture, 1000, 700);
    Image target(1010, 705, PixelFormat::Rgb24, untouched);
    ResampleBSpline(picture, target, 1000, 700);
    for (int y = 0; y < target.Height(); ++y) {
        for (int x = 0; x < target.Width(); ++x) {
            const Pixel expected = x < 1000 && y < 700 ? stretched.At(x, y) : untouched;
            ASSERT_EQ(target.At(x, y), expected) << x << "," << y;
        }
    }
    // A target smaller than the result gets the stretched picture cut off,
    // not one stretched less.
    Image small(500, 300, PixelFormat::Rgb24);
    ResampleBSpline(picture, small, 1000, 700);
    EXPECT_EQ(small.At(499, 299), stretched.At(499, 299));
    EXPECT_EQ(small.At(123, 45), stretched.At(123, 45));
}

TEST(PackedPictures, LargePicturesTakeMemoryOfTheirOwnAndBehaveAlike) {
    // Beyond the size from which pictures take memory of their own.
    const int side = 1024;
    static_assert(side * side * sizeof(Pixel) >= kLargePictureBytes);
    Image large(side, side, PixelFormat::Rgb24, Rgb(7, 8, 9));
    EXPECT_EQ(large.At(side - 1, side - 1), Rgb(7, 8, 9));
    large.Set(500, 600, kBlack);
    Image copy = large;
    EXPECT_EQ(copy, large);
    copy.Set(1, 1, kBlack);
    EXPECT_NE(copy, large);
    const PackedPicture packed(large);
    EXPECT_EQ(packed.At(500, 600), kBlack);
    EXPECT_EQ(packed.At(side - 1, 0), Rgb(7, 8, 9));
    Image zeroed(side, side);
    EXPECT_EQ(zeroed.At(side / 2, side / 2), 0u);
    large = Image(3, 3, PixelFormat::Rgb24, Rgb(1, 1, 1));  // the large memory goes back
    EXPECT_EQ(large.At(2, 2), Rgb(1, 1, 1));
}

TEST(PackedPictures, KeepOneRunAPixelRowAndCopyOutOnlyThat) {
    Image picture(6, 5, PixelFormat::Rgb24);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            picture.Set(x, y, Rgb(x * 40, y * 50, 7));
        }
    }
    // An L: the whole top row, the two left pixels of the rows below, and a
    // row whose two pieces join across the gap between them.
    RowRuns shape({0, 0, 6, 1});
    shape.Add({0, 1, 2, 3});
    shape.Add({1, 4, 1, 1});
    shape.Add({4, 4, 2, 1});
    shape.Add({-3, 2, 1, 1});  // partly outside the picture: cut off
    PackedPicture packed;
    packed.Pack(picture, shape);
    EXPECT_EQ(packed.Bounds(), (Rect{0, 0, 6, 5}));
    EXPECT_EQ(packed.At(5, 0), Rgb(200, 0, 7));
    EXPECT_EQ(packed.At(1, 3), Rgb(40, 150, 7));
    EXPECT_EQ(packed.At(2, 3), 0u);
    EXPECT_EQ(packed.At(3, 4), Rgb(120, 200, 7));  // the gap is kept
    EXPECT_TRUE(packed.Covers({0, 1, 2, 3}));
    EXPECT_FALSE(packed.Covers({1, 1, 2, 1}));
    EXPECT_FALSE(packed.Covers({0, 4, 1, 1}));

    Image copied(6, 5, PixelFormat::Rgb24, kBlack);
    packed.CopyTo(copied, 1, 0, {1, 0, 5, 5});
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool kept = x >= 1 && (y == 0 || x < 2 || y == 4);
            EXPECT_EQ(copied.At(x, y), kept ? picture.At(x, y) : kBlack) << x << "," << y;
        }
    }
}

TEST(PackedPictures, KeepTheColoursAndCopyOutLikePictures) {
    Image picture(5, 4, PixelFormat::Argb32);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            picture.Set(x, y, Argb(x * 60, x * 50, y * 80, 255 - x - y));
        }
    }
    const PackedPicture packed(picture);
    ASSERT_EQ(packed.Width(), 5);
    ASSERT_EQ(packed.Height(), 4);
    EXPECT_EQ(packed.At(3, 2), Rgb(150, 160, 250));  // the alpha byte is not kept
    EXPECT_EQ(packed.At(5, 0), 0u);
    EXPECT_EQ(packed.At(0, -1), 0u);
    // Copying out clips at every edge of both pictures, as Copy does.
    Image opaque = picture;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            opaque.Set(x, y, picture.At(x, y) & 0xFFFFFFu);
        }
    }
    for (const Rect from : {Rect{0, 0, 5, 4}, Rect{-2, 1, 4, 9}, Rect{3, -1, 6, 2}}) {
        for (const Point at : {Point{0, 0}, Point{-1, 2}, Point{4, -3}, Point{6, 1}}) {
            Image expected(6, 5, PixelFormat::Rgb24, Rgb(9, 9, 9));
            Image copied = expected;
            Copy(expected, at.x, at.y, opaque, from);
            packed.CopyTo(copied, at.x, at.y, from);
            EXPECT_EQ(copied, expected) << from.x << "," << from.y << " to " << at.x << "," << at.y;
        }
    }
    // A part kept is read in the picture's coordinates; copying out takes
    // only what lies inside it.
    PackedPicture part;
    part.Pack(picture, {1, 1, 3, 9});
    EXPECT_EQ(part.Bounds(), (Rect{1, 1, 3, 3}));
    EXPECT_TRUE(part.Covers({2, 1, 2, 3}));
    EXPECT_FALSE(part.Covers({0, 1, 2, 2}));
    EXPECT_TRUE(part.Covers(Rect{}));
    EXPECT_EQ(part.At(3, 2), Rgb(150, 160, 250));
    EXPECT_EQ(part.At(0, 2), 0u);
    Image expected(6, 5, PixelFormat::Rgb24, Rgb(9, 9, 9));
    Image copied = expected;
    Copy(expected, 2, 1, opaque, {1, 1, 3, 3});
    part.CopyTo(copied, 1, 0, {0, 0, 5, 4});
    EXPECT_EQ(copied, expected);
    EXPECT_TRUE(PackedPicture(Image()).Empty());
    // Packing again takes the new picture whole, whatever its size.
    PackedPicture again = packed;
    again.Pack(Image(2, 3, PixelFormat::Rgb24, Rgb(4, 5, 6)));
    EXPECT_EQ(again.Width(), 2);
    EXPECT_EQ(again.At(1, 2), Rgb(4, 5, 6));
    EXPECT_EQ(again.At(3, 2), 0u);
    again.Pack(Image());
    EXPECT_TRUE(again.Empty());
}

Image TestPattern(int width, int height) {
    Image img(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            img.Set(x, y, Rgb(x * 255 / width, y * 255 / height, 128));
        }
    }
    return img;
}

TEST(JpegDecoding, DecodesToOpaquePixelsAndRefusesDamage) {
    const Image original = TestPattern(40, 24);
    const std::string stream = test::EncodeJpeg(original, 98);
    Image decoded;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(stream, decoded, error)) << error;
    ASSERT_EQ(decoded.Width(), 40);
    ASSERT_EQ(decoded.Height(), 24);
    EXPECT_EQ(AlphaOf(decoded.At(5, 5)), 0);
    EXPECT_NEAR(RedOf(decoded.At(30, 10)), RedOf(original.At(30, 10)), 8);
    EXPECT_NEAR(GreenOf(decoded.At(30, 10)), GreenOf(original.At(30, 10)), 8);

    // Cut short, garbage, empty: a reason and no picture.
    for (const std::string& bad :
         {stream.substr(0, stream.size() / 3), std::string("\xFF\xD8\xFF\xE0garbage", 11),
          std::string(), std::string(500, '\xFF')}) {
        Image out(3, 3);
        error.clear();
        EXPECT_FALSE(DecodeJpeg(bad, out, error));
        EXPECT_TRUE(out.Empty());
        EXPECT_FALSE(error.empty());
    }
}

std::string WithU32(std::string bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

TEST(BitmapReading, ReadsBottomUpTopDownAndPalettePictures) {
    const Image original = TestPattern(5, 3);  // odd width: padded rows
    const std::string file = test::EncodeBmp(original);
    Image out;
    std::string error;
    ASSERT_TRUE(ReadBmp(file, out, error)) << error;
    EXPECT_EQ(out, original);

    // The same rows read top-down when the height is negative.
    const std::string topDown = WithU32(file, 22, static_cast<std::uint32_t>(-3));
    ASSERT_TRUE(ReadBmp(topDown, out, error));
    EXPECT_EQ(out.At(0, 0), original.At(0, 2));

    // 8-bit with a two-colour palette.
    std::string pal = file.substr(0, 54);
    pal = WithU32(pal, 10, 54 + 8);
    pal[28] = 8;
    pal = WithU32(pal, 46, 2);
    pal += std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);  // red, blue
    for (int y = 0; y < 3; ++y) {
        pal += std::string("\x00\x01\x00\x01\x00\x00\x00\x00", 8);
    }
    ASSERT_TRUE(ReadBmp(pal, out, error)) << error;
    EXPECT_EQ(out.At(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(out.At(1, 0), Rgb(0, 0, 255));
}

TEST(BitmapReading, RangeChecksEveryHeaderNumber) {
    const std::string file = test::EncodeBmp(TestPattern(4, 4));
    const std::vector<std::pair<std::string, std::string>> damaged = {
        {"not BM", "XX" + file.substr(2)},
        {"header size 7", WithU32(file, 14, 7)},
        {"header size beyond file", WithU32(file, 14, 124).substr(0, 60)},
        {"width 0", WithU32(file, 18, 0)},
        {"width huge", WithU32(file, 18, 0x7FFFFFFF)},
        {"height huge", WithU32(file, 22, 0x80000001u)},
        {"pixels cut short", file.substr(0, file.size() - 1)},
        {"offset beyond file", WithU32(file, 10, 0xFFFFFFF0u)},
        {"run-length compressed", WithU32(file, 30, 1)},
        {"palette larger than 256", WithU32(WithU32(file, 28, 8), 46, 100000)},
        {"tiny", file.substr(0, 20)},
    };
    for (const auto& [what, bytes] : damaged) {
        Image out(2, 2);
        std::string error;
        EXPECT_FALSE(ReadBmp(bytes, out, error)) << what;
        EXPECT_TRUE(out.Empty()) << what;
        EXPECT_FALSE(error.empty()) << what;
    }
}

TEST(PngWriting, WritesPixelsThatReadBack) {
    test::TempFolder folder;
    const std::string path = folder / "board.png";
    Image img = TestPattern(7, 5);
    std::string error;
    ASSERT_TRUE(WritePng(img, path, error)) << error;
    png_image read{};
    read.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&read, path.c_str()));
    read.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> buffer(PNG_IMAGE_SIZE(read));
    ASSERT_TRUE(png_image_finish_read(&read, nullptr, buffer.data(), 0, nullptr));
    EXPECT_EQ(read.width, 7u);
    EXPECT_EQ(buffer[(2 * 7 + 3) * 3], RedOf(img.At(3, 2)));
    EXPECT_EQ(buffer[(2 * 7 + 3) * 3 + 1], GreenOf(img.At(3, 2)));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    EXPECT_FALSE(WritePng(img, folder / "missing/x.png", error));
    EXPECT_FALSE(WritePng(Image(), path, error));
}

}  // namespace
}  // namespace jw
