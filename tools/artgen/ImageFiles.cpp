#include "ImageFiles.h"

#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

namespace artgen {

namespace {

void Put16(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xff));
    bytes.append(static_cast<char>((value >> 8) & 0xff));
}

void Put32(QByteArray& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(static_cast<char>((value >> shift) & 0xff));
    }
}

}  // namespace

bool WriteBmp24(const QImage& source, const QString& path) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t pixelBytes = static_cast<uint32_t>(stride) * static_cast<uint32_t>(height);
    QByteArray bytes;
    bytes.reserve(54 + static_cast<int>(pixelBytes));
    bytes.append("BM");
    Put32(bytes, 54 + pixelBytes);
    Put32(bytes, 0);
    Put32(bytes, 54);
    Put32(bytes, 40);
    Put32(bytes, static_cast<uint32_t>(width));
    Put32(bytes, static_cast<uint32_t>(height));
    Put16(bytes, 1);
    Put16(bytes, 24);
    Put32(bytes, 0);
    Put32(bytes, pixelBytes);
    Put32(bytes, 2835);  // 72 dots per inch
    Put32(bytes, 2835);
    Put32(bytes, 0);
    Put32(bytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            bytes.append(static_cast<char>(qBlue(line[x])));
            bytes.append(static_cast<char>(qGreen(line[x])));
            bytes.append(static_cast<char>(qRed(line[x])));
        }
        for (int pad = width * 3; pad < stride; ++pad) {
            bytes.append('\0');
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return false;
    }
    return file.commit();
}

ResourceWriter::ResourceWriter(const QString& outDir) : root(outDir) {}

QString ResourceWriter::PathFor(const QString& kind, const QString& name, const QString& ext) {
    root.mkpath(kind);
    written.append(kind + "/" + name);
    return root.filePath(kind + "/" + name + "." + ext);
}

bool ResourceWriter::Bitmap(const QString& name, const QImage& image) {
    const QString path = PathFor("BITMAP", name, "bmp");
    if (!WriteBmp24(image, path)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool ResourceWriter::Jpeg(const QString& name, const QImage& image) {
    const QString path = PathFor("JPEG", name, "jpg");
    QImageWriter writer(path, "jpg");
    writer.setQuality(kJpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        error = "cannot write " + path + ": " + writer.errorString();
        return false;
    }
    return true;
}

bool ResourceWriter::Png(const QString& kind, const QString& name, const QImage& image) {
    const QString path = PathFor(kind, name, "png");
    QImageWriter writer(path, "png");
    if (!writer.write(image)) {
        error = "cannot write " + path + ": " + writer.errorString();
        return false;
    }
    return true;
}

bool ResourceWriter::Icon(const QString& name, const QImage& image) {
    return Png("ICON", name, image.convertToFormat(QImage::Format_ARGB32));
}

bool ResourceWriter::Cursor(const QString& name, const QImage& image, QPoint hotspot) {
    QImage shape = image.convertToFormat(QImage::Format_ARGB32);
    shape.setText(kHotspotKey, QString("%1,%2").arg(hotspot.x()).arg(hotspot.y()));
    return Png("CURSOR", name, shape);
}

bool ResourceWriter::Wave(const QString& name, const QByteArray& bytes) {
    const QString path = PathFor("WAVE", name, "wav");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace artgen
