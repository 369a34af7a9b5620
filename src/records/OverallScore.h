// The overall score: per player, the sum of the best scores reached in the
// built-in games and the sum of the times of those best games, kept in
// "Stat_glo.dat" in a protected form. Every number is mixed with filler
// digits drawn anew at every write, carries a checksum and is scrambled
// with a fixed key, so that a hand-edited or damaged file is recognised and
// reset to zero instead of being believed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GameCatalog.h"

namespace jw {

inline constexpr std::string_view kOverallCorruptMessage =
    "It appears as if the Overall Score Values are incorrect or corrupted.\r"
    "The Overall Score Values will be deleted and reset to zero.";

// ---------------------------------------------------------------------------
// The protected form of the values
// ---------------------------------------------------------------------------

// The sum over the characters c(i), i from 1, of
// c(i) + (i * c(i)) div 2 + ((i + c(i)) mod 3) + i.
std::int64_t OverallChecksum(std::string_view text);

// Adds (or subtracts) the key "57261" character by character, modulo 256.
std::string ScrambleOverall(std::string_view plain);
std::string UnscrambleOverall(std::string_view stored);

// Draws a filler digit, '0' to '8'.
using FillerSource = std::function<char()>;
// Fresh filler digits from a random source.
FillerSource RandomFillers();

// The plain values (before scrambling) of the five keys.
std::string EncodeTotalScore(std::int64_t score, const FillerSource& filler);   // "T01", 28
std::string EncodeTotalTime(std::int64_t seconds, const FillerSource& filler);  // "T02", 28
std::string EncodeTotalsCheck(std::string_view plainScore, std::string_view plainTime);  // "T03"
std::string EncodeGameScore(std::int64_t score, const FillerSource& filler);   // "GS-", 25
std::string EncodeGameTime(std::int64_t seconds, const FillerSource& filler);  // "GT-", 16

struct OverallTotals {
    std::int64_t score = 0;
    std::int64_t seconds = 0;
};

// Decodes plain "T01", "T02" and "T03" values; nothing when they break the
// integrity rule (a digit that is no digit, or a checksum that does not
// agree while any of the numbers is not 0).
std::optional<OverallTotals> DecodeTotals(std::string_view plainScore, std::string_view plainTime,
                                          std::string_view plainCheck);
// Decodes a plain "GS-" or "GT-" value; nothing when it is corrupt.
std::optional<std::int64_t> DecodeGameScore(std::string_view plain);
std::optional<std::int64_t> DecodeGameTime(std::string_view plain);

// The stored (scrambled) value that stands for a missing key.
std::string MissingOverallValue(std::string_view key);

// The export code of a player's standing: the name and the three stored
// totals, checksummed, enciphered with a running key and written in a
// Base64 alphabet behind an "m".
std::string OverallExportCode(std::string_view player, std::string_view storedScore,
                              std::string_view storedTime, std::string_view storedCheck);

// What an export code holds, deciphered: for checking a code.
struct ExportedScore {
    std::string player;  // trailing blanks removed
    std::string storedScore, storedTime, storedCheck;
    bool checksumValid = false;
};
std::optional<ExportedScore> DecodeOverallExportCode(std::string_view code);

// ---------------------------------------------------------------------------
// The file
// ---------------------------------------------------------------------------

struct OverallStanding {
    std::string player;
    std::int64_t score = 0;
    std::int64_t seconds = 0;
    // Freshly encoded stored values of the totals (for the export code).
    std::string storedScore, storedTime, storedCheck;
};

struct OverallGameBest {
    GameId id = 0;
    std::string game;
    std::int64_t score = 0;
    std::int64_t seconds = 0;
};

struct OverallDetails {
    std::vector<OverallGameBest> games;  // every built-in game, by name
    std::int64_t score = 0;
    std::int64_t seconds = 0;
};

class OverallScore {
  public:
    explicit OverallScore(std::string dataFolder);

    std::string Path() const;

    // Books a result of a built-in game (id 0 to 9999, score 0 or more)
    // when it beats the player's best of that game: a higher score, or the
    // same score in a shorter time. With `force`, the game's best is
    // replaced whatever it was (a score and time of 0 take the game's
    // contribution off). Returns false when the file could not be written
    // or was found corrupt (and then reset).
    bool Update(GameId id, const std::string& player, bool force, std::int64_t seconds,
                std::int64_t score);

    // The players ranked by total score, then by shorter total time; players
    // whose total is 0 are left out. Empty when the file is missing or was
    // found corrupt (and then reset).
    std::vector<OverallStanding> LoadStandings();

    // The player's best game in every built-in game, and the totals;
    // nothing when a value is corrupt (the file is then reset).
    std::optional<OverallDetails> LoadPlayerDetails(const std::string& player);

    // Whether the file holds a section for exactly this player name.
    bool HasPlayer(const std::string& player) const;

    // The export code of a ranked player; empty when the player is not in
    // the standings.
    std::string ExportCode(const std::string& player);

    // Deletes the file and tells `onReset` (the message and the busy pointer).
    void Reset();

    std::function<void()> onReset;
    FillerSource filler = RandomFillers();

  private:
    std::string folder;
};

}  // namespace jw
