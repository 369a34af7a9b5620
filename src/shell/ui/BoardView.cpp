#include "shell/ui/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

namespace jw {

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // The board fits itself to what is left; the window decides its size.
    setMinimumSize(64, 48);
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
    for (const Over& over : overs) {
        painter.drawImage(over.place.topLeft(), over.picture);
    }
    return shown;
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage board = source ? source() : QImage();
    if (board.isNull()) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    painter.drawImage(event->rect().topLeft(), board, event->rect());
    for (const Over& over : overs) {
        if (over.place.intersects(event->rect())) {
            painter.drawImage(over.place.topLeft(), over.picture);
        }
    }
    if (onPainted) {
        onPainted();
    }
    // Anything outside the picture (while a resize is being laid out) stays dark.
    const QRegion outside = QRegion(event->rect()).subtracted(QRegion(board.rect()));
    for (const QRect& rect : outside) {
        painter.fillRect(rect, Qt::black);
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
