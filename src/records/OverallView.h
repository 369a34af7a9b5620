// What the overall score windows show: clock texts and web addresses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace jw {

// Hours padded to `hourDigits` (a "*" when they do not fit), minutes and
// seconds of two digits, joined by `separator`.
std::string ClockText(std::int64_t seconds, char separator, int hourDigits);

// The address of `page` on the web site `base`; empty when the program is
// built without a web site, and then the windows show plain text.
std::string WebAddress(std::string_view base, std::string_view page);

inline constexpr std::string_view kChampionsPage = "overallscore/champion.htm";
inline constexpr std::string_view kAddScorePage = "addscore.htm";

}  // namespace jw
