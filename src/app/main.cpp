// Jadewind 2007: builds the application object and hands over to the shell.
#include <QApplication>
#include <QDir>
#include <thread>

#include <dlfcn.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "shell/ui/GameShell.h"

namespace {

// Fontconfig reads its configuration and its font caches the first time a
// text is measured, which falls in the middle of building the window. The
// library is loaded with Qt already and may be started from any thread
// (whichever finishes first keeps its result), so a second core does it
// while the application object is made. Joined when the program ends.
std::thread PrepareFontsAlongside() {
    if (std::thread::hardware_concurrency() < 2) {
        return {};
    }
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (fontconfig == nullptr) {
        return {};
    }
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(fontconfig, "FcInit"));
    dlclose(fontconfig);  // Qt's own reference keeps it loaded
    if (init == nullptr) {
        return {};
    }
    return std::thread(init);
}

}  // namespace

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
    struct Joined {
        std::thread thread;
        ~Joined() {
            if (thread.joinable()) {
                thread.join();
            }
        }
    } fonts{PrepareFontsAlongside()};
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
