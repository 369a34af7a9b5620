// Putting the TileIds of a game number on the board.
//
// The playable deal lifts the tiles off the board in batches of free tiles
// chosen by the digits of the game number and gives each batch consecutive
// entries of the pair-ordered id list, so that taking the batches off again,
// in the order they were picked, plays the game out. The preview deal only
// renumbers the tiles in scan order.
//
// Deal errors come back as report texts; the caller shows them and play goes
// on with whatever ids the board then holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Board.h"
#include "engine/Faces.h"
#include "engine/LayoutRules.h"

namespace jw {

// One tile given its id by the playable deal; `batch` counts the batches
// from 0 in the order they were picked.
struct DealtTile {
    BoardPos pos;
    TileId id = 0;
    int batch = 0;
    friend bool operator==(const DealtTile&, const DealtTile&) = default;
};

struct DealResult {
    std::vector<DealtTile> tiles;      // in the order they were lifted off
    std::vector<std::string> reports;  // deal errors, in the order they arose
};

// The playable deal of the game's rules.
struct DealRules {
    int tilesToMatch = 2;
    int removeRule = 0;
    FaceRules faces;

    static DealRules Of(const LayoutRules& rules) {
        return {rules.tilesToMatch, rules.removeRule,
                FaceRules{rules.faceDown != 0, rules.faceless != 0}};
    }
};

// Moves, for every entry at an even index, the first later entry of the same
// match group to the next index, so that entries 2j and 2j + 1 form a pair
// wherever a partner exists.
void PairOrder(std::vector<int>& ids, FaceRules faces);

// The ids of level `level` out of the pair-ordered list of all ids: as many
// entries dropped from the front as the levels below hold tiles, and from
// the end as the levels above hold. Nothing when the rest does not match the
// tiles of the level.
std::optional<std::vector<int>> LevelSlice(const std::vector<int>& ids, const Board& board,
                                           int level);

// The two-digit number at position p (from 1) of the key string, the game
// number repeated end to end.
int KeyPair(std::string_view gameNumber, int p);

// The playable deal of levels `firstLevel` to `lastLevel`. Without `ids` the
// ids are the permutation of the board's tile count and the game number; the
// shuffle passes the ids of the tiles still on the board.
DealResult PlayableDeal(Board& board, const DealRules& rules, std::string_view gameNumber,
                        int firstLevel, int lastLevel,
                        std::optional<std::vector<int>> ids = std::nullopt);

// Whether a new game deals level by level: a face-down game whose every
// level holding tiles holds whole groups of `tilesToMatch`.
bool DealsLevelByLevel(const Board& board, const LayoutRules& rules);

// The deal of a new game: level by level (each level by itself) or all
// levels together, as DealsLevelByLevel decides.
DealResult DealNewGame(Board& board, const LayoutRules& rules, std::string_view gameNumber);

// Renumbers every tile of levels 1..5 in scan order with the permutation of
// the board's tile count and the game number (the previews of the game
// chooser and the layout manager). Returns the error reports.
std::vector<std::string> PreviewDeal(Board& board, std::string_view gameNumber);

}  // namespace jw
