// The rules of "Play this game" in the game-number dialog: which game and
// which 13-digit number a choice stands for, or why it is refused.
#pragma once

#include <string>
#include <string_view>

#include "engine/GameCatalog.h"

namespace jw {

struct NumberChoice {
    enum class Outcome {
        Start,   // start game `id` with `number`
        Refuse,  // show `message`, nothing else
        Ignore,  // do nothing (no number, a number worth 0, an unknown game)
    };
    Outcome outcome = Outcome::Ignore;
    std::string message;
    GameId id = -1;
    std::string number;
};

// One row of the previous-games or lost-games grid.
struct GameNumberRow {
    std::string number;
    std::string game;
    std::string result;  // "Won" or "Lost"
    std::string date;
    std::string player;
};

// `number` and `gameName` as the page shown gives them; `fromGrid` when they
// come from the selected row of the previous-games or lost-games grid.
NumberChoice CheckNumberChoice(std::string_view number, std::string_view gameName, bool fromGrid,
                               const GameCatalog& catalog);

}  // namespace jw
