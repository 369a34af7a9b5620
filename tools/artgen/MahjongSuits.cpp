// Characters, circles and bamboos in their traditional arrangements.
#include <QPainterPath>
#include <array>

#include "Drawing.h"
#include "Glyphs.h"
#include "MahjongFaces.h"

namespace artgen {

namespace {

const std::array<QString, 9> kNumerals = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

void Disc(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

// One circle ("coin") of the circles suit.
void DrawDot(QPainter& painter, const SetLook& look, QPointF centre, double r,
             const QColor& colour) {
    painter.save();
    const QColor paper = look.surfaceLight;
    switch (look.stroke) {
        case Stroke::Carved:
            Disc(painter, centre, r, colour.darker(140));
            Disc(painter, centre, r * 0.9, colour);
            Disc(painter, centre, r * 0.74, paper);
            Disc(painter, centre, r * 0.6, colour);
            for (int i = 0; i < 8; ++i) {
                const double angle = i * M_PI / 4;
                Disc(painter, centre + QPointF(std::cos(angle), std::sin(angle)) * r * 0.42,
                     r * 0.09, paper);
            }
            Disc(painter, centre, r * 0.24, paper);
            Disc(painter, centre, r * 0.13, colour.darker(130));
            break;
        case Stroke::Brush: {
            // An ink ring, thicker on one side like a single brush turn.
            QPainterPath ring;
            ring.addEllipse(centre, r, r);
            QPainterPath hole;
            hole.addEllipse(centre + QPointF(r * 0.07, -r * 0.05), r * 0.72, r * 0.74);
            painter.setPen(Qt::NoPen);
            painter.setBrush(look.ink);
            painter.drawPath(ring.subtracted(hole));
            QColor wash = colour;
            wash.setAlpha(120);
            Disc(painter, centre + QPointF(r * 0.07, -r * 0.05), r * 0.7, wash);
            Disc(painter, centre + QPointF(r * 0.05, -r * 0.03), r * 0.3, colour);
            break;
        }
        case Stroke::Flat:
            Disc(painter, centre, r, colour);
            Disc(painter, centre, r * 0.6, Qt::white);
            Disc(painter, centre, r * 0.38, colour);
            break;
    }
    painter.restore();
}

// The big single circle: a decorated medallion.
void DrawBigDot(QPainter& painter, const SetLook& look, QPointF centre, double r) {
    painter.save();
    const QColor paper = look.surfaceLight;
    if (look.stroke == Stroke::Brush) {
        DrawDot(painter, look, centre, r, look.green);
        for (int i = 0; i < 8; ++i) {
            const double angle = i * M_PI / 4 + M_PI / 8;
            FillShape(painter, look,
                      Ellipse(centre + QPointF(std::cos(angle), std::sin(angle)) * r * 0.45,
                              r * 0.16, r * 0.08, angle * 180 / M_PI),
                      look.blue);
        }
        Disc(painter, centre, r * 0.22, look.red);
    } else {
        Disc(painter, centre, r, look.stroke == Stroke::Flat ? look.blue : look.green.darker(130));
        Disc(painter, centre, r * 0.94, look.stroke == Stroke::Flat ? look.blue : look.green);
        Disc(painter, centre, r * 0.82, paper);
        for (int i = 0; i < 12; ++i) {
            const double angle = i * M_PI / 6;
            painter.setPen(Qt::NoPen);
            painter.setBrush(look.stroke == Stroke::Flat ? look.green : look.blue);
            painter.drawPath(Ellipse(centre + QPointF(std::cos(angle), std::sin(angle)) * r * 0.62,
                                     r * 0.16, r * 0.09, angle * 180 / M_PI));
        }
        Disc(painter, centre, r * 0.42, look.red);
        Disc(painter, centre, r * 0.3, paper);
        Disc(painter, centre, r * 0.2, look.red);
        Disc(painter, centre, r * 0.07, paper);
    }
    painter.restore();
}

struct Spot {
    double x;
    double y;
    char colour;  // 'r', 'g', 'b'
};

QColor SuitColour(const SetLook& look, char code) {
    switch (code) {
        case 'r':
            return look.red;
        case 'g':
            return look.green;
        default:
            return look.blue;
    }
}

}  // namespace

void DrawCharacters(QPainter& painter, const SetLook& look, int count) {
    const QRectF& a = kPictureArea;
    DrawGlyph(painter, kNumerals[count - 1], look.cjkFamily, 44, At(a, 0.5, 0.22), look.ink,
              QSizeF(60, 34));
    DrawGlyph(painter, "萬", look.cjkFamily, 58, At(a, 0.5, 0.68), look.red, QSizeF(64, 54));
}

void DrawCircles(QPainter& painter, const SetLook& look, int count) {
    const QRectF& a = kPictureArea;
    if (count == 1) {
        DrawBigDot(painter, look, At(a, 0.5, 0.5), 31);
        return;
    }
    static const std::vector<std::vector<Spot>> layouts = {
        {},
        {{0.5, 0.24, 'g'}, {0.5, 0.76, 'b'}},
        {{0.21, 0.16, 'b'}, {0.5, 0.5, 'r'}, {0.79, 0.84, 'g'}},
        {{0.26, 0.24, 'b'}, {0.74, 0.24, 'g'}, {0.26, 0.76, 'g'}, {0.74, 0.76, 'b'}},
        {{0.22, 0.18, 'b'},
         {0.78, 0.18, 'g'},
         {0.5, 0.5, 'r'},
         {0.22, 0.82, 'g'},
         {0.78, 0.82, 'b'}},
        {{0.28, 0.17, 'g'},
         {0.72, 0.17, 'g'},
         {0.28, 0.5, 'r'},
         {0.72, 0.5, 'r'},
         {0.28, 0.83, 'r'},
         {0.72, 0.83, 'r'}},
        {{0.18, 0.1, 'g'},
         {0.5, 0.2, 'g'},
         {0.82, 0.3, 'g'},
         {0.3, 0.6, 'r'},
         {0.7, 0.6, 'r'},
         {0.3, 0.88, 'r'},
         {0.7, 0.88, 'r'}},
        {{0.28, 0.12, 'b'},
         {0.72, 0.12, 'b'},
         {0.28, 0.37, 'b'},
         {0.72, 0.37, 'b'},
         {0.28, 0.63, 'b'},
         {0.72, 0.63, 'b'},
         {0.28, 0.88, 'b'},
         {0.72, 0.88, 'b'}},
        {{0.16, 0.16, 'b'},
         {0.5, 0.16, 'b'},
         {0.84, 0.16, 'b'},
         {0.16, 0.5, 'r'},
         {0.5, 0.5, 'r'},
         {0.84, 0.5, 'r'},
         {0.16, 0.84, 'g'},
         {0.5, 0.84, 'g'},
         {0.84, 0.84, 'g'}},
    };
    static const std::array<double, 10> radius = {0, 0, 19, 14.5, 15, 13, 13, 11.5, 11, 10.8};
    for (const Spot& spot : layouts[count - 1]) {
        DrawDot(painter, look, At(a, spot.x, spot.y), radius[count], SuitColour(look, spot.colour));
    }
}

namespace {

// One bamboo stick, centred on `centre`, turned by `degrees` from upright.
void DrawStick(QPainter& painter, const SetLook& look, QPointF centre, double length, double width,
               const QColor& colour, double degrees = 0) {
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    const double h = length / 2;
    const double w = width / 2;
    switch (look.stroke) {
        case Stroke::Carved: {
            QPainterPath body;
            body.addRoundedRect(QRectF(-w * 0.8, -h, w * 1.6, length), w * 0.6, w * 0.6);
            FillShape(painter, look, body, colour);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Mix(colour, Qt::white, 0.55));
            painter.drawRect(QRectF(-w * 0.18, -h + w * 0.5, w * 0.36, length - w));
            for (double y : {-h + w * 0.35, 0.0, h - w * 0.35}) {
                QPainterPath node;
                node.addRoundedRect(QRectF(-w, y - w * 0.3, w * 2, w * 0.6), w * 0.3, w * 0.3);
                FillShape(painter, look, node, colour.darker(125));
            }
            break;
        }
        case Stroke::Brush: {
            // Two strokes of the brush, each swelling at its ends, with a gap
            // at the joint.
            for (int half = 0; half < 2; ++half) {
                const double top = half == 0 ? -h : w * 0.25;
                const double bottom = half == 0 ? -w * 0.25 : h;
                QPainterPath stroke;
                stroke.moveTo(-w * 1.0, top);
                stroke.quadTo(0, top - w * 0.5, w * 1.0, top + w * 0.2);
                stroke.quadTo(w * 0.55, (top + bottom) / 2, w * 0.9, bottom - w * 0.1);
                stroke.quadTo(0, bottom + w * 0.4, -w * 0.95, bottom);
                stroke.quadTo(-w * 0.5, (top + bottom) / 2, -w * 1.0, top);
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour);
                painter.drawPath(stroke);
                QColor ink = look.ink;
                ink.setAlpha(150);
                painter.setPen(QPen(ink, 1.0));
                painter.drawLine(QPointF(-w * 0.2, top + w * 0.6),
                                 QPointF(-w * 0.1, bottom - w * 0.6));
            }
            break;
        }
        case Stroke::Flat: {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawRoundedRect(QRectF(-w, -h, width, length), w * 0.7, w * 0.7);
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(-w, -w * 0.18, width, w * 0.36));
            painter.drawRect(QRectF(-w * 0.15, -h + w * 0.8, w * 0.3, h - w * 1.3));
            break;
        }
    }
    painter.restore();
}

// The one of bamboos: a bird on a bamboo perch.
void DrawBird(QPainter& painter, const SetLook& look) {
    const QRectF& a = kPictureArea;
    painter.save();
    // Tail feathers fanning down to the right.
    for (int i = 0; i < 3; ++i) {
        const double angle = 48 + i * 16;
        const QPointF base = At(a, 0.58, 0.58);
        const double rad = angle * M_PI / 180;
        const QPointF mid = base + QPointF(std::cos(rad), std::sin(rad)) * 20;
        FillShape(painter, look, Ellipse(mid, 20, 5.5, angle), i == 1 ? look.blue : look.green);
        painter.setPen(Qt::NoPen);
        painter.setBrush(look.red);
        const QPointF eye = base + QPointF(std::cos(rad), std::sin(rad)) * 33;
        painter.drawEllipse(eye, 3.2, 3.2);
    }
    // Perch.
    DrawStick(painter, look, At(a, 0.5, 0.88), 56, 7, look.green, 90);
    // Legs.
    painter.setPen(QPen(look.stroke == Stroke::Brush ? look.ink : look.red.darker(130), 1.8,
                        Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(At(a, 0.42, 0.68), At(a, 0.38, 0.86));
    painter.drawLine(At(a, 0.5, 0.68), At(a, 0.5, 0.86));
    // Body and breast.
    FillShape(painter, look, Ellipse(At(a, 0.46, 0.54), 19, 14, -28), look.green);
    FillShape(painter, look, Ellipse(At(a, 0.34, 0.52), 9, 11, -20), look.red);
    // Wing.
    QPainterPath wing;
    wing.moveTo(At(a, 0.4, 0.46));
    wing.quadTo(At(a, 0.62, 0.36), At(a, 0.78, 0.5));
    wing.quadTo(At(a, 0.6, 0.6), At(a, 0.44, 0.58));
    wing.closeSubpath();
    FillShape(painter, look, wing, look.blue);
    // Head, crest, eye and beak.
    const QPointF head = At(a, 0.3, 0.3);
    QPainterPath beak;
    beak.moveTo(head + QPointF(-7, -2));
    beak.lineTo(head + QPointF(-17, 2));
    beak.lineTo(head + QPointF(-7, 4));
    beak.closeSubpath();
    FillShape(painter, look, beak, QColor(232, 160, 40));
    FillShape(painter, look, Ellipse(head, 9.5, 9), look.red);
    painter.setPen(QPen(look.stroke == Stroke::Brush ? look.ink : look.blue, 1.6, Qt::SolidLine,
                        Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        painter.drawLine(head + QPointF(-2 + i * 3, -8), head + QPointF(-5 + i * 5, -17 + i));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(head + QPointF(-3, -1), 3, 3);
    painter.setBrush(Qt::black);
    painter.drawEllipse(head + QPointF(-3.5, -1), 1.6, 1.6);
    painter.restore();
}

struct StickSpot {
    double x;
    double y;
    char colour;
    double degrees;
};

}  // namespace

void DrawBamboos(QPainter& painter, const SetLook& look, int count) {
    const QRectF& a = kPictureArea;
    if (count == 1) {
        DrawBird(painter, look);
        return;
    }
    static const std::vector<std::vector<StickSpot>> layouts = {
        {},
        {{0.5, 0.25, 'b', 0}, {0.5, 0.75, 'g', 0}},
        {{0.5, 0.25, 'b', 0}, {0.3, 0.75, 'g', 0}, {0.7, 0.75, 'g', 0}},
        {{0.3, 0.25, 'b', 0}, {0.7, 0.25, 'g', 0}, {0.3, 0.75, 'g', 0}, {0.7, 0.75, 'b', 0}},
        {{0.2, 0.25, 'g', 0},
         {0.8, 0.25, 'b', 0},
         {0.5, 0.5, 'r', 0},
         {0.2, 0.75, 'b', 0},
         {0.8, 0.75, 'g', 0}},
        {{0.2, 0.25, 'g', 0},
         {0.5, 0.25, 'g', 0},
         {0.8, 0.25, 'g', 0},
         {0.2, 0.75, 'b', 0},
         {0.5, 0.75, 'b', 0},
         {0.8, 0.75, 'b', 0}},
        {{0.5, 0.15, 'r', 0},
         {0.2, 0.5, 'g', 0},
         {0.5, 0.5, 'b', 0},
         {0.8, 0.5, 'g', 0},
         {0.2, 0.84, 'g', 0},
         {0.5, 0.84, 'b', 0},
         {0.8, 0.84, 'g', 0}},
        {{0.12, 0.25, 'g', 0},
         {0.37, 0.25, 'b', 22},
         {0.63, 0.25, 'b', -22},
         {0.88, 0.25, 'g', 0},
         {0.12, 0.75, 'g', 0},
         {0.37, 0.75, 'b', -22},
         {0.63, 0.75, 'b', 22},
         {0.88, 0.75, 'g', 0}},
        {{0.2, 0.16, 'g', 0},
         {0.5, 0.16, 'r', 0},
         {0.8, 0.16, 'b', 0},
         {0.2, 0.5, 'g', 0},
         {0.5, 0.5, 'r', 0},
         {0.8, 0.5, 'b', 0},
         {0.2, 0.84, 'g', 0},
         {0.5, 0.84, 'r', 0},
         {0.8, 0.84, 'b', 0}},
    };
    const bool threeRows = count == 7 || count == 9;
    const double length = threeRows ? 28 : 42;
    const double width = count >= 6 ? 11 : 13;
    for (const StickSpot& spot : layouts[count - 1]) {
        const double l = spot.degrees != 0 ? length * 1.04 : length;
        DrawStick(painter, look, At(a, spot.x, spot.y), l, count == 8 ? 10 : width,
                  SuitColour(look, spot.colour), spot.degrees);
    }
}

}  // namespace artgen
