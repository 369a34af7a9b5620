// What the overall score windows show: web addresses (their times are
// DurationText of the statistics views).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace jw {

// The address of `page` on the web site `base`; empty when the program is
// built without a web site, and then the windows show plain text.
std::string WebAddress(std::string_view base, std::string_view page);

inline constexpr std::string_view kChampionsPage = "overallscore/champion.htm";
inline constexpr std::string_view kAddScorePage = "addscore.htm";

}  // namespace jw
