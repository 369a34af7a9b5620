// What the game-won window shows of a player's totals in a game: the won,
// lost and total counts, their percentages and the pie's value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace jw {

struct GameWonFigures {
    std::string groupCaption;  // "Total [" + game + "]"
    std::string won;
    std::string lost;
    std::string total;
    std::string wonPercent;   // "(100%)"; empty when both percentages are 0
    std::string lostPercent;  // "(0%)"
    std::string totalPercent = "(100%)";
    int pieValue = 0;  // the integer part of the won percentage, out of 100
    bool showPie = false;
};

GameWonFigures GameWonFiguresOf(std::string_view gameName, std::int64_t won, std::int64_t lost);

}  // namespace jw
