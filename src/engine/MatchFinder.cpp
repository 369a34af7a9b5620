#include "engine/MatchFinder.h"

#include <algorithm>

#include "engine/FixedText.h"

namespace jw {

namespace {

struct FreeTile {
    CellCode code = 0;
    MatchGroup group = 0;
};

int ScanBound(int value) {
    return value >= 1 && value <= kBoardColumns ? value : kBoardColumns;
}

// Every combination of `size` tiles out of the free tiles of one group that
// starts with tile `first` and continues with later tiles of the same group,
// in lexicographic scan order.
void AddGroupCandidates(const std::vector<FreeTile>& free, std::size_t first, int size,
                        std::vector<MatchCandidate>& out) {
    std::vector<std::size_t> partners;
    for (std::size_t j = first + 1; j < free.size(); ++j) {
        if (free[j].group == free[first].group) {
            partners.push_back(j);
        }
    }
    const auto need = static_cast<std::size_t>(size - 1);
    if (partners.size() < need) {
        return;
    }
    std::vector<std::size_t> pick(need);
    for (std::size_t k = 0; k < need; ++k) {
        pick[k] = k;
    }
    for (;;) {
        if (out.size() >= kMaxGroupCandidates) {
            return;
        }
        MatchCandidate candidate;
        candidate.size = size;
        candidate.codes[0] = free[first].code;
        for (std::size_t k = 0; k < need; ++k) {
            candidate.codes[k + 1] = free[partners[pick[k]]].code;
        }
        out.push_back(candidate);
        // Next combination of indices into `partners`.
        std::size_t k = need;
        while (k > 0 && pick[k - 1] == partners.size() - need + (k - 1)) {
            --k;
        }
        if (k == 0) {
            return;
        }
        ++pick[k - 1];
        for (std::size_t m = k; m < need; ++m) {
            pick[m] = pick[m - 1] + 1;
        }
    }
}

}  // namespace

bool MatchCandidate::Contains(CellCode code) const {
    return std::find(codes.begin(), codes.begin() + size, code) != codes.begin() + size;
}

std::string MatchCandidate::Text() const {
    static constexpr char kLetters[] = "abcd";
    std::string text;
    for (int k = 0; k < size; ++k) {
        text += kLetters[k];
        text += FormatFixed(codes[static_cast<std::size_t>(k)], 4);
    }
    return text;
}

std::string MatchCandidate::SuggestedText() const {
    static constexpr char kLetters[] = "abcd";
    std::string text;
    for (int k = 0; k < size; ++k) {
        text += FormatFixed(codes[static_cast<std::size_t>(k)], 4);
        text += kLetters[k];
    }
    return text;
}

void FindMatches(const Board& board, int tilesToMatch, int removeRule, FaceRules faces,
                 MatchCount& out) {
    out.available = 0;
    out.possible = 0;
    out.liveTiles = 0;
    out.candidates.clear();
    const int width = ScanBound(board.scanWidth);
    const int height = ScanBound(board.scanHeight);

    thread_local std::vector<FreeTile> free;
    free.clear();
    for (const BoardPos& pos : board.OccupiedCells()) {
        if (pos.level > kTileLevels) {
            break;  // the cells come in level order
        }
        if (pos.column > width || pos.row > height) {
            continue;
        }
        const CellCode code = board.At(pos.level, pos.column, pos.row);
        if (!IsAnchor(code)) {
            continue;
        }
        ++out.liveTiles;
        if (board.IsTileFree(pos.level, pos.column, pos.row, false, removeRule)) {
            free.push_back({code, MatchGroupOf(code, faces)});
        }
    }

    if (tilesToMatch == 2) {
        // Tiles are told apart by their codes, as the counted list does.
        std::array<bool, kQuarterBase> counted{};
        for (std::size_t i = 0; i < free.size(); ++i) {
            const auto codeA = static_cast<std::size_t>(free[i].code);
            for (std::size_t j = 0; j < free.size() && !counted[codeA]; ++j) {
                const auto codeB = static_cast<std::size_t>(free[j].code);
                if (j != i && free[j].group == free[i].group && !counted[codeB]) {
                    counted[codeA] = true;
                    counted[codeB] = true;
                    ++out.available;
                }
            }
            for (std::size_t j = i + 1; j < free.size(); ++j) {
                if (free[j].group == free[i].group) {
                    MatchCandidate candidate;
                    candidate.size = 2;
                    candidate.codes[0] = free[i].code;
                    candidate.codes[1] = free[j].code;
                    out.candidates.push_back(candidate);
                }
            }
        }
    } else if (tilesToMatch == 3 || tilesToMatch == 4) {
        std::vector<MatchGroup> seen;
        for (const FreeTile& tile : free) {
            if (std::find(seen.begin(), seen.end(), tile.group) != seen.end()) {
                continue;
            }
            seen.push_back(tile.group);
            const auto inGroup = std::count_if(
                free.begin(), free.end(), [&](const FreeTile& t) { return t.group == tile.group; });
            out.available += static_cast<int>(inGroup) / tilesToMatch;
        }
        for (std::size_t i = 0; i < free.size(); ++i) {
            AddGroupCandidates(free, i, tilesToMatch, out.candidates);
        }
    }
    out.possible = static_cast<int>(out.candidates.size());
}

void MatchFinder::Reset() {
    last = MatchCount{};
    hintCursor = 0;
}

int MatchFinder::Count(const Board& board, int tilesToMatch, int removeRule, FaceRules faces) {
    FindMatches(board, tilesToMatch, removeRule, faces, last);
    return last.liveTiles;
}

std::optional<MatchCandidate> MatchFinder::ChooseForHint(const SelectionSlots& selection) {
    const auto& list = last.candidates;
    const int size = static_cast<int>(list.size());
    if (selection.Count() != 1) {
        if (hintCursor >= 0 && hintCursor < size) {
            return list[static_cast<std::size_t>(hintCursor)];
        }
        return std::nullopt;
    }
    const CellCode selected = selection.Code(0);
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            hintCursor = 0;
        }
        for (hintCursor = std::max(hintCursor, 0); hintCursor < size; ++hintCursor) {
            if (list[static_cast<std::size_t>(hintCursor)].Contains(selected)) {
                return list[static_cast<std::size_t>(hintCursor)];
            }
        }
    }
    return std::nullopt;
}

std::string MatchFinder::CandidatesText() const {
    std::string text;
    for (const MatchCandidate& candidate : last.candidates) {
        text += candidate.Text();
    }
    return text;
}

bool WasSuggested(const std::string& suggestedPairs, CellCode first, CellCode second) {
    const std::string a = FormatFixed(first, 4);
    const std::string b = FormatFixed(second, 4);
    return suggestedPairs.find(a + "a" + b) != std::string::npos ||
           suggestedPairs.find(b + "a" + a) != std::string::npos;
}

}  // namespace jw
