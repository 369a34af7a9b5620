#include "records/ClearValues.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/FixedText.h"
#include "platform/Text.h"

namespace jw {

std::vector<std::string> ClearDescription(ClearChoice choice) {
    static const std::string kSelectNote =
        "By pressing OK you can select the Player(s) and the game(s) to delete.";
    switch (choice) {
        case ClearChoice::All:
            return {
                "This will clear all values (Statistics, Hi-Scores, Log) for all players and all "
                "games."};
        case ClearChoice::Statistics:
            return {"This clear Statistics values only.", kSelectNote};
        case ClearChoice::HiScores:
            return {"This clear Hi-Scores values only.", kSelectNote};
        case ClearChoice::Log:
            return {"This clear Log records only.",
                    "By pressing OK you can select the parameters for the delete.",
                    "All the other Statistics values will be saved."};
    }
    return {};
}

ClearSelectedTexts ClearSelectedTextsOf(ClearMode mode) {
    const bool stats = mode == ClearMode::Statistics;
    return {stats ? "Clear statistics" : "Clear Hi-Scores",
            std::string("Select (All players) and (All games) to delete all") +
                (stats ? " statistics." : " Hi-Scores."),
            stats ? "Statistics have been cleared." : "Hi-Scores have been cleared."};
}

std::vector<std::string> WithAllEntry(std::string_view allEntry, std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return ToLowerAscii(a) < ToLowerAscii(b);
    });
    names.insert(names.begin(), std::string(allEntry));
    return names;
}

std::string ClearSelectedQuestion(ClearMode mode, std::string_view playerEntry,
                                  std::string_view gameEntry) {
    std::string text = mode == ClearMode::Statistics
                           ? "Are you sure you want to clear the statistics"
                           : "Are you sure you want to clear the Hi-Scores?";
    text += " for player: ";
    text += playerEntry;
    text += "\rfor game: ";
    text += TrimRight(gameEntry);
    text += "?";
    return text;
}

ClearScope ClearScopeOf(std::string_view playerEntry, std::string_view gameEntry, GameId gameId) {
    ClearScope scope;
    scope.allGames = gameEntry == kAllGamesEntry;
    scope.gameId = scope.allGames ? -1 : gameId;
    scope.allPlayers = playerEntry == kAllPlayersEntry;
    if (!scope.allPlayers)
        scope.player = std::string(playerEntry);
    return scope;
}

bool ClearResetsRun(const ClearScope& scope, GameId currentGame) {
    return scope.allGames || scope.allPlayers || scope.gameId == currentGame;
}

std::size_t EstimatedLogRecords(const std::string& logPath) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(logPath, error);
    if (error || size == 0)
        return 0;
    std::ifstream in(logPath, std::ios::binary);
    std::string first;
    if (!std::getline(in, first))
        return 0;
    // The line end: "\r\n" as the log is written, or a bare "\n".
    const std::size_t length = first.size() + (in.eof() ? 0 : 1);
    return length == 0 ? 0 : static_cast<std::size_t>(size / length);
}

int KeepStart(std::size_t records) {
    return static_cast<int>(std::min<std::size_t>(records, 5000));
}

bool KeepAccepted(std::optional<int> keep, std::size_t records) {
    return keep && *keep > 0 && static_cast<std::size_t>(*keep) < records;
}

std::optional<int> ParseKeep(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() ||
        !std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    if (trimmed.size() > 9)
        return std::nullopt;
    const int value = std::stoi(std::string(trimmed));
    return value <= kKeepMaximum ? std::optional<int>(value) : std::nullopt;
}

}  // namespace jw
