// Tile bodies and the auxiliary pictures the board renderer lays over them.
#pragma once

#include <QImage>

#include "ArtCommon.h"
#include "SetLook.h"

namespace artgen {

// Blank tile of (W + D) x (H + D): the blank face at the top left, the 3-D
// sides along the right and bottom, magenta outside the tile. Variants 1..3
// differ slightly in grain and shade.
QImage DrawBody(const SetLook& look, int faceWidth, int faceHeight, int depth, int variant);

// The face overlay: a small corner mask, black (see-through) except the
// magenta pixels that round off the face's top-left corner.
QImage DrawFaceOverlay();

// The shared silhouette: magenta over the whole tile picture.
QImage DrawSilhouette(int width, int height);

// Grey hover mask: bright over the face, fading softly towards its edges.
QImage DrawHighlightMask(int width, int height);

}  // namespace artgen
