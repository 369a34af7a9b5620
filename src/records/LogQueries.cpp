#include "records/LogQueries.h"

#include "records/StatRecords.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "engine/FixedText.h"
#include "platform/TextFile.h"
#include "records/RecordFile.h"

namespace jw {

namespace {

constexpr std::size_t kShortestUsableLine = 147;

std::optional<LoggedGame> Parse(std::string_view line) {
    if (line.size() < kShortestUsableLine)
        return std::nullopt;
    LoggedGame game;
    game.number = std::string(Trim(Columns(line, 135, 13)));
    game.game = std::string(TrimRight(Columns(line, 32, 50)));
    game.won = Columns(line, 114, 4) == "Won ";
    const std::string_view date = Columns(line, 1, 8);
    if (IsCalendarDate(date))
        game.date = std::string(date);
    game.time = std::string(Columns(line, 10, 8));
    game.player = std::string(TrimRight(Columns(line, 83, 30)));
    return game;
}

std::vector<std::string> LogLines(const std::string& path) {
    return ReadLines(path, kMaxRecordFileBytes).value_or(std::vector<std::string>{});
}

}  // namespace

std::vector<LoggedGame> LoadPreviousGames(const std::string& logPath, std::size_t limit) {
    const auto lines = LogLines(logPath);
    std::vector<LoggedGame> games;
    for (auto it = lines.rbegin(); it != lines.rend() && games.size() < limit; ++it)
        if (auto game = Parse(*it))
            games.push_back(std::move(*game));
    return games;
}

std::vector<LoggedGame> LoadLostGames(const std::string& logPath, const std::string& gameName) {
    // Per deal: whether anyone won it, and its first loss by player, date, time.
    struct Deal {
        bool won = false;
        std::optional<LoggedGame> loss;
    };
    std::map<std::string, Deal> deals;
    const auto key = [](const LoggedGame& g) { return std::make_tuple(g.player, g.date, g.time); };
    for (const auto& line : LogLines(logPath)) {
        auto game = Parse(line);
        if (!game || game->game != gameName)
            continue;
        Deal& deal = deals[std::string(Columns(line, 135, 13))];
        if (game->won)
            deal.won = true;
        else if (!deal.loss || key(*game) < key(*deal.loss))
            deal.loss = std::move(*game);
    }
    std::vector<LoggedGame> lost;
    for (auto& [number, deal] : deals)
        if (!deal.won && deal.loss)
            lost.push_back(std::move(*deal.loss));
    std::sort(lost.begin(), lost.end(), [](const LoggedGame& a, const LoggedGame& b) {
        return std::tie(a.date, a.time, a.number, a.player) >
               std::tie(b.date, b.time, b.number, b.player);
    });
    return lost;
}

}  // namespace jw
