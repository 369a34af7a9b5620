#include "records/StatRecords.h"

#include <algorithm>
#include <array>

#include "engine/FixedText.h"

namespace jw {

namespace {

constexpr std::array<int, 8> kWidths = {6, 6, 6, 6, 6, 6, 12, 12};

// The largest and smallest values a field of `width` characters holds.
std::int64_t FieldMax(int width) {
    std::int64_t max = 1;
    for (int i = 0; i < width; ++i)
        max *= 10;
    return max - 1;
}

std::string Clamped(std::int64_t value, int width) {
    const std::int64_t high = FieldMax(width);
    const std::int64_t low = -FieldMax(width - 1);
    return FormatFixed(std::clamp(value, low, high), width);
}

std::array<std::int64_t*, 8> Fields(StatRecord& r) {
    return {&r.won,       &r.lost,       &r.longestWinStreak, &r.longestLossStreak,
            &r.winStreak, &r.lossStreak, &r.scoreSum,         &r.reserved};
}

std::int64_t SaturatedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? INT64_MAX : INT64_MIN;
    return sum;
}

}  // namespace

StatRecord ParseStatRecord(std::string_view text) {
    StatRecord record;
    auto fields = Fields(record);
    std::size_t field = 0;
    std::size_t pos = 0;
    while (field < fields.size()) {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        const auto number = ParseInteger(text.substr(pos, end - pos));
        if (pos >= text.size() || !number)
            break;
        *fields[field++] = *number;
        pos = end;
    }
    return record;
}

std::string FormatStatRecord(const StatRecord& record) {
    StatRecord copy = record;
    const auto fields = Fields(copy);
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += Clamped(*fields[i], kWidths[i]);
    }
    return text;
}

void CountGame(StatRecord& record, bool won, std::int64_t score) {
    if (won) {
        record.won = SaturatedAdd(record.won, 1);
        record.winStreak = SaturatedAdd(record.winStreak, 1);
        record.lossStreak = 0;
    } else {
        record.lost = SaturatedAdd(record.lost, 1);
        record.lossStreak = SaturatedAdd(record.lossStreak, 1);
        record.winStreak = 0;
    }
    record.longestWinStreak = std::max(record.longestWinStreak, record.winStreak);
    record.longestLossStreak = std::max(record.longestLossStreak, record.lossStreak);
    record.scoreSum = SaturatedAdd(record.scoreSum, score);
}

std::string FormatLogLine(const GameResult& r, char timeSeparator) {
    const auto& t = r.end;
    std::string line;
    line.reserve(kLogLineLength);
    const auto field = [&line](const std::string& text) {
        if (!line.empty())
            line += ' ';
        line += text;
    };
    field(FormatFixed(t.year, 4) + FormatFixed(t.month, 2) + FormatFixed(t.day, 2));
    field(FormatFixed(t.hour, 2) + timeSeparator + FormatFixed(t.minute, 2) + timeSeparator +
          FormatFixed(t.second, 2));
    field(FormatFixed(r.elapsed, 6));
    field(FormatFixed(r.gameId, 5));
    field(PadRight(r.gameName, 50));
    field(PadRight(r.player, 30));
    field(std::string(r.won ? "Won  " : "Lost ") + PadRight(r.scoreType, 2));
    field(FormatFixed(r.score, 12));
    field(PadRight(r.gameNumber, 15));
    field("0841");
    field(FormatFixed(r.matches, 6));
    field(FormatFixed(r.undoCount, 6));
    field(FormatFixed(r.undoPenaltyTotal, 12));
    field(FormatFixed(r.redoCount, 6));
    field(FormatFixed(r.redoPenaltyTotal, 12));
    field(FormatFixed(r.suggestCount, 6));
    field(FormatFixed(r.suggestPenaltyTotal, 12));
    field(FormatFixed(r.totalTiles, 6));
    field(FormatFixed(r.tilesLeft, 6));
    field(FormatFixed(r.shuffleCount, 6));
    field(FormatFixed(r.shufflePenaltyTotal, 12));
    return line;
}

std::string ProgressionBytes(const GameResult& r) {
    const auto byte = [](std::int64_t value) {
        return static_cast<char>(static_cast<unsigned char>(((value % 256) + 256) % 256));
    };
    std::string bytes;
    bytes += byte(r.gameId / 100 + 33);
    bytes += byte(r.gameId % 100 + 33);
    bytes += byte(r.end.year % 100 + 33);
    bytes += byte(r.end.month + (r.won ? 100 : 50));
    return bytes;
}

bool IsCalendarDate(std::string_view text) {
    if (text.size() != 8 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const int year = std::stoi(std::string(text.substr(0, 4)));
    const int month = std::stoi(std::string(text.substr(4, 2)));
    const int day = std::stoi(std::string(text.substr(6, 2)));
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace jw
