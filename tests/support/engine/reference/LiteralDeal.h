// Word-for-word versions of the playable deal and of the match finder, kept
// only to check the fast ones against them (tests) and to time both
// (benchmarks). They scan the whole grid where the fast versions visit the
// occupied cells, and keep their candidates as the fixed-width texts the
// rules speak of. The game never calls them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Deal.h"
#include "engine/MatchFinder.h"

namespace jw::literal {

// The playable deal, batch texts and full-grid scans included.
DealResult PlayableDeal(Board& board, const DealRules& rules, std::string_view gameNumber,
                        int firstLevel, int lastLevel,
                        std::optional<std::vector<int>> ids = std::nullopt);

// The match finder for pairs: for every free anchor, a second scan of the
// whole grid for its free partners, with the counted tiles and the
// candidates kept as text.
struct FinderResult {
    int available = 0;
    int possible = 0;
    int tilesLeft = 0;
    std::string candidates;  // "a" + code + "b" + code per entry
};
FinderResult FindPairs(const Board& board, int removeRule, FaceRules faces);

}  // namespace jw::literal
