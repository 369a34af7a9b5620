#include "shell/ui/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/ui/X11Presenter.h"

namespace jw {

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // The board fits itself to what is left; the window decides its size.
    setMinimumSize(64, 48);
}

void BoardView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Once the window is on its way to the screen, before the first paint.
    if (!presenterTried) {
        presenterTried = true;
        PresentDirectly(true);
    }
}

void BoardView::PresentDirectly(bool wanted) {
    presenter = wanted ? X11Presenter::Open(*this) : nullptr;
    setAttribute(Qt::WA_PaintOnScreen, presenter != nullptr);
    setAttribute(Qt::WA_NoSystemBackground, presenter != nullptr);
}

BoardView::~BoardView() = default;

QPaintEngine* BoardView::paintEngine() const {
    return presenter ? nullptr : QWidget::paintEngine();
}

void BoardView::ShowArea(const QRect& area) {
    for (auto over = overs.begin(); over != overs.end();) {
        if (over->place.intersects(area)) {
            update(over->place);
            over = overs.erase(over);
        } else {
            ++over;
        }
    }
    update(area);
}

void BoardView::DrawOver(const QImage& picture, QPoint at) {
    const QRect place(at, picture.size());
    for (auto over = overs.begin(); over != overs.end();) {
        over = over->place == place ? overs.erase(over) : over + 1;
    }
    overs.push_back({picture, place});
    update(place);
}

QImage BoardView::Picture() const {
    const QImage board = source ? source() : QImage();
    if (board.isNull()) {
        return {};
    }
    QImage shown = board.copy();
    QPainter painter(&shown);
    DrawOvers(painter, shown.rect(), QPoint());
    return shown;
}

void BoardView::DrawOvers(QPainter& painter, const QRect& area, QPoint origin) const {
    for (const Over& over : overs) {
        if (over.place.intersects(area)) {
            painter.drawImage(over.place.topLeft() - origin, over.picture);
        }
    }
}

void BoardView::paintEvent(QPaintEvent* event) {
    if (presenter) {
        // The renderer draws in device pixels only at a ratio of 1: on a
        // scaled screen, Qt paints the board. A window Qt made anew needs
        // the presenter anew.
        if (devicePixelRatioF() != 1.0 || presenter->Window() != winId()) {
            PresentDirectly(devicePixelRatioF() == 1.0);
            update();
            return;
        }
        PaintDirectly(event->region());
        return;
    }
    QPainter painter(this);
    const QImage board = source ? source() : QImage();
    if (board.isNull()) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    painter.drawImage(event->rect().topLeft(), board, event->rect());
    DrawOvers(painter, event->rect(), QPoint());
    if (onPainted) {
        onPainted();
    }
    // Anything outside the picture (while a resize is being laid out) stays dark.
    const QRegion outside = QRegion(event->rect()).subtracted(QRegion(board.rect()));
    for (const QRect& rect : outside) {
        painter.fillRect(rect, Qt::black);
    }
}

void BoardView::PaintDirectly(const QRegion& region) {
    const QImage board = source ? source() : QImage();
    const QRegion onBoard = region.intersected(board.rect());
    QRegion covered;
    for (const Over& over : overs) {
        covered += over.place;
    }
    covered &= onBoard;
    for (const QRect& rect : onBoard.subtracted(covered)) {
        presenter->Put(board, rect);
    }
    // Where passing pictures lie, the board and they are put together first.
    for (const QRect& rect : covered) {
        QImage shown = board.copy(rect);
        QPainter painter(&shown);
        DrawOvers(painter, rect, rect.topLeft());
        painter.end();
        presenter->Put(shown, shown.rect(), rect.topLeft());
    }
    for (const QRect& rect : region.subtracted(onBoard)) {
        presenter->FillBlack(rect);
    }
    presenter->Flush();
    if (onPainted && !board.isNull()) {
        onPainted();
    }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (onMousePress) {
        onMousePress(event);
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) {
        onMouseMove(event);
    }
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseRelease) {
        onMouseRelease(event);
    }
}

void BoardView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) {
        onResize(size());
    }
}

}  // namespace jw
