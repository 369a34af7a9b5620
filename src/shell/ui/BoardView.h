// The play area of the main window. It shows the finished board picture that
// the renderer composed and hands mouse input to the window's handlers; it
// draws nothing of its own.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace jw {

class BoardView : public QWidget {
    Q_OBJECT
  public:
    explicit BoardView(QWidget* parent = nullptr);

    // Replaces the whole picture, or the rectangle `area` of it.
    void SetPicture(const QImage& picture);
    void UpdateArea(const QImage& picture, const QRect& area);
    const QImage& Picture() const { return picture; }

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
    QImage picture;
};

}  // namespace jw
