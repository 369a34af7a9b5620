// Pictures of the preview engine and of the tile-set chooser.
#pragma once

#include <vector>

#include "Generator.h"
#include "ImageFiles.h"

namespace artgen {

// Size of a chooser preview and of its selection marker.
inline constexpr int kChooserWidth = 180;
inline constexpr int kChooserHeight = 120;
inline constexpr int kMarkerMargin = 16;

// Tiny face sheet of the preview engine (Classic faces at preview size).
QImage DrawPreviewSheet();

// A chooser preview: a few tiles of the set on a neutral ground, named.
QImage DrawChooserPreview(const TileSetInfo& set, const SetPictures& pictures);

// Selection marker: a grey halo mask and a frame on white.
QImage DrawMarkerHalo();
QImage DrawMarkerFrame();

// Writes the preview sheet and bodies, the chooser previews of `drawn` (one
// per built-in set, in set order) and the markers.
bool WritePreviews(ResourceWriter& writer, const std::vector<SetPictures>& drawn);

}  // namespace artgen
