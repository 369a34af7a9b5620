// Tile sets: where a set's pictures come from, and LoadTileSet, which turns
// one set at one size into the ready-to-draw TileSetImages and the
// TileGeometry every screen position is computed from.
//
// A set is a built-in number (above 500: a Matching picture set, otherwise
// MahJong) or an add-on id whose letters tell how to read it. Pictures come
// from the main resource library, or for add-on sets from the add-on
// libraries, always through a ResourceStore.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "presentation/Image.h"
#include "presentation/TileGeometry.h"

namespace jw {

class Host;
class ResourceStore;
class SettingsStore;

// What an add-on id's letters say: 1st "J" JPEG sheet (else bitmap), 3rd "T"
// Matching set (else MahJong), 4th "S" square faces.
struct AddOnTraits {
    bool jpeg = false;
    bool matching = false;
    bool square = false;
};
AddOnTraits ReadAddOnId(std::string_view id);

// The set number in three digits with leading zeros; "***" when it does not
// fit (negative numbers included).
std::string SetNumberText(int setNumber);

// Which set and size to load.
struct TileSetChoice {
    int setNumber = 4;    // kAddOnSetNumber for an add-on set
    std::string addOnId;  // the add-on set's id, empty otherwise
    char sizeLetter = 'X';
    bool preview = false;  // the small preview set of the game-opening windows
};

// The names of a set's pictures and where they are looked up.
struct TileSetNames {
    std::string sheet;
    bool sheetIsJpeg = true;
    bool fromAddOn = false;  // sheet and bodies come from the add-on libraries
    std::array<std::string, 3> bodies;
    std::string silhouette;   // empty: none (preview)
    std::string faceOverlay;  // always from the main library
    std::string highlightMask;
};
TileSetNames NamesFor(const TileSetChoice& choice);

inline constexpr int kBlankFace = 43;

// The loaded pictures, all opaque 24-bit except the highlight overlay.
// Index 0 of the arrays is unused: faces are 1..43, bodies and strips 1..3.
struct TileSetImages {
    std::array<Image, kBlankFace + 1> faces;
    std::array<Image, 4> bodies;        // (W + D) x (H + D), corners cut
    std::array<Image, 4> rightStrips;   // D x (H + D)
    std::array<Image, 4> bottomStrips;  // W x D
    Image tileBuffer;                   // one whole tile is composed here
    Image silhouette;                   // magenta inside the outline, yellow outside
    Image faceOverlay;                  // black is see-through
    Image highlightOverlay;             // W x H, 32-bit, premultiplied orange
    Image pointerFrame;                 // W x H, magenta see-through
    Image redrawBuffer;                 // (W + 2D) x (H + 2D): local redraw
    bool facesKeyed = false;            // faces are see-through by magenta
    int faceCount = 0;
};

// The tile set an engine has loaded.
struct TileSet {
    TileSetChoice choice;
    TileGeometry geometry;
    TileSetImages images;
    bool loaded = false;
};

// Where LoadTileSet reads from and reports to.
struct TileSetContext {
    Host& host;
    const ResourceStore* main = nullptr;
    const ResourceStore* addOns = nullptr;  // the add-on libraries, searched in order
    SettingsStore* settings = nullptr;      // may be absent: nothing is written
    std::string& scoreType;                 // the engine's family code, set by the load
};

// Makes two right triangles of `depth` see-through with `key`: the top-right
// corner (depth pixels in row 0, one in row depth - 1) and the bottom-left
// corner (depth pixels in the bottom row, one in row height - depth).
void CutCorners(Image& picture, int depth, Pixel key);

// The orange frame, 4 pixels wide, round a see-through W x H picture, with
// its four corner pixels see-through.
Image MakePointerFrame(int width, int height);

// The highlight tint: orange whose alpha is the intensity of `mask` scaled
// to W x H, with the face overlay's magenta painted black first (unless
// `faceOverlay` is empty). Empty when the mask is.
Image MakeHighlightOverlay(const Image& mask, const Image& faceOverlay, int width, int height);

// Loads one set without fall-back: false when the sheet is missing, damaged
// or too small. Sets `scoreType` to the set's family (not in preview mode).
bool LoadTileSetPictures(const TileSetChoice& choice, TileSetContext& context, TileSet& out);

// LoadTileSet: loads `setNumber` at `sizeLetter`; a set number below 1
// reloads the current set at the current size (first checking the family
// code, "Score Type Error (fnLT):"), and for an add-on set reads its id from
// "Additional_Tile_Set". When the sheet cannot be used, reports "Error
// Loading Tile Set", falls back to the family's default set at size "S",
// writes that choice to the settings and tries once more; when that fails
// too the set is left empty and the result is false.
bool LoadTileSet(int setNumber, char sizeLetter, TileSetContext& context, TileSet& tileSet);

}  // namespace jw
