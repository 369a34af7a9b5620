// Jadewind 2007: builds the application object and hands over to the shell.
#include <QApplication>
#include <QDir>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "shell/ui/GameShell.h"

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // Blocks from a quarter megabyte on (medium pictures, Qt's images) take
    // separate mappings that go back to the system when freed. Left to
    // itself the allocator raises this threshold after the first large
    // free, and the next such blocks then stay in the heap for good.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    // The board is a raster picture: the GL integration of the X11 platform
    // would only add start-up time and memory.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION")) {
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    }
    jw::ReportStartupStep("program entered");
    QApplication app(argc, argv);
    jw::ReportStartupStep("application object made");
    std::string executableFolder =
        QDir(QApplication::applicationDirPath()).absolutePath().toStdString();
    if (executableFolder.empty() || executableFolder.back() != '/') {
        executableFolder += '/';
    }
    jw::GameShell shell(executableFolder);
    if (!shell.Start()) {
        return 0;
    }
    return QApplication::exec();
}
