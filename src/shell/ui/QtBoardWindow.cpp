#include "shell/ui/QtBoardWindow.h"

#include <QPainter>

#include "shell/ui/BoardView.h"

namespace jw {

QtBoardWindow::QtBoardWindow(BoardView& view) : view(view) {
    view.source = [this] { return shown != nullptr ? WrapImage(*shown) : QImage(); };
}

QtBoardWindow::~QtBoardWindow() {
    view.source = nullptr;
}

void QtBoardWindow::Present(const Image& board, Rect area) {
    if (&board != shown || board.Width() != shownWidth || board.Height() != shownHeight) {
        shown = &board;
        shownWidth = board.Width();
        shownHeight = board.Height();
        view.ShowArea(view.rect());
        return;
    }
    view.ShowArea(QRect(area.x, area.y, area.width, area.height));
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
    if (picture.Format() == PixelFormat::Argb32 && !key) {
        over = over.copy();  // the conversion kept the renderer's pixels
    }
    view.DrawOver(over, QPoint(x, y));
}

}  // namespace jw
