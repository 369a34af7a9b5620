// The texts of the main window's status bar: score, time, tiles left,
// matches available, the value of the tile under the pointer and the
// player. The window only shows them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace jw {

inline constexpr int kStatusPanels = 6;

// What the status bar reports of the game.
struct StatusFigures {
    bool playing = false;
    std::int64_t score = 0;
    std::string clock;  // "h:nn:ss"
    int tilesLeft = 0;
    int matches = 0;
    std::string player;
};

// The panels' texts for a refresh. Without a game in progress the score,
// tiles and matches panels keep what they show (no text for them here) and
// the time reads "Time: 0:00:00"; the tile-value panel is left alone.
std::array<std::optional<std::string>, kStatusPanels> StatusPanelTexts(
    const StatusFigures& figures);

// The panels after "Quit game" cleared the board: captions without values.
std::array<std::string, kStatusPanels> ClearedStatusTexts(const std::string& player);

// "Tile Value:" alone, or with the value of the tile under the pointer.
std::string TileValueText(std::optional<int> value);

}  // namespace jw
