// The score of a game: the points of each move, the penalties for help, the
// bonuses of a won game and the score a Memory-Up game needs to be won.
//
// Where a value is rounded, it goes to the nearest integer with halves going
// to the even neighbour; everything else truncates toward zero.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/Faces.h"

namespace jw {

class Host;
struct GameCounters;

// x rounded to the nearest integer, halves to the even neighbour.
std::int64_t RoundHalfEven(double x);

// The value of a tile of a match group. A face-down game values every tile
// 50, a face-up game of Matching tiles ("02") 25; MahJong tiles ("01") are
// worth 10 for the ones of each suit, their number for 2..9, 11 for winds,
// 12 for dragons, 15 for flowers and seasons and 0 when faceless. An unknown
// group is reported as "Error T2SV - OFR", an unknown tile family as
// "Error T2SV - STNF"; both are worth 0.
int TileValue(MatchGroup group, bool faceDown, std::string_view scoreType, Host& host);

// What the points of a pair depend on.
struct PairScoring {
    bool faceDown = false;
    std::string_view scoreType = "01";
    int tileValue = 0;       // of the first selected tile
    int tileCount = 0;       // tiles of the layout
    int tilesLeft = 0;       // before the pair is removed
    bool suggested = false;  // the hint showed this pair earlier
};

// Points of a pair: twice the value face down or with Matching tiles; with
// MahJong tiles the value times a multiplier that starts at 10 and drops by
// one after every (tiles / 18) pairs, never below 2. A suggested pair is
// worth 0.
std::int64_t PairPoints(const PairScoring& scoring);

inline constexpr int kGroupMatchPoints = 10;   // a match of three or four tiles
inline constexpr int kMemoryMissPoints = -20;  // a wrong second tile face down

// Penalty of "Suggest a move": nearest(tiles left / tiles to match) with
// MahJong tiles, 50 with Matching tiles; 0 and "Error SFSM - STNF" otherwise.
std::int64_t SuggestPenalty(std::string_view scoreType, int tilesLeft, int tilesToMatch,
                            Host& host);
// Penalty of an undo: twice nearest(tiles left before it / tiles to match),
// or 100; "Error SFU - STNF" for an unknown family.
std::int64_t UndoPenalty(std::string_view scoreType, int tilesLeft, int tilesToMatch, Host& host);
// Penalty of a redo: nearest(tiles left before it / tiles to match), or 50;
// "Error SFR - STNF" for an unknown family.
std::int64_t RedoPenalty(std::string_view scoreType, int tilesLeft, int tilesToMatch, Host& host);
// Penalty of a shuffle: |nearest(displayed score / 2)|.
std::int64_t ShufflePenalty(std::int64_t displayedScore);

// The score shown and booked: raw score minus the four penalty totals.
std::int64_t DisplayedScore(const GameCounters& counters);

// Bonus for a won face-up game: |nearest(displayed score x 0.25)|.
std::int64_t EndBonus(std::int64_t displayedScore);
// Bonus for speed: the end bonus scaled by a factor of 100 for a game of at
// most half the target time (900 s up to 144 tiles, 1800 up to 288, 2700
// above), falling linearly to 0 at the target time.
std::int64_t TimeBonus(std::int64_t displayedScore, int elapsedSeconds, int tileCount);

// The raw score a Memory-Up game needs to be won: truncate(50 x T / 4 x 3)
// - truncate(10 x X / 2), with T the tile count and X the tiles of level 1
// when the game was dealt level by level, T otherwise.
std::int64_t MemoryUpTarget(int tileCount, int levelOneTiles, bool dealtByLevel);

}  // namespace jw
