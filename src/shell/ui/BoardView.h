// The play area of the main window. It paints the finished board picture that
// the renderer composed, read where it lies (the window keeps no copy of
// it), with the passing pictures drawn over it (a peeked tile, the pause
// pictures, the editor's pointer tile), and hands mouse input to the
// window's handlers; it draws nothing of its own.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

namespace jw {

class BoardView : public QWidget {
    Q_OBJECT
  public:
    explicit BoardView(QWidget* parent = nullptr);

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

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Over {
        QImage picture;
        QRect place;
    };
    std::vector<Over> overs;
};

}  // namespace jw
