// Tile faces and match groups.
//
// The standard set has 144 tiles and 42 faces: three suits of nine faces with
// four tiles each (faces 1-27), four winds and three dragons with four tiles
// each (28-34), then four flowers (35-38) and four seasons (39-42), one tile
// each. Larger face-up games repeat the set: TileId 145-288 and 289-432 show
// the faces of 1-144. Face-down games use a 72-entry table of 36 pairs that
// repeats for every further 72 tiles.
#pragma once

#include "engine/CellCode.h"

namespace jw {

using FaceIndex = int;
using MatchGroup = int;

inline constexpr FaceIndex kFaceCount = 42;
inline constexpr FaceIndex kFirstFlower = 35;
inline constexpr FaceIndex kFirstSeason = 39;

// How the tiles of the running game show their faces.
struct FaceRules {
    bool faceDown = false;  // a Memory-Up game
    bool faceless = false;  // a face-up game whose tiles all match one another
};

// The face of a face-up TileId (1..432); -1 for anything else.
FaceIndex FaceUpFace(TileId id);
// The face of a face-down TileId (1 and above); -1 for anything else.
FaceIndex FaceDownFace(TileId id);
// The face a tile shows under the given rules; -1 when it has none.
FaceIndex FaceOf(TileId id, FaceRules rules);

// The match group of a TileId or of an anchor CellCode (1001..1999): the face
// with flowers folded onto 35 and seasons onto 39. Every tile of a faceless
// face-up game is in group -1, so that any two tiles match; -1 also for ids
// without a face.
MatchGroup MatchGroupOf(int tileIdOrAnchor, FaceRules rules);

}  // namespace jw
