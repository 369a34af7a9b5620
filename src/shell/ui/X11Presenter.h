// Shows pictures on an X11 window straight from the program's memory, so
// that a window whose pixels the program already keeps needs no second copy
// of them in Qt's backing store. Pixels in the renderer's form (0x00RRGGBB,
// one 32-bit word each) go to the server as they lie: through shared memory
// when the picture's memory can be shared and the server takes it, through
// the connection otherwise.
#pragma once

#include <qwindowdefs.h>
#include <QImage>
#include <QRegion>
#include <cstdint>
#include <memory>

class QWidget;

namespace jw {

class X11Presenter {
  public:
    // A presenter for `widget`'s own X11 window, or none when the program
    // does not run on X11 or the window's pixels are not 24-bit colour in
    // 32-bit words of the renderer's order. Makes the widget a native window.
    static std::unique_ptr<X11Presenter> Open(QWidget& widget);
    ~X11Presenter();
    X11Presenter(const X11Presenter&) = delete;
    X11Presenter& operator=(const X11Presenter&) = delete;

    // Puts `area` of `picture` (its own size, 32 bits a pixel) at the same
    // place on the window, or at `at` when given.
    void Put(const QImage& picture, const QRect& area);
    void Put(const QImage& picture, const QRect& area, QPoint at);
    // Fills `area` of the window with black.
    void FillBlack(const QRect& area);
    // Sends what was put to the server.
    void Flush();
    // The window the presenter puts on; Qt makes a new one when it recreates
    // the widget's native window.
    WId Window() const;

  private:
    struct Connection;
    explicit X11Presenter(std::unique_ptr<Connection> connection);
    // The server's segment for the memory under `picture`, 0 when it has none.
    std::uint32_t SegmentOf(const QImage& picture);
    void PutThroughConnection(const QImage& picture, const QRect& area, QPoint at);

    std::unique_ptr<Connection> x;
};

}  // namespace jw
