// The tile legends: which form a game wants, where each face is drawn and
// the value written on its badge. The windows only paint what this decides.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

class Host;

enum class LegendForm { MahJong, Matching };

// The size every face picture is scaled to.
inline constexpr int kLegendTileWidth = 38;
inline constexpr int kLegendTileHeight = 54;

// The form a game wants: Matching for Matching tiles ("02") and every
// face-down game, MahJong for MahJong tiles ("01"); nothing for an unknown
// tile family.
std::optional<LegendForm> LegendFormFor(std::string_view scoreType, bool faceDown);

// One face of a legend: its number 1..42, the top-left corner of its
// picture and its badge text.
struct LegendTile {
    int face = 0;
    int x = 0;
    int y = 0;
    std::string value;
};

// The faces of a legend in drawing order. `extraRowOffset` is added to the
// distance between a section caption and its pictures (10 on screens of
// more than 96 dots per inch on the MahJong legend).
std::vector<LegendTile> LegendTiles(LegendForm form, std::string_view scoreType, bool faceDown,
                                    Host& host, int extraRowOffset = 0);

// A computed value as a two-character badge text.
std::string BadgeText(int value);

struct BadgeRect {
    int left = 0;
    int top = 0;
    int right = 0;   // excluded
    int bottom = 0;  // excluded
    int textX = 0;
    int textY = 0;
};
// The badge over a picture at (x, y), for text `textHeight` pixels high.
BadgeRect BadgeOf(int x, int y, int textHeight);

}  // namespace jw
