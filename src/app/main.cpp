// Jadewind 2007: builds the application object and hands over to the shell.
#include <QApplication>
#include <QDir>

#include "shell/ui/GameShell.h"

int main(int argc, char** argv) {
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
