#include "IconKit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QtMath>

namespace artgen {

QImage RenderIcon(const IconDrawer& draw, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kIconFrame, size / kIconFrame);
    draw(painter, size < 20);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage Greyed(const QImage& icon) {
    QImage grey = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb pixel = line[x];
            const double light = 0.30 * qRed(pixel) + 0.59 * qGreen(pixel) + 0.11 * qBlue(pixel);
            const int level = qRound(110 + light * 0.5);
            line[x] = qRgba(level, level, level, qRound(qAlpha(pixel) * 0.6));
        }
    }
    return grey;
}

void Solid(QPainter& painter, const QPainterPath& path, const QColor& base) {
    // The shape is drawn on a layer of the device's size and cut out by its
    // own outline, so that the rim lies inside the shape and stays one pixel
    // wide at every scale.
    const QTransform transform = painter.worldTransform();
    // One device pixel in logical units, whatever the turn or mirror.
    const double pixel = 1.0 / std::max(0.01, std::sqrt(std::abs(transform.determinant())));
    QImage layer(painter.device()->width(), painter.device()->height(),
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter on(&layer);
    on.setRenderHint(QPainter::Antialiasing);
    on.setWorldTransform(transform);
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, base.lighter(120));
    gradient.setColorAt(1, base.darker(112));
    on.setPen(QPen(base.darker(165), 2 * pixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    on.setBrush(gradient);
    on.drawPath(path);
    on.end();
    // The cut covers the whole layer: what lies outside the shape (the outer
    // half of the rim's pen) is cleared too.
    QImage mask(layer.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter shape(&mask);
    shape.setRenderHint(QPainter::Antialiasing);
    shape.setWorldTransform(transform);
    shape.setPen(Qt::NoPen);
    shape.setBrush(Qt::black);
    shape.drawPath(path);
    shape.end();
    on.begin(&layer);
    on.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    on.drawImage(0, 0, mask);
    on.end();
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, layer);
    painter.restore();
}

void Flat(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

QPainterPath Thick(const QPainterPath& line, double width, Qt::PenCapStyle cap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath Line(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

QPainterPath Rounded(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath Circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Star(QPointF centre, double outer, double inner, int points) {
    QPolygonF polygon;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / points;
        const double radius = (i % 2 == 0) ? outer : inner;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath Arrow(QPointF from, QPointF to, double shaft, double headLength, double headWidth) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = to - unit * headLength;
    const QPointF overlap = unit * 0.5;
    QPainterPath path =
        Polygon({from + normal * (shaft / 2), base + overlap + normal * (shaft / 2),
                 base + overlap - normal * (shaft / 2), from - normal * (shaft / 2)});
    return path.united(
        Polygon({to, base + normal * (headWidth / 2), base - normal * (headWidth / 2)}));
}

QPainterPath ArcArrow(QPointF centre, double radius, double startDegrees, double sweepDegrees,
                      double shaft, double headLength, double headWidth) {
    const auto at = [&](double degrees) {
        const double a = qDegreesToRadians(degrees);
        return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
    };
    QPainterPath arc(at(startDegrees));
    arc.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
              startDegrees, sweepDegrees);
    const double end = qDegreesToRadians(startDegrees + sweepDegrees);
    const double turn = sweepDegrees > 0 ? 1.0 : -1.0;
    const QPointF unit(-std::sin(end) * turn, -std::cos(end) * turn);
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = at(startDegrees + sweepDegrees) - unit * 0.3;
    const QPointF tip = base + unit * headLength;
    return Thick(arc, shaft, Qt::FlatCap)
        .united(Polygon({tip, base + normal * (headWidth / 2), base - normal * (headWidth / 2)}));
}

void SmallTile(QPainter& painter, const QRectF& face, double depth) {
    const double radius = face.width() * 0.16;
    Solid(painter, Rounded(face.translated(depth, depth), radius), QColor(kIconJade));
    Solid(painter, Rounded(face, radius), QColor(kIconIvory));
}

}  // namespace artgen
