// Checks of the window pictures in a written folder: kinds, sizes,
// transparency, the greyed toolbar forms and the pointers' hotspots.
#include <QDir>
#include <QFile>

#include "CommandIcons.h"
#include "Pointers.h"
#include "WindowPictures.h"

namespace artgen {

namespace {

class PictureChecker {
  public:
    explicit PictureChecker(const QString& outDir) : root(outDir) {}

    // Loads KIND/NAME.png, which must be a PNG of `size` with an alpha
    // channel; a null picture after a fault.
    QImage Png(const QString& kind, const QString& name, QSize size) {
        QFile file(root.filePath(kind + "/" + name + ".png"));
        if (!file.open(QIODevice::ReadOnly)) {
            faults.append(kind + "/" + name + ": missing");
            return {};
        }
        const QByteArray bytes = file.readAll();
        if (!bytes.startsWith("\x89PNG\r\n\x1a\n")) {
            faults.append(kind + "/" + name + ": not a PNG");
            return {};
        }
        const QImage image = QImage::fromData(bytes, "png");
        if (image.isNull() || !image.hasAlphaChannel()) {
            faults.append(kind + "/" + name + ": not a picture with transparency");
            return {};
        }
        if (image.size() != size) {
            faults.append(QString("%1/%2: %3 x %4 pixels, expected %5 x %6")
                              .arg(kind, name)
                              .arg(image.width())
                              .arg(image.height())
                              .arg(size.width())
                              .arg(size.height()));
            return {};
        }
        return image.convertToFormat(QImage::Format_ARGB32);
    }

    // A picture on a see-through ground: some pixels clear, some solid.
    void Shape(const QString& name, const QImage& image) {
        if (image.isNull()) {
            return;
        }
        int clear = 0;
        int solid = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                clear += alpha == 0 ? 1 : 0;
                solid += alpha >= 128 ? 1 : 0;
            }
        }
        const int all = image.width() * image.height();
        if (clear == 0 || solid < all / 10) {
            faults.append(name + ": not a shape on a see-through ground");
        }
    }

    QStringList faults;
    QDir root;
};

void CheckIcons(PictureChecker& checker) {
    for (const IconDesign& design : IconDesigns()) {
        const QString small = SmallIconName(design.base);
        const QString large = LargeIconName(design.base);
        checker.Shape("ICON/" + small, checker.Png("ICON", small, QSize(16, 16)));
        const QImage normal = checker.Png("ICON", large, QSize(24, 24));
        checker.Shape("ICON/" + large, normal);
        if (!DisabledIconBases().contains(design.base)) {
            continue;
        }
        const QString name = DisabledIconName(design.base);
        const QImage greyed = checker.Png("ICON", name, QSize(24, 24));
        if (greyed.isNull() || normal.isNull()) {
            continue;
        }
        long normalAlpha = 0;
        long greyedAlpha = 0;
        bool grey = true;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const QRgb pixel = greyed.pixel(x, y);
                grey = grey && (qAlpha(pixel) == 0 ||
                                (qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)));
                greyedAlpha += qAlpha(pixel);
                normalAlpha += qAlpha(normal.pixel(x, y));
            }
        }
        if (!grey || greyedAlpha == 0 || greyedAlpha >= normalAlpha) {
            checker.faults.append("ICON/" + name + ": not a paler grey form of " + large);
        }
    }
}

void CheckPointers(PictureChecker& checker) {
    for (const QString colouring : {"A", "B"}) {
        for (const QString stem : {"CUR_ARROW1", "CUR_ARROW2", "CUR_RIGHT_HAND1", "CUR_RIGHT_HAND2",
                                   "CUR_LEFT_HAND1", "CUR_LEFT_HAND2"}) {
            const QString name = stem + colouring;
            const QImage image = checker.Png("CURSOR", name, QSize(kPointerSize, kPointerSize));
            if (image.isNull()) {
                continue;
            }
            checker.Shape("CURSOR/" + name, image);
            const QStringList parts = image.text(kHotspotKey).split(',');
            bool xOk = false;
            bool yOk = false;
            const int x = parts.size() == 2 ? parts[0].toInt(&xOk) : -1;
            const int y = parts.size() == 2 ? parts[1].toInt(&yOk) : -1;
            if (!xOk || !yOk || !image.rect().contains(x, y)) {
                checker.faults.append("CURSOR/" + name + ": no hotspot inside the picture");
                continue;
            }
            // The hotspot is the tip of the shape: on it or right beside it.
            bool onShape = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    onShape = onShape || (image.rect().contains(x + dx, y + dy) &&
                                          qAlpha(image.pixel(x + dx, y + dy)) >= 128);
                }
            }
            if (!onShape) {
                checker.faults.append(
                    QString("CURSOR/%1: hotspot %2,%3 is off the shape").arg(name).arg(x).arg(y));
            }
        }
    }
}

}  // namespace

QStringList CheckWindowPictures(const QString& outDir) {
    PictureChecker checker(outDir);
    CheckIcons(checker);
    CheckPointers(checker);
    for (const auto& [name, size] :
         {std::pair{"ABOUT", kDialogPictureSize}, std::pair{"HOLD_AND_EXIT", kDialogPictureSize},
          std::pair{"APP_ICON", kAppIconSize}, std::pair{"EMPTY_CHART", kEmptyChartSize}}) {
        checker.Shape(QString("ICON/") + name, checker.Png("ICON", name, QSize(size, size)));
    }
    const QString splash = checker.root.filePath("JPEG/SPLASH.jpg");
    QFile file(splash);
    if (!file.open(QIODevice::ReadOnly)) {
        checker.faults.append("JPEG/SPLASH: missing");
    } else {
        const QByteArray bytes = file.readAll();
        const QImage image = QImage::fromData(bytes, "jpg");
        if (!bytes.startsWith("\xff\xd8\xff") || image.isNull()) {
            checker.faults.append("JPEG/SPLASH: not a JPEG stream");
        } else if (image.size() != QSize(kSplashWidth, kSplashHeight)) {
            checker.faults.append(QString("JPEG/SPLASH: %1 x %2 pixels, expected %3 x %4")
                                      .arg(image.width())
                                      .arg(image.height())
                                      .arg(kSplashWidth)
                                      .arg(kSplashHeight));
        }
    }
    return checker.faults;
}

}  // namespace artgen
