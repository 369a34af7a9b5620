// The two game families by their code, as the settings and the game records
// store them: "01" MahJong tile sets, "02" Matching (picture) tile sets.
#pragma once

#include <string_view>

namespace jw {

inline constexpr std::string_view kScoreTypeMahJong = "01";
inline constexpr std::string_view kScoreTypeMatching = "02";

}  // namespace jw
