// Text as shapes: CJK characters, index letters and colour pictures from the
// emoji font, placed by their ink rather than by font metrics.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace artgen {

// Outline of `text` at `pixelSize`, moved so that its ink is centred on `centre`.
QPainterPath GlyphPath(const QString& text, const QString& family, double pixelSize, QPointF centre,
                       bool bold = false);

// Fills the glyph outline centred on `centre`; when the ink is larger than
// `maxSize` it is scaled down to fit.
void DrawGlyph(QPainter& painter, const QString& text, const QString& family, double pixelSize,
               QPointF centre, const QColor& colour, QSizeF maxSize = {}, bool bold = false);

// Draws a picture from the colour emoji font scaled to fit `box`, centred.
void DrawEmoji(QPainter& painter, const QString& text, const QRectF& box);

}  // namespace artgen
