// The fixed-width texts the recorder writes for one finished game: the
// player's totals of a game in "STAT.DAT", the 255-character log line and
// the four progression bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/GameResult.h"

namespace jw {

// One player's totals of one game.
struct StatRecord {
    std::int64_t won = 0;
    std::int64_t lost = 0;
    std::int64_t longestWinStreak = 0;
    std::int64_t longestLossStreak = 0;
    std::int64_t winStreak = 0;
    std::int64_t lossStreak = 0;
    std::int64_t scoreSum = 0;
    std::int64_t reserved = 0;  // kept as read
};

inline constexpr int kStatRecordLength = 67;
inline constexpr int kLogLineLength = 255;

// Reads the eight blank-separated numbers; reading stops at the first number
// that does not parse, and the numbers from there on are 0.
StatRecord ParseStatRecord(std::string_view text);

// The 67-character record. A number too large for its field is kept at the
// largest value the field holds (never written as asterisks, which would
// make every later number of the record unreadable).
std::string FormatStatRecord(const StatRecord& record);

// Counts one more game: the won or lost total, the streaks and the scores.
void CountGame(StatRecord& record, bool won, std::int64_t score);

// The log line of a finished game, 255 characters; `timeSeparator` sits
// between hours, minutes and seconds.
std::string FormatLogLine(const GameResult& result, char timeSeparator = ':');

// Whether "yyyymmdd", a date as the records write it, names a day of the
// calendar (a damaged one is shown as no date at all).
bool IsCalendarDate(std::string_view yyyymmdd);

// The four bytes appended to the player's progression file.
std::string ProgressionBytes(const GameResult& result);

}  // namespace jw
