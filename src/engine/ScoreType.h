// The tile family of a game: "01" MahJong tile sets, "02" Matching (picture)
// tile sets. It selects the tile values and penalties of the score.
#pragma once

#include <string>
#include <string_view>

#include "platform/GameFamily.h"

namespace jw {

class Host;

constexpr bool IsValidScoreType(std::string_view type) {
    return type == kScoreTypeMahJong || type == kScoreTypeMatching;
}

// Returns the type when it is valid; otherwise reports
// "Score Type Error (fnL): " + the value and returns "01".
std::string ValidateScoreType(std::string_view type, Host& host);

}  // namespace jw
