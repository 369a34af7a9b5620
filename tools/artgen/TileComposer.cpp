#include "TileComposer.h"

#include <QPainter>

#include "ArtCommon.h"

namespace artgen {

QImage ComposeTile(const QImage& body, const QImage& face, const QImage& overlay, int w, int h,
                   int d) {
    const int width = w + d;
    const int height = h + d;
    QImage tile = body.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32);
    // Bevel corners: D pixels of the top row on the right down to one, and
    // the mirror image at the bottom left.
    for (int i = 0; i < d; ++i) {
        for (int x = width - d + i; x < width; ++x) {
            tile.setPixel(x, i, kMagenta);
        }
        const int y = height - 1 - i;
        for (int x = 0; x <= d - 1 - i; ++x) {
            tile.setPixel(x, y, kMagenta);
        }
    }
    QImage top = face.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < std::min(overlay.height(), h); ++y) {
        for (int x = 0; x < std::min(overlay.width(), w); ++x) {
            if (overlay.pixel(x, y) == kMagenta) {
                top.setPixel(x, y, kMagenta);
            }
        }
    }
    QPainter painter(&tile);
    painter.drawImage(0, 0, top);
    painter.end();
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((line[x] | 0xff000000) == kMagenta) {
                line[x] = 0;
            }
        }
    }
    return tile;
}

}  // namespace artgen
