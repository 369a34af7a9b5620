// The game's own pointer shapes: an arrow, an arrow carrying a tile, and a
// pointing hand upright and leaning, each as a right and a left hand, in a
// light ("A") and a jade ("B") colouring.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

#include "ImageFiles.h"

namespace artgen {

inline constexpr int kPointerSize = 32;

struct Pointer {
    QString name;  // e.g. "CUR_RIGHT_HAND1A"
    QImage image;  // kPointerSize square, transparent around the shape
    QPoint hotspot;
};

// The twelve pointers: "CUR_ARROW1", "CUR_ARROW2", "CUR_RIGHT_HAND1",
// "CUR_RIGHT_HAND2", "CUR_LEFT_HAND1", "CUR_LEFT_HAND2", first all ending in
// "A", then all ending in "B".
std::vector<Pointer> DrawPointers();

// Writes every pointer as CURSOR/<name>.png with its hotspot.
bool WritePointers(ResourceWriter& writer);

}  // namespace artgen
