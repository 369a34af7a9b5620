// Books finished games in the data folder: the log, the player's
// progression file and the per-game totals in "STAT.DAT".
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GameResult.h"
#include "records/OverallScore.h"

namespace jw {

// Games won and lost in the current run, for the current player and game.
struct RunCounters {
    std::string player;
    GameId gameId = -1;
    std::int64_t won = 0;
    std::int64_t lost = 0;
};

// The seven numbers of a player's totals of a game, then the run's won and
// lost counts (0 unless the player and game are the current ones).
using GameStats = std::array<std::int64_t, 9>;

inline constexpr std::string_view kLogClearedMessage = "Log Statistics have been cleared.";
inline constexpr std::string_view kAllClearedMessage =
    "Statistics, Hi-Scores, and Log have been cleared.";

// Which records a clearing of statistics or hi-scores takes: one game or
// all of them, one player or all of them.
struct ClearScope {
    GameId gameId = -1;
    bool allGames = false;
    bool allPlayers = false;
    std::string player;
};

class Recorder {
  public:
    explicit Recorder(std::string dataFolder);

    // Creates the statistics files and the player's (empty) progression
    // file where they are missing. Returns false when one cannot be made.
    bool EnsureStatFiles(const std::string& player);

    // Books a finished game unless statistics are disabled: the log line,
    // the progression bytes, then the totals. Returns false when a file
    // could not be written (the files already written keep the game).
    bool RecordGame(const GameResult& result, bool statisticsDisabled);

    // Enters a finished game into its game's hi-score table (seeded first
    // when it was never played, unless all hi-scores were cleared); returns
    // the rank reached (0 to 19) or -1.
    int OfferHiScore(const GameResult& result);
    // The 20 entries of a game's table, seeded (dated `now`) when it was
    // never played unless all hi-scores were cleared; unless statistics are
    // disabled the table is written back, so that it exists from its first
    // showing.
    std::vector<std::string> LoadHiScores(GameId id, const LocalTime& now, bool statisticsDisabled);
    // Whether the player cleared all hi-scores for good (no more seeding).
    bool HiScoresCleared() const;
    // Callback for a new hi-score entry (the congratulation window).
    std::function<void(const GameResult&, int rank)> onNewHiScore;

    // Removes hi-score entries: the player's (or everybody's, with
    // `allPlayers`) in one game or in every built-in game, taking each
    // removed entry's game off its player's overall score. All games of all
    // players: the hi-scores and the overall score start afresh, and new
    // tables are no longer seeded.
    bool ClearHiScores(const ClearScope& scope);
    // Writes 20 empty entries into a game's table (a deleted own layout).
    bool ResetGameHiScores(GameId id);

    // Sets totals to zero and removes log records: the player's (or
    // everybody's) of one game or of all games. All games of all players:
    // the totals file and the log are deleted and made anew.
    bool ClearStatistics(const ClearScope& scope);
    // Clears statistics, hi-scores, overall score, log and the run counts,
    // and deletes the progression files of the listed players. Returns the
    // message to show.
    std::string ClearAll(const std::vector<std::string>& players, const std::string& current);

    // Carries a player's new name into every records file: the totals, the
    // overall score, the log, the hi-scores and the progression file.
    // `progress` hears the count of lines copied, every 10 lines. Returns
    // the message of a failure, empty on success (files done before a
    // failure keep the new name; the failing file is left as it was).
    std::string RenamePlayerInRecords(const std::string& oldName, const std::string& newName,
                                      const std::function<void(std::size_t)>& progress = {});

    OverallScore& Overall() { return overall; }

    GameStats ReadGameStats(GameId id, const std::string& player) const;

    // Keeps the newest `keep` records of the log (counted as read, not as
    // estimated) and leaves every other file, the progression files
    // included, as it is. Returns the message to show: done, or why the
    // shortened log could not take the old one's place (then the old log is
    // whole).
    std::string TrimLog(std::size_t keep);
    // Deletes the log and `player`'s progression file; returns the message.
    std::string ClearLog(const std::string& player);

    // Starts a new run count: at start-up, for another player or game.
    void ResetRun(const std::string& player, GameId id);
    const RunCounters& Run() const { return run; }

    std::string StatPath() const;
    std::string LogPath() const;
    std::string ProgressionPath(const std::string& player) const;

  private:
    bool Append(const std::string& path, const std::string& bytes);
    // The table of a game as stored, and whether it had to be seeded.
    std::vector<std::string> ReadHiScores(GameId id, const LocalTime& now, bool& seeded) const;
    bool WriteHiScores(GameId id, const std::vector<std::string>& table);

    // Removes the entries of a game's table that `matches`; false only on a
    // write failure.
    bool RemoveHiScores(GameId id, const std::function<bool(std::string_view player)>& matches);

    std::string folder;
    RunCounters run;
    OverallScore overall;
};

// The section of a game in "STAT.DAT": the id as 5 digits.
std::string GameSection(GameId id);

}  // namespace jw
