#include "records/HiScoreView.h"

#include <algorithm>

#include "engine/FixedText.h"
#include "platform/Text.h"
#include "records/StatRecords.h"
#include "records/StatisticsViews.h"

namespace jw {

namespace {

std::string Two(std::int64_t value) {
    std::string text = std::to_string(value);
    return value < 10 ? "0" + text : text;
}

// A count field as a plain number; a field that is not a number is shown
// as it stands.
std::string NumberText(std::string_view entry, int from, int width) {
    const std::string_view text = Trim(Columns(entry, from, width));
    const auto value = ParseInteger(text);
    return value ? std::to_string(*value) : std::string(text);
}

}  // namespace

std::string HiScoreTimeText(std::int64_t seconds, char separator) {
    return DurationText(seconds, 1, separator);
}

std::string HiScoreGameType(int catalogType, std::string_view scoreType) {
    if (catalogType == static_cast<int>(GameType::MemoryUp))
        return "Memory-Up";
    if (catalogType == static_cast<int>(GameType::MahJong)) {
        if (scoreType == "01")
            return "MahJong";
        if (scoreType == "02")
            return "Matching";
    }
    return {};
}

HiScoreRow HiScoreRowOf(std::string_view entry, int index, int catalogType, char separator) {
    HiScoreRow row;
    row.rank = Two(index + 1);
    if (Trim(Columns(entry, 1, 12)).empty())
        return row;
    row.empty = false;
    row.score = NumberText(entry, 1, 12);
    row.time = HiScoreTimeText(ParseInteger(Trim(Columns(entry, 14, 6))).value_or(0), separator);
    const std::string_view date = Columns(entry, 21, 8);
    row.date = IsCalendarDate(date) ? std::string(date) : std::string();
    row.player = std::string(TrimRight(Columns(entry, 39, 30)));
    row.gameNumber = std::string(TrimRight(Columns(entry, 70, 13)));
    row.result = std::string(Columns(entry, 86, 4));
    row.shuffles = NumberText(entry, 91, 6);
    row.suggestions = NumberText(entry, 98, 6);
    row.gameType = HiScoreGameType(catalogType, Columns(entry, 119, 2));
    return row;
}

std::vector<std::string> HiScoreGameNames(const GameCatalog& catalog,
                                          const std::vector<std::string>& layoutLines) {
    std::vector<std::string> names;
    for (const GameId id : catalog.Ids())
        names.push_back(catalog.NameOf(id));
    for (const std::string& line : layoutLines) {
        std::string name(TrimRight(Columns(line, 1, 50)));
        if (!name.empty())
            names.push_back(std::move(name));
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return ToLowerAscii(a) < ToLowerAscii(b);
    });
    return names;
}

int HiScoreGameIndex(const std::vector<std::string>& names, std::string_view wanted,
                     std::string_view current) {
    for (const std::string_view name : {wanted, current}) {
        if (name.empty())
            continue;
        const auto found = std::find(names.begin(), names.end(), name);
        if (found != names.end())
            return static_cast<int>(found - names.begin());
    }
    return names.empty() ? -1 : 0;
}

std::string CongratulationCaption(std::string_view gameName) {
    return "Congratulations! Your score has made the \"" +
           std::string(TrimRight(gameName.substr(0, std::min<std::size_t>(gameName.size(), 50)))) +
           "\" Hi-Scores list!";
}

}  // namespace jw
