// Jadewind 2007: builds the application object and hands over to the shell.
#include <QApplication>
#include <QDir>

#include "shell/ui/GameShell.h"

int main(int argc, char** argv) {
    // The board is a raster picture: the GL integration of the X11 platform
    // would only add start-up time and memory.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION")) {
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    }
    QApplication app(argc, argv);
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
