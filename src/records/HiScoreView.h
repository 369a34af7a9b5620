// What the hi-score window shows: the rows of a table, the sorted list of
// games and the congratulation caption.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/GameCatalog.h"

namespace jw {

inline constexpr std::string_view kDontShowHiScoresQuestion =
    "The enter Hi-Scores dialog box will not open again.\rIf you want, you can change this "
    "option in the \"Customize\" dialog box.";

// One row of the hi-score grid. A row whose entry has no score shows only
// its rank.
struct HiScoreRow {
    std::string rank;  // two digits
    std::string player;
    std::string score;
    std::string time;
    std::string result;  // "Won " or "Lost" as stored
    std::string shuffles;
    std::string suggestions;
    std::string date;  // "yyyymmdd" of a real calendar day, else empty
    std::string gameNumber;
    std::string gameType;
    bool empty = true;
};

// Playing time as hours (at least one digit), minutes and seconds with
// `separator`; ten hours or more show "*" for the hours.
std::string HiScoreTimeText(std::int64_t seconds, char separator);

// "MahJong" or "Matching" for a MahJong game of score type "01" or "02",
// "Memory-Up" for a Memory-Up game, empty otherwise (own layouts, unknown
// types). `catalogType` is GameCatalog::TypeOf, -1 outside the catalog.
std::string HiScoreGameType(int catalogType, std::string_view scoreType);

// The row of the entry at `index` (0 to 19) of a table of a game of
// `catalogType`.
HiScoreRow HiScoreRowOf(std::string_view entry, int index, int catalogType, char separator);

// The names of all built-in games and own layouts, sorted alphabetically
// without regard to letter case; `layoutLines` are the lines of the own
// layouts' index (the name in their first 50 columns).
std::vector<std::string> HiScoreGameNames(const GameCatalog& catalog,
                                          const std::vector<std::string>& layoutLines);

// The row of the list to select: `wanted`, else `current`, else the first.
int HiScoreGameIndex(const std::vector<std::string>& names, std::string_view wanted,
                     std::string_view current);

// "Congratulations! Your score has made the "<game>" Hi-Scores list!", the
// name cut to 50 characters and its trailing blanks removed.
std::string CongratulationCaption(std::string_view gameName);

}  // namespace jw
