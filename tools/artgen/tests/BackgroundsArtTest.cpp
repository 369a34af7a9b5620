#include <gtest/gtest.h>

#include <QSet>
#include <cmath>
#include <cstdlib>

#include "Backgrounds.h"
#include "BackgroundsDesigns.h"
#include "BackgroundsKit.h"
#include "Sounds.h"

namespace artgen {
namespace {

int Difference(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Mean colour step between column x and column x + 1 (wrapping round).
double ColumnStep(const QImage& image, int x) {
    double sum = 0;
    const int next = (x + 1) % image.width();
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        sum += Difference(line[x], line[next]);
    }
    return sum / image.height();
}

double RowStep(const QImage& image, int y) {
    double sum = 0;
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const QRgb* below =
        reinterpret_cast<const QRgb*>(image.constScanLine((y + 1) % image.height()));
    for (int x = 0; x < image.width(); ++x) {
        sum += Difference(line[x], below[x]);
    }
    return sum / image.width();
}

// Whether the picture repeats without a visible seam: the step from the
// last column to the first (and from the last row to the first) is no
// larger than the largest step between neighbouring columns (rows) inside
// the picture. Each step is averaged over a whole column, so noise stays
// far below a seam, while joints of bricks and boards count inside too.
bool Seamless(const QImage& image) {
    double columns = 0;
    for (int x = 0; x < image.width() - 1; ++x) {
        columns = std::max(columns, ColumnStep(image, x));
    }
    double rows = 0;
    for (int y = 0; y < image.height() - 1; ++y) {
        rows = std::max(rows, RowStep(image, y));
    }
    return ColumnStep(image, image.width() - 1) <= 1.1 * columns + 2 &&
           RowStep(image, image.height() - 1) <= 1.1 * rows + 2;
}

TEST(BackgroundArtTest, EveryCodeOnceWithATiledOrLargePicture) {
    QSet<int> codes;
    for (const BackgroundArt& art : BackgroundArtwork()) {
        EXPECT_FALSE(codes.contains(art.code)) << art.code;
        codes.insert(art.code);
        EXPECT_TRUE(art.code >= 2 && art.code <= 499) << art.code;
    }
    EXPECT_EQ(codes.size(), 46);
    EXPECT_EQ(BackgroundName(7), "B007");
    EXPECT_EQ(BackgroundName(410), "B410");
}

TEST(BackgroundArtTest, TiledPicturesHaveNoSeams) {
    for (const BackgroundArt& art : BackgroundArtwork()) {
        const QImage image = art.draw().convertToFormat(QImage::Format_RGB32);
        if (image.width() < 512 || image.height() < 384) {
            EXPECT_TRUE(Seamless(image)) << art.code;
        } else {
            EXPECT_GE(image.width(), 1024) << art.code;
            EXPECT_GE(image.height(), 768) << art.code;
        }
    }
    // A piece cut out of a picture not made to repeat does show its seams.
    EXPECT_FALSE(Seamless(bg::Sky().copy(0, 300, 256, 256)));
    EXPECT_FALSE(Seamless(bg::Meadow().copy(100, 100, 256, 256)));
}

TEST(BackgroundArtTest, DrawingIsDeterministic) {
    EXPECT_EQ(BackgroundArtwork()[1].draw(), BackgroundArtwork()[1].draw());
    const std::vector<Sound> first = SynthesiseSounds();
    const std::vector<Sound> second = SynthesiseSounds();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].bytes, second[i].bytes) << first[i].name.toStdString();
    }
}

TEST(BackgroundArtTest, PausePicturesStandOnTheSeeThroughGreen) {
    for (int which = 1; which <= 2; ++which) {
        const QImage picture = DrawPausePicture(which);
        const QRgb key = qRgb(0, 128, 0);
        EXPECT_EQ(picture.pixel(0, 0), key);
        EXPECT_EQ(picture.pixel(picture.width() - 1, picture.height() - 1), key);
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                drawn += picture.pixel(x, y) != key ? 1 : 0;
            }
        }
        // Letters cover a fair part of the picture, but not all of it.
        EXPECT_GT(drawn, picture.width() * picture.height() / 10) << which;
        EXPECT_LT(drawn, picture.width() * picture.height() * 7 / 10) << which;
    }
    EXPECT_GT(DrawPausePicture(1).height(), DrawPausePicture(2).height());
}

TEST(SoundsTest, NineShortMonoWavesPeakingAtMinusThreeDecibels) {
    const std::vector<Sound> sounds = SynthesiseSounds();
    QStringList names;
    for (const Sound& sound : sounds) {
        names << sound.name;
        const QByteArray& b = sound.bytes;
        ASSERT_GT(b.size(), 44);
        EXPECT_EQ(b.left(4), "RIFF");
        EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(b.mid(36, 4), "data");
        const auto* samples = reinterpret_cast<const int16_t*>(b.constData() + 44);
        const int count = static_cast<int>((b.size() - 44) / 2);
        int peak = 0;
        for (int i = 0; i < count; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        }
        const double peakDb = 20 * std::log10(peak / 32767.0);
        EXPECT_NEAR(peakDb, -3.0, 0.1) << sound.name.toStdString();
        const double seconds = static_cast<double>(count) / kSoundRate;
        EXPECT_GT(seconds, 0.1) << sound.name.toStdString();
        EXPECT_LT(seconds, 3.0) << sound.name.toStdString();
        // Starts and ends quietly: no click at either end.
        EXPECT_LT(std::abs(samples[0]), 200) << sound.name.toStdString();
        EXPECT_LT(std::abs(samples[count - 1]), 200) << sound.name.toStdString();
    }
    EXPECT_EQ(names, (QStringList{"New", "Restart", "Undo", "Redo", "Pairing", "About", "Hi_Scor",
                                  "Scores", "Won"}));
}

TEST(BackgroundKitTest, NoiseRepeatsWithItsPeriod) {
    for (float x : {0.3f, 1.7f, 4.2f}) {
        EXPECT_NEAR(bg::Noise(x, 2.5f, 5, 3, 9), bg::Noise(x + 5, 2.5f, 5, 3, 9), 1e-5f);
        EXPECT_NEAR(bg::Noise(x, 2.5f, 5, 3, 9), bg::Noise(x, 5.5f, 5, 3, 9), 1e-5f);
    }
    EXPECT_NE(bg::Noise(0.3f, 2.5f, 5, 3, 9), bg::Noise(0.3f, 2.5f, 5, 3, 10));
}

}  // namespace
}  // namespace artgen
