#include "Previews.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "Bodies.h"
#include "Faces.h"
#include "Fonts.h"
#include "Glyphs.h"
#include "Sheet.h"
#include "TileComposer.h"

namespace artgen {

QImage DrawPreviewSheet() {
    const TileSetInfo& classic = BuiltInTileSets().front();
    const FaceDrawer drawer = FaceDrawerFor(classic);
    const QSize cell(kPreviewCellWidth, kPreviewCellHeight);
    // Drawn at full size and reduced, so that the tiny faces keep the colours
    // and masses of the big ones.
    const QSize big(classic.faceWidth, classic.faceHeight);
    const FaceDrawer reduced = [&](QPainter& painter, int face) {
        const QImage full = RenderFace(drawer, face, big);
        painter.drawImage(QRectF(0, 0, kLogicalWidth, kLogicalHeight),
                          full.scaled(cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    };
    return BuildSheet(reduced, cell, RenderFace(reduced, 43, cell));
}

QImage DrawChooserPreview(const TileSetInfo& set, const SetPictures& pictures) {
    QImage image(kChooserWidth, kChooserHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, kChooserHeight);
    ground.setColorAt(0, QColor(238, 235, 228));
    ground.setColorAt(1, QColor(210, 205, 195));
    painter.fillRect(image.rect(), ground);

    const int w = 38;
    const int h = w * set.faceHeight / set.faceWidth;
    const int d = 9;
    const QSize cell(set.faceWidth, set.faceHeight);
    const bool mahjong = set.family == Family::MahJong;
    const std::array<int, 4> lower =
        mahjong ? std::array<int, 4>{19, 5, 32, 18} : std::array<int, 4>{1, 8, 15, 22};
    const int upper = mahjong ? 28 : 30;
    const int x0 = (kChooserWidth - (4 * w + d)) / 2;
    const int y0 = 16;
    auto place = [&](int face, int x, int y) {
        const QImage tile =
            ComposeTile(pictures.bodies[static_cast<size_t>(face % 3)],
                        SheetFace(pictures.sheet, cell, face), pictures.overlay, w, h, d);
        // Soft shadow to the lower right.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(QRectF(x + d + 2, y + d + 2, w, h), 3, 3);
        painter.drawImage(x, y, tile);
    };
    for (int i = 0; i < 4; ++i) {
        place(lower[static_cast<size_t>(i)], x0 + i * w, y0);
    }
    place(upper, x0 + w + w / 2 - d, y0 - d + 4);

    const QPainterPath name = GlyphPath(set.displayName, Fonts().sans, 15,
                                        QPointF(kChooserWidth / 2.0, kChooserHeight - 14), true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 52, 44));
    painter.drawPath(name);
    return image;
}

QImage DrawMarkerHalo() {
    const int width = kChooserWidth + 2 * kMarkerMargin - 1;
    const int height = kChooserHeight + 2 * kMarkerMargin - 1;
    QImage halo(width, height, QImage::Format_RGB32);
    const QRectF item(kMarkerMargin, kMarkerMargin, kChooserWidth - 1, kChooserHeight - 1);
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(halo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // Distance from the item's outline, outward.
            const double dx = std::max({item.left() - (x + 0.5), (x + 0.5) - item.right(), 0.0});
            const double dy = std::max({item.top() - (y + 0.5), (y + 0.5) - item.bottom(), 0.0});
            const double outside = std::hypot(dx, dy);
            int grey = 0;
            if (dx > 0 || dy > 0) {
                const double t = std::clamp(1.0 - outside / (kMarkerMargin - 2), 0.0, 1.0);
                grey = static_cast<int>(std::lround(210 * t * t));
            }
            line[x] = qRgb(grey, grey, grey);
        }
    }
    return halo;
}

QImage DrawMarkerFrame() {
    const int width = kChooserWidth + 2 * kMarkerMargin - 1;
    const int height = kChooserHeight + 2 * kMarkerMargin - 1;
    QImage frame(width, height, QImage::Format_RGB32);
    frame.fill(Qt::white);
    QPainter painter(&frame);
    // Hard edges only: white is the see-through colour, so no blending into it.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(214, 110, 20), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const int inset = kMarkerMargin - 6;
    painter.drawRect(QRect(inset, inset, width - 2 * inset - 1, height - 2 * inset - 1));
    return frame;
}

bool WritePreviews(ResourceWriter& writer, const std::vector<SetPictures>& drawn) {
    const TileSetInfo& classic = BuiltInTileSets().front();
    bool ok = writer.Bitmap("preview_001", DrawPreviewSheet());
    for (int variant = 1; variant <= 3; ++variant) {
        ok = ok && writer.Bitmap(QString("preview_001_%1_3D_Border").arg(variant),
                                 DrawBody(LookOf(classic.style), kPreviewCellWidth,
                                          kPreviewCellHeight, kPreviewDepth, variant));
    }
    const std::vector<TileSetInfo>& sets = BuiltInTileSets();
    for (size_t i = 0; i < sets.size() && i < drawn.size(); ++i) {
        ok = ok && writer.Jpeg(ChooserPreviewName(sets[i]), DrawChooserPreview(sets[i], drawn[i]));
    }
    ok = ok && writer.Bitmap("sel_cell_alph", DrawMarkerHalo());
    ok = ok && writer.Bitmap("sel_cell_alph2", DrawMarkerFrame());
    return ok;
}

}  // namespace artgen
