// The hi-score table of a game: 20 fixed-width entries of 122 characters,
// best first.
#pragma once

#include <string>
#include <vector>

#include "engine/GameResult.h"

namespace jw {

inline constexpr int kHiScoreEntries = 20;
inline constexpr int kHiScoreLength = 122;

// The keys of a table's entries, "01-01" to "01-20".
std::vector<std::string> HiScoreKeys();

// 121 blanks and "x".
std::string EmptyHiScore();

// The entry of a finished game: score, time, date, time of day, player,
// game number, result, the four help counts, the score type and " x".
std::string FormatHiScore(const GameResult& result, char timeSeparator = ':');

// Inserts `entry` into `table` (padded to 20 entries with empty ones) at the
// first rank whose entry has a lower score, or the same score and a longer
// time; the last entry falls out. Returns the rank reached (0 to 19) or -1.
// A blank score counts as -999999999, a blank time as 999999.
int InsertHiScore(std::vector<std::string>& table, const std::string& entry);

// Whether the table has nothing at rank 1 (its score field empty or blank):
// a table never played, or cleared.
bool HiScoreTableEmpty(const std::vector<std::string>& table);

// The 20 invented entries of a table never played: "* " and a first name,
// the scores 50, 47, ... 14, 12, ... 2, 1, five seconds per point, dated
// `now`, game number "000000000000000", won, no help, score type "01".
std::vector<std::string> SeededHiScores(const LocalTime& now, char timeSeparator = ':');

}  // namespace jw
