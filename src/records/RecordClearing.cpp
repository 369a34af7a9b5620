// Taking records away again: clearing statistics and hi-scores, and
// carrying a renamed player's name through every records file.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "engine/FixedText.h"
#include "platform/Text.h"
#include "records/HiScores.h"
#include "records/RecordFile.h"
#include "records/Recorder.h"
#include "records/StatRecords.h"

namespace jw {

namespace {

namespace fs = std::filesystem;

constexpr int kPlayerField = 30;
constexpr int kLogGameColumn = 26;
constexpr int kLogPlayerColumn = 83;
constexpr int kHiScoreLinePlayerColumn = 45;  // after "01-01=" and 38 columns

void Remove(const std::string& path) {
    std::error_code error;
    fs::remove(path, error);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// The player field of a fixed-width line as the records hold a name: blank
// padded or cut to 30 characters.
std::string PlayerField(std::string_view name) {
    return PadRight(TrimRight(name), kPlayerField);
}

// Replaces the player field at `column` when it holds `from`.
std::string WithPlayer(std::string_view line, int column, const std::string& from,
                       const std::string& to) {
    std::string changed(line);
    if (Columns(line, column, kPlayerField) == from)
        changed.replace(static_cast<std::size_t>(column - 1), kPlayerField, to);
    return changed;
}

}  // namespace

bool Recorder::RemoveHiScores(GameId id,
                              const std::function<bool(std::string_view player)>& matches) {
    const std::string path = FindDataFile(folder, "Stat_scr.dat");
    const std::vector<std::string> keys = HiScoreKeys();
    const std::vector<std::string> table =
        ReadValues(path, GameSection(id), keys, std::vector<std::string>(keys.size()));
    std::vector<std::string> kept;
    std::vector<std::string> removed;
    for (const std::string& entry : table) {
        const bool played = !Trim(Columns(entry, 1, 12)).empty();
        if (played && matches(TrimRight(Columns(entry, 39, kPlayerField))))
            removed.push_back(std::string(TrimRight(Columns(entry, 39, kPlayerField))));
        else
            kept.push_back(entry.empty() ? EmptyHiScore() : entry);
    }
    if (removed.empty())
        return true;
    kept.resize(kHiScoreEntries, EmptyHiScore());
    if (!WriteValuesInPlace(path, GameSection(id), keys, kept))
        return false;
    // The overall score knows each player by the exact name.
    for (const std::string& player : removed)
        if (overall.HasPlayer(player))
            overall.Update(id, player, true, 0, 0);
    return true;
}

bool Recorder::ClearHiScores(const ClearScope& scope) {
    if (scope.allGames && scope.allPlayers) {
        Remove(FindDataFile(folder, "Stat_scr.dat"));
        bool ok = EnsureStatFiles(scope.player);
        ok = AppendSection(FindDataFile(folder, "Stat_scr.dat"), "Clear scores", {"Cleared"},
                           {"Y"}) &&
             ok;
        Remove(overall.Path());
        return ok;
    }
    const std::string player(TrimRight(scope.player));
    const auto matches = [&](std::string_view entryPlayer) {
        return scope.allPlayers || entryPlayer == TrimRight(PlayerField(player));
    };
    bool ok = true;
    for (const GameId id : scope.allGames ? GameCatalog().Ids() : std::vector<GameId>{scope.gameId})
        ok = RemoveHiScores(id, matches) && ok;
    return ok;
}

bool Recorder::ResetGameHiScores(GameId id) {
    return WriteHiScores(id, std::vector<std::string>(kHiScoreEntries, EmptyHiScore()));
}

bool Recorder::ClearStatistics(const ClearScope& scope) {
    const std::string player(TrimRight(scope.player));
    const std::string stat = StatPath();
    const std::string section = GameSection(scope.gameId);
    const std::string zeros = FormatStatRecord({});
    bool ok = true;
    if (scope.allGames && scope.allPlayers) {
        Remove(stat);
        Remove(FindDataFile(folder, "Stat_uni.dat"));
        Remove(LogPath());
        return EnsureStatFiles(player);
    }
    if (Exists(stat)) {
        if (scope.allGames) {
            ok = WriteValueInSections(stat, player, zeros, [](std::string_view name) {
                return !EqualsIgnoreCase(name, "version");
            });
        } else if (scope.allPlayers) {
            const std::vector<std::string> keys = ListKeys(stat, section);
            if (!keys.empty())
                ok = ReplaceSection(stat, section, keys,
                                    std::vector<std::string>(keys.size(), zeros));
        } else {
            const std::vector<std::string> keys = ListKeys(stat, section);
            if (std::find(keys.begin(), keys.end(), player) != keys.end())
                ok = WriteValue(stat, section, player, zeros);
        }
    }
    // The log loses the cleared records; a game field that is no number
    // never matches a game.
    const std::string field = PlayerField(player);
    const auto cleared = [&](std::string_view line) {
        const bool gameMatches =
            scope.allGames || ParseInteger(Columns(line, kLogGameColumn, 5)) == scope.gameId;
        const bool playerMatches =
            scope.allPlayers ||
            TrimRight(Columns(line, kLogPlayerColumn, kPlayerField)) == TrimRight(field);
        return gameMatches && playerMatches;
    };
    ok = RewriteLines(LogPath(),
                      [&](std::string_view line) -> std::optional<std::string> {
                          if (cleared(line))
                              return std::nullopt;
                          return std::string(line);
                      }) &&
         ok;
    return ok;
}

std::string Recorder::ClearAll(const std::vector<std::string>& players,
                               const std::string& current) {
    ClearStatistics({-1, true, true, current});
    ResetRun(run.player, run.gameId);
    ClearHiScores({-1, true, true, current});
    for (const std::string& player : players)
        Remove(ProgressionPath(std::string(TrimRight(player))));
    return std::string(kAllClearedMessage);
}

std::string Recorder::RenamePlayerInRecords(const std::string& oldName, const std::string& newName,
                                            const std::function<void(std::size_t)>& progress) {
    const std::string from(TrimRight(oldName));
    const std::string to(TrimRight(newName));
    const std::string fromField = PlayerField(from);
    const std::string toField = PlayerField(to);
    const std::string fromHeader = "[" + from + "]";
    std::size_t copied = 0;
    const auto counted = [&](std::string line) {
        if (++copied % 10 == 0 && progress)
            progress(copied);
        return line;
    };
    using Change = std::function<std::optional<std::string>(std::string_view)>;
    const Change statKeys = [&](std::string_view line) {
        const auto eq = line.find('=');
        if (eq != std::string_view::npos && TrimRight(line.substr(0, eq)) == from)
            return counted(to + std::string(line.substr(eq)));
        return counted(std::string(line));
    };
    const Change sections = [&](std::string_view line) {
        return counted(TrimRight(line) == fromHeader ? "[" + to + "]" : std::string(line));
    };
    const Change logLines = [&](std::string_view line) {
        return counted(WithPlayer(line, kLogPlayerColumn, fromField, toField));
    };
    const Change hiScoreLines = [&](std::string_view line) {
        return counted(WithPlayer(line, kHiScoreLinePlayerColumn, fromField, toField));
    };
    const std::pair<std::string_view, const Change*> files[] = {
        {"Stat.dat", &statKeys},         {"Stat_glo.dat", &sections},
        {"Stat_uni.dat", &sections},     {"Stat_log.dat", &logLines},
        {"Stat_scr.dat", &hiScoreLines}, {"Series_scr.dat", &hiScoreLines}};
    for (const auto& [name, change] : files) {
        const std::string path = FindDataFile(folder, name);
        if (Exists(path) && !RewriteLines(path, *change))
            return "Error creating temp file.";
    }
    const std::string oldProgression = ProgressionPath(from);
    if (Exists(oldProgression)) {
        const std::string newProgression =
            (fs::path(folder) / ("Stat_prg_" + to + ".dat")).string();
        std::error_code error;
        fs::rename(oldProgression, newProgression, error);
        if (error)
            return "Error in renaming the file: " + oldProgression + "\r" + "to:" + " " +
                   newProgression;
    }
    return {};
}

}  // namespace jw
