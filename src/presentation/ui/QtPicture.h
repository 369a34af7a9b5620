// Pictures of the core shown by Qt.
#pragma once

#include <QIcon>
#include <QImage>

#include "presentation/Image.h"

namespace jw {

class ResourceStore;

// Reads a picture of the library by kind and name through Qt's decoders;
// a null image when it is missing or unreadable.
QImage LibraryPicture(const ResourceStore& resources, const char* kind, const char* name);

// A QImage that shares the pixels of a picture (no copy; valid while the
// picture lives and keeps its size). 32-bit pictures come out as ARGB;
// those the core keeps premultiplied are reinterpreted by their users.
QImage WrapImage(const Image& picture);

// A bitmap whose top-left pixel is its see-through colour, as an icon
// (an empty icon for a null bitmap).
QIcon KeyedIcon(const QImage& bitmap);

}  // namespace jw
