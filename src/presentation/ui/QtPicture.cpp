#include "presentation/ui/QtPicture.h"

#include "platform/ResourceStore.h"

namespace jw {

QImage LibraryPicture(const ResourceStore& resources, const char* kind, const char* name) {
    const auto bytes = resources.Find(kind, name);
    if (!bytes) {
        return {};
    }
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                       static_cast<int>(bytes->size()));
    return image;
}

QImage WrapImage(const Image& picture) {
    if (picture.Empty()) {
        return {};
    }
    // Pixels are 0xAARRGGBB words; the 24-bit pictures leave the top byte
    // unused, which RGB32 ignores.
    const auto* bits = reinterpret_cast<const uchar*>(picture.Row(0));
    return QImage(
        bits, picture.Width(), picture.Height(), static_cast<qsizetype>(picture.Width()) * 4,
        picture.Format() == PixelFormat::Argb32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

QIcon KeyedIcon(const QImage& bitmap) {
    if (bitmap.isNull()) {
        return {};
    }
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xffffff) == (key & 0xffffff)) {
                row[x] = 0;
            }
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace jw
