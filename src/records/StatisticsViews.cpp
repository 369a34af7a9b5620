#include "records/StatisticsViews.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "engine/FixedText.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "records/RecordFile.h"
#include "records/StatRecords.h"

namespace jw {

namespace {

double OneDecimal(double value) {
    return std::round(value * 10.0) / 10.0;
}

std::int64_t Number(std::string_view line, int from, int width) {
    return ParseInteger(Columns(line, from, width)).value_or(0);
}

bool Played(const GameTotals& game) {
    return game.won > 0 || game.lost > 0;
}

}  // namespace

double PercentWon(std::int64_t won, std::int64_t lost) {
    if (won < 0 || lost < 0 || won + lost <= 0)
        return 0;  // no game counted, or a damaged total
    return OneDecimal(static_cast<double>(won) * 100.0 / static_cast<double>(won + lost));
}

std::string FormatPercent(double percent) {
    const long tenths = std::lround(percent * 10.0);
    char text[32];
    if (tenths % 10 == 0)
        std::snprintf(text, sizeof text, "%ld", tenths / 10);
    else  // by hand: the C library's decimal point follows the user's locale
        std::snprintf(text, sizeof text, "%s%ld.%ld", tenths < 0 ? "-" : "", std::labs(tenths) / 10,
                      std::labs(tenths) % 10);
    return text;
}

std::string FormatPercentSign(double percent) {
    return FormatPercent(percent) + " %";
}

std::string DurationText(std::int64_t seconds, int hourDigits, char separator) {
    seconds = std::max<std::int64_t>(seconds, 0);
    const std::int64_t hours = seconds / 3600;
    std::int64_t limit = 1;
    for (int i = 0; i < hourDigits; ++i)
        limit *= 10;
    std::string text = hours >= limit ? std::string("*") : FormatFixed(hours, hourDigits);
    text += separator;
    text += FormatFixed(seconds / 60 % 60, 2);
    text += separator;
    text += FormatFixed(seconds % 60, 2);
    return text;
}

WonLostView MakeWonLost(std::int64_t won, std::int64_t lost) {
    WonLostView view;
    view.won = won;
    view.lost = lost;
    view.total = won + lost;
    view.percentWon = PercentWon(won, lost);
    view.percentLost = view.total > 0 ? OneDecimal(100.0 - view.percentWon) : 0;
    view.empty = view.percentWon == 0 && view.percentLost == 0;
    if (!view.empty) {
        view.wonLabel = "(" + FormatPercent(view.percentWon) + "%)";
        view.lostLabel = "(" + FormatPercent(view.percentLost) + "%)";
    }
    view.pieValue = static_cast<int>(view.percentWon);
    return view;
}

std::optional<double> ExpectedPercent(const std::optional<GameChance>& expected) {
    if (!expected || expected->tries < 1)
        return std::nullopt;
    return PercentWon(expected->wins, expected->tries - expected->wins);
}

ChanceView MakeGameChance(const GameStats& stats, std::optional<GameChance> expected) {
    ChanceView view;
    view.yours = PercentWon(stats[0], stats[1]);
    view.yoursText = FormatPercentSign(view.yours);
    view.average = ExpectedPercent(expected);
    if (view.average) {
        view.averageText = FormatPercentSign(*view.average);
        view.yoursAhead = view.yours > *view.average;
        view.line =
            "About " + std::to_string(expected->wins) + " in " + std::to_string(expected->tries);
    } else {
        view.line = "Customized game";
    }
    return view;
}

std::string MonthLabel(Month month) {
    static constexpr std::array<const char*, 12> kNames = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int index = std::clamp(month.month, 1, 12) - 1;
    return std::string(kNames[static_cast<std::size_t>(index)]) + " " +
           FormatFixed(((month.year % 100) + 100) % 100, 2);
}

std::vector<ProgressionRecord> ParseProgression(std::string_view bytes) {
    std::vector<ProgressionRecord> records;
    records.reserve(bytes.size() / 4);
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
        ProgressionRecord record;
        record.game = (byte(0) - 33) * 100 + (byte(1) - 33);
        record.won = byte(3) > 100;
        record.month.month = record.won ? byte(3) - 100 : byte(3) - 50;
        record.month.year = byte(2) - 33 + (byte(2) < 124 ? 2000 : 1900);
        records.push_back(record);
    }
    return records;
}

std::vector<Month> ProgressionMonths(const std::vector<ProgressionRecord>& records,
                                     std::optional<GameId> game) {
    std::optional<Month> first, last;
    for (const ProgressionRecord& record : records) {
        if (game && record.game != *game)
            continue;
        const Month m = record.month;
        if (m.month < 1 || m.month > 12)
            continue;  // a damaged record names no month
        if (!first || m < *first)
            first = m;
        if (!last || *last < m)
            last = m;
    }
    std::vector<Month> months;
    if (!first)
        return months;
    for (Month m = *first; m <= *last && months.size() < 12 * 300;) {
        months.push_back(m);
        m = m.month == 12 ? Month{m.year + 1, 1} : Month{m.year, m.month + 1};
    }
    return months;
}

ProgressionSeries BuildProgression(const std::vector<ProgressionRecord>& all,
                                   const ProgressionFilter& filter) {
    std::vector<const ProgressionRecord*> records;
    for (const ProgressionRecord& record : all) {
        if (filter.game && record.game != *filter.game)
            continue;
        if ((filter.from && record.month < *filter.from) ||
            (filter.to && *filter.to < record.month))
            continue;
        records.push_back(&record);
    }
    ProgressionSeries series;
    const std::size_t n = records.size();
    const std::size_t maxPoints = static_cast<std::size_t>(std::max(filter.maxPoints, 1));
    const std::size_t step = maxPoints < n ? n / maxPoints : 1;
    std::int64_t won = 0, lost = 0;
    std::vector<Month> months;
    for (std::size_t i = 0; i < n; ++i) {
        (records[i]->won ? won : lost) += 1;
        if (i % step == 0 || i + 1 == n) {
            series.values.push_back(PercentWon(won, lost));
            months.push_back(records[i]->month);
        }
    }
    const std::size_t points = series.values.size();
    series.labels.resize(points);
    std::string shown;
    for (std::size_t p = 0; p < points; ++p) {
        if (p != 0 && p != points / 2 && p + 1 != points)
            continue;
        const std::string label = MonthLabel(months[p]);
        if (label != shown)
            series.labels[p] = label;
        shown = label;
    }
    const double largest =
        series.values.empty() ? 0 : *std::max_element(series.values.begin(), series.values.end());
    series.fixedAxis = largest == 0;
    series.wholeNumberAxis = largest >= 10 || series.fixedAxis;
    return series;
}

TotalView MakeTotals(const std::vector<GameTotals>& games) {
    std::int64_t won = 0, lost = 0;
    double yours = 0, average = 0;
    int builtIn = 0;
    for (const GameTotals& game : games) {
        if (game.id >= kFirstCustomGameId)
            continue;
        ++builtIn;
        won += game.won;
        lost += game.lost;
        yours += PercentWon(game.won, game.lost);
        average += ExpectedPercent(game.expected).value_or(0);
    }
    TotalView view;
    view.wonLost = MakeWonLost(won, lost);
    if (builtIn > 0) {
        view.yours = OneDecimal(yours / builtIn);
        view.average = OneDecimal(average / builtIn);
    }
    view.yoursText = FormatPercentSign(view.yours);
    view.averageText = FormatPercentSign(view.average);
    view.yoursAhead = view.yours > view.average;
    return view;
}

std::vector<ListRow> MakeList(const std::vector<GameTotals>& games, ListFilter filter) {
    std::vector<const GameTotals*> sorted;
    for (const GameTotals& game : games)
        sorted.push_back(&game);
    std::stable_sort(sorted.begin(), sorted.end(), [](const GameTotals* a, const GameTotals* b) {
        return ToLowerAscii(a->name) < ToLowerAscii(b->name);
    });
    std::vector<ListRow> rows;
    for (const GameTotals* game : sorted) {
        const double percent = PercentWon(game->won, game->lost);
        const std::optional<double> average = ExpectedPercent(game->expected);
        const bool builtIn = game->id < kFirstCustomGameId;
        bool shown = true;
        switch (filter) {
            case ListFilter::All:
                break;
            case ListFilter::Won:
                shown = game->won > 0;
                break;
            case ListFilter::NotWon:
                shown = game->won == 0 && game->lost > 0;
                break;
            case ListFilter::OverAverage:
                shown = builtIn && average && percent >= *average;
                break;
            case ListFilter::UnderAverage:
                shown = builtIn && average && percent < *average;
                break;
            case ListFilter::NotPlayed:
                shown = !Played(*game);
                break;
        }
        if (!shown)
            continue;
        ListRow row;
        row.id = game->id;
        row.game = game->name;
        row.won = game->won != 0 ? std::to_string(game->won) : std::string();
        row.lost = game->lost != 0 ? std::to_string(game->lost) : std::string();
        row.percentWon = percent != 0 ? FormatPercent(percent) : std::string();
        row.percentAverage = average && *average != 0 ? FormatPercent(*average) : std::string();
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

ShareView Shares(std::int64_t first, std::int64_t second, std::int64_t notPlayed) {
    ShareView view{first, second, notPlayed, first + second + notPlayed, 0, 0, 0};
    if (view.total > 0) {
        const auto total = static_cast<double>(view.total);
        view.firstShare = OneDecimal(static_cast<double>(first) * 100.0 / total);
        view.secondShare = OneDecimal(static_cast<double>(second) * 100.0 / total);
        view.notPlayedShare = OneDecimal(100.0 - view.firstShare - view.secondShare);
    }
    return view;
}

}  // namespace

ShareView MakeWonShares(const std::vector<GameTotals>& games) {
    std::int64_t won = 0, notWon = 0, notPlayed = 0;
    for (const GameTotals& game : games) {
        if (game.won > 0)
            ++won;
        else if (game.lost > 0)
            ++notWon;
        else
            ++notPlayed;
    }
    return Shares(won, notWon, notPlayed);
}

ShareView MakeAverageShares(const std::vector<GameTotals>& games) {
    std::int64_t over = 0, under = 0, notPlayed = 0;
    for (const GameTotals& game : games) {
        if (game.id >= kFirstCustomGameId)
            continue;
        if (!Played(game))
            ++notPlayed;
        else if (PercentWon(game.won, game.lost) >= ExpectedPercent(game.expected).value_or(0))
            ++over;
        else
            ++under;
    }
    return Shares(over, under, notPlayed);
}

SequenceView MakeSequences(const GameStats& stats) {
    SequenceView view;
    view.longestWon = stats[2];
    view.longestLost = stats[3];
    view.wonShare = PercentWon(view.longestWon, view.longestLost);
    view.lostShare = view.longestWon + view.longestLost > 0 ? OneDecimal(100.0 - view.wonShare) : 0;
    if (stats[4] > 0)
        view.current = "Current: " + std::to_string(stats[4]) + " Won";
    else if (stats[5] > 0)
        view.current = "Current: " + std::to_string(stats[5]) + " Lost";
    return view;
}

std::vector<PlayerBar> MakePlayerBars(const std::vector<std::pair<std::string, GameStats>>& players,
                                      PlayerValue value) {
    std::vector<PlayerBar> bars;
    for (const auto& [name, stats] : players) {
        PlayerBar bar;
        // The first 10 characters, never cutting a character apart.
        std::size_t end = 0;
        for (int count = 0; end < name.size() && count < 10; ++count) {
            ++end;
            while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
                ++end;
        }
        bar.label = name.substr(0, end);
        const std::int64_t played = stats[0] + stats[1];
        switch (value) {
            case PlayerValue::PercentWon:
                bar.value = std::llround(PercentWon(stats[0], stats[1]));
                break;
            case PlayerValue::GamesWon:
                bar.value = stats[0];
                break;
            case PlayerValue::AverageScore:
                bar.value = played > 0 ? stats[6] / played : 0;
                break;
        }
        bars.push_back(std::move(bar));
    }
    std::stable_sort(bars.begin(), bars.end(),
                     [](const PlayerBar& a, const PlayerBar& b) { return a.value > b.value; });
    if (bars.size() > 5)
        bars.resize(5);
    return bars;
}

std::size_t EstimateLogRecords(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size == 0)
        return 0;
    const auto head = ReadFileBytes(path, kMaxRecordFileBytes);
    if (!head)
        return 0;
    const std::size_t firstLine = head->find('\n');
    const std::size_t length =
        firstLine == std::string::npos
            ? head->size()
            : (firstLine > 0 && (*head)[firstLine - 1] == '\r' ? firstLine - 1 : firstLine);
    return static_cast<std::size_t>(size / (length + 2));
}

LogRow ParseLogRow(std::string_view line) {
    LogRow row;
    const std::string_view date = Columns(line, 1, 8);
    if (IsCalendarDate(date))
        row.date = std::string(date);
    row.start = std::string(Columns(line, 10, 5));
    row.time = DurationText(Number(line, 19, 6), 1);
    row.game = std::string(Trim(Columns(line, 32, 50)));
    row.won = Columns(line, 114, 4) == "Won ";
    row.score = Number(line, 122, 12);
    row.undos = Number(line, 163, 6);
    row.undoPenalty = -Number(line, 170, 12);
    row.redos = Number(line, 183, 6);
    row.redoPenalty = -Number(line, 190, 12);
    row.suggested = Number(line, 203, 6);
    row.suggestPenalty = -Number(line, 210, 12);
    row.tilesLeft = Number(line, 230, 6);
    row.shuffles = Number(line, 237, 6);
    row.shufflePenalty = -Number(line, 244, 12);
    row.player = std::string(TrimRight(Columns(line, 83, 30)));
    row.number = std::string(Trim(Columns(line, 135, 13)));
    const std::string_view type = Columns(line, 119, 2);
    row.gameType = type == "01" ? "MahJong" : type == "02" ? "Matching" : "";
    return row;
}

std::vector<LogRow> ReadLogRows(const std::string& path, std::string_view game,
                                std::string_view player, bool fast) {
    const std::vector<std::string> lines =
        ReadLines(path, kMaxRecordFileBytes).value_or(std::vector<std::string>{});
    const std::size_t estimated = EstimateLogRecords(path);
    const bool lastOnly = fast && estimated > kFastLogRecords;
    std::size_t first = 0;
    if (lastOnly && estimated > 10001)
        first = std::min(lines.size(), estimated - 10001);
    std::vector<LogRow> rows;
    for (std::size_t i = lines.size(); i > first; --i) {
        const std::string& line = lines[i - 1];
        if (TrimRight(line).empty())
            continue;
        if (game != kAllGames && TrimRight(Columns(line, 32, 50)) != game)
            continue;
        if (player != kAllPlayers && TrimRight(Columns(line, 83, 30)) != player)
            continue;
        rows.push_back(ParseLogRow(line));
        if (lastOnly && rows.size() >= kFastLogRecords)
            break;
    }
    return rows;
}

}  // namespace jw
