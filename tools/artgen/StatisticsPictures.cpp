// The picture the statistics windows show in place of a pie while there are
// no games to chart: a pale, empty pie with a dashed rim.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "WindowPictures.h"

namespace artgen {

QImage DrawEmptyChart() {
    QImage image(kEmptyChartSize, kEmptyChartSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF round(8, 10, kEmptyChartSize - 16, kEmptyChartSize - 20);
    // The side of the pie, then its top.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 200, 204));
    painter.drawEllipse(round.translated(0, 6));
    QRadialGradient top(round.center() - QPointF(12, 10), round.width() * 0.7);
    top.setColorAt(0, QColor(250, 251, 252));
    top.setColorAt(1, QColor(222, 226, 230));
    painter.setBrush(top);
    painter.drawEllipse(round);
    QPen rim(QColor(150, 156, 162), 2, Qt::DashLine);
    rim.setDashPattern({3, 3});
    painter.setPen(rim);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(round.adjusted(1, 1, -1, -1));
    // Two faint slice lines from the centre: a chart still waiting for values.
    painter.setPen(QPen(QColor(170, 176, 182), 1.5, Qt::DotLine));
    const QPointF centre = round.center();
    painter.drawLine(centre, QPointF(centre.x(), round.top() + 2));
    painter.drawLine(centre, QPointF(round.right() - 10, centre.y() + 14));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace artgen
