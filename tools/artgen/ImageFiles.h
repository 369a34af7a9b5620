// Writing the generated pictures in the kinds the resource library stores.
#pragma once

#include <QDir>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace artgen {

// Writes a 24-bit uncompressed bitmap (bottom-up rows padded to 4 bytes).
bool WriteBmp24(const QImage& image, const QString& path);

// Writes `OUTDIR/<KIND>/<NAME>.<ext>` and remembers every "KIND/NAME" written.
class ResourceWriter {
  public:
    explicit ResourceWriter(const QString& outDir);

    bool Bitmap(const QString& name, const QImage& image);
    bool Jpeg(const QString& name, const QImage& image);
    // Writes a PNG with its transparency as ICON/<name>.png.
    bool Icon(const QString& name, const QImage& image);
    // Writes a pointer shape as CURSOR/<name>.png, its hotspot (the pixel that
    // points) in the PNG text entry kHotspotKey as "x,y".
    bool Cursor(const QString& name, const QImage& image, QPoint hotspot);
    // Writes a complete WAVE file as WAVE/<name>.wav.
    bool Wave(const QString& name, const QByteArray& bytes);

    const QStringList& Written() const { return written; }
    const QString& Error() const { return error; }

  private:
    QString PathFor(const QString& kind, const QString& name, const QString& ext);
    bool Png(const QString& kind, const QString& name, const QImage& image);

    QDir root;
    QStringList written;
    QString error;
};

inline constexpr int kJpegQuality = 92;

// Text entry of a pointer PNG that holds its hotspot, "x,y" in pixels from
// the top-left corner; read back with QImage::text(kHotspotKey).
inline constexpr char kHotspotKey[] = "hotspot";

}  // namespace artgen
