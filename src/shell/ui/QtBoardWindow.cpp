#include "shell/ui/QtBoardWindow.h"

#include <QPainter>

#include "shell/ui/BoardView.h"

namespace jw {

QImage WrapImage(const Image& picture) {
    if (picture.Empty()) {
        return {};
    }
    // Pixels are 0xAARRGGBB words; the 24-bit pictures leave the top byte
    // unused, which RGB32 ignores.
    const auto* bits = reinterpret_cast<const uchar*>(picture.Row(0));
    return QImage(
        bits, picture.Width(), picture.Height(), static_cast<qsizetype>(picture.Width()) * 4,
        picture.Format() == PixelFormat::Argb32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

void QtBoardWindow::Present(const Image& board, Rect area) {
    const QImage source = WrapImage(board);
    if (source.isNull()) {
        return;
    }
    if (view.Picture().size() != source.size()) {
        view.SetPicture(source.copy());
        return;
    }
    view.UpdateArea(source, QRect(area.x, area.y, area.width, area.height));
}

void QtBoardWindow::DrawOver(const Image& picture, int x, int y, std::optional<Pixel> key) {
    if (picture.Empty()) {
        return;
    }
    QImage over = WrapImage(picture).convertToFormat(QImage::Format_ARGB32);
    if (key) {
        const QRgb keyColour = 0xFF000000u | (*key & 0xFFFFFFu);
        for (int row = 0; row < over.height(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(over.scanLine(row));
            for (int column = 0; column < over.width(); ++column) {
                if ((line[column] | 0xFF000000u) == keyColour) {
                    line[column] = 0;
                }
            }
        }
    }
    QImage shown = view.Picture();
    if (shown.isNull()) {
        return;
    }
    {
        QPainter painter(&shown);
        painter.drawImage(x, y, over);
    }
    view.UpdateArea(shown, QRect(x, y, over.width(), over.height()));
}

}  // namespace jw
