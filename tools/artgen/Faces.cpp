#include "Faces.h"

#include "MahjongFaces.h"
#include "MatchingFaces.h"
#include "SetLook.h"

namespace artgen {

FaceDrawer FaceDrawerFor(const TileSetInfo& set) {
    const SetStyle style = set.style;
    const Family family = set.family;
    return [style, family](QPainter& painter, int face) {
        const SetLook& look = LookOf(style);
        if (face < 1 || face > kFaceCount) {
            DrawFaceSurface(painter, look, 1000 + static_cast<uint64_t>(face));
        } else if (family == Family::MahJong) {
            DrawMahjongFace(painter, look, face);
        } else {
            DrawMatchingFace(painter, style, face);
        }
    };
}

}  // namespace artgen
