// The Qt tests drive the real windows on the offscreen platform: one
// application object for the whole run. Asked for X11 (QT_QPA_PLATFORM=xcb),
// they run on the display instead; the tests of the board's own path to an
// X11 display run only there.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM") != "xcb") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
