#include "records/Recorder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#include "engine/FixedText.h"
#include "platform/SaveFile.h"
#include "platform/TextFile.h"
#include "records/HiScores.h"
#include "records/RecordFile.h"
#include "records/StatRecords.h"

namespace jw {

namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

}  // namespace

std::string GameSection(GameId id) {
    return FormatFixed(id, 5);
}

Recorder::Recorder(std::string dataFolder) : folder(std::move(dataFolder)), overall(folder) {}

std::string Recorder::StatPath() const {
    return FindDataFile(folder, "Stat.dat");
}
std::string Recorder::LogPath() const {
    return FindDataFile(folder, "Stat_log.dat");
}
std::string Recorder::ProgressionPath(const std::string& player) const {
    return FindDataFile(folder, "Stat_prg_" + player + ".dat");
}

bool Recorder::EnsureStatFiles(const std::string& player) {
    bool ok = true;
    const auto ensure = [&](std::string_view name, std::string_view key) {
        ok = EnsureRecordFile(FindDataFile(folder, name), key) && ok;
    };
    ensure("Stat.dat", "Version");
    ensure("Stat_scr.dat", "Version");
    ensure("Stat_glo.dat", "VOvS");
    const std::string progression = ProgressionPath(player);
    if (!Exists(progression))
        ok = WriteFileAtomically(progression, "") && ok;
    return ok;
}

bool Recorder::Append(const std::string& path, const std::string& bytes) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxRecordFileBytes)
        return false;  // a file grown beyond any real log: left as it is
    return AppendFileBytes(path, bytes);
}

bool Recorder::RecordGame(const GameResult& result, bool statisticsDisabled) {
    bool ok = EnsureStatFiles(result.player);
    if (statisticsDisabled)
        return ok;
    ok = Append(LogPath(), FormatLogLine(result) + "\r\n") && ok;
    ok = Append(ProgressionPath(result.player), ProgressionBytes(result)) && ok;

    const std::string section = GameSection(result.gameId);
    StatRecord record = ParseStatRecord(ReadValue(StatPath(), section, result.player, ""));
    CountGame(record, result.won, result.score);
    if (run.player != result.player || run.gameId != result.gameId)
        ResetRun(result.player, result.gameId);
    (result.won ? run.won : run.lost) += 1;
    ok = WriteValue(StatPath(), section, result.player, FormatStatRecord(record)) && ok;
    const int rank = OfferHiScore(result);
    if (rank >= 0 && onNewHiScore)
        onNewHiScore(result, rank);
    return ok;
}

bool Recorder::HiScoresCleared() const {
    return ReadValue(FindDataFile(folder, "Stat_scr.dat"), "Clear scores", "Cleared", "") == "Y";
}

std::vector<std::string> Recorder::ReadHiScores(GameId id, const LocalTime& now,
                                                bool& seeded) const {
    const std::vector<std::string> keys = HiScoreKeys();
    std::vector<std::string> table =
        ReadValues(FindDataFile(folder, "Stat_scr.dat"), GameSection(id), keys,
                   std::vector<std::string>(keys.size(), EmptyHiScore()));
    seeded = HiScoreTableEmpty(table) && !HiScoresCleared();
    if (seeded) {
        table = SeededHiScores(now);
    }
    return table;
}

bool Recorder::WriteHiScores(GameId id, const std::vector<std::string>& table) {
    return WriteValuesInPlace(FindDataFile(folder, "Stat_scr.dat"), GameSection(id), HiScoreKeys(),
                              table);
}

int Recorder::OfferHiScore(const GameResult& result) {
    bool seeded = false;
    std::vector<std::string> table = ReadHiScores(result.gameId, result.end, seeded);
    int rank = InsertHiScore(table, FormatHiScore(result));
    if ((rank >= 0 || seeded) && !WriteHiScores(result.gameId, table)) {
        rank = -1;
    }
    overall.Update(result.gameId, result.player, false, result.elapsed, result.score);
    return rank;
}

std::vector<std::string> Recorder::LoadHiScores(GameId id, const LocalTime& now,
                                                bool statisticsDisabled) {
    bool seeded = false;
    std::vector<std::string> table = ReadHiScores(id, now, seeded);
    if (!statisticsDisabled) {
        WriteHiScores(id, table);
    }
    return table;
}

GameStats Recorder::ReadGameStats(GameId id, const std::string& player) const {
    const StatRecord r = ParseStatRecord(ReadValue(StatPath(), GameSection(id), player, ""));
    GameStats stats = {r.won,
                       r.lost,
                       r.longestWinStreak,
                       r.longestLossStreak,
                       r.winStreak,
                       r.lossStreak,
                       r.scoreSum,
                       0,
                       0};
    if (run.player == player && run.gameId == id) {
        stats[7] = run.won;
        stats[8] = run.lost;
    }
    return stats;
}

std::string Recorder::TrimLog(std::size_t keep) {
    const std::string log = LogPath();
    const std::optional<std::vector<std::string>> lines = ReadLines(log, kMaxRecordFileBytes);
    if (!lines) {
        return "Error reading the file: " + log;
    }
    std::string kept;
    const std::size_t first = lines->size() > keep ? lines->size() - keep : 0;
    for (std::size_t i = first; i < lines->size(); ++i) {
        kept += (*lines)[i];
        kept += "\r\n";
    }
    const std::string temporary = (std::filesystem::path(folder) / "_Stat_log.tmp").string();
    std::error_code error;
    bool moved = WriteFileAtomically(temporary, kept);
    if (moved) {
        std::filesystem::rename(temporary, log, error);
        moved = !error;
    }
    if (!moved) {
        std::filesystem::remove(temporary, error);
        return "Error in renaming the file: " + temporary + "\r" + "to:" + " " + log;
    }
    return std::string(kLogClearedMessage);
}

std::string Recorder::ClearLog(const std::string& player) {
    std::error_code error;
    std::filesystem::remove(LogPath(), error);
    std::filesystem::remove(ProgressionPath(player), error);
    return std::string(kLogClearedMessage);
}

void Recorder::ResetRun(const std::string& player, GameId id) {
    run = {player, id, 0, 0};
}

}  // namespace jw
