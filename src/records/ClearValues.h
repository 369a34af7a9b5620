// The rules of the clearing windows: what the clear-values window says for
// each choice, the clear-selected window's texts, question and scope, and
// the clear-log window's number box.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/Recorder.h"

namespace jw {

enum class ClearChoice { All, Statistics, HiScores, Log };

inline constexpr std::string_view kClearAllQuestion =
    "Are you sure you want to clear the Statistics, the Hi-Scores and the Log for all players "
    "and all games?";
inline constexpr std::string_view kClearAllWarning =
    "Please confirm to delete ALL your values \r(Statistics, Hi-Scores, Log) \rfor all players "
    "and all games.";
inline constexpr std::string_view kClearLogQuestion =
    "Are you sure you want to clear all the Log statistics?";
inline constexpr std::string_view kAllPlayersEntry = "[All players]";
inline constexpr std::string_view kAllGamesEntry = "[All games]";

// The lines of the description group for a choice.
std::vector<std::string> ClearDescription(ClearChoice choice);

// The clear-selected window works on the statistics or on the hi-scores.
enum class ClearMode { Statistics, HiScores };

struct ClearSelectedTexts {
    std::string caption;  // also the group's caption
    std::string note;
    std::string done;  // the message after clearing
};
ClearSelectedTexts ClearSelectedTextsOf(ClearMode mode);

// "[All players]" and the names sorted without regard to letter case;
// likewise "[All games]" and the games.
std::vector<std::string> WithAllEntry(std::string_view allEntry, std::vector<std::string> names);

// The question asked before clearing the chosen entries.
std::string ClearSelectedQuestion(ClearMode mode, std::string_view playerEntry,
                                  std::string_view gameEntry);

// What the chosen entries clear; `gameId` is the chosen game's id (unused
// for "[All games]").
ClearScope ClearScopeOf(std::string_view playerEntry, std::string_view gameEntry, GameId gameId);

// Whether clearing `scope` resets the run's won and lost counts: the
// current game, or every game or player.
bool ClearResetsRun(const ClearScope& scope, GameId currentGame);

// The log's record count as estimated from its size: the size divided by
// the length of the first line with its line end; 0 for a missing or
// empty log.
std::size_t EstimatedLogRecords(const std::string& logPath);

inline constexpr int kKeepMaximum = 30000;
inline constexpr int kKeepStep = 100;
// The number of records to keep offered when the window opens.
int KeepStart(std::size_t records);
// Whether OK may trim the log to `keep` of its `records`: only a whole
// number above 0 and below the count.
bool KeepAccepted(std::optional<int> keep, std::size_t records);
// The box's text as a whole number, or nothing.
std::optional<int> ParseKeep(std::string_view text);

}  // namespace jw
