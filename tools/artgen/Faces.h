// Which painter draws the faces of which set.
#pragma once

#include "ArtCommon.h"
#include "Sheet.h"

namespace artgen {

// The face painter of a built-in set; face 43 is the blank face.
FaceDrawer FaceDrawerFor(const TileSetInfo& set);

}  // namespace artgen
