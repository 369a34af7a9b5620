// Shared vocabulary of the artwork generator: the built-in tile sets, their
// natural sizes and the colours every tile picture agrees on.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace artgen {

enum class Family { MahJong, Matching };

// The look of a set's faces. MahJong sets come in four styles, Matching sets
// in three themes.
enum class SetStyle { Classic, Oriental, Antique, Modern, Fruits, Flowers, Shapes };

struct TileSetInfo {
    int number;           // built-in set number (1..4, 501..503)
    QString displayName;  // as the chooser names it
    Family family;
    SetStyle style;
    QString sheetName;  // face sheet, e.g. "tiles_X_001"
    int faceWidth;      // natural ("X") size
    int faceHeight;
    int depth;
};

// All built-in sets, in set-number order.
const std::vector<TileSetInfo>& BuiltInTileSets();

// The set number written with three digits ("001").
QString SetCode(int number);

// Prefix of a set's bodies and face overlay, e.g. "tiles_x_001".
QString BodyPrefix(const TileSetInfo& set);

// Preview name for the chooser, e.g. "preview_tiles_mahjong_classic".
QString ChooserPreviewName(const TileSetInfo& set);

inline constexpr QRgb kMagenta = 0xffff00ff;
inline constexpr QRgb kYellow = 0xffffff00;
inline constexpr int kFaceCount = 42;
inline constexpr int kSheetColumns = 9;
inline constexpr int kSheetRows = 5;

// Faces are drawn in a logical frame of this size and scaled to the cell.
inline constexpr double kLogicalWidth = 88.0;
inline constexpr double kLogicalHeight = 120.0;

// Cell size of the preview engine's tiny sheet: small enough that the widest
// layout (60 half-tile columns) fits a preview canvas of about 320 pixels.
inline constexpr int kPreviewCellWidth = 11;
inline constexpr int kPreviewCellHeight = 15;
inline constexpr int kPreviewDepth = 2;

// A small deterministic generator (SplitMix64), so that grain and stains are
// the same on every machine and every run.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state(seed) {}
    uint64_t Next() {
        uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi).
    double Uniform(double lo, double hi) {
        return lo + (hi - lo) * static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
    }

  private:
    uint64_t state;
};

}  // namespace artgen
