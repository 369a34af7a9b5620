#include <gtest/gtest.h>

#include <QPainter>
#include <vector>

#include "ArtCommon.h"
#include "Faces.h"
#include "Generator.h"
#include "ImageCompare.h"
#include "Sheet.h"

namespace artgen {
namespace {

// Face `face` of `set` as the game shows it at w x h: drawn at the natural
// size and reduced.
QImage FaceAt(const TileSetInfo& set, int face, int w, int h) {
    const QImage full = RenderFace(FaceDrawerFor(set), face, QSize(set.faceWidth, set.faceHeight));
    return full.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Smallest share of clearly differing pixels over all pairs of `faces`.
double LeastDifference(const std::vector<QImage>& faces, int* first, int* second) {
    double least = 1.0;
    for (size_t i = 0; i < faces.size(); ++i) {
        for (size_t j = i + 1; j < faces.size(); ++j) {
            const double share = DifferingShare(faces[i], faces[j], 48);
            if (share < least) {
                least = share;
                *first = static_cast<int>(i);
                *second = static_cast<int>(j);
            }
        }
    }
    return least;
}

TEST(FacesTest, DrawingIsDeterministic) {
    for (const TileSetInfo& set : {BuiltInTileSets()[1], BuiltInTileSets()[4]}) {
        const SetPictures one = DrawSet(set);
        const SetPictures two = DrawSet(set);
        EXPECT_EQ(one.sheet, two.sheet) << set.displayName.toStdString();
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(one.bodies[i], two.bodies[i]);
        }
    }
}

TEST(FacesTest, AllFacesDifferAtTheSmallestSize) {
    for (const TileSetInfo& set : BuiltInTileSets()) {
        std::vector<QImage> faces;
        for (int face = 1; face <= kFaceCount; ++face) {
            faces.push_back(FaceAt(set, face, 32, 44));
        }
        int a = 0, b = 0;
        const double least = LeastDifference(faces, &a, &b);
        EXPECT_GE(least, 0.01) << set.displayName.toStdString() << ": faces " << a + 1 << " and "
                               << b + 1;
    }
}

TEST(FacesTest, MatchingLegendFacesDifferAtAGlance) {
    // The Matching legend shows faces 1-35 and 39 at 38 x 54; each must stand
    // out from all the others, not just differ in a few pixels.
    for (const TileSetInfo& set : BuiltInTileSets()) {
        if (set.family != Family::Matching) {
            continue;
        }
        std::vector<QImage> faces;
        std::vector<int> numbers;
        for (int face = 1; face <= 35; ++face) {
            numbers.push_back(face);
        }
        numbers.push_back(39);
        for (int face : numbers) {
            faces.push_back(FaceAt(set, face, 38, 54));
        }
        int a = 0, b = 0;
        const double least = LeastDifference(faces, &a, &b);
        EXPECT_GE(least, 0.06) << set.displayName.toStdString() << ": faces "
                               << numbers[static_cast<size_t>(a)] << " and "
                               << numbers[static_cast<size_t>(b)];
    }
}

// Number of separate coloured marks (strongly saturated areas of more than a
// few pixels) on a face.
int CountColouredMarks(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    std::vector<int> seen(static_cast<size_t>(w * h), 0);
    const auto coloured = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return c.hsvSaturation() > 110 && c.value() > 60;
    };
    int marks = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (seen[static_cast<size_t>(y * w + x)] || !coloured(x, y)) {
                continue;
            }
            int size = 0;
            std::vector<QPoint> stack{{x, y}};
            seen[static_cast<size_t>(y * w + x)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++size;
                for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + step;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h) {
                        continue;
                    }
                    const size_t index = static_cast<size_t>(q.y() * w + q.x());
                    if (!seen[index] && coloured(q.x(), q.y())) {
                        seen[index] = 1;
                        stack.push_back(q);
                    }
                }
            }
            marks += size > 12 ? 1 : 0;
        }
    }
    return marks;
}

TEST(FacesTest, CirclesAndBamboosShowTheirNumberOfMarks) {
    // The Modern set draws flat marks: a circle is a ring around a centre
    // (two marks), a bamboo stick is split by its joint (two marks).
    const TileSetInfo& modern = BuiltInTileSets()[3];
    const FaceDrawer drawer = FaceDrawerFor(modern);
    for (int count = 2; count <= 9; ++count) {
        const QImage circles = RenderFace(drawer, 9 + count, QSize(176, 240));
        EXPECT_EQ(CountColouredMarks(circles), 2 * count) << count << " circles";
        if (count != 8) {  // the leaning sticks of the eight touch each other
            const QImage bamboos = RenderFace(drawer, 18 + count, QSize(176, 240));
            EXPECT_EQ(CountColouredMarks(bamboos), 2 * count) << count << " bamboos";
        }
    }
}

TEST(FacesTest, CharactersCarryARedWanUnderTheNumeral) {
    const FaceDrawer drawer = FaceDrawerFor(BuiltInTileSets()[0]);
    for (int count = 1; count <= 9; ++count) {
        const QImage face = RenderFace(drawer, count, QSize(88, 120));
        int redBelow = 0, redAbove = 0;
        for (int y = 20; y < 116; ++y) {
            for (int x = 8; x < 80; ++x) {
                const QColor c = face.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 90 && c.blue() < 90) {
                    (y >= 60 ? redBelow : redAbove) += 1;
                }
            }
        }
        EXPECT_GT(redBelow, 300) << count;
        EXPECT_LT(redAbove, redBelow / 4) << count;
    }
}

}  // namespace
}  // namespace artgen
