#include "shell/ui/QtBoardWindow.h"

#include <QPainter>

#include "shell/ui/BoardView.h"

namespace jw {

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
