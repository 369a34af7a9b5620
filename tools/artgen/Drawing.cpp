#include "Drawing.h"

#include <QTransform>

namespace artgen {

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void FillShape(QPainter& painter, const SetLook& look, const QPainterPath& path,
               const QColor& fill) {
    painter.save();
    switch (look.stroke) {
        case Stroke::Carved:
            painter.setPen(QPen(fill.darker(160), 0.9));
            break;
        case Stroke::Brush:
            painter.setPen(QPen(look.ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            break;
        case Stroke::Flat:
            painter.setPen(Qt::NoPen);
            break;
    }
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

QPainterPath Ellipse(QPointF centre, double rx, double ry, double degrees) {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(degrees);
    return transform.map(path);
}

}  // namespace artgen
