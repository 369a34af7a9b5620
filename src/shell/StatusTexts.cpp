#include "shell/StatusTexts.h"

namespace jw {

std::array<std::optional<std::string>, kStatusPanels> StatusPanelTexts(
    const StatusFigures& figures) {
    std::array<std::optional<std::string>, kStatusPanels> texts;
    if (figures.playing) {
        texts[0] = "Score: " + std::to_string(figures.score);
        texts[1] = "Time: " + figures.clock;
        texts[2] = "Tiles: " + std::to_string(figures.tilesLeft);
        texts[3] = "Matches: " + std::to_string(figures.matches);
    } else {
        texts[1] = "Time: 0:00:00";
    }
    texts[5] = figures.player;
    return texts;
}

std::array<std::string, kStatusPanels> ClearedStatusTexts(const std::string& player) {
    return {"Score:", "Time: 0:00:00", "Tiles:", "Matches:", TileValueText(std::nullopt), player};
}

std::string TileValueText(std::optional<int> value) {
    return value ? "Tile Value: " + std::to_string(*value) : "Tile Value:";
}

}  // namespace jw
