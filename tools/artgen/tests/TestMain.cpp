// The generator draws with Qt and the loaded fonts, so its tests run inside a
// QGuiApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "Fonts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QString error;
    if (!artgen::LoadFonts(&error)) {
        fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return RUN_ALL_TESTS();
}
