// Shapes: seven shapes in five colours, four arrows and four dice.
#include <QPainterPath>
#include <QPolygonF>
#include <array>

#include "Drawing.h"
#include "MatchingFaces.h"

namespace artgen {

namespace {

const QPointF kCentre(44, 62);

QPainterPath Polygon(int corners, double radius, double turn, double inner = 0) {
    QPolygonF polygon;
    const int points = inner > 0 ? corners * 2 : corners;
    for (int i = 0; i < points; ++i) {
        const double angle = turn - M_PI / 2 + i * 2 * M_PI / points;
        const double r = (inner > 0 && i % 2 == 1) ? inner : radius;
        polygon << kCentre + QPointF(std::cos(angle), std::sin(angle)) * r;
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath Heart(double size) {
    QPainterPath path;
    const QPointF c = kCentre + QPointF(0, -size * 0.25);
    path.moveTo(c + QPointF(0, size * 1.05));
    path.cubicTo(c + QPointF(-size * 1.3, size * 0.2), c + QPointF(-size * 0.9, -size * 0.95),
                 c + QPointF(0, -size * 0.35));
    path.cubicTo(c + QPointF(size * 0.9, -size * 0.95), c + QPointF(size * 1.3, size * 0.2),
                 c + QPointF(0, size * 1.05));
    return path;
}

QPainterPath ShapePath(int shape) {
    QPainterPath path;
    switch (shape) {
        case 0:
            path.addEllipse(kCentre, 27, 27);
            break;
        case 1:
            path.addRect(QRectF(kCentre - QPointF(24, 24), QSizeF(48, 48)));
            break;
        case 2:
            path = Polygon(3, 33, 0).translated(0, 6);
            break;
        case 3: {
            QPolygonF diamond({kCentre + QPointF(0, -36), kCentre + QPointF(25, 0),
                               kCentre + QPointF(0, 36), kCentre + QPointF(-25, 0)});
            path.addPolygon(diamond);
            path.closeSubpath();
            break;
        }
        case 4:
            path = Polygon(5, 33, 0, 14);
            break;
        case 5:
            path = Heart(30);
            break;
        default: {
            QPainterPath bar;
            bar.addRect(QRectF(kCentre - QPointF(10, 29), QSizeF(20, 58)));
            path.addRect(QRectF(kCentre - QPointF(29, 10), QSizeF(58, 20)));
            path = path.united(bar);
            break;
        }
    }
    return path;
}

// A shape with a darker edge and a soft highlight, like a glossy counter.
void DrawGlossy(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour.darker(150), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(path.boundingRect().topLeft(), path.boundingRect().bottomRight());
    fill.setColorAt(0, colour.lighter(125));
    fill.setColorAt(1, colour.darker(112));
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.setClipPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    const QRectF box = path.boundingRect();
    painter.drawEllipse(QRectF(box.left() + box.width() * 0.12, box.top() + box.height() * 0.06,
                               box.width() * 0.5, box.height() * 0.32));
    painter.restore();
}

void DrawArrow(QPainter& painter, int direction) {
    QPainterPath arrow;
    arrow.moveTo(0, -32);
    arrow.lineTo(26, -2);
    arrow.lineTo(10, -2);
    arrow.lineTo(10, 30);
    arrow.lineTo(-10, 30);
    arrow.lineTo(-10, -2);
    arrow.lineTo(-26, -2);
    arrow.closeSubpath();
    QTransform turn;
    turn.translate(kCentre.x(), kCentre.y());
    turn.rotate(90.0 * direction);
    QPainterPath ring;
    ring.addEllipse(kCentre, 36, 36);
    DrawGlossy(painter, ring, QColor(20, 150, 150));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(turn.map(arrow).translated(0, 0));
    painter.restore();
}

void DrawDie(QPainter& painter, int pips) {
    QPainterPath body;
    body.addRoundedRect(QRectF(kCentre - QPointF(30, 30), QSizeF(60, 60)), 10, 10);
    painter.save();
    painter.setPen(QPen(QColor(60, 60, 70), 2.5));
    painter.setBrush(QColor(250, 250, 252));
    painter.drawPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 40));
    static const std::array<std::vector<QPointF>, 4> spots = {{
        {{0, 0}},
        {{-15, -15}, {15, 15}},
        {{-15, -15}, {0, 0}, {15, 15}},
        {{-15, -15}, {15, -15}, {-15, 15}, {15, 15}},
    }};
    for (QPointF spot : spots[static_cast<size_t>(pips - 1)]) {
        painter.drawEllipse(kCentre + spot, pips == 1 ? 9 : 7, pips == 1 ? 9 : 7);
    }
    painter.restore();
}

}  // namespace

void DrawShape(QPainter& painter, int face) {
    static const std::array<QColor, 5> colours = {QColor(222, 36, 36), QColor(30, 90, 220),
                                                  QColor(30, 160, 60), QColor(245, 190, 20),
                                                  QColor(140, 60, 190)};
    if (face <= 34) {
        const int shape = (face - 1) / 5;
        const int colour = (face - 1) % 5;
        // Drawn a little larger than the arrows and dice, which fill their disc.
        QTransform grow;
        grow.translate(kCentre.x(), kCentre.y());
        grow.scale(1.18, 1.18);
        grow.translate(-kCentre.x(), -kCentre.y());
        DrawGlossy(painter, grow.map(ShapePath(shape)), colours[static_cast<size_t>(colour)]);
    } else if (face <= 38) {
        DrawArrow(painter, face - 35);
    } else {
        DrawDie(painter, face - 38);
    }
}

}  // namespace artgen
