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

void BoardView::SetPicture(const QImage& newPicture) {
    picture = newPicture;
    update();
}

void BoardView::UpdateArea(const QImage& source, const QRect& area) {
    if (picture.size() != source.size()) {
        SetPicture(source);
        return;
    }
    QPainter painter(&picture);
    painter.drawImage(area.topLeft(), source, area);
    update(area);
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (picture.isNull()) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    painter.drawImage(event->rect().topLeft(), picture, event->rect());
    if (onPainted) {
        onPainted();
    }
    // Anything outside the picture (while a resize is being laid out) stays dark.
    const QRegion outside = QRegion(event->rect()).subtracted(QRegion(picture.rect()));
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
