// Marble, wood, stucco, metal, paper and plain textiles: seamless tiles made
// from periodic noise.
#include <QFont>
#include <algorithm>
#include <cmath>

#include "BackgroundsDesigns.h"
#include "BackgroundsKit.h"
#include "Fonts.h"

namespace artgen::bg {

namespace {

constexpr float kTwoPi = 6.2831853f;

float Fract(float x) {
    return x - std::floor(x);
}

// Long grain running along x: ring lines bent by noise. `rings` is the
// number of grain lines across the height, a whole number keeps it seamless.
Field WoodGrain(int w, int h, int rings, uint32_t seed) {
    Field bend = Fbm(w, h, 1, 3, 4, 0.45f, seed);
    Field fine = Fbm(w, h, 8, 128, 2, 0.5f, seed + 7);  // fine streaks along the grain
    Field grain(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float t =
                static_cast<float>(rings) * static_cast<float>(y) / static_cast<float>(h) +
                0.9f * bend(x, y);
            const float ring = Fract(t);
            // Sharp late-wood line, soft early wood.
            grain(x, y) = std::pow(ring, 2.0f) * 0.6f + 0.4f * (fine(x, y) * 0.5f + 0.5f);
        }
    }
    return grain;
}

struct WoodColours {
    QColor dark;
    QColor mid;
    QColor light;
};

const WoodColours kWoods[] = {
    {QColor(44, 24, 14), QColor(78, 44, 26), QColor(104, 62, 36)},         // dark brown
    {QColor(170, 124, 78), QColor(206, 164, 112), QColor(226, 192, 142)},  // light
    {QColor(176, 140, 96), QColor(214, 184, 140), QColor(234, 210, 170)},  // light 02
    {QColor(120, 72, 38), QColor(160, 106, 60), QColor(186, 132, 80)},     // light brown
};

QImage WoodBoard(int w, int h, int rings, const WoodColours& colours, uint32_t seed) {
    Field grain = WoodGrain(w, h, rings, seed);
    grain.Normalize();
    return Colour(grain, Ramp({{0.0f, colours.light}, {0.55f, colours.mid}, {1.0f, colours.dark}}));
}

QImage StuccoOf(const Ramp& ramp, uint32_t seed, float relief, Field* extraHeight = nullptr) {
    const int s = kTile;
    Field height = Fbm(s, s, 6, 6, 6, 0.55f, seed);
    Field blobs = Turbulence(s, s, 4, 4, 3, 0.5f, seed + 3);
    for (size_t i = 0; i < height.v.size(); ++i) {
        height.v[i] = height.v[i] * 0.6f + blobs.v[i] * 0.8f;
        if (extraHeight) {
            height.v[i] += extraHeight->v[i];
        }
    }
    height.Normalize();
    Field tint = Fbm(s, s, 2, 2, 3, 0.5f, seed + 5);
    tint.Normalize();
    QImage image = Colour(tint, ramp);
    Relief(image, height, relief);
    Grain(image, 0.02f, seed);
    return image;
}

}  // namespace

QImage Marble(bool green) {
    const int s = kTile;
    Field turbulence = Fbm(s, s, 2, 2, 5, 0.5f, green ? 260 : 401);
    Field cloud = Fbm(s, s, 4, 4, 4, 0.5f, green ? 261 : 402);
    cloud.Normalize();
    QImage image(s, s, QImage::Format_RGB32);
    const QRgb base = green ? qRgb(32, 78, 60) : qRgb(226, 222, 212);
    const QRgb shade = green ? qRgb(18, 52, 40) : qRgb(196, 192, 186);
    const QRgb vein = green ? qRgb(190, 210, 196) : qRgb(120, 118, 122);
    for (int y = 0; y < s; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s; ++x) {
            // One whole wave across the tile's diagonal, bent by noise.
            const float phase =
                kTwoPi * (static_cast<float>(x + y) / s * 1.0f) + 2.6f * turbulence(x, y);
            const float v = std::pow(1.0f - std::fabs(std::sin(phase)), 6.0f);
            const float thin = std::pow(1.0f - std::fabs(std::sin(phase * 2 + 1.3f)), 30.0f);
            QRgb c = Mix(base, shade, cloud(x, y));
            c = Mix(c, vein, std::min(1.0f, v * 0.85f + thin * 0.45f));
            line[x] = c;
        }
    }
    Grain(image, 0.015f, 401);
    return image;
}

QImage WoodPlanks(int variant) {
    const int s = kTile;
    const WoodColours& colours = kWoods[std::clamp(variant, 0, 3)];
    const uint32_t seed = 312u + static_cast<uint32_t>(variant) * 17u;
    const QImage board = WoodBoard(s, s, 22, colours, seed);
    QImage image(s, s, QImage::Format_RGB32);
    const int plank = 64;
    Dice dice(seed);
    for (int row = 0; row < s / plank; ++row) {
        // Each plank takes its own stretch of the board and its own tint,
        // and ends somewhere along the row.
        const int offsetY = dice.Int(0, s - 1);
        const int offsetX = dice.Int(0, s - 1);
        const float tint = static_cast<float>(dice.Uniform(0.9, 1.08));
        const int joint = dice.Int(0, s - 1);
        for (int y = row * plank; y < (row + 1) * plank; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const QRgb* src = reinterpret_cast<const QRgb*>(board.constScanLine((y + offsetY) % s));
            for (int x = 0; x < s; ++x) {
                QRgb c = Scale(src[(x + offsetX) % s], tint);
                const int local = y - row * plank;
                if (local == 0) {
                    c = Scale(c, 0.55f);
                } else if (local == 1) {
                    c = Scale(c, 1.12f);
                } else if (local == plank - 1) {
                    c = Scale(c, 0.8f);
                }
                if (x == joint) {
                    c = Scale(c, 0.6f);
                } else if (x == (joint + 1) % s) {
                    c = Scale(c, 1.1f);
                }
                line[x] = c;
            }
        }
    }
    return image;
}

QImage PlyWood() {
    const int s = kTile;
    Field shape = Fbm(s, s, 2, 2, 4, 0.45f, 289);
    shape.Normalize();
    Field fine = Fbm(s, s, 16, 48, 2, 0.5f, 290);
    QImage image(s, s, QImage::Format_RGB32);
    const Ramp ramp({{0.0f, QColor(222, 190, 140)},
                     {0.7f, QColor(204, 166, 112)},
                     {1.0f, QColor(170, 126, 78)}});
    for (int y = 0; y < s; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s; ++x) {
            // Wide rings: the contour lines of a gentle hill.
            const float ring = Fract(shape(x, y) * 7.0f + 0.05f * fine(x, y));
            line[x] = ramp.At(std::pow(ring, 2.5f) * 0.9f + 0.1f * (fine(x, y) * 0.5f + 0.5f));
        }
    }
    Grain(image, 0.02f, 289);
    return image;
}

QImage CarvedWood() {
    const int s = kTile;
    QImage image = WoodBoard(s, s, 7, kWoods[3], 270);
    // A carved rosette in every 128-pixel square: rings and eight petals
    // cut into the surface, lit as relief.
    Field height(s, s);
    const int cell = 128;
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            const float dx = static_cast<float>(x % cell) - cell / 2.0f + 0.5f;
            const float dy = static_cast<float>(y % cell) - cell / 2.0f + 0.5f;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float a = std::atan2(dy, dx);
            float cut = 0;
            if (r > 50 && r < 56) {
                cut = 1;
            }
            const float petal = 40.0f * (0.55f + 0.45f * std::fabs(std::cos(a * 4)));
            if (r < petal && r > petal - 5) {
                cut = 1;
            }
            if (r < 8) {
                cut = 0.6f;
            }
            // Corners of the square: a small diamond where four squares meet.
            const float corner =
                std::fabs(std::fabs(dx) - cell / 2.0f) + std::fabs(std::fabs(dy) - cell / 2.0f);
            if (corner < 12 && corner > 7) {
                cut = 1;
            }
            height(x, y) = -cut;
        }
    }
    Relief(image, height, 0.6f);
    for (int y = 0; y < s; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s; ++x) {
            if (height(x, y) < 0) {
                line[x] = Scale(line[x], 0.82f);  // the bottom of the cut is darker
            }
        }
    }
    return image;
}

QImage Stucco(int variant) {
    switch (variant) {
        case 0:
            return StuccoOf(Ramp({{0.0f, QColor(214, 200, 172)}, {1.0f, QColor(232, 222, 196)}}),
                            291, 4.0f);
        case 1:
            return StuccoOf(Ramp({{0.0f, QColor(178, 112, 80)}, {1.0f, QColor(200, 136, 96)}}), 306,
                            4.5f);
        case 2:
            return StuccoOf(Ramp({{0.0f, QColor(150, 166, 180)}, {1.0f, QColor(176, 190, 200)}}),
                            402, 4.0f);
        default:
            return StuccoOf(Ramp({{0.0f, QColor(140, 154, 120)}, {1.0f, QColor(164, 176, 140)}}),
                            288, 4.0f);
    }
}

QImage Letters() {
    const int s = kTile;
    QImage mask(s, s, QImage::Format_RGB32);
    mask.fill(Qt::black);
    Dice dice(284);
    struct Glyph {
        double x, y, size, angle;
        QChar letter;
    };
    std::vector<Glyph> glyphs;
    // One letter in each 64-pixel square, so that they spread without
    // piling up.
    for (int i = 0; i < 16; ++i) {
        glyphs.push_back({(i % 4) * 64 + dice.Uniform(4, 30), (i / 4) * 64 + dice.Uniform(34, 58),
                          dice.Uniform(24, 34), dice.Uniform(-20, 20),
                          QChar('A' + dice.Int(0, 25))});
    }
    WrapDraw(mask, [&](QPainter& painter) {
        painter.setPen(Qt::white);
        for (const Glyph& glyph : glyphs) {
            QFont font(Fonts().sansBold);
            font.setPixelSize(static_cast<int>(glyph.size));
            painter.setFont(font);
            painter.save();
            painter.translate(glyph.x, glyph.y);
            painter.rotate(glyph.angle);
            painter.drawText(QPointF(0, 0), QString(glyph.letter));
            painter.restore();
        }
    });
    Field raised(s, s);
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            raised(x, y) = static_cast<float>(qRed(mask.pixel(x, y))) / 255.0f * 0.5f;
        }
    }
    return StuccoOf(Ramp({{0.0f, QColor(208, 196, 176)}, {1.0f, QColor(226, 216, 198)}}), 284, 3.0f,
                    &raised);
}

QImage Metallic() {
    const int s = kTile;
    Field brush = Fbm(s, s, 1, 128, 3, 0.5f, 272);
    brush.Normalize();
    Field sheen = Fbm(s, s, 2, 2, 2, 0.5f, 273);
    sheen.Normalize();
    QImage image(s, s, QImage::Format_RGB32);
    for (int y = 0; y < s; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s; ++x) {
            const float t = 0.55f * brush(x, y) + 0.45f * sheen(x, y);
            line[x] = Mix(qRgb(104, 112, 124), qRgb(176, 184, 194), t);
        }
    }
    Grain(image, 0.03f, 272);
    return image;
}

QImage RoughPaper() {
    const int s = kTile;
    Field fibres = Fbm(s, s, 16, 16, 4, 0.6f, 259);
    fibres.Normalize();
    Field blotch = Fbm(s, s, 3, 3, 3, 0.5f, 260);
    blotch.Normalize();
    QImage image(s, s, QImage::Format_RGB32);
    for (int y = 0; y < s; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s; ++x) {
            line[x] = Mix(qRgb(214, 204, 182), qRgb(236, 230, 214),
                          0.6f * blotch(x, y) + 0.4f * fibres(x, y));
        }
    }
    Relief(image, fibres, 1.2f);
    Grain(image, 0.04f, 259);
    return image;
}

QImage FoldPaper() {
    const int s = kTile;
    QImage image = RoughPaper();
    Calm(image, 1.0f, -0.03f);
    // Creases: ridges and valleys of a sheet folded in both directions.
    Field height(s, s);
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            const float u = static_cast<float>(x) / s;
            const float v = static_cast<float>(y) / s;
            const float fold1 = std::fabs(Fract(u * 2 + v) - 0.5f);
            const float fold2 = std::fabs(Fract(u - v * 2 + 0.25f) - 0.5f);
            const float fold3 = std::fabs(Fract(v * 2) - 0.5f);
            height(x, y) = (fold1 + 0.7f * fold2 + 0.5f * fold3) * 40.0f;
        }
    }
    Relief(image, height, 0.12f);
    return image;
}

QImage BlueMottle() {
    const int s = kTile;
    Field field = Fbm(s, s, 4, 4, 6, 0.55f, 274);
    field.Normalize();
    QImage image = Colour(field, Ramp({{0.0f, QColor(22, 40, 96)},
                                       {0.5f, QColor(40, 66, 136)},
                                       {1.0f, QColor(80, 110, 170)}}));
    Relief(image, field, 2.0f);
    return image;
}

QImage Moquette() {
    const int s = kTile;
    Field pile = Fbm(s, s, 64, 64, 2, 0.5f, 321);
    pile.Normalize();
    Field crush = Fbm(s, s, 3, 3, 4, 0.5f, 322);
    crush.Normalize();
    QImage image(s, s, QImage::Format_RGB32);
    for (int y = 0; y < s; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s; ++x) {
            // Velvet looks lighter where the pile is brushed the other way.
            const float t = 0.7f * crush(x, y) + 0.3f * pile(x, y);
            line[x] = Mix(qRgb(70, 14, 28), qRgb(128, 34, 52), t);
        }
    }
    Grain(image, 0.05f, 321);
    return image;
}

QImage YellowLinen() {
    const int s = kTile;
    Field slub = Fbm(s, s, 8, 64, 2, 0.5f, 296);
    slub.Normalize();
    Field slubV = Fbm(s, s, 64, 8, 2, 0.5f, 297);
    slubV.Normalize();
    QImage image(s, s, QImage::Format_RGB32);
    for (int y = 0; y < s; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < s; ++x) {
            // Threads four pixels apart, going over and under.
            const float warp = 0.5f + 0.5f * std::sin(kTwoPi * x / 4.0f);
            const float weft = 0.5f + 0.5f * std::sin(kTwoPi * y / 4.0f);
            const bool over = ((x / 4) + (y / 4)) % 2 == 0;
            const float thread =
                over ? warp * 0.7f + slub(x, y) * 0.3f : weft * 0.7f + slubV(x, y) * 0.3f;
            line[x] = Mix(qRgb(190, 150, 40), qRgb(232, 198, 86), thread);
        }
    }
    Calm(image, 0.8f);
    return image;
}

}  // namespace artgen::bg
