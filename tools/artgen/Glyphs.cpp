#include "Glyphs.h"

#include <QFont>
#include <QHash>
#include <QImage>

#include "Fonts.h"

namespace artgen {

QPainterPath GlyphPath(const QString& text, const QString& family, double pixelSize, QPointF centre,
                       bool bold) {
    QFont font(family);
    font.setPixelSize(100);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const double scale = pixelSize / 100.0;
    QTransform transform;
    transform.scale(scale, scale);
    path = transform.map(path);
    const QRectF ink = path.boundingRect();
    path.translate(centre - ink.center());
    return path;
}

void DrawGlyph(QPainter& painter, const QString& text, const QString& family, double pixelSize,
               QPointF centre, const QColor& colour, QSizeF maxSize, bool bold) {
    QPainterPath path = GlyphPath(text, family, pixelSize, centre, bold);
    const QRectF ink = path.boundingRect();
    if (maxSize.isValid() && ink.width() > 0 && ink.height() > 0) {
        const double fit =
            std::min({1.0, maxSize.width() / ink.width(), maxSize.height() / ink.height()});
        if (fit < 1.0) {
            QTransform shrink;
            shrink.translate(centre.x(), centre.y());
            shrink.scale(fit, fit);
            shrink.translate(-centre.x(), -centre.y());
            path = shrink.map(path);
        }
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

namespace {

// Renders one emoji large and crops it to its ink; cached because the same
// picture is drawn for the sheet, the previews and the contact sheet.
QImage EmojiImage(const QString& text) {
    static QHash<QString, QImage> cache;
    auto found = cache.find(text);
    if (found != cache.end()) {
        return *found;
    }
    QImage canvas(320, 320, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        QFont font(Fonts().emoji);
        font.setPixelSize(136);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, 320, 320), Qt::AlignCenter, text);
    }
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    QImage cropped =
        right < 0 ? QImage() : canvas.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
    cache.insert(text, cropped);
    return cropped;
}

}  // namespace

void DrawEmoji(QPainter& painter, const QString& text, const QRectF& box) {
    const QImage image = EmojiImage(text);
    if (image.isNull()) {
        return;
    }
    QSizeF size = image.size();
    size.scale(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                        size.width(), size.height());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
}

}  // namespace artgen
