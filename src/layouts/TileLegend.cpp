#include "layouts/TileLegend.h"

#include <array>

#include "engine/Faces.h"
#include "engine/Scoring.h"
#include "platform/GameFamily.h"

namespace jw {
namespace {

constexpr int kColumnStep = 41;
constexpr int kCaptionToTiles = 18;

// The caption tops of the MahJong legend's sections.
constexpr int kSuitCaptionTop[3] = {8, 83, 158};
constexpr int kHonourCaptionTop = 233;
constexpr int kBonusCaptionTop = 320;
constexpr int kRightSectionX = 213;

}  // namespace

std::optional<LegendForm> LegendFormFor(std::string_view scoreType, bool faceDown) {
    if (scoreType == kScoreTypeMatching || faceDown) {
        return LegendForm::Matching;
    }
    if (scoreType == kScoreTypeMahJong) {
        return LegendForm::MahJong;
    }
    return std::nullopt;
}

std::string BadgeText(int value) {
    std::string text = std::to_string(value);
    text.resize(2, ' ');
    return text;
}

std::vector<LegendTile> LegendTiles(LegendForm form, std::string_view scoreType, bool faceDown,
                                    Host& host, int extraRowOffset) {
    std::vector<LegendTile> tiles;
    if (form == LegendForm::Matching) {
        const std::string value = BadgeText(TileValue(1, faceDown, scoreType, host));
        for (int i = 0; i < 36; ++i) {
            const int face = i < 35 ? i + 1 : kFirstSeason;
            tiles.push_back(
                {face, 8 + kColumnStep * (i % 9), 8 + kCaptionToTiles + 75 * (i / 9), value});
        }
        return tiles;
    }
    const int below = kCaptionToTiles + extraRowOffset;
    static constexpr std::array<const char*, 9> kSuitValues = {"10", " 2", " 3", " 4", " 5",
                                                               " 6", " 7", " 8", " 9"};
    for (int suit = 0; suit < 3; ++suit) {
        for (int i = 0; i < 9; ++i) {
            tiles.push_back({suit * 9 + i + 1, 8 + kColumnStep * i, kSuitCaptionTop[suit] + below,
                             kSuitValues[static_cast<std::size_t>(i)]});
        }
    }
    const auto add = [&](int firstFace, int count, int left, int captionTop, int valueFace) {
        for (int i = 0; i < count; ++i) {
            const int face = firstFace + i;
            tiles.push_back({face, left + kColumnStep * i, captionTop + below,
                             BadgeText(TileValue(valueFace < 0 ? face : valueFace, faceDown,
                                                 scoreType, host))});
        }
    };
    add(28, 4, 8, kHonourCaptionTop, -1);                                  // winds
    add(32, 3, kRightSectionX, kHonourCaptionTop, -1);                     // dragons
    add(kFirstFlower, 4, 8, kBonusCaptionTop, kFirstFlower);               // flowers
    add(kFirstSeason, 4, kRightSectionX, kBonusCaptionTop, kFirstSeason);  // seasons
    return tiles;
}

BadgeRect BadgeOf(int x, int y, int textHeight) {
    return {x + 20, y + 50 - textHeight, x + 35, y + 52, x + 20, y + 51 - textHeight};
}

}  // namespace jw
