// What the end of a game hands over to be recorded in the statistics, the
// hi-scores and the overall score.
#pragma once

#include <cstdint>
#include <string>

#include "engine/GameCatalog.h"
#include "platform/Host.h"

namespace jw {

struct GameResult {
    bool won = false;  // cleared without a shuffle
    GameId gameId = 0;
    std::string gameName;
    std::string player;
    std::string scoreType;
    std::string gameNumber;
    LocalTime end;           // date and time of day the game ended
    int elapsed = 0;         // playing time in whole seconds
    std::int64_t score = 0;  // the displayed score
    int matches = 0;
    int undoCount = 0;
    std::int64_t undoPenaltyTotal = 0;
    int redoCount = 0;
    std::int64_t redoPenaltyTotal = 0;
    int suggestCount = 0;
    std::int64_t suggestPenaltyTotal = 0;
    int totalTiles = 0;
    int tilesLeft = 0;
    int shuffleCount = 0;
    std::int64_t shufflePenaltyTotal = 0;
    int counted = -1;  // 1 once a move was made: the game was really played
};

}  // namespace jw
