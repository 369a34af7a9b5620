// The two pictures of the pause screen.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "Backgrounds.h"
#include "Fonts.h"

namespace artgen {

QImage DrawPausePicture(int which) {
    const QColor key(0, 128, 0);
    const bool title = which == 1;
    const QSize size = title ? QSize(360, 96) : QSize(440, 34);
    QImage image(size, QImage::Format_RGB32);
    image.fill(key);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(title ? Fonts().sansBold : Fonts().sans);
    font.setPixelSize(title ? 72 : 20);
    font.setBold(title);
    const QString text = title ? "Paused" : "Click or press any key to continue";
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate((size.width() - box.width()) / 2 - box.left(),
                   (size.height() - box.height()) / 2 - box.top());
    // A dark rim keeps the letters apart from the see-through green, so the
    // softened edge pixels blend into dark rather than into the key.
    painter.setPen(
        QPen(QColor(10, 30, 14), title ? 6 : 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    if (title) {
        QLinearGradient gold(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
        gold.setColorAt(0, QColor(255, 236, 160));
        gold.setColorAt(1, QColor(214, 160, 40));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gold);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(236, 240, 226));
    }
    painter.drawPath(path);
    painter.end();
    return image;
}

}  // namespace artgen
