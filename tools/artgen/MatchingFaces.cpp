#include "MatchingFaces.h"

#include "SetLook.h"

namespace artgen {

void DrawMatchingFace(QPainter& painter, SetStyle style, int face) {
    DrawFaceSurface(painter, LookOf(style), 2000 + static_cast<uint64_t>(face));
    switch (style) {
        case SetStyle::Fruits:
            DrawFruit(painter, face);
            break;
        case SetStyle::Flowers:
            DrawFlowerPicture(painter, face);
            break;
        default:
            DrawShape(painter, face);
            break;
    }
}

}  // namespace artgen
