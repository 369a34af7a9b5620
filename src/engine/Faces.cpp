#include "engine/Faces.h"

namespace jw {

namespace {

// The TileId reduced into 1..144, or 0 when it is outside 1..432.
int ReduceFaceUp(TileId id) {
    if (id < 1 || id > kMaxTiles) {
        return 0;
    }
    return (id - 1) % 144 + 1;
}

FaceIndex FaceOfReduced(int reduced) {
    if (reduced <= 136) {
        return (reduced - 1) / 4 + 1;  // four tiles a face: 1..34
    }
    return reduced - 137 + kFirstFlower;  // one tile a face: 35..42
}

}  // namespace

FaceIndex FaceUpFace(TileId id) {
    const int reduced = ReduceFaceUp(id);
    return reduced == 0 ? -1 : FaceOfReduced(reduced);
}

FaceIndex FaceDownFace(TileId id) {
    if (id < 1) {
        return -1;
    }
    const int entry = 1 + (id - 1) % 72;
    if (entry <= 68) {
        return (entry + 1) / 2;
    }
    return entry <= 70 ? kFirstFlower : kFirstSeason;
}

FaceIndex FaceOf(TileId id, FaceRules rules) {
    if (rules.faceDown) {
        return FaceDownFace(id);
    }
    if (rules.faceless) {
        return -1;
    }
    return FaceUpFace(id);
}

MatchGroup MatchGroupOf(int tileIdOrAnchor, FaceRules rules) {
    const TileId id = IsAnchor(tileIdOrAnchor) ? tileIdOrAnchor - kAnchorBase : tileIdOrAnchor;
    if (rules.faceDown) {
        const FaceIndex face = FaceDownFace(id);
        if (face > kFirstFlower && face < kFirstSeason) {
            return kFirstFlower;
        }
        return face > kFirstSeason ? kFirstSeason : face;
    }
    if (rules.faceless) {
        return -1;
    }
    const int reduced = ReduceFaceUp(id);
    if (reduced == 0) {
        return -1;
    }
    if (reduced >= 138 && reduced <= 140) {
        return kFirstFlower;
    }
    if (reduced >= 142) {
        return kFirstSeason;
    }
    return FaceOfReduced(reduced);
}

}  // namespace jw
