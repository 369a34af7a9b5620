// Contact sheets: every face of a set on its tile, in the sheet's grid, as a
// small palette PNG that anyone can look at.
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>

#include "Generator.h"
#include "Sheet.h"
#include "TileComposer.h"

namespace artgen {

namespace {

struct Box {
    std::vector<QRgb> pixels;
};

int Channel(QRgb pixel, int channel) {
    return channel == 0 ? qRed(pixel) : channel == 1 ? qGreen(pixel) : qBlue(pixel);
}

// Median cut: split the box with the widest channel range at its median
// until there are `count` boxes; each box's mean becomes a palette colour.
QList<QRgb> MedianCutPalette(const QImage& image, int count) {
    std::vector<Box> boxes(1);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        boxes[0].pixels.insert(boxes[0].pixels.end(), line, line + image.width());
    }
    while (static_cast<int>(boxes.size()) < count) {
        size_t widest = 0;
        int widestChannel = 0;
        int widestRange = -1;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].pixels.size() < 2) {
                continue;
            }
            for (int channel = 0; channel < 3; ++channel) {
                const auto [lo, hi] = std::minmax_element(
                    boxes[i].pixels.begin(), boxes[i].pixels.end(),
                    [&](QRgb a, QRgb b) { return Channel(a, channel) < Channel(b, channel); });
                const int range = Channel(*hi, channel) - Channel(*lo, channel);
                if (range > widestRange) {
                    widestRange = range;
                    widest = i;
                    widestChannel = channel;
                }
            }
        }
        if (widestRange <= 0) {
            break;
        }
        std::vector<QRgb>& pixels = boxes[widest].pixels;
        const auto middle = pixels.begin() + static_cast<std::ptrdiff_t>(pixels.size() / 2);
        std::nth_element(pixels.begin(), middle, pixels.end(), [&](QRgb a, QRgb b) {
            return Channel(a, widestChannel) < Channel(b, widestChannel);
        });
        Box upper{std::vector<QRgb>(middle, pixels.end())};
        pixels.erase(middle, pixels.end());
        boxes.push_back(std::move(upper));
    }
    QList<QRgb> palette;
    for (const Box& box : boxes) {
        if (box.pixels.empty()) {
            continue;
        }
        double sum[3] = {0, 0, 0};
        for (QRgb pixel : box.pixels) {
            for (int channel = 0; channel < 3; ++channel) {
                sum[channel] += Channel(pixel, channel);
            }
        }
        const double n = static_cast<double>(box.pixels.size());
        palette.append(qRgb(static_cast<int>(sum[0] / n + 0.5), static_cast<int>(sum[1] / n + 0.5),
                            static_cast<int>(sum[2] / n + 0.5)));
    }
    return palette;
}

}  // namespace

bool WriteContactSheets(const QString& dir, QString* error) {
    QDir().mkpath(dir);
    for (const TileSetInfo& set : BuiltInTileSets()) {
        SetPictures pictures = DrawSet(set);
        // Straight from the drawing: the contact sheets show the art without the
        // slight noise of its stored form, and stay small.
        const QSize cell(set.faceWidth, set.faceHeight);
        const int w = set.faceWidth;
        const int h = set.faceHeight;
        const int d = set.depth;
        const int gap = 6;
        const int margin = 12;
        QImage sheet(margin * 2 + kSheetColumns * (w + d + gap) - gap,
                     margin * 2 + kSheetRows * (h + d + gap) - gap, QImage::Format_RGB32);
        sheet.fill(QColor(56, 92, 74));
        QPainter painter(&sheet);
        for (int face = 1; face <= kFaceCount; ++face) {
            const QPoint at = CellOfFace(face);
            // The board picks the body by tile number; show all three.
            const QImage tile =
                ComposeTile(pictures.bodies[static_cast<size_t>(face % 3)],
                            SheetFace(pictures.sheet, cell, face), pictures.overlay, w, h, d);
            painter.drawImage(margin + at.x() * (w + d + gap), margin + at.y() * (h + d + gap),
                              tile);
        }
        painter.end();
        const QString path = QDir(dir).filePath(set.displayName.toLower() + ".png");
        QImageWriter writer(path, "png");
        writer.setQuality(0);  // PNG: strongest compression
        const QImage indexed = sheet.convertToFormat(
            QImage::Format_Indexed8, MedianCutPalette(sheet, 256), Qt::ThresholdDither);
        if (!writer.write(indexed)) {
            *error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

}  // namespace artgen
