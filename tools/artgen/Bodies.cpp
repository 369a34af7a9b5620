#include "Bodies.h"

#include <QPainter>

#include "Drawing.h"

namespace artgen {

namespace {

// Colour of the side at layer depth t (0 at the face, 1 at the back);
// `shade` darkens the side that faces away from the light.
QColor SideColour(const SetLook& look, double t, double along, double shade, double grain) {
    QColor base;
    if (t < look.layerShare) {
        base = Mix(look.sideLayer, look.sideLayer.darker(112), t / look.layerShare);
    } else {
        base = Mix(look.sideBacking.lighter(112), look.sideBacking.darker(115),
                   (t - look.layerShare) / (1 - look.layerShare));
    }
    base = Mix(base, base.darker(125), along * 0.5);
    const double factor = shade * (1.0 + grain);
    return QColor::fromRgbF(std::clamp(base.redF() * factor, 0.0, 1.0),
                            std::clamp(base.greenF() * factor, 0.0, 1.0),
                            std::clamp(base.blueF() * factor, 0.0, 1.0));
}

}  // namespace

QImage DrawBody(const SetLook& look, int w, int h, int d, int variant) {
    QImage body(w + d, h + d, QImage::Format_RGB32);
    body.fill(kMagenta);
    {
        QPainter painter(&body);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(QRect(0, 0, w, h));
        painter.scale(w / kLogicalWidth, h / kLogicalHeight);
        DrawFaceSurface(painter, look, 7000 + static_cast<uint64_t>(variant));
    }
    // Grain per variant: each line of the sides gets its own slight shade.
    Rng rng(500 + static_cast<uint64_t>(variant));
    const double variantShade = 1.0 + 0.025 * (variant - 2);
    std::vector<double> grain(static_cast<size_t>(std::max(w, h) + d));
    for (double& g : grain) {
        g = rng.Uniform(-0.035, 0.035);
    }
    const int boundary = static_cast<int>(d * look.layerShare + 0.5);
    const int inset = d >= 8 ? 2 : 0;
    for (int y = 0; y < h + d; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(body.scanLine(y));
        for (int x = 0; x < w + d; ++x) {
            if (x < w && y < h) {
                continue;
            }
            const int dx = x - w;
            const int dy = y - h;
            const bool right = x >= w && (y < h || dx > dy);
            // Keep magenta a little inside the bevel cuts, so that the cut
            // made when the tile is loaded removes every trace of it.
            if (right && dx >= y + inset) {
                continue;
            }
            if (!right && x <= dy - inset) {
                continue;
            }
            const int layer = right ? dx : dy;
            const double t = (layer + 0.5) / d;
            const double along =
                right ? static_cast<double>(y) / (h + d) : static_cast<double>(x) / (w + d);
            const double shade = (right ? 0.86 : 0.74) * variantShade;
            QColor colour =
                SideColour(look, t, along, shade, grain[static_cast<size_t>(right ? y : x)]);
            if (layer == boundary || layer == d - 1) {
                colour = colour.darker(layer == d - 1 ? 150 : 118);
            }
            line[x] = colour.rgb();
        }
    }
    return body;
}

QImage DrawFaceOverlay() {
    const int size = 6;
    QImage overlay(size, size, QImage::Format_RGB32);
    overlay.fill(Qt::black);
    const double radius = 5.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = radius - (x + 0.5);
            const double dy = radius - (y + 0.5);
            if (dx > 0 && dy > 0 && dx * dx + dy * dy > radius * radius) {
                overlay.setPixel(x, y, kMagenta);
            }
        }
    }
    return overlay;
}

QImage DrawSilhouette(int width, int height) {
    QImage silhouette(width, height, QImage::Format_RGB32);
    silhouette.fill(kMagenta);
    return silhouette;
}

QImage DrawHighlightMask(int width, int height) {
    QImage mask(width, height, QImage::Format_RGB32);
    const double fade = 0.16 * std::min(width, height);
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double edge = std::min({x + 0.5, y + 0.5, width - x - 0.5, height - y - 0.5});
            const double t = std::clamp(edge / fade, 0.0, 1.0);
            const double smooth = t * t * (3 - 2 * t);
            const int grey = static_cast<int>(std::lround(30 + 80 * smooth));
            line[x] = qRgb(grey, grey, grey);
        }
    }
    return mask;
}

}  // namespace artgen
