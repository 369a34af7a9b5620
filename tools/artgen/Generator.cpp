#include "Generator.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>

#include "Backgrounds.h"
#include "Bodies.h"
#include "Faces.h"
#include "Previews.h"
#include "Sheet.h"
#include "WindowPictures.h"

namespace artgen {

namespace {

// Runs a picture through the JPEG coder, so that what is checked and shown is
// what the game decodes.
QImage JpegRoundTrip(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(kJpegQuality);
    writer.setOptimizedWrite(true);
    writer.write(image);
    return QImage::fromData(buffer.data(), "jpg").convertToFormat(QImage::Format_RGB32);
}

}  // namespace

SetPictures DrawSet(const TileSetInfo& set) {
    const SetLook& look = LookOf(set.style);
    const QSize cell(set.faceWidth, set.faceHeight);
    const FaceDrawer drawer = FaceDrawerFor(set);
    SetPictures pictures;
    pictures.sheet = BuildSheet(drawer, cell, RenderFace(drawer, 43, cell));
    for (int variant = 1; variant <= 3; ++variant) {
        pictures.bodies[static_cast<size_t>(variant - 1)] =
            DrawBody(look, set.faceWidth, set.faceHeight, set.depth, variant);
    }
    pictures.overlay = DrawFaceOverlay();
    return pictures;
}

bool GenerateAll(ResourceWriter& writer) {
    std::vector<SetPictures> drawn;
    for (const TileSetInfo& set : BuiltInTileSets()) {
        SetPictures pictures = DrawSet(set);
        const QString prefix = BodyPrefix(set);
        bool ok = writer.Jpeg(set.sheetName, pictures.sheet);
        for (int variant = 1; variant <= 3; ++variant) {
            ok = ok && writer.Bitmap(prefix + QString("_%1_3D_Border").arg(variant),
                                     pictures.bodies[static_cast<size_t>(variant - 1)]);
        }
        ok = ok && writer.Bitmap(prefix + "_3D_Border_Transparent", pictures.overlay);
        if (!ok) {
            return false;
        }
        pictures.sheet = JpegRoundTrip(pictures.sheet);
        drawn.push_back(std::move(pictures));
    }
    const TileSetInfo& first = BuiltInTileSets().front();
    if (!writer.Bitmap(
            "tiles_3D_border_transparent",
            DrawSilhouette(first.faceWidth + first.depth, first.faceHeight + first.depth)) ||
        !writer.Bitmap("high_tld_alph", DrawHighlightMask(first.faceWidth, first.faceHeight))) {
        return false;
    }
    if (!WriteWindowPictures(writer)) {
        return false;
    }
    return WritePreviews(writer, drawn) && WriteBackgroundsAndSounds(writer);
}

}  // namespace artgen
