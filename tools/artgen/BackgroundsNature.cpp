// Sky, ocean, meadow and algae, and the large abstract pictures.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "BackgroundsDesigns.h"
#include "BackgroundsKit.h"

namespace artgen::bg {

namespace {

constexpr float kPi = 3.14159265f;

float Smooth(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

}  // namespace

QImage Sky() {
    const int w = kLargeWidth;
    const int h = kLargeHeight;
    Field clouds = Fbm(w, h, 5, 4, 6, 0.5f, 410);
    clouds.Normalize();
    Field detail = Fbm(w, h, 12, 9, 4, 0.55f, 411);
    detail.Normalize();
    QImage image(w, h, QImage::Format_RGB32);
    const QRgb high = qRgb(46, 96, 168);
    const QRgb low = qRgb(146, 186, 226);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float fy = static_cast<float>(y) / static_cast<float>(h - 1);
        const QRgb sky = Mix(high, low, std::pow(fy, 0.8f));
        for (int x = 0; x < w; ++x) {
            // Clouds thin out towards the top and gather lower down.
            const float c = clouds(x, y) * 0.8f + detail(x, y) * 0.3f - 0.12f * (1 - fy);
            const float cover = Smooth(0.42f, 0.72f, c);
            // Undersides a little grey, tops bright.
            const float shade = 0.82f + 0.18f * Smooth(0.4f, 0.9f, detail(x, y));
            const QRgb cloud = Scale(qRgb(246, 247, 250), shade);
            line[x] = Mix(sky, cloud, cover * 0.92f);
        }
    }
    Calm(image, 0.9f);
    return image;
}

QImage Ocean() {
    const int w = kLargeWidth;
    const int h = kLargeHeight;
    Field swell = Fbm(w, h, 3, 10, 5, 0.5f, 257);
    swell.Normalize();
    Field chop = Fbm(w, h, 10, 40, 3, 0.5f, 258);
    chop.Normalize();
    QImage image(w, h, QImage::Format_RGB32);
    const Ramp water({{0.0f, QColor(8, 38, 70)},
                      {0.45f, QColor(16, 70, 108)},
                      {0.75f, QColor(30, 104, 138)},
                      {1.0f, QColor(92, 160, 182)}});
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float fy = static_cast<float>(y) / static_cast<float>(h - 1);
        for (int x = 0; x < w; ++x) {
            const float wave = std::sin((static_cast<float>(y) * 0.09f + swell(x, y) * 9.0f));
            float t = 0.35f + 0.25f * swell(x, y) + 0.12f * wave + 0.18f * chop(x, y);
            t -= 0.18f * fy;  // deeper water towards the bottom
            QRgb colour = water.At(t);
            const float glint =
                Smooth(0.86f, 0.98f, chop(x, y) * 0.6f + (wave * 0.5f + 0.5f) * 0.4f);
            colour = Mix(colour, qRgb(196, 226, 236), glint * 0.55f * (1 - fy * 0.6f));
            line[x] = colour;
        }
    }
    return image;
}

QImage Meadow() {
    const int w = kLargeWidth;
    const int h = kLargeHeight;
    Field patches = Fbm(w, h, 4, 3, 4, 0.5f, 324);
    patches.Normalize();
    Field blades = Fbm(w, h, 360, 26, 2, 0.45f, 325);  // tall thin strokes
    blades.Normalize();
    QImage image(w, h, QImage::Format_RGB32);
    const Ramp grass({{0.0f, QColor(34, 72, 22)},
                      {0.4f, QColor(62, 110, 36)},
                      {0.75f, QColor(104, 146, 52)},
                      {1.0f, QColor(150, 170, 76)}});
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float fy = static_cast<float>(y) / static_cast<float>(h - 1);
        for (int x = 0; x < w; ++x) {
            const float t = 0.25f + 0.35f * patches(x, y) + 0.45f * blades(x, y) - 0.1f * fy;
            line[x] = grass.At(t);
        }
    }
    // A scatter of small flowers, sparse enough to stay quiet.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    Dice dice(324);
    const QColor petals[] = {QColor(236, 232, 214), QColor(226, 200, 80), QColor(190, 150, 196)};
    for (int i = 0; i < 420; ++i) {
        const double x = dice.Uniform(0, w);
        const double y = dice.Uniform(0, h);
        const double r = dice.Uniform(1.4, 2.8);
        QColor colour = petals[dice.Int(0, 2)];
        colour.setAlpha(170);
        painter.setBrush(colour);
        for (int p = 0; p < 5; ++p) {
            const double a = p * 2 * kPi / 5;
            painter.drawEllipse(QPointF(x + std::cos(a) * r, y + std::sin(a) * r), r * 0.75,
                                r * 0.75);
        }
        painter.setBrush(QColor(214, 170, 50, 200));
        painter.drawEllipse(QPointF(x, y), r * 0.55, r * 0.55);
    }
    painter.end();
    Calm(image, 0.92f);
    return image;
}

QImage Algae() {
    const int s = kTile;
    Field strands = Turbulence(s, s, 4, 4, 5, 0.55f, 408);
    strands.Normalize();
    Field warpX = Fbm(s, s, 3, 3, 3, 0.5f, 409);
    warpX.Normalize();
    Field warpY = Fbm(s, s, 3, 3, 3, 0.5f, 410);
    warpY.Normalize();
    Field warped = Warp(strands, warpX, warpY, 40.0f);
    QImage image = Colour(warped, Ramp({{0.0f, QColor(18, 74, 58)},
                                        {0.18f, QColor(40, 112, 70)},
                                        {0.45f, QColor(22, 84, 66)},
                                        {1.0f, QColor(10, 52, 50)}}));
    Relief(image, warped, 1.6f);
    Grain(image, 0.03f, 408);
    return image;
}

QImage Abstract() {
    const int w = kLargeWidth;
    const int h = kLargeHeight;
    Field base = Fbm(w, h, 3, 2, 5, 0.5f, 297);
    base.Normalize();
    Field dx = Fbm(w, h, 2, 2, 4, 0.5f, 298);
    dx.Normalize();
    Field dy = Fbm(w, h, 2, 2, 4, 0.5f, 299);
    dy.Normalize();
    Field swirl = Warp(base, dx, dy, 420.0f);
    swirl.Normalize();
    QImage image = Colour(swirl, Ramp({{0.0f, QColor(40, 36, 80)},
                                       {0.3f, QColor(70, 72, 130)},
                                       {0.5f, QColor(56, 110, 136)},
                                       {0.7f, QColor(120, 100, 140)},
                                       {1.0f, QColor(196, 160, 120)}}));
    Relief(image, swirl, 1.8f);
    Calm(image, 0.7f);
    return image;
}

QImage Fantasy() {
    const int w = kLargeWidth;
    const int h = kLargeHeight;
    Field base = Fbm(w, h, 4, 3, 5, 0.55f, 279);
    base.Normalize();
    Field dx = Fbm(w, h, 3, 2, 4, 0.5f, 280);
    dx.Normalize();
    Field dy = Fbm(w, h, 3, 2, 4, 0.5f, 281);
    dy.Normalize();
    Field marbled = Warp(base, dx, dy, 300.0f);
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            // Hue runs round the colour wheel with the marbling.
            const float t = marbled(x, y);
            const float hue = std::fmod(t * 1.6f + 0.55f, 1.0f);
            const QColor c = QColor::fromHsvF(hue, 0.38f, 0.46f + 0.12f * std::sin(t * 14.0f));
            line[x] = c.rgb();
        }
    }
    Relief(image, marbled, 1.2f);
    Calm(image, 0.75f, -0.02f);
    return image;
}

QImage Ribbon() {
    const int w = kLargeWidth;
    const int h = kLargeHeight;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, h);
    ground.setColorAt(0, QColor(38, 42, 56));
    ground.setColorAt(1, QColor(16, 18, 26));
    painter.fillRect(image.rect(), ground);
    // Satin bands: each band is a strip whose shine follows its folds.
    struct Band {
        double y, amplitude, phase, width;
        QColor colour;
    };
    const Band bands[] = {{230, 120, 0.3, 90, QColor(168, 172, 186)},
                          {470, 150, 2.1, 110, QColor(180, 150, 96)},
                          {640, 90, 4.0, 70, QColor(150, 160, 176)}};
    for (const Band& band : bands) {
        for (double x = -20; x < w + 20; x += 1.0) {
            const double a = x / w * 2 * kPi * 1.3 + band.phase;
            const double centre = band.y + band.amplitude * std::sin(a);
            const double twist = std::cos(a * 1.7 + band.phase);  // the ribbon's turn
            const double half = band.width * (0.35 + 0.65 * std::fabs(twist)) / 2;
            QLinearGradient shine(0, centre - half, 0, centre + half);
            const double light = 0.55 + 0.45 * twist;
            shine.setColorAt(0, band.colour.darker(180));
            shine.setColorAt(0.5, band.colour.lighter(static_cast<int>(100 + 40 * light)));
            shine.setColorAt(1, band.colour.darker(200));
            painter.fillRect(QRectF(x, centre - half, 1.6, 2 * half), shine);
        }
    }
    painter.end();
    Grain(image, 0.015f, 301);
    return image;
}

}  // namespace artgen::bg
