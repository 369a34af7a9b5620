#include "Pointers.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include "IconKit.h"

namespace artgen {

namespace {

struct Colouring {
    QColor top;
    QColor bottom;
    QColor outline;
};

const Colouring kLight{QColor(255, 255, 255), QColor(226, 231, 234), QColor(12, 14, 16)};
const Colouring kJade{QColor(kIconJadeLight), QColor(kIconJade), QColor(9, 42, 29)};

// A shape with its detail lines and the point that points.
struct Shape {
    QPainterPath outline;
    QPainterPath details;  // thin inner lines (finger creases)
    QPointF tip;
};

// Vertices lie on pixel centres, so that the one-pixel outline stays sharp.
Shape ArrowShape() {
    return {Polygon({{1.5, 1.5},
                     {1.5, 22.5},
                     {6.5, 17.5},
                     {10.5, 26.5},
                     {14, 25},
                     {10, 16.5},
                     {16.5, 16.5}}),
            {},
            {1.5, 1.5}};
}

Shape SlimArrowShape() {
    return {
        Polygon(
            {{1.5, 1.5}, {1.5, 18.5}, {5.5, 14.5}, {8.5, 21}, {11, 20}, {8, 13.5}, {13.5, 13.5}}),
        {},
        {1.5, 1.5}};
}

// A right hand seen from its back, the index finger pointing straight up.
Shape HandShape() {
    QPainterPath hand = Rounded(QRectF(9.5, 1.5, 5, 17), 2.5);
    hand = hand.united(Rounded(QRectF(14.5, 12, 4.5, 8), 2.2));
    hand = hand.united(Rounded(QRectF(19, 13, 4.5, 7), 2.2));
    hand = hand.united(Rounded(QRectF(23.5, 14.5, 4, 6), 2));
    hand = hand.united(Rounded(QRectF(8.5, 15.5, 19, 13), 4));
    hand = hand.united(Thick(Line({4.8, 14.8}, {10, 22.5}), 4.8));
    QPainterPath creases;
    creases.moveTo(14.5, 15);
    creases.lineTo(14.5, 19);
    creases.moveTo(19, 16);
    creases.lineTo(19, 19.5);
    creases.moveTo(23.5, 17);
    creases.lineTo(23.5, 20);
    // The tip is the middle pixel of the fingertip.
    return {hand, creases, {12.5, 1.5}};
}

// Turns a shape by `degrees` and scales it so that it fits the pointer square.
Shape Leaning(const Shape& shape, double degrees) {
    QTransform turn;
    turn.rotate(degrees);
    const QRectF turned = turn.map(shape.outline).boundingRect();
    const double scale =
        std::min(1.0, (kPointerSize - 3.0) / std::max(turned.width(), turned.height()));
    QTransform fit;
    fit.translate(1.5 - turned.left() * scale, 1.5 - turned.top() * scale);
    fit.scale(scale, scale);
    fit.rotate(degrees);
    return {fit.map(shape.outline), fit.map(shape.details), fit.map(shape.tip)};
}

Shape Mirrored(const Shape& shape) {
    const QTransform mirror(-1, 0, 0, 1, kPointerSize, 0);
    return {mirror.map(shape.outline), mirror.map(shape.details), mirror.map(shape.tip)};
}

QImage Paint(const Shape& shape, const Colouring& colouring, bool withTile) {
    QImage image(kPointerSize, kPointerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto draw = [&](const QPainterPath& path, const QColor& top, const QColor& bottom) {
        Flat(painter, path.translated(1.2, 1.4), QColor(0, 0, 0, 56));
        const QRectF box = path.boundingRect();
        QLinearGradient gradient(box.topLeft(), box.bottomLeft());
        gradient.setColorAt(0, top);
        gradient.setColorAt(1, bottom);
        painter.setPen(QPen(colouring.outline, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(gradient);
        painter.drawPath(path);
    };
    if (withTile) {
        const QRectF face(15.5, 15.5, 10, 13);
        draw(Rounded(face.translated(2.5, 2.5), 2), QColor(kIconJadeLight), QColor(kIconJadeDark));
        draw(Rounded(face, 2), QColor(kIconIvory), QColor(kIconIvory).darker(108));
        Flat(painter, Circle(face.center(), 2.4), QColor(kIconRed));
    }
    draw(shape.outline, colouring.top, colouring.bottom);
    painter.setPen(QPen(colouring.outline, 1, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape.details);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPoint PixelOf(QPointF point) {
    return {static_cast<int>(std::floor(point.x())), static_cast<int>(std::floor(point.y()))};
}

}  // namespace

std::vector<Pointer> DrawPointers() {
    std::vector<Pointer> pointers;
    const Shape upright = HandShape();
    const Shape leaning = Leaning(upright, -32);
    for (const auto& [suffix, colouring] : {std::pair{"A", kLight}, std::pair{"B", kJade}}) {
        const Shape arrow = ArrowShape();
        const Shape slim = SlimArrowShape();
        pointers.push_back(
            {QString("CUR_ARROW1") + suffix, Paint(arrow, colouring, false), PixelOf(arrow.tip)});
        pointers.push_back(
            {QString("CUR_ARROW2") + suffix, Paint(slim, colouring, true), PixelOf(slim.tip)});
        pointers.push_back({QString("CUR_RIGHT_HAND1") + suffix, Paint(upright, colouring, false),
                            PixelOf(upright.tip)});
        pointers.push_back({QString("CUR_RIGHT_HAND2") + suffix, Paint(leaning, colouring, false),
                            PixelOf(leaning.tip)});
        // The left hands are the right ones seen in a mirror; the shadow still
        // falls to the lower right.
        const Shape leftUpright = Mirrored(upright);
        const Shape leftLeaning = Mirrored(leaning);
        pointers.push_back({QString("CUR_LEFT_HAND1") + suffix,
                            Paint(leftUpright, colouring, false), PixelOf(leftUpright.tip)});
        pointers.push_back({QString("CUR_LEFT_HAND2") + suffix,
                            Paint(leftLeaning, colouring, false), PixelOf(leftLeaning.tip)});
    }
    return pointers;
}

bool WritePointers(ResourceWriter& writer) {
    for (const Pointer& pointer : DrawPointers()) {
        if (!writer.Cursor(pointer.name, pointer.image, pointer.hotspot)) {
            return false;
        }
    }
    return true;
}

}  // namespace artgen
