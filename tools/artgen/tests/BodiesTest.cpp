#include <gtest/gtest.h>

#include "ArtCommon.h"
#include "Bodies.h"
#include "SetLook.h"
#include "TileComposer.h"

namespace artgen {
namespace {

bool IsMagenta(QRgb pixel) {
    return (pixel & 0xffffff) == 0xff00ff;
}

// Inside the bevel cut the loader makes: the top-right and bottom-left
// triangles of the depth's size.
bool InCut(int x, int y, int w, int h, int d) {
    const bool topRight = y < d && x >= w + y;
    const bool bottomLeft = y >= h && x <= y - h;
    return topRight || bottomLeft;
}

TEST(BodiesTest, MagentaOnlyInsideTheBevelCutsAtEveryNaturalSize) {
    for (const TileSetInfo& set : BuiltInTileSets()) {
        const int w = set.faceWidth, h = set.faceHeight, d = set.depth;
        for (int variant = 1; variant <= 3; ++variant) {
            const QImage body = DrawBody(LookOf(set.style), w, h, d, variant);
            ASSERT_EQ(body.size(), QSize(w + d, h + d));
            EXPECT_TRUE(IsMagenta(body.pixel(w + d - 1, 0)));
            EXPECT_TRUE(IsMagenta(body.pixel(0, h + d - 1)));
            int stray = 0;
            for (int y = 0; y < h + d; ++y) {
                for (int x = 0; x < w + d; ++x) {
                    stray += IsMagenta(body.pixel(x, y)) && !InCut(x, y, w, h, d) ? 1 : 0;
                }
            }
            EXPECT_EQ(stray, 0) << set.displayName.toStdString() << " variant " << variant;
        }
    }
}

TEST(BodiesTest, VariantsDifferSlightly) {
    const SetLook& look = LookOf(SetStyle::Classic);
    const QImage one = DrawBody(look, 88, 120, 24, 1);
    const QImage two = DrawBody(look, 88, 120, 24, 2);
    EXPECT_NE(one, two);
    // Same blank face region size and the same colour family on the sides.
    const QColor a = one.pixel(100, 60);
    const QColor b = two.pixel(100, 60);
    EXPECT_LT(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()), 40);
}

TEST(BodiesTest, NoPinkFringeSurvivesScalingToAnySize) {
    struct Size {
        int w, h, d;
    };
    const Size sizes[] = {{76, 104, 20}, {64, 90, 18}, {58, 80, 16}, {52, 70, 14},
                          {46, 62, 12},  {38, 52, 11}, {32, 44, 9}};
    QImage face(88, 120, QImage::Format_RGB32);
    face.fill(QColor(240, 236, 220));
    for (const TileSetInfo& set : BuiltInTileSets()) {
        const QImage body =
            DrawBody(LookOf(set.style), set.faceWidth, set.faceHeight, set.depth, 1);
        for (const Size& size : sizes) {
            const QImage tile = ComposeTile(body, face, DrawFaceOverlay(), size.w, size.h, size.d);
            int pink = 0;
            for (int y = 0; y < tile.height(); ++y) {
                for (int x = 0; x < tile.width(); ++x) {
                    const QRgb p = tile.pixel(x, y);
                    pink += qAlpha(p) == 255 && qRed(p) > 170 && qBlue(p) > 170 &&
                                    qGreen(p) < qRed(p) - 60
                                ? 1
                                : 0;
                }
            }
            EXPECT_EQ(pink, 0) << set.displayName.toStdString() << " at " << size.w;
        }
    }
}

TEST(BodiesTest, OverlayRoundsOnlyTheTopLeftCorner) {
    const QImage overlay = DrawFaceOverlay();
    ASSERT_LE(overlay.width(), 8);
    EXPECT_TRUE(IsMagenta(overlay.pixel(0, 0)));
    EXPECT_TRUE(IsMagenta(overlay.pixel(1, 0)));
    EXPECT_EQ(overlay.pixel(overlay.width() - 1, overlay.height() - 1) & 0xffffff, 0u);
    EXPECT_EQ(overlay.pixel(overlay.width() - 1, 0) & 0xffffff, 0u);
    for (int y = 0; y < overlay.height(); ++y) {
        for (int x = 0; x < overlay.width(); ++x) {
            EXPECT_EQ(overlay.pixel(x, y), overlay.pixel(y, x)) << x << "," << y;
        }
    }
}

TEST(BodiesTest, HighlightIsGreyBrightInsideAndFadesOutward) {
    const QImage mask = DrawHighlightMask(88, 120);
    const int row = 60;
    int previous = -1;
    for (int x = 0; x <= 44; ++x) {
        const QRgb pixel = mask.pixel(x, row);
        ASSERT_EQ(qRed(pixel), qGreen(pixel));
        ASSERT_EQ(qGreen(pixel), qBlue(pixel));
        EXPECT_GE(qRed(pixel), previous) << "at x " << x;
        previous = qRed(pixel);
    }
    // Strong enough to see, weak enough that the face stays readable.
    EXPECT_GE(previous, 80);
    EXPECT_LE(previous, 160);
    EXPECT_LT(qRed(mask.pixel(0, 0)), previous / 2);
}

TEST(BodiesTest, SilhouetteIsMagentaThroughout) {
    const QImage silhouette = DrawSilhouette(112, 144);
    EXPECT_EQ(silhouette.size(), QSize(112, 144));
    EXPECT_EQ(silhouette.pixel(0, 0), kMagenta);
    EXPECT_EQ(silhouette.pixel(111, 143), kMagenta);
}

}  // namespace
}  // namespace artgen
