#include "records/GameWonView.h"

#include <cmath>
#include <cstdio>

#include "platform/Text.h"

namespace jw {

namespace {

// "(" + text + "%)".
std::string InBrackets(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 3);
    out.append("(").append(text).append("%)");
    return out;
}

}  // namespace

double WonPercentage(std::int64_t won, std::int64_t lost) {
    if (won < 0 || lost < 0 || won + lost <= 0)
        return 0;
    const double exact = static_cast<double>(won) * 100.0 / static_cast<double>(won + lost);
    return std::round(exact * 10.0) / 10.0;
}

std::string PercentText(double percent) {
    const long tenths = std::lround(percent * 10.0);
    char text[32];
    if (tenths % 10 == 0)
        std::snprintf(text, sizeof text, "%ld", tenths / 10);
    else  // by hand: the C library's decimal point follows the user's locale
        std::snprintf(text, sizeof text, "%s%ld.%ld", tenths < 0 ? "-" : "", std::labs(tenths) / 10,
                      std::labs(tenths) % 10);
    return text;
}

GameWonFigures GameWonFiguresOf(std::string_view gameName, std::int64_t won, std::int64_t lost) {
    GameWonFigures f;
    f.groupCaption.append("Total [").append(TrimRight(gameName)).append("]");
    f.won = std::to_string(won);
    f.lost = std::to_string(lost);
    f.total = std::to_string(won + lost);
    const double wonPercent = WonPercentage(won, lost);
    const double lostPercent = won + lost > 0 ? 100.0 - wonPercent : 0.0;
    f.showPie = wonPercent != 0 || lostPercent != 0;
    if (f.showPie) {
        f.wonPercent = InBrackets(PercentText(wonPercent));
        f.lostPercent = InBrackets(PercentText(lostPercent));
    }
    f.pieValue = static_cast<int>(wonPercent);
    return f;
}

}  // namespace jw
