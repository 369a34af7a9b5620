#include "presentation/TileSet.h"

#include <cstdio>
#include <vector>

#include "platform/Host.h"
#include "platform/ResourceStore.h"
#include "platform/SettingsDefaults.h"
#include "presentation/Blit.h"
#include "presentation/BmpRead.h"
#include "presentation/JpegDecode.h"
#include "presentation/Parallel.h"
#include "presentation/Resample.h"

namespace jw {
namespace {

constexpr Pixel kOrange = Rgb(255, 128, 0);
constexpr Pixel kFrameOrange = Rgb(255, 128, 64);
constexpr int kSheetColumns = 9;
constexpr int kSheetRows = 5;
constexpr int kPreviewDepth = 2;
constexpr char kFallbackSize = 'S';

bool IsLetter(std::string_view id, std::size_t position, char letter) {
    if (id.size() < position) {
        return false;
    }
    const char c = id[position - 1];
    return c == letter || c == letter + ('a' - 'A');
}

// A picture by kind and name, or an empty one when it is missing or damaged.
Image LoadPicture(const ResourceStore* store, bool jpeg, std::string_view name) {
    Image picture;
    if (store == nullptr || name.empty()) {
        return picture;
    }
    const std::optional<std::string> bytes = store->Find(jpeg ? "JPEG" : "BITMAP", name);
    if (!bytes) {
        return picture;
    }
    std::string error;
    if (jpeg) {
        DecodeJpeg(*bytes, picture, error);
    } else {
        ReadBmp(*bytes, picture, error);
    }
    return picture;
}

// The picture at exactly width x height: copied when it has that size,
// otherwise resampled.
Image ToSize(const Image& picture, int width, int height) {
    if (picture.Width() == width && picture.Height() == height) {
        return picture;
    }
    return ResampleLanczos3(picture, width, height);
}

Image Cut(const Image& picture, Rect from) {
    Image part(from.width, from.height);
    Copy(part, 0, 0, picture, from);
    return part;
}

}  // namespace

AddOnTraits ReadAddOnId(std::string_view id) {
    return {IsLetter(id, 1, 'J'), IsLetter(id, 3, 'T'), IsLetter(id, 4, 'S')};
}

std::string SetNumberText(int setNumber) {
    if (setNumber < 0 || setNumber > 999) {
        return "***";
    }
    char text[4];
    std::snprintf(text, sizeof text, "%03d", setNumber);
    return text;
}

TileSetNames NamesFor(const TileSetChoice& choice) {
    TileSetNames names;
    names.highlightMask = "high_tld_alph";
    if (choice.preview) {
        names.sheet = "preview_001";
        names.sheetIsJpeg = false;
        for (int k = 0; k < 3; ++k) {
            names.bodies[static_cast<std::size_t>(k)] =
                "preview_001_" + std::to_string(k + 1) + "_3D_Border";
        }
        names.faceOverlay = "tiles_x_001_3D_Border_Transparent";
        return names;
    }
    const std::string nnn = SetNumberText(choice.setNumber);
    std::string bodyStem;
    if (choice.setNumber == kAddOnSetNumber) {
        names.sheet = choice.addOnId;
        names.sheetIsJpeg = ReadAddOnId(choice.addOnId).jpeg;
        names.fromAddOn = true;
        bodyStem = choice.addOnId;
    } else {
        names.sheet = (choice.setNumber == 2 ? "tiles_S_" : "tiles_X_") + nnn;
        bodyStem = "tiles_x_" + nnn;
    }
    for (int k = 0; k < 3; ++k) {
        names.bodies[static_cast<std::size_t>(k)] =
            bodyStem + "_" + std::to_string(k + 1) + "_3D_Border";
    }
    names.silhouette = "tiles_3D_border_transparent";
    names.faceOverlay = "tiles_x_" + nnn + "_3D_Border_Transparent";
    return names;
}

void CutCorners(Image& picture, int depth, Pixel key) {
    const int width = picture.Width();
    const int height = picture.Height();
    for (int i = 0; i < depth; ++i) {
        for (int x = width - depth + i; x < width; ++x) {
            picture.Set(x, i, key);
        }
    }
    for (int y = height - 1; y >= height - depth; --y) {
        for (int x = 0; x <= y - height + depth; ++x) {
            picture.Set(x, y, key);
        }
    }
}

Image MakePointerFrame(int width, int height) {
    Image frame(width, height, PixelFormat::Rgb24, kKeyColour);
    constexpr int kThickness = 4;
    FillRect(frame, {0, 0, width, kThickness}, kFrameOrange);
    FillRect(frame, {0, height - kThickness, width, kThickness}, kFrameOrange);
    FillRect(frame, {0, 0, kThickness, height}, kFrameOrange);
    FillRect(frame, {width - kThickness, 0, kThickness, height}, kFrameOrange);
    frame.Set(0, 0, kKeyColour);
    frame.Set(width - 1, 0, kKeyColour);
    frame.Set(0, height - 1, kKeyColour);
    frame.Set(width - 1, height - 1, kKeyColour);
    return frame;
}

Image MakeHighlightOverlay(const Image& mask, const Image& faceOverlay, int width, int height) {
    if (mask.Empty() || width <= 0 || height <= 0) {
        return {};
    }
    Image grey = ToSize(mask, width, height);
    if (!faceOverlay.Empty()) {
        const Rect area = Intersect(faceOverlay.Bounds(), grey.Bounds());
        for (int y = 0; y < area.height; ++y) {
            for (int x = 0; x < area.width; ++x) {
                if (faceOverlay.Row(y)[x] == kKeyColour) {
                    grey.Row(y)[x] = kBlack;
                }
            }
        }
    }
    Image overlay(width, height, PixelFormat::Argb32);
    for (int y = 0; y < height; ++y) {
        const Pixel* in = grey.Row(y);
        Pixel* out = overlay.Row(y);
        for (int x = 0; x < width; ++x) {
            const int alpha = Intensity(in[x]);
            // Stored premultiplied, as AlphaBlend expects.
            out[x] = Argb(alpha, RedOf(kOrange) * alpha / 255, GreenOf(kOrange) * alpha / 255,
                          BlueOf(kOrange) * alpha / 255);
        }
    }
    return overlay;
}

bool LoadTileSetPictures(const TileSetChoice& choice, TileSetContext& context, TileSet& out) {
    TileSetChoice used = choice;
    bool square = false;
    if (choice.preview) {
        used.setNumber = 1;
    } else {
        context.scoreType = "01";
        if (choice.setNumber == kAddOnSetNumber) {
            const AddOnTraits traits = ReadAddOnId(choice.addOnId);
            square = traits.square;
            if (traits.matching) {
                context.scoreType = "02";
            }
        } else if (choice.setNumber > 500) {
            context.scoreType = "02";
        }
    }
    const TileSetNames names = NamesFor(used);
    const ResourceStore* library = names.fromAddOn ? context.addOns : context.main;
    const Image sheet = LoadPicture(library, names.sheetIsJpeg, names.sheet);
    const int cellWidth = (sheet.Width() - 10) / kSheetColumns;
    const int cellHeight = (sheet.Height() - 6) / kSheetRows;
    if (sheet.Empty() || cellWidth <= 0 || cellHeight <= 0) {
        return false;
    }

    TileGeometry geometry{cellWidth, cellHeight, kPreviewDepth};
    if (NormalizeSizeLetter(choice.sizeLetter) != 0) {
        const std::optional<TileGeometry> sized =
            SizeTableGeometry(choice.sizeLetter, used.setNumber, square, context.host);
        if (!sized) {
            return false;
        }
        geometry = *sized;
    } else if (square) {
        geometry.faceHeight = geometry.faceWidth;
    }
    const int w = geometry.faceWidth;
    const int h = geometry.faceHeight;
    const int d = geometry.depth;

    TileSetImages images;
    images.faceOverlay = LoadPicture(context.main, false, names.faceOverlay);

    // The sheet is 9 x 5 cells framed by one-pixel lines; cells 34, 35 and 44
    // are not faces. The faces are scaled on two cores.
    std::vector<int> faceCells;
    for (int cell = 0; cell < kSheetColumns * kSheetRows; ++cell) {
        if (cell != 34 && cell != 35 && cell != 44) {
            faceCells.push_back(cell);
        }
    }
    InTwoHalves(static_cast<int>(faceCells.size()), [&](int begin, int end) {
        for (int face = begin; face < end; ++face) {
            const int cell = faceCells[static_cast<std::size_t>(face)];
            const int c = cell % kSheetColumns;
            const int r = cell / kSheetColumns;
            const Rect from{c * cellWidth + c + 1, r * cellHeight + r + 1, cellWidth, cellHeight};
            Image picture = ToSize(Cut(sheet, from), w, h);
            if (!images.faceOverlay.Empty()) {
                CopyKeyed(picture, 0, 0, images.faceOverlay, kBlack);
            }
            images.faces[static_cast<std::size_t>(face + 1)] = std::move(picture);
        }
    });
    images.facesKeyed = !images.faceOverlay.Empty();

    for (std::size_t k = 1; k <= 3; ++k) {
        Image body = LoadPicture(library, false, names.bodies[k - 1]);
        if (body.Empty()) {
            continue;
        }
        body = ToSize(body, w + d, h + d);
        CutCorners(body, d, kKeyColour);
        images.rightStrips[k] = Cut(body, {w, 0, d, h + d});
        images.bottomStrips[k] = Cut(body, {0, h, w, d});
        images.bodies[k] = std::move(body);
    }
    if (!images.bodies[1].Empty()) {
        images.tileBuffer = images.bodies[1];
        images.faces[kBlankFace] = Cut(images.bodies[1], {0, 0, w, h});
    }

    if (!choice.preview && !names.silhouette.empty()) {
        Image silhouette = LoadPicture(context.main, false, names.silhouette);
        if (!silhouette.Empty()) {
            silhouette = ToSize(silhouette, w + d, h + d);
            silhouette.Set(0, 0, kSilhouetteKey);
            CutCorners(silhouette, d, kSilhouetteKey);
            images.silhouette = std::move(silhouette);
        }
    }
    images.pointerFrame = MakePointerFrame(w, h);
    images.redrawBuffer = Image(w + 2 * d, h + 2 * d);
    images.faceCount = 42;
    images.highlightOverlay =
        MakeHighlightOverlay(LoadPicture(context.main, false, names.highlightMask),
                             choice.preview ? Image() : images.faceOverlay, w, h);

    out.choice = choice;
    out.geometry = geometry;
    out.images = std::move(images);
    out.loaded = true;
    return true;
}

bool LoadTileSet(int setNumber, char sizeLetter, TileSetContext& context, TileSet& tileSet) {
    TileSetChoice choice = tileSet.choice;
    if (setNumber < 1) {
        if (context.scoreType != kScoreTypeMahJong && context.scoreType != kScoreTypeMatching) {
            context.host.Inform("Score Type Error (fnLT):" + context.scoreType);
            context.scoreType = kScoreTypeMahJong;
        }
        if (choice.setNumber == kAddOnSetNumber && context.settings != nullptr) {
            choice.addOnId = Read(*context.settings, setting::kAdditionalTileSet);
        }
    } else {
        choice.setNumber = setNumber;
        choice.addOnId.clear();
        choice.sizeLetter = sizeLetter;
    }
    if (LoadTileSetPictures(choice, context, tileSet)) {
        return true;
    }
    context.host.Inform("Error Loading Tile Set");
    choice.setNumber = DefaultTileSetFor(context.scoreType);
    choice.addOnId.clear();
    choice.sizeLetter = kFallbackSize;
    if (context.settings != nullptr) {
        SettingsStore& settings = *context.settings;
        Write(settings, setting::kTileSet, choice.setNumber);
        Write(settings, setting::kTileSetSize, std::string(1, kFallbackSize));
        Write(settings, setting::kAdditionalTileSet, "");
        Write(settings, setting::kCustomizedTileSet, "");
    }
    if (choice.setNumber >= 1 && LoadTileSetPictures(choice, context, tileSet)) {
        return true;
    }
    // The default set failed as well: stop here with nothing to draw.
    tileSet.choice = choice;
    tileSet.images = TileSetImages();
    tileSet.loaded = false;
    return false;
}

}  // namespace jw
