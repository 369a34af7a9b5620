// artgen: draws the tile-set artwork of the resource library at build time.
//
//   artgen OUTDIR                   write every picture as OUTDIR/<KIND>/<NAME>.<ext>
//   artgen --list                   print the "KIND/NAME" of every picture, sorted
//   artgen --contact-sheets DIR     write one PNG per set showing all faces on tiles
//   artgen --background-sheet FILE  write one PNG of every built-in background
//   artgen --icon-sheet FILE        write one PNG of the window pictures (icons, pointers)
//   artgen --verify OUTDIR          check a written folder (kinds, sizes, faces)
//   artgen --desktop-icons DIR      write the program's icon as DIR/<N>x<N>/apps/jadewind.png
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include "Backgrounds.h"
#include "Fonts.h"
#include "Generator.h"
#include "ImageFiles.h"
#include "Verify.h"
#include "WindowPictures.h"

namespace {

int Fail(const QString& message) {
    QTextStream(stderr) << "artgen: " << message << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || (args.size() == 1 && args[0].startsWith("--") && args[0] != "--list")) {
        return Fail("usage: artgen OUTDIR | --list | --contact-sheets DIR | --verify OUTDIR");
    }
    if (args[0] == "--verify" && args.size() == 2) {
        QStringList problems = artgen::VerifyFolder(args[1]);
        for (const QString& problem : problems) {
            QTextStream(stderr) << "artgen --verify: " << problem << "\n";
        }
        QTextStream(stdout) << (problems.isEmpty() ? "artwork ok\n" : "artwork has faults\n");
        return problems.isEmpty() ? 0 : 1;
    }
    QString error;
    if (!artgen::LoadFonts(&error)) {
        return Fail(error);
    }
    if (args[0] == "--background-sheet" && args.size() == 2) {
        return artgen::WriteBackgroundSheet(args[1], &error) ? 0 : Fail(error);
    }
    if (args[0] == "--icon-sheet" && args.size() == 2) {
        return artgen::WriteWindowPictureSheet(args[1], &error) ? 0 : Fail(error);
    }
    if (args[0] == "--desktop-icons" && args.size() == 2) {
        // The sizes of the desktop's icon theme, from the picture the
        // resource library holds.
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
            if (!QDir().mkpath(folder) ||
                !artgen::DrawAppIcon(size).save(folder + QStringLiteral("/jadewind.png"))) {
                return Fail(QStringLiteral("cannot write the icons into ") + folder);
            }
        }
        return 0;
    }
    if (args[0] == "--contact-sheets" && args.size() == 2) {
        return artgen::WriteContactSheets(args[1], &error) ? 0 : Fail(error);
    }
    if (args[0] == "--list") {
        QTemporaryDir scratch;
        artgen::ResourceWriter writer(scratch.path());
        if (!artgen::GenerateAll(writer)) {
            return Fail(writer.Error());
        }
        QStringList names = writer.Written();
        names.sort();
        for (const QString& name : names) {
            QTextStream(stdout) << name << "\n";
        }
        return 0;
    }
    artgen::ResourceWriter writer(args[0]);
    return artgen::GenerateAll(writer) ? 0 : Fail(writer.Error());
}
