#include "records/HiScores.h"

#include <algorithm>

#include "engine/FixedText.h"

namespace jw {

namespace {

std::int64_t FieldOr(std::string_view entry, int from, int width, std::int64_t blank) {
    const std::string_view text = Trim(Columns(entry, from, width));
    if (text.empty())
        return blank;
    return ParseInteger(text).value_or(blank);
}

std::int64_t Score(std::string_view entry) {
    return FieldOr(entry, 1, 12, -999999999);
}
std::int64_t Time(std::string_view entry) {
    return FieldOr(entry, 14, 6, 999999);
}

}  // namespace

std::string EmptyHiScore() {
    return std::string(kHiScoreLength - 1, ' ') + 'x';
}

std::string FormatHiScore(const GameResult& r, char separator) {
    const auto& t = r.end;
    std::string e;
    e.reserve(kHiScoreLength);
    const auto field = [&e](const std::string& text) {
        if (!e.empty())
            e += ' ';
        e += text;
    };
    field(FormatFixed(r.score, 12));
    field(FormatFixed(r.elapsed, 6));
    field(FormatFixed(t.year, 4) + FormatFixed(t.month, 2) + FormatFixed(t.day, 2));
    field(FormatFixed(t.hour, 2) + separator + FormatFixed(t.minute, 2) + separator +
          FormatFixed(t.second, 2));
    field(PadRight(r.player, 30));
    field(PadRight(r.gameNumber, 15));
    field(r.won ? "Won " : "Lost");
    field(FormatFixed(r.shuffleCount, 6));
    field(FormatFixed(r.suggestCount, 6));
    field(FormatFixed(r.undoCount, 6));
    field(FormatFixed(r.redoCount, 6));
    field(PadRight(r.scoreType, 2));
    e += " x";
    return e;
}

bool HiScoreTableEmpty(const std::vector<std::string>& table) {
    return table.empty() || Trim(Columns(table.front(), 1, 12)).empty();
}

std::vector<std::string> SeededHiScores(const LocalTime& now, char timeSeparator) {
    static constexpr const char* kNames[kHiScoreEntries] = {
        "Mei",   "Oskar", "Lena", "Tomas", "Aiko",  "Rafael", "Ingrid", "Kofi",  "Sofia", "Pavel",
        "Nadia", "Hugo",  "Yara", "Emil",  "Chloe", "Bruno",  "Hana",   "Felix", "Iris",  "Jonas"};
    std::vector<std::string> table;
    int score = 50;
    for (int rank = 0; rank < kHiScoreEntries; ++rank) {
        GameResult seed;
        seed.score = score;
        seed.elapsed = 5 * score;
        seed.end = now;
        seed.player = std::string("* ") + kNames[rank];
        seed.gameNumber = "000000000000000";
        seed.won = true;
        seed.scoreType = "01";
        table.push_back(FormatHiScore(seed, timeSeparator));
        // Down by 3 to rank 13, by 2 from there, never below 1.
        score = std::max(1, score - (rank + 2 <= 13 ? 3 : 2));
    }
    return table;
}

int InsertHiScore(std::vector<std::string>& table, const std::string& entry) {
    table.resize(kHiScoreEntries, EmptyHiScore());
    const std::int64_t score = Score(entry);
    const std::int64_t time = Time(entry);
    for (int rank = 0; rank < kHiScoreEntries; ++rank) {
        const std::string& held = table[static_cast<std::size_t>(rank)];
        if (Score(held) < score || (Score(held) == score && Time(held) > time)) {
            table.insert(table.begin() + rank, entry);
            table.resize(kHiScoreEntries);
            return rank;
        }
    }
    return -1;
}

std::vector<std::string> HiScoreKeys() {
    std::vector<std::string> keys;
    for (int rank = 1; rank <= kHiScoreEntries; ++rank) {
        keys.push_back("01-" + FormatFixed(rank, 2));
    }
    return keys;
}

}  // namespace jw
