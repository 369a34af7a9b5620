// Draws every tile-set picture and hands it to the writer.
#pragma once

#include <QImage>
#include <array>

#include "ArtCommon.h"
#include "ImageFiles.h"

namespace artgen {

// The pictures of one set as the game will read them back.
struct SetPictures {
    QImage sheet;  // decoded from its stored JPEG
    std::array<QImage, 3> bodies;
    QImage overlay;
};

// Draws one set's sheet, bodies and overlay.
SetPictures DrawSet(const TileSetInfo& set);

// Writes everything: the seven sets, the shared silhouette and highlight mask,
// the preview engine's pictures, the chooser previews and selection markers.
bool GenerateAll(ResourceWriter& writer);

// Writes one PNG per set into `dir`, all 42 faces on their bodies.
bool WriteContactSheets(const QString& dir, QString* error);

}  // namespace artgen
