// The board's own path to an X11 display: what the window shows, read back
// from the server, is the board picture with the passing pictures over it,
// whether the pixels travel through shared memory or the connection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTest>
#include <cstdlib>
#include <optional>

#include <xcb/xcb.h>

#include "presentation/Image.h"
#include "presentation/ui/QtPicture.h"
#include "shell/ui/BoardView.h"

namespace jw {
namespace {

bool OnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// A picture of stripes and a gradient, different for each `seed`.
Image Pattern(int width, int height, int seed) {
    Image picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.Set(x, y, Rgb(x * 7 + seed * 40, y * 3 + seed, ((x / 16 + y / 16) % 2) * 200));
        }
    }
    return picture;
}

// What the X server holds in the view's window, as 0xRRGGBB words.
QImage OnScreen(BoardView& view) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    xcb_get_image_reply_t* reply =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP,
                                          static_cast<xcb_window_t>(view.winId()), 0, 0,
                                          static_cast<std::uint16_t>(view.width()),
                                          static_cast<std::uint16_t>(view.height()), ~0u),
                            nullptr);
    if (reply == nullptr) {
        return {};
    }
    QImage shown(view.size(), QImage::Format_RGB32);
    const auto* words = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply));
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            line[x] = words[y * shown.width() + x] | 0xFF000000u;
        }
    }
    std::free(reply);
    return shown;
}

// Lets the view paint until the display shows `expected` (at most 2 s);
// returns the last picture read back.
QImage ShownOnceSettled(BoardView& view, const QImage& expected) {
    QElapsedTimer timer;
    timer.start();
    QImage shown;
    do {
        QApplication::processEvents();
        shown = OnScreen(view);
        if (shown == expected) {
            break;
        }
        QTest::qWait(10);
    } while (timer.elapsed() < 2000);
    return shown;
}

// The board with black where the picture does not reach.
QImage Expected(BoardView& view) {
    QImage expected(view.size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter painter(&expected);
    painter.drawImage(0, 0, view.Picture());
    return expected;
}

// A view whose window the test can have Qt destroy and make again.
class RemadeView : public BoardView {
  public:
    using QWidget::create;
    using QWidget::destroy;
};

class BoardViewOnX11 : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!OnX11()) {
            GTEST_SKIP() << "runs on an X11 display only";
        }
        view.emplace();
        view->source = [this] { return board != nullptr ? WrapImage(*board) : QImage(); };
        view->resize(400, 300);
    }
    void Show() {
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*view));
    }

    Image* board = nullptr;
    std::optional<RemadeView> view;
};

TEST_F(BoardViewOnX11, ShowsTheBoardAndWhatLiesOverItThroughEitherPath) {
    // A picture of this size takes memory the display can share (unless the
    // sanitizers keep all memory to themselves); a small one cannot.
    Image shared = Pattern(420, 320, 2);
    Image small = Pattern(200, 150, 3);
    board = &shared;
    Show();
    ASSERT_TRUE(view->PresentsDirectly());
    EXPECT_EQ(ShownOnceSettled(*view, Expected(*view)), Expected(*view));

    // A change the renderer shows in part, and a passing picture over it.
    for (int y = 40; y < 90; ++y) {
        for (int x = 30; x < 130; ++x) {
            shared.Set(x, y, Rgb(255, 255, 0));
        }
    }
    view->ShowArea(QRect(30, 40, 100, 50));
    QImage over(60, 40, QImage::Format_ARGB32);
    over.fill(qRgba(0, 0, 255, 255));
    for (int x = 0; x < 60; ++x) {
        over.setPixel(x, 20, qRgba(0, 0, 0, 0));  // a see-through line
    }
    view->DrawOver(over, QPoint(100, 70));
    const QImage withOver = Expected(*view);
    EXPECT_EQ(withOver.pixel(110, 75), qRgb(0, 0, 255));
    EXPECT_EQ(withOver.pixel(110, 90), shared.At(110, 90) | 0xFF000000u);
    EXPECT_EQ(ShownOnceSettled(*view, withOver), withOver);

    // Shown afresh, the passing picture goes.
    view->ShowArea(QRect(0, 0, 400, 300));
    EXPECT_EQ(ShownOnceSettled(*view, Expected(*view)), Expected(*view));

    // Another picture, in memory of its own, smaller than the window: the
    // rest is black.
    board = &small;
    view->ShowArea(view->rect());
    const QImage smallShown = Expected(*view);
    EXPECT_EQ(smallShown.pixel(300, 200), qRgb(0, 0, 0));
    EXPECT_EQ(ShownOnceSettled(*view, smallShown), smallShown);

    // Back to the first picture, changed meanwhile.
    shared = Pattern(420, 320, 4);
    board = &shared;
    view->ShowArea(view->rect());
    EXPECT_EQ(ShownOnceSettled(*view, Expected(*view)), Expected(*view));
}

TEST_F(BoardViewOnX11, AWindowMadeAnewShowsTheBoardToo) {
    Image picture = Pattern(420, 320, 5);
    board = &picture;
    Show();
    const WId first = view->winId();
    view->destroy();
    view->create();
    Show();
    ASSERT_NE(view->winId(), first);
    EXPECT_EQ(ShownOnceSettled(*view, Expected(*view)), Expected(*view));
    EXPECT_TRUE(view->PresentsDirectly());
}

TEST_F(BoardViewOnX11, NoPictureShowsBlack) {
    Show();
    QImage black(view->size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(ShownOnceSettled(*view, black), black);
}

}  // namespace
}  // namespace jw
