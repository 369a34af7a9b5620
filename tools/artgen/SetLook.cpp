#include "SetLook.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Fonts.h"

namespace artgen {

namespace {

SetLook MakeClassic() {
    SetLook look;
    look.surfaceLight = QColor(253, 250, 238);
    look.surfaceDark = QColor(236, 226, 198);
    look.rimLight = QColor(255, 255, 250);
    look.rimDark = QColor(196, 182, 148);
    look.sideLayer = QColor(238, 228, 200);
    look.sideBacking = QColor(28, 120, 84);
    look.ink = QColor(22, 34, 78);
    look.red = QColor(196, 28, 30);
    look.green = QColor(18, 122, 62);
    look.blue = QColor(24, 64, 156);
    look.index = QColor(150, 40, 30);
    look.cjkFamily = Fonts().ming;
    look.stroke = Stroke::Carved;
    return look;
}

SetLook MakeOriental() {
    SetLook look;
    look.surfaceLight = QColor(247, 243, 232);
    look.surfaceDark = QColor(232, 224, 204);
    look.rimLight = QColor(252, 250, 244);
    look.rimDark = QColor(180, 170, 150);
    look.texture = Texture::Paper;
    look.sideLayer = QColor(236, 230, 214);
    look.sideBacking = QColor(120, 28, 26);
    look.layerShare = 0.55;
    look.ink = QColor(20, 20, 22);
    look.red = QColor(200, 48, 32);
    look.green = QColor(44, 96, 60);
    look.blue = QColor(40, 62, 110);
    look.index = QColor(200, 48, 32);
    look.cjkFamily = Fonts().kai;
    look.boldIndex = false;
    look.stroke = Stroke::Brush;
    return look;
}

SetLook MakeAntique() {
    SetLook look;
    look.surfaceLight = QColor(232, 216, 176);
    look.surfaceDark = QColor(204, 182, 136);
    look.rimLight = QColor(242, 230, 198);
    look.rimDark = QColor(150, 122, 80);
    look.texture = Texture::Aged;
    look.sideLayer = QColor(214, 194, 150);
    look.sideBacking = QColor(96, 62, 34);
    look.ink = QColor(58, 44, 34);
    look.red = QColor(150, 56, 40);
    look.green = QColor(82, 104, 60);
    look.blue = QColor(56, 74, 104);
    look.index = QColor(110, 72, 40);
    look.cjkFamily = Fonts().ming;
    look.stroke = Stroke::Carved;
    return look;
}

SetLook MakeModern() {
    SetLook look;
    look.surfaceLight = QColor(255, 255, 255);
    look.surfaceDark = QColor(238, 241, 246);
    look.rimLight = QColor(255, 255, 255);
    look.rimDark = QColor(170, 178, 192);
    look.sideLayer = QColor(246, 247, 250);
    look.sideBacking = QColor(20, 70, 190);
    look.layerShare = 0.4;
    look.ink = QColor(0, 0, 0);
    look.red = QColor(232, 0, 36);
    look.green = QColor(0, 156, 72);
    look.blue = QColor(0, 86, 224);
    look.index = QColor(0, 0, 0);
    look.cjkFamily = Fonts().hei;
    look.stroke = Stroke::Flat;
    return look;
}

SetLook MakeMatching(const QColor& backing, const QColor& dark) {
    SetLook look = MakeModern();
    look.surfaceLight = QColor(255, 254, 250);
    look.surfaceDark = QColor(240, 236, 226);
    look.rimDark = dark;
    look.sideLayer = QColor(244, 240, 230);
    look.sideBacking = backing;
    look.stroke = Stroke::Carved;
    return look;
}

}  // namespace

const SetLook& LookOf(SetStyle style) {
    static const SetLook classic = MakeClassic();
    static const SetLook oriental = MakeOriental();
    static const SetLook antique = MakeAntique();
    static const SetLook modern = MakeModern();
    static const SetLook fruits = MakeMatching(QColor(226, 120, 30), QColor(190, 170, 140));
    static const SetLook flowers = MakeMatching(QColor(150, 70, 150), QColor(186, 170, 170));
    static const SetLook shapes = MakeMatching(QColor(60, 70, 84), QColor(170, 174, 180));
    switch (style) {
        case SetStyle::Classic:
            return classic;
        case SetStyle::Oriental:
            return oriental;
        case SetStyle::Antique:
            return antique;
        case SetStyle::Modern:
            return modern;
        case SetStyle::Fruits:
            return fruits;
        case SetStyle::Flowers:
            return flowers;
        case SetStyle::Shapes:
            return shapes;
    }
    return classic;
}

namespace {

void DrawPaperFibres(QPainter& painter, const SetLook& look, Rng& rng) {
    QColor fibre = look.rimDark;
    for (int i = 0; i < 60; ++i) {
        fibre.setAlpha(static_cast<int>(rng.Uniform(10, 34)));
        painter.setPen(QPen(fibre, rng.Uniform(0.3, 0.8)));
        const QPointF start(rng.Uniform(0, kLogicalWidth), rng.Uniform(0, kLogicalHeight));
        const double angle = rng.Uniform(0, 6.283);
        const double length = rng.Uniform(3, 12);
        QPainterPath path(start);
        path.quadTo(start + QPointF(length * 0.5 * std::cos(angle) + rng.Uniform(-2, 2),
                                    length * 0.5 * std::sin(angle) + rng.Uniform(-2, 2)),
                    start + QPointF(length * std::cos(angle), length * std::sin(angle)));
        painter.drawPath(path);
    }
}

void DrawAgeStains(QPainter& painter, const SetLook& look, Rng& rng) {
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const QPointF centre(rng.Uniform(0, kLogicalWidth), rng.Uniform(0, kLogicalHeight));
        const double radius = rng.Uniform(6, 22);
        QColor stain = look.rimDark;
        stain.setAlpha(static_cast<int>(rng.Uniform(14, 34)));
        QRadialGradient gradient(centre, radius);
        gradient.setColorAt(0, stain);
        stain.setAlpha(0);
        gradient.setColorAt(1, stain);
        painter.setBrush(gradient);
        painter.drawEllipse(centre, radius, radius * rng.Uniform(0.6, 1.0));
    }
    // Darkened, worn edges.
    QRadialGradient vignette(QPointF(kLogicalWidth * 0.45, kLogicalHeight * 0.45),
                             kLogicalHeight * 0.75);
    QColor edge = look.rimDark;
    edge.setAlpha(0);
    vignette.setColorAt(0.55, edge);
    edge.setAlpha(70);
    vignette.setColorAt(1.0, edge);
    painter.setBrush(vignette);
    painter.drawRect(QRectF(0, 0, kLogicalWidth, kLogicalHeight));
}

}  // namespace

void DrawFaceSurface(QPainter& painter, const SetLook& look, uint64_t seed) {
    painter.save();
    const QRectF frame(0, 0, kLogicalWidth, kLogicalHeight);
    QLinearGradient gradient(frame.topLeft(), frame.bottomRight());
    gradient.setColorAt(0, look.surfaceLight);
    gradient.setColorAt(1, look.surfaceDark);
    painter.fillRect(frame, gradient);

    Rng rng(seed);
    if (look.texture == Texture::Paper) {
        DrawPaperFibres(painter, look, rng);
    } else if (look.texture == Texture::Aged) {
        DrawAgeStains(painter, look, rng);
    }

    // Rim: light along the top and left, shaded along the right and bottom,
    // following the rounded top-left corner.
    painter.setBrush(Qt::NoBrush);
    const double radius = 5.0;
    QPainterPath lit;
    lit.moveTo(1.2, kLogicalHeight - 1);
    lit.lineTo(1.2, radius + 1.2);
    lit.quadTo(1.2, 1.2, radius + 1.2, 1.2);
    lit.lineTo(kLogicalWidth - 1, 1.2);
    painter.setPen(QPen(look.rimLight, 2.4));
    painter.drawPath(lit);
    QPen shade(look.rimDark, 2.2);
    painter.setPen(shade);
    painter.drawLine(QPointF(kLogicalWidth - 1.1, 1), QPointF(kLogicalWidth - 1.1, kLogicalHeight));
    painter.drawLine(QPointF(1, kLogicalHeight - 1.1),
                     QPointF(kLogicalWidth, kLogicalHeight - 1.1));
    QColor soft = look.rimDark;
    soft.setAlpha(90);
    painter.setPen(QPen(soft, 2.0));
    painter.drawLine(QPointF(kLogicalWidth - 3.2, 3),
                     QPointF(kLogicalWidth - 3.2, kLogicalHeight - 2));
    painter.drawLine(QPointF(3, kLogicalHeight - 3.2),
                     QPointF(kLogicalWidth - 2, kLogicalHeight - 3.2));
    // Corner outside the rounding: shaded like the rim, the overlay cuts it.
    QPainterPath corner;
    corner.moveTo(0, 0);
    corner.lineTo(radius + 0.2, 0);
    corner.quadTo(0.2, 0.2, 0, radius + 0.2);
    corner.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.rimDark);
    painter.drawPath(corner);
    painter.restore();
}

}  // namespace artgen
