// The 42 faces of the Matching sets, drawn over the logical 88 x 120 frame.
// Faces 35-38 are four variations of one theme, and so are faces 39-42,
// because each group matches among itself.
#pragma once

#include <QPainter>

#include "ArtCommon.h"

namespace artgen {

void DrawMatchingFace(QPainter& painter, SetStyle style, int face);

void DrawFruit(QPainter& painter, int face);
void DrawFlowerPicture(QPainter& painter, int face);
void DrawShape(QPainter& painter, int face);

}  // namespace artgen
