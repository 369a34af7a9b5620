// The play area of the main window. It shows the finished board picture that
// the renderer composed, read where it lies, with the passing pictures drawn
// over it (a peeked tile, the pause pictures, the editor's pointer tile), and
// hands mouse input to the window's handlers; it draws nothing of its own.
// On X11 the picture goes to the display straight from the renderer's memory,
// so that the window's backing store keeps no second copy of the board;
// elsewhere Qt paints it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace jw {

class X11Presenter;

class BoardView : public QWidget {
    Q_OBJECT
  public:
    explicit BoardView(QWidget* parent = nullptr);
    ~BoardView() override;
    BoardView(const BoardView&) = delete;
    BoardView& operator=(const BoardView&) = delete;

    // The board picture, read at every paint; a null image shows black.
    std::function<QImage()> source;
    // Shows `area` of the board afresh: pictures drawn over it that meet
    // the area go.
    void ShowArea(const QRect& area);
    // Draws `picture` (transparent where its alpha is 0) over the board at
    // `at` until its place is shown afresh; one drawn again at the same
    // place replaces the earlier one.
    void DrawOver(const QImage& picture, QPoint at);
    // What the window shows: the board with the pictures over it.
    QImage Picture() const;

    std::function<void(QMouseEvent*)> onMousePress;
    std::function<void(QMouseEvent*)> onMouseMove;
    std::function<void(QMouseEvent*)> onMouseRelease;
    std::function<void(QSize)> onResize;
    // Called after a paint that showed a picture (used once, to measure the
    // start-up).
    std::function<void()> onPainted;

    // Whether the board goes to the display without Qt's backing store.
    bool PresentsDirectly() const { return presenter != nullptr; }

  protected:
    QPaintEngine* paintEngine() const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    struct Over {
        QImage picture;
        QRect place;
    };
    // Shows the board through the X11 presenter when `wanted` and possible,
    // through Qt otherwise.
    void PresentDirectly(bool wanted);
    void PaintDirectly(const QRegion& region);
    // Draws the passing pictures that meet `area` of the board with
    // `painter`, whose (0, 0) lies at `origin` of the board.
    void DrawOvers(QPainter& painter, const QRect& area, QPoint origin) const;

    std::vector<Over> overs;
    std::unique_ptr<X11Presenter> presenter;
    bool presenterTried = false;
};

}  // namespace jw
