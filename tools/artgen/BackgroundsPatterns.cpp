// Bricks, floors, parquet, honeycomb, fabrics and repeating patterns: each a
// seamless tile whose repeat divides the tile's size.
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "BackgroundsDesigns.h"
#include "BackgroundsKit.h"

namespace artgen::bg {

namespace {

constexpr float kTwoPi = 6.2831853f;
constexpr double kPi = 3.14159265358979;

float Fract(float x) {
    return x - std::floor(x);
}

// Per-pixel access while building a picture.
template <typename F>
QImage Paint(int w, int h, F colourAt) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            line[x] = colourAt(x, y);
        }
    }
    return image;
}

// Blocks laid in courses with joints: bricks and floor tiles. Returns the
// height field (joints low) for the relief and fills `block` with the index
// of the block each pixel belongs to (-1 in a joint).
Field Courses(int s, int blockW, int blockH, int joint, bool offset, std::vector<int>& block) {
    Field height(s, s);
    block.assign(static_cast<size_t>(s * s), -1);
    for (int y = 0; y < s; ++y) {
        const int course = y / blockH;
        const int shift = offset && course % 2 ? blockW / 2 : 0;
        for (int x = 0; x < s; ++x) {
            const int bx = (x + shift) % s;
            const int inX = bx % blockW;
            const int inY = y % blockH;
            const bool inJoint = inX < joint || inY < joint;
            // Rounded block edges: height falls off within 2 pixels of a joint.
            const int edge =
                std::min({inX - joint, blockW - 1 - inX, inY - joint, blockH - 1 - inY});
            height(x, y) = inJoint ? 0.0f : std::min(1.0f, 0.5f + 0.25f * static_cast<float>(edge));
            if (!inJoint) {
                block[static_cast<size_t>(y * s + x)] = course * 64 + bx / blockW;
            }
        }
    }
    return height;
}

}  // namespace

QImage Bricks(int variant) {
    const int s = kTile;
    struct Look {
        QColor low, high, mortar;
    };
    const Look looks[] = {{QColor(128, 52, 36), QColor(168, 78, 52), QColor(170, 164, 150)},
                          {QColor(86, 40, 30), QColor(120, 62, 44), QColor(96, 90, 84)},
                          {QColor(150, 142, 126), QColor(190, 180, 160), QColor(110, 104, 96)}};
    const Look& look = looks[std::clamp(variant, 0, 2)];
    std::vector<int> block;
    const Field height = Courses(s, 64, 32, 4, true, block);
    Field texture = Fbm(s, s, 16, 16, 3, 0.5f, 403u + static_cast<uint32_t>(variant));
    texture.Normalize();
    const uint32_t seed = 900u + static_cast<uint32_t>(variant);
    QImage image = Paint(s, s, [&](int x, int y) {
        const int b = block[static_cast<size_t>(y * s + x)];
        if (b < 0) {
            return Scale(look.mortar.rgb(), 0.9f + 0.2f * texture(x, y));
        }
        const float tone = Hash(b, 0, seed);
        return Mix(look.low.rgb(), look.high.rgb(), 0.6f * tone + 0.4f * texture(x, y));
    });
    Relief(image, height, 0.25f);
    Grain(image, 0.04f, seed);
    return image;
}

QImage Floor() {
    const int s = kTile;
    std::vector<int> block;
    const Field height = Courses(s, 128, 128, 3, false, block);
    Field veins = Turbulence(s, s, 4, 4, 5, 0.55f, 285);
    veins.Normalize();
    QImage image = Paint(s, s, [&](int x, int y) {
        const int b = block[static_cast<size_t>(y * s + x)];
        if (b < 0) {
            return qRgb(92, 84, 72);
        }
        const bool dark = ((x / 128) + (y / 128)) % 2 == 1;
        const QRgb base = dark ? qRgb(150, 132, 108) : qRgb(206, 194, 170);
        return Mix(base, Scale(base, 0.8f), veins(x, y));
    });
    Relief(image, height, 0.3f);
    Grain(image, 0.02f, 285);
    return image;
}

QImage Floor02() {
    const int s = kTile;
    std::vector<int> block;
    const Field height = Courses(s, 64, 64, 3, false, block);
    Field clay = Fbm(s, s, 8, 8, 4, 0.55f, 407);
    clay.Normalize();
    QImage image = Paint(s, s, [&](int x, int y) {
        const int b = block[static_cast<size_t>(y * s + x)];
        if (b < 0) {
            return qRgb(196, 186, 166);
        }
        const float tone = Hash(b, 3, 407);
        return Mix(Mix(qRgb(150, 72, 42), qRgb(184, 100, 60), tone), qRgb(120, 58, 36),
                   clay(x, y) * 0.5f);
    });
    Relief(image, height, 0.3f);
    Grain(image, 0.03f, 407);
    return image;
}

QImage Parquet() {
    const int s = kTile;
    Field grain = Fbm(s, s, 4, 64, 3, 0.5f, 311);  // streaks along x
    grain.Normalize();
    Field grainV = Fbm(s, s, 64, 4, 3, 0.5f, 312);  // streaks along y
    grainV.Normalize();
    const int square = 64;
    const int strip = 16;
    QImage image = Paint(s, s, [&](int x, int y) {
        const bool across = ((x / square) + (y / square)) % 2 == 0;
        const int along = across ? y % square : x % square;
        const int stripIndex = (across ? y : x) / strip + (across ? x / square : y / square) * 7;
        const float tone = Hash(stripIndex, across ? 1 : 2, 311);
        const float g = across ? grain(x, y) : grainV(x, y);
        QRgb c = Mix(qRgb(150, 96, 52), qRgb(196, 140, 82), 0.5f * tone + 0.5f * g);
        if (along % strip == 0) {
            c = Scale(c, 0.6f);
        } else if (along % strip == 1) {
            c = Scale(c, 1.08f);
        }
        const int edge = across ? x % square : y % square;
        if (edge == 0) {
            c = Scale(c, 0.6f);
        }
        return c;
    });
    Grain(image, 0.02f, 311);
    return image;
}

QImage Honeycomb() {
    // Columns 24 pixels apart, rows 28 apart, every other column half a row
    // down: ten columns and eight rows repeat exactly in 240 x 224.
    const int w = 240;
    const int h = 224;
    const int dx = 24;
    const int dy = 28;
    Field shade = Fbm(w, h, 4, 4, 3, 0.5f, 405);
    shade.Normalize();
    return Paint(w, h, [&](int x, int y) {
        float best = 1e9f;
        float second = 1e9f;
        int bestCell = 0;
        const int column = x / dx;
        for (int c = column - 1; c <= column + 2; ++c) {
            const float cx = static_cast<float>(c * dx);
            const float offset = (((c % 10) + 10) % 10) % 2 ? dy / 2.0f : 0.0f;
            const int row = static_cast<int>(std::floor((y - offset) / dy));
            for (int r = row - 1; r <= row + 2; ++r) {
                const float cy = static_cast<float>(r * dy) + offset;
                const float ddx = (static_cast<float>(x) - cx) * 1.02f;
                const float ddy = static_cast<float>(y) - cy;
                const float d = std::sqrt(ddx * ddx + ddy * ddy);
                if (d < best) {
                    second = best;
                    best = d;
                    bestCell = ((c % 10 + 10) % 10) * 31 + ((r % 8 + 8) % 8);
                } else if (d < second) {
                    second = d;
                }
            }
        }
        const float wall = second - best;  // 0 on the wall between two cells
        if (wall < 2.2f) {
            return Mix(qRgb(226, 186, 92), qRgb(186, 140, 56), wall / 2.2f);
        }
        const float depth = std::min(1.0f, best / 14.0f);
        const float fill = Hash(bestCell, 0, 405);
        const QRgb honey =
            Mix(qRgb(196, 128, 30), qRgb(150, 88, 18), fill * 0.6f + shade(x, y) * 0.4f);
        return Mix(Scale(honey, 1.18f), Scale(honey, 0.72f), depth);
    });
}

QImage Zigzag() {
    const int s = kTile;
    Field cloth = Fbm(s, s, 16, 16, 2, 0.5f, 276);
    cloth.Normalize();
    const QRgb colours[] = {qRgb(62, 82, 110), qRgb(146, 132, 104), qRgb(84, 110, 96),
                            qRgb(170, 160, 140)};
    return Paint(s, s, [&](int x, int y) {
        const float tri = std::fabs(Fract(static_cast<float>(x) / 64.0f) - 0.5f) * 2.0f;  // 0..1
        const float shifted = static_cast<float>(y) + 24.0f * tri;
        const int band = static_cast<int>(std::floor(shifted / 32.0f));
        const float inBand = Fract(shifted / 32.0f);
        QRgb c = colours[((band % 4) + 4) % 4];
        // A soft edge between the bands.
        if (inBand < 0.08f) {
            c = Scale(c, 0.85f);
        }
        return Scale(c, 0.92f + 0.12f * cloth(x, y));
    });
}

QImage Bubbles() {
    const int s = kTile;
    Field water = Fbm(s, s, 3, 3, 4, 0.5f, 265);
    water.Normalize();
    QImage image = Colour(water, Ramp({{0.0f, QColor(10, 36, 78)}, {1.0f, QColor(28, 76, 126)}}));
    Dice dice(265);
    struct Bubble {
        double x, y, r;
    };
    std::vector<Bubble> bubbles;
    for (int i = 0; i < 26; ++i) {
        bubbles.push_back({dice.Uniform(0, s), dice.Uniform(0, s), dice.Uniform(5, 24)});
    }
    WrapDraw(image, [&](QPainter& painter) {
        for (const Bubble& b : bubbles) {
            QRadialGradient body(QPointF(b.x, b.y), b.r);
            body.setColorAt(0.0, QColor(120, 170, 220, 20));
            body.setColorAt(0.8, QColor(140, 190, 230, 50));
            body.setColorAt(1.0, QColor(200, 230, 250, 130));
            painter.setPen(QPen(QColor(190, 220, 245, 120), 1.0));
            painter.setBrush(body);
            painter.drawEllipse(QPointF(b.x, b.y), b.r, b.r);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(240, 250, 255, 150));
            painter.drawEllipse(QPointF(b.x - b.r * 0.4, b.y - b.r * 0.4), b.r * 0.22, b.r * 0.16);
        }
    });
    return image;
}

QImage Abstract02() {
    const int s = kTile;
    Field ground = Fbm(s, s, 2, 2, 3, 0.5f, 299);
    ground.Normalize();
    QImage image =
        Colour(ground, Ramp({{0.0f, QColor(70, 92, 100)}, {1.0f, QColor(96, 120, 124)}}));
    Dice dice(299);
    struct Shape {
        double x, y, size, angle;
        int kind;
        QColor colour;
    };
    const QColor palette[] = {QColor(200, 170, 120, 70), QColor(150, 190, 190, 70),
                              QColor(220, 210, 190, 60), QColor(120, 100, 140, 80)};
    std::vector<Shape> shapes;
    for (int i = 0; i < 18; ++i) {
        shapes.push_back({dice.Uniform(0, s), dice.Uniform(0, s), dice.Uniform(18, 70),
                          dice.Uniform(0, 90), dice.Int(0, 2), palette[dice.Int(0, 3)]});
    }
    WrapDraw(image, [&](QPainter& painter) {
        for (const Shape& shape : shapes) {
            painter.save();
            painter.translate(shape.x, shape.y);
            painter.rotate(shape.angle);
            painter.setBrush(shape.colour);
            painter.setPen(QPen(shape.colour.lighter(150), 1.2));
            if (shape.kind == 0) {
                painter.drawEllipse(QPointF(0, 0), shape.size / 2, shape.size / 2);
            } else if (shape.kind == 1) {
                painter.drawRect(QRectF(-shape.size / 2, -shape.size / 2, shape.size, shape.size));
            } else {
                painter.setBrush(Qt::NoBrush);
                painter.setPen(QPen(shape.colour.lighter(140), 3));
                painter.drawEllipse(QPointF(0, 0), shape.size / 2, shape.size / 2);
            }
            painter.restore();
        }
    });
    return image;
}

QImage Puzzle() {
    const int s = kTile;
    const int piece = 64;
    Field hue = Fbm(s, s, 2, 2, 3, 0.5f, 316);
    hue.Normalize();
    QImage image = Paint(s, s, [&](int x, int y) {
        return QColor::fromHsvF(std::fmod(hue(x, y) * 0.8f + 0.45f, 1.0f), 0.32f, 0.58f).rgb();
    });
    // Each edge between two pieces carries a knob pointing one way or the
    // other; the cut is drawn dark with a light line beside it.
    const auto edgePath = [](QPointF from, QPointF to, bool flip) {
        const QPointF d = (to - from) / 64.0;
        const QPointF n = QPointF(-d.y(), d.x()) * (flip ? -1.0 : 1.0);
        const auto at = [&](double along, double out) { return from + d * along + n * out; };
        QPainterPath path(from);
        path.lineTo(at(24, 0));
        path.cubicTo(at(28, 0), at(22, 10), at(26, 14));
        path.cubicTo(at(30, 20), at(38, 18), at(40, 12));
        path.cubicTo(at(42, 8), at(36, 0), at(40, 0));
        path.lineTo(to);
        return path;
    };
    WrapDraw(image, [&](QPainter& painter) {
        for (int row = 0; row < s / piece; ++row) {
            for (int column = 0; column < s / piece; ++column) {
                const double x = column * piece;
                const double y = row * piece;
                const bool flipH = Hash(column, row, 316) > 0.5f;
                const bool flipV = Hash(column, row, 317) > 0.5f;
                const QPainterPath top = edgePath(QPointF(x, y), QPointF(x + piece, y), flipH);
                const QPainterPath left = edgePath(QPointF(x, y), QPointF(x, y + piece), !flipV);
                for (const QPainterPath& path : {top, left}) {
                    painter.setBrush(Qt::NoBrush);
                    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
                    painter.drawPath(path.translated(1, 1));
                    painter.setPen(QPen(QColor(20, 20, 30, 150), 1.3));
                    painter.drawPath(path);
                }
            }
        }
    });
    Grain(image, 0.02f, 316);
    return image;
}

QImage Carpet() {
    const int s = kTile;
    Field pile = Fbm(s, s, 64, 64, 2, 0.5f, 267);
    pile.Normalize();
    const QRgb field = qRgb(120, 30, 30);
    const QRgb navy = qRgb(30, 40, 74);
    const QRgb gold = qRgb(196, 150, 76);
    const QRgb ivory = qRgb(214, 198, 166);
    QImage image = Paint(s, s, [&](int x, int y) {
        // A medallion in every 128-pixel square and a small one where four
        // squares meet: nested diamonds and a ring of points.
        const float cx = std::fabs(static_cast<float>(x % 128) - 63.5f);
        const float cy = std::fabs(static_cast<float>(y % 128) - 63.5f);
        const float diamond = cx + cy;
        const float corner = (63.5f - cx) + (63.5f - cy);
        QRgb c = field;
        if (diamond < 14) {
            c = gold;
        } else if (diamond < 24) {
            c = ivory;
        } else if (diamond < 40) {
            c = navy;
        } else if (diamond < 44) {
            c = gold;
        } else if (corner < 16) {
            c = navy;
        } else if (corner < 20) {
            c = gold;
        }
        if (c == field && std::fabs(diamond - 54) < 3 && static_cast<int>(cx) % 8 < 4) {
            c = ivory;
        }
        return Scale(c, 0.85f + 0.25f * pile(x, y));
    });
    Calm(image, 0.85f);
    return image;
}

QImage Cloth() {
    const int s = kTile;
    Field slub = Fbm(s, s, 8, 32, 2, 0.5f, 323);
    slub.Normalize();
    return Paint(s, s, [&](int x, int y) {
        // A 2/2 twill: diagonal ribs four threads apart.
        const float rib = 0.5f + 0.5f * std::sin(kTwoPi * static_cast<float>(x + y) / 8.0f);
        const float thread = 0.5f + 0.5f * std::sin(kTwoPi * static_cast<float>(y) / 2.0f);
        const float t = 0.55f * rib + 0.15f * thread + 0.3f * slub(x, y);
        return Mix(qRgb(58, 72, 96), qRgb(100, 116, 140), t);
    });
}

QImage FlowerFabric() {
    const int s = kTile;
    Field cloth = Fbm(s, s, 32, 32, 2, 0.5f, 266);
    cloth.Normalize();
    QImage image = Paint(s, s, [&](int x, int y) {
        return Scale(qRgb(226, 216, 196), 0.95f + 0.06f * cloth(x, y));
    });
    Dice dice(266);
    struct Flower {
        double x, y, r, angle;
        QColor colour;
    };
    const QColor colours[] = {QColor(206, 120, 130), QColor(120, 140, 196), QColor(220, 170, 90)};
    std::vector<Flower> flowers;
    // On a jittered grid, so that they spread evenly.
    for (int gy = 0; gy < 4; ++gy) {
        for (int gx = 0; gx < 4; ++gx) {
            flowers.push_back({gx * 64 + dice.Uniform(12, 52), gy * 64 + dice.Uniform(12, 52),
                               dice.Uniform(8, 13), dice.Uniform(0, 72), colours[dice.Int(0, 2)]});
        }
    }
    WrapDraw(image, [&](QPainter& painter) {
        for (const Flower& f : flowers) {
            painter.save();
            painter.translate(f.x, f.y);
            painter.rotate(f.angle);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(96, 136, 90));
            painter.drawEllipse(QPointF(f.r * 1.5, f.r * 0.9), f.r * 0.8, f.r * 0.35);
            painter.drawEllipse(QPointF(-f.r * 1.4, f.r * 1.1), f.r * 0.7, f.r * 0.3);
            painter.setBrush(f.colour);
            painter.setPen(QPen(f.colour.darker(130), 0.8));
            for (int p = 0; p < 5; ++p) {
                painter.save();
                painter.rotate(p * 72);
                painter.drawEllipse(QPointF(0, -f.r * 0.6), f.r * 0.42, f.r * 0.62);
                painter.restore();
            }
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(236, 210, 120));
            painter.drawEllipse(QPointF(0, 0), f.r * 0.3, f.r * 0.3);
            painter.restore();
        }
    });
    return image;
}

QImage Tablecloth() {
    const int s = kTile;
    Field weave = Fbm(s, s, 64, 64, 2, 0.5f, 268);
    weave.Normalize();
    return Paint(s, s, [&](int x, int y) {
        // Gingham: red threads in every other 32-pixel band each way; where
        // two red bands cross the red is deepest.
        const int red = ((x / 32) % 2 == 0 ? 1 : 0) + ((y / 32) % 2 == 0 ? 1 : 0);
        const QRgb colours[] = {qRgb(232, 226, 216), qRgb(206, 124, 118), qRgb(164, 50, 48)};
        const float thread = (x + y) % 2 ? 0.97f : 1.02f;
        return Scale(colours[red], thread * (0.95f + 0.08f * weave(x, y)));
    });
}

QImage Straw() {
    const int s = kTile;
    Field fibre = Fbm(s, s, 4, 64, 2, 0.5f, 258);
    fibre.Normalize();
    Field fibreV = Fbm(s, s, 64, 4, 2, 0.5f, 259);
    fibreV.Normalize();
    const int cell = 32;
    const int strand = 8;
    return Paint(s, s, [&](int x, int y) {
        // Basket weave: in each 32-pixel square four strands run one way,
        // in the next square the other way.
        const bool across = ((x / cell) + (y / cell)) % 2 == 0;
        const int inStrand = (across ? y : x) % strand;
        const float round = std::sin(static_cast<float>(kPi) * (inStrand + 0.5f) / strand);
        const float f = across ? fibre(x, y) : fibreV(x, y);
        QRgb c = Mix(qRgb(170, 130, 60), qRgb(224, 190, 112), 0.6f * round + 0.4f * f);
        const int toEdge = std::min((across ? x : y) % cell, cell - 1 - (across ? x : y) % cell);
        if (toEdge < 2) {
            c = Scale(c, 0.7f + 0.15f * toEdge);  // shadow where a strand dips under
        }
        return c;
    });
}

QImage Pattern(int variant) {
    const int s = kTile;
    Field paper = Fbm(s, s, 8, 8, 3, 0.5f, 302u + static_cast<uint32_t>(variant));
    paper.Normalize();
    switch (variant) {
        case 0:  // overlapping rings: four-petal shapes between them
            return Paint(s, s, [&](int x, int y) {
                const auto ring = [](float px, float py) {
                    const float dx = std::fabs(Fract(px / 64.0f) - 0.5f) * 64.0f;
                    const float dy = std::fabs(Fract(py / 64.0f) - 0.5f) * 64.0f;
                    return std::fabs(std::sqrt(dx * dx + dy * dy) - 32.0f);
                };
                const float d =
                    std::min(ring(static_cast<float>(x), static_cast<float>(y)),
                             ring(static_cast<float>(x) + 32.0f, static_cast<float>(y) + 32.0f));
                const QRgb ground = Mix(qRgb(52, 72, 100), qRgb(62, 84, 112), paper(x, y));
                return Mix(qRgb(170, 180, 196), ground, std::min(1.0f, d / 1.8f));
            });
        case 1:  // a diagonal trellis with a dot in each opening
            return Paint(s, s, [&](int x, int y) {
                const float u = Fract(static_cast<float>(x + y) / 32.0f);
                const float v = Fract(static_cast<float>(x - y + s) / 32.0f);
                const float line = std::min({u, 1 - u, v, 1 - v}) * 32.0f;
                const float cx = std::fabs(Fract(static_cast<float>(x) / 32.0f) - 0.5f) * 32.0f;
                const float cy =
                    std::fabs(Fract(static_cast<float>(y) / 32.0f + 0.5f) - 0.5f) * 32.0f;
                const QRgb ground = Mix(qRgb(206, 190, 160), qRgb(220, 206, 178), paper(x, y));
                QRgb c = Mix(qRgb(160, 82, 56), ground, std::min(1.0f, line / 1.6f));
                if (cx * cx + cy * cy < 9) {
                    c = qRgb(150, 120, 70);
                }
                return c;
            });
        case 2:  // offset polka dots
            return Paint(s, s, [&](int x, int y) {
                const auto dot = [](float px, float py) {
                    const float dx = (Fract(px / 32.0f) - 0.5f) * 32.0f;
                    const float dy = (Fract(py / 32.0f) - 0.5f) * 32.0f;
                    return std::sqrt(dx * dx + dy * dy);
                };
                const float d =
                    std::min(dot(static_cast<float>(x), static_cast<float>(y)),
                             dot(static_cast<float>(x) + 16.0f, static_cast<float>(y) + 16.0f));
                const QRgb ground = Mix(qRgb(96, 120, 96), qRgb(108, 132, 106), paper(x, y));
                return Mix(qRgb(196, 206, 176), ground, std::clamp(d - 5.0f, 0.0f, 1.0f));
            });
        default:  // eight-pointed stars on a fine grid
            return Paint(s, s, [&](int x, int y) {
                const float dx = std::fabs(Fract(static_cast<float>(x) / 64.0f) - 0.5f) * 64.0f;
                const float dy = std::fabs(Fract(static_cast<float>(y) / 64.0f) - 0.5f) * 64.0f;
                const float square = std::max(dx, dy);
                const float diamond = (dx + dy) / 1.414f;
                const float star = std::min(square, diamond);
                const QRgb ground = Mix(qRgb(88, 60, 74), qRgb(100, 70, 84), paper(x, y));
                QRgb c = ground;
                if (star < 13) {
                    c = star < 10 ? qRgb(170, 140, 110) : qRgb(210, 184, 140);
                }
                const int gx = x % 16;
                const int gy = y % 16;
                if ((gx == 0 || gy == 0) && star > 15) {
                    c = Scale(ground, 1.2f);
                }
                return c;
            });
    }
}

}  // namespace artgen::bg
