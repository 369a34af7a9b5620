// Flowers: seven kinds of flower in five colours, four butterflies and four
// leaves.
#include <QPainterPath>
#include <array>

#include "Drawing.h"
#include "MatchingFaces.h"
#include "Plants.h"

namespace artgen {

namespace {

const QPointF kCentre(44, 60);
const QColor kStem(60, 140, 50);
const QColor kHeart(250, 200, 40);
const QColor kDarkHeart(110, 70, 30);

const SetLook& Look() {
    return LookOf(SetStyle::Flowers);
}

void Stem(QPainter& painter, QPointF from, QPointF to, bool leaves) {
    painter.save();
    painter.setPen(QPen(kStem, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    painter.restore();
    if (leaves) {
        const QPointF mid = (from + to) / 2;
        FillShape(painter, Look(), Ellipse(mid + QPointF(-10, 4), 11, 4.5, -30), kStem);
        FillShape(painter, Look(), Ellipse(mid + QPointF(10, 10), 11, 4.5, 30), kStem);
    }
}

QPainterPath Petal(QPointF base, double angle, double length, double width) {
    const QPointF dir(std::cos(angle), std::sin(angle));
    const QPointF side(-dir.y() * width, dir.x() * width);
    QPainterPath path(base);
    path.cubicTo(base + dir * length * 0.3 + side, base + dir * length + side * 0.8,
                 base + dir * length);
    path.cubicTo(base + dir * length - side * 0.8, base + dir * length * 0.3 - side, base);
    return path;
}

void Daisy(QPainter& painter, const QColor& colour) {
    for (int i = 0; i < 16; ++i) {
        FillShape(painter, Look(), Petal(kCentre, i * M_PI / 8, 34, 5), colour);
    }
    FillShape(painter, Look(), Ellipse(kCentre, 10, 10), kHeart);
}

void RoundFlower(QPainter& painter, const QColor& colour) {
    DrawBlossom(painter, Look(), kCentre, 38, 5, colour, kHeart, -M_PI / 2);
}

void FourPetals(QPainter& painter, const QColor& colour) {
    for (int i = 0; i < 4; ++i) {
        const double angle = M_PI / 4 + i * M_PI / 2;
        FillShape(painter, Look(), Petal(kCentre, angle, 36, 16), colour);
    }
    FillShape(painter, Look(), Ellipse(kCentre, 6, 6), kStem.darker(130));
}

void Tulip(QPainter& painter, const QColor& colour) {
    Stem(painter, kCentre + QPointF(0, 8), kCentre + QPointF(0, 52), true);
    QPainterPath cup;
    const QPointF c = kCentre + QPointF(0, -8);
    cup.moveTo(c + QPointF(-20, -22));
    cup.lineTo(c + QPointF(-8, -10));
    cup.lineTo(c + QPointF(0, -26));
    cup.lineTo(c + QPointF(8, -10));
    cup.lineTo(c + QPointF(20, -22));
    cup.cubicTo(c + QPointF(24, 4), c + QPointF(14, 20), c + QPointF(0, 20));
    cup.cubicTo(c + QPointF(-14, 20), c + QPointF(-24, 4), c + QPointF(-20, -22));
    FillShape(painter, Look(), cup, colour);
}

void Bells(QPainter& painter, const QColor& colour) {
    // An arching stem with three hanging bells.
    painter.save();
    painter.setPen(QPen(kStem, 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath arch(QPointF(24, 114));
    arch.cubicTo(QPointF(14, 60), QPointF(30, 22), QPointF(56, 22));
    arch.quadTo(QPointF(72, 22), QPointF(78, 32));
    painter.drawPath(arch);
    for (QPointF top : {QPointF(24, 44), QPointF(48, 24), QPointF(72, 28)}) {
        painter.drawLine(top, top + QPointF(0, 8));
    }
    painter.restore();
    for (QPointF top : {QPointF(24, 52), QPointF(48, 32), QPointF(72, 36)}) {
        const QPointF c = top + QPointF(0, 18);
        QPainterPath bell;
        bell.moveTo(top);
        bell.cubicTo(top + QPointF(-13, 0), c + QPointF(-11, -4), c + QPointF(-15, 8));
        bell.lineTo(c + QPointF(-6, 5));
        bell.lineTo(c + QPointF(0, 10));
        bell.lineTo(c + QPointF(6, 5));
        bell.lineTo(c + QPointF(15, 8));
        bell.cubicTo(c + QPointF(11, -4), top + QPointF(13, 0), top);
        FillShape(painter, Look(), bell, colour);
    }
}

void Rose(QPainter& painter, const QColor& colour) {
    FillShape(painter, Look(), Ellipse(kCentre + QPointF(-22, 26), 13, 6, -35), kStem);
    FillShape(painter, Look(), Ellipse(kCentre + QPointF(22, 26), 13, 6, 35), kStem);
    FillShape(painter, Look(), Ellipse(kCentre, 31, 29), colour);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour.darker(150), 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath spiral;
    for (int i = 0; i <= 60; ++i) {
        const double angle = i * 0.3;
        const double r = 2 + i * 0.42;
        const QPointF p = kCentre + QPointF(std::cos(angle), std::sin(angle)) * r;
        if (i == 0) {
            spiral.moveTo(p);
        } else {
            spiral.lineTo(p);
        }
    }
    painter.drawPath(spiral);
    painter.restore();
}

void Lily(QPainter& painter, const QColor& colour) {
    for (int i = 0; i < 6; ++i) {
        FillShape(painter, Look(), Petal(kCentre, -M_PI / 2 + i * M_PI / 3, 38, 11), colour);
    }
    painter.save();
    painter.setPen(QPen(kDarkHeart, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double angle = -M_PI / 6 + i * M_PI / 3;
        const QPointF tip = kCentre + QPointF(std::cos(angle), std::sin(angle)) * 15;
        painter.drawLine(kCentre, tip);
        painter.setBrush(kDarkHeart);
        painter.drawEllipse(tip, 2, 2);
    }
    painter.restore();
}

void Butterfly(QPainter& painter, const QColor& colour, const QColor& spots) {
    for (int side : {-1, 1}) {
        FillShape(painter, Look(), Ellipse(kCentre + QPointF(side * 19, -12), 19, 15, side * -25),
                  colour);
        FillShape(painter, Look(), Ellipse(kCentre + QPointF(side * 15, 16), 13, 11, side * 30),
                  colour.darker(115));
        FillShape(painter, Look(), Ellipse(kCentre + QPointF(side * 22, -14), 6, 6), spots);
    }
    FillShape(painter, Look(), Ellipse(kCentre + QPointF(0, 2), 3.5, 22), QColor(50, 40, 40));
    painter.save();
    painter.setPen(QPen(QColor(50, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(kCentre + QPointF(0, -18), kCentre + QPointF(-10, -34));
    painter.drawLine(kCentre + QPointF(0, -18), kCentre + QPointF(10, -34));
    painter.restore();
}

void LeafOf(QPainter& painter, int kind) {
    const QColor green(70, 150, 50);
    switch (kind) {
        case 0: {  // clover
            for (int i = 0; i < 3; ++i) {
                const double angle = -M_PI / 2 + i * 2 * M_PI / 3;
                const QPointF at = kCentre + QPointF(std::cos(angle), std::sin(angle)) * 15;
                FillShape(painter, Look(), Ellipse(at, 16, 14, angle * 180 / M_PI), green);
            }
            Stem(painter, kCentre, kCentre + QPointF(8, 50), false);
            break;
        }
        case 1: {  // maple, autumn red
            QPainterPath leaf;
            for (int i = 0; i <= 10; ++i) {
                const double spread = -M_PI * 0.8 + i * 1.6 * M_PI / 10;
                const double r = i % 2 == 0 ? 38 : 16;
                const QPointF p = kCentre + QPointF(std::sin(spread), -std::cos(spread)) * r;
                i == 0 ? leaf.moveTo(p) : leaf.lineTo(p);
            }
            leaf.lineTo(kCentre + QPointF(0, 10));
            leaf.closeSubpath();
            FillShape(painter, Look(), leaf, QColor(220, 60, 30));
            Stem(painter, kCentre, kCentre + QPointF(0, 48), false);
            break;
        }
        case 2: {  // ginkgo fan, golden
            QPainterPath fan(kCentre + QPointF(0, 14));
            fan.lineTo(kCentre + QPointF(-34, -18));
            fan.quadTo(kCentre + QPointF(-18, -40), kCentre + QPointF(-2, -28));
            fan.lineTo(kCentre + QPointF(0, -20));
            fan.lineTo(kCentre + QPointF(2, -28));
            fan.quadTo(kCentre + QPointF(18, -40), kCentre + QPointF(34, -18));
            fan.closeSubpath();
            FillShape(painter, Look(), fan, QColor(236, 190, 30));
            Stem(painter, kCentre + QPointF(0, 14), kCentre + QPointF(0, 50), false);
            break;
        }
        default: {  // oak-like long leaf with veins
            FillShape(painter, Look(), Petal(kCentre + QPointF(0, 44), -M_PI / 2, 84, 26),
                      QColor(40, 110, 60));
            painter.save();
            painter.setPen(QPen(QColor(190, 230, 170), 1.6));
            painter.drawLine(kCentre + QPointF(0, 44), kCentre + QPointF(0, -36));
            for (int i = 0; i < 4; ++i) {
                const double y = 28 - i * 16;
                painter.drawLine(kCentre + QPointF(0, y), kCentre + QPointF(-14, y - 10));
                painter.drawLine(kCentre + QPointF(0, y), kCentre + QPointF(14, y - 10));
            }
            painter.restore();
            break;
        }
    }
}

}  // namespace

void DrawFlowerPicture(QPainter& painter, int face) {
    static const std::array<QColor, 5> colours = {QColor(226, 40, 50), QColor(250, 200, 20),
                                                  QColor(50, 100, 230), QColor(150, 70, 200),
                                                  QColor(255, 140, 190)};
    if (face <= 34) {
        const QColor colour = colours[static_cast<size_t>((face - 1) % 5)];
        switch ((face - 1) / 5) {
            case 0:
                Daisy(painter, colour);
                break;
            case 1:
                RoundFlower(painter, colour);
                break;
            case 2:
                Tulip(painter, colour);
                break;
            case 3:
                FourPetals(painter, colour);
                break;
            case 4:
                Bells(painter, colour);
                break;
            case 5:
                Rose(painter, colour);
                break;
            default:
                Lily(painter, colour);
                break;
        }
    } else if (face <= 38) {
        static const std::array<std::pair<QColor, QColor>, 4> wings = {{
            {QColor(240, 140, 20), QColor(40, 30, 30)},
            {QColor(60, 150, 240), QColor(250, 250, 250)},
            {QColor(250, 230, 60), QColor(230, 60, 40)},
            {QColor(200, 80, 200), QColor(250, 220, 80)},
        }};
        const auto& [wing, spot] = wings[static_cast<size_t>(face - 35)];
        Butterfly(painter, wing, spot);
    } else {
        LeafOf(painter, face - 39);
    }
}

}  // namespace artgen
