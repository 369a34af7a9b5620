// What the statistics windows show, computed from the records: the won and
// lost percentages and their texts, the chance of winning against the
// catalogue's expectation, the progression of the winning percentage over
// the months, the list of games with its filters, the players' charts, the
// totals over all games and the rows of the log window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GameCatalog.h"
#include "records/Recorder.h"

namespace jw {

// ---------------------------------------------------------------------------
// Numbers and their texts
// ---------------------------------------------------------------------------

// w * 100 / (w + l) to one decimal (0 without games).
double PercentWon(std::int64_t won, std::int64_t lost);
// "##0.#": no leading zeros, one decimal only when it is not 0.
std::string FormatPercent(double percent);
// "######0.# %".
std::string FormatPercentSign(double percent);
// Hours (at least `hourDigits` digits; "*" when they do not fit), minutes
// and seconds, joined by `separator`.
std::string DurationText(std::int64_t seconds, int hourDigits, char separator = ':');

// Won and lost counts as a pie and two percentage labels.
struct WonLostView {
    std::int64_t won = 0, lost = 0, total = 0;
    double percentWon = 0, percentLost = 0;
    std::string wonLabel, lostLabel;  // "(50%)"; both empty when there is nothing to show
    bool empty = true;                // the empty-chart picture instead of the pie
    int pieValue = 0;                 // whole percent won, out of 100
};
WonLostView MakeWonLost(std::int64_t won, std::int64_t lost);

// The player's percentage won against the catalogue's expected chance.
struct ChanceView {
    double yours = 0;
    std::optional<double> average;  // none for games without a catalogue chance
    std::string yoursText, averageText;
    bool yoursAhead = false;  // "Yours:" in bold
    std::string line;         // "About 1 in 3", or "Customized game"
};
ChanceView MakeGameChance(const GameStats& stats, std::optional<GameChance> expected);

// ---------------------------------------------------------------------------
// Progression
// ---------------------------------------------------------------------------

struct Month {
    int year = 0;
    int month = 0;  // 1 to 12
    friend auto operator<=>(const Month&, const Month&) = default;
};
std::string MonthLabel(Month month);  // "Dec 07"

struct ProgressionRecord {
    GameId game = 0;
    Month month;
    bool won = false;
};
// The records of a progression file, 4 bytes each (a cut-off last record
// is ignored).
std::vector<ProgressionRecord> ParseProgression(std::string_view bytes);
// Every month from the first to the last of the records (of one game when
// given).
std::vector<Month> ProgressionMonths(const std::vector<ProgressionRecord>& records,
                                     std::optional<GameId> game);

struct ProgressionFilter {
    std::optional<GameId> game;
    std::optional<Month> from, to;
    int maxPoints = 30;
};

struct ProgressionSeries {
    std::vector<double> values;
    std::vector<std::string> labels;  // empty where a point shows no label
    bool fixedAxis = true;            // 0 to 100 (all values 0); else scaled to fit
    bool wholeNumberAxis = true;      // "###" labels (largest value 10 or more)
};
ProgressionSeries BuildProgression(const std::vector<ProgressionRecord>& records,
                                   const ProgressionFilter& filter);

// ---------------------------------------------------------------------------
// All games of a player
// ---------------------------------------------------------------------------

// A game's totals and catalogue expectation, as the pages read them.
struct GameTotals {
    GameId id = 0;
    std::string name;
    std::int64_t won = 0, lost = 0;
    std::optional<GameChance> expected;  // built-in games only
    std::int64_t scoreSum = 0;
};

// The catalogue's expected percentage won of a game (none without tries).
std::optional<double> ExpectedPercent(const std::optional<GameChance>& expected);

struct TotalView {
    WonLostView wonLost;
    double yours = 0, average = 0;
    std::string yoursText, averageText;
    bool yoursAhead = false;
};
// Over the built-in games among `games`.
TotalView MakeTotals(const std::vector<GameTotals>& games);

enum class ListFilter { All, Won, NotWon, OverAverage, UnderAverage, NotPlayed };
struct ListRow {
    GameId id = 0;
    std::string game, won, lost, percentWon, percentAverage;  // empty cells for zeros
};
std::vector<ListRow> MakeList(const std::vector<GameTotals>& games, ListFilter filter);

// Counts with their shares of the total, for the small three-bar windows.
struct ShareView {
    std::int64_t first = 0, second = 0, notPlayed = 0, total = 0;
    double firstShare = 0, secondShare = 0, notPlayedShare = 0;
};
// Won / not won / not played, over every game given.
ShareView MakeWonShares(const std::vector<GameTotals>& games);
// Over / under the average / not played, over the built-in games.
ShareView MakeAverageShares(const std::vector<GameTotals>& games);

// The longest streaks and what the current one is.
struct SequenceView {
    std::int64_t longestWon = 0, longestLost = 0;
    double wonShare = 0, lostShare = 0;
    std::string current;  // "Current: 3 Won", "Current: 2 Lost" or empty
};
SequenceView MakeSequences(const GameStats& stats);

// The players' chart: the five best by the chosen value, best first.
enum class PlayerValue { PercentWon, GamesWon, AverageScore };
struct PlayerBar {
    std::string label;  // the first 10 characters of the name
    std::int64_t value = 0;
};
std::vector<PlayerBar> MakePlayerBars(const std::vector<std::pair<std::string, GameStats>>& players,
                                      PlayerValue value);

// ---------------------------------------------------------------------------
// The log window
// ---------------------------------------------------------------------------

inline constexpr std::string_view kAllGames = "[All games]";
inline constexpr std::string_view kAllPlayers = "[All players]";
inline constexpr std::size_t kFastLogRecords = 5000;

// The record count of a log, estimated from its size and first line.
std::size_t EstimateLogRecords(const std::string& path);

struct LogRow {
    std::string date;  // "yyyymmdd", empty when it is no valid date
    std::string start, time, game;
    bool won = false;
    std::int64_t score = 0, tilesLeft = 0, shuffles = 0, suggested = 0, undos = 0, redos = 0;
    std::int64_t shufflePenalty = 0, suggestPenalty = 0, undoPenalty = 0, redoPenalty = 0;
    std::string player, number, gameType;
};
LogRow ParseLogRow(std::string_view line);

// The rows matching the filters (a filter of "[All games]" / "[All
// players]" takes all), newest first. With `fast` and a log estimated at
// more than 5000 records only its last 10001 lines are searched, and the
// 5000 newest matches kept.
std::vector<LogRow> ReadLogRows(const std::string& path, std::string_view game,
                                std::string_view player, bool fast);

}  // namespace jw
