#include "records/Recorder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
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

std::string Line(std::string_view key, std::string_view value) {
    std::string line;
    line.append(key);
    line.push_back('=');
    line.append(value);
    return line;
}

}  // namespace

std::string GameSection(GameId id) {
    return FormatFixed(id, 5);
}

Recorder::Recorder(std::string dataFolder) : folder(std::move(dataFolder)) {}

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
        const std::string path = FindDataFile(folder, name);
        if (!Exists(path))
            ok = WriteLinesAtomically(path, {"[Version]", Line(key, "0300")}) && ok;
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
    std::string text;
    if (Exists(path)) {
        auto old = ReadFileBytes(path, kMaxRecordFileBytes);
        if (!old)
            return false;  // unreadable or too large: left as it is
        text = std::move(*old);
    }
    text += bytes;
    return WriteFileAtomically(path, text);
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

int Recorder::OfferHiScore(const GameResult& result) {
    const std::string path = FindDataFile(folder, "Stat_scr.dat");
    const std::string section = GameSection(result.gameId);
    std::vector<std::string> keys;
    for (int rank = 1; rank <= kHiScoreEntries; ++rank)
        keys.push_back("01-" + FormatFixed(rank, 2));
    std::vector<std::string> table =
        ReadValues(path, section, keys, std::vector<std::string>(keys.size(), EmptyHiScore()));
    const int rank = InsertHiScore(table, FormatHiScore(result));
    if (rank >= 0 && !WriteValuesInPlace(path, section, keys, table))
        return -1;
    return rank;
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

void Recorder::ResetRun(const std::string& player, GameId id) {
    run = {player, id, 0, 0};
}

}  // namespace jw
