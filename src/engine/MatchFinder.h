// The match finder: which matches the free tiles of the board offer.
//
// After every change of the board the engine counts the available matches
// (a greedy set of disjoint matches of free tiles, shown as "Matches:") and
// lists every distinct match as a candidate for the hint. For pairs the
// greedy set takes, in scan order (level, column, row), each free tile not
// yet counted together with the first free partner not yet counted; the
// candidates are all pairs of free tiles of one match group, ordered by
// their first and then their second tile in scan order. Games that match
// three or four tiles count the disjoint groups of free tiles of one match
// group and list every such group as a candidate.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/Board.h"
#include "engine/Faces.h"
#include "engine/SelectionSlots.h"

namespace jw {

// At most this many candidates are listed for matches of three or four
// tiles (a faceless board can otherwise offer millions).
inline constexpr std::size_t kMaxGroupCandidates = 10000;

// One distinct match: the anchor codes of its tiles, in scan order.
struct MatchCandidate {
    std::array<CellCode, 4> codes{};
    int size = 0;

    bool Contains(CellCode code) const;
    // The text form: "a" + first code (4 digits) + "b" + second, and "c" +
    // third and "d" + fourth for larger matches (10, 15 or 20 characters).
    std::string Text() const;
    // The form recorded in the suggested pairs: first code + "a" + second +
    // "b", and third + "c", fourth + "d" for larger matches.
    std::string SuggestedText() const;
    friend bool operator==(const MatchCandidate&, const MatchCandidate&) = default;
};

// What one run of the finder found.
struct MatchCount {
    int available = 0;  // disjoint matches of free tiles
    int possible = 0;   // distinct matches of free tiles
    int liveTiles = 0;  // anchors of live tiles within the scan bounds
    std::vector<MatchCandidate> candidates;
};

// Runs the finder over levels 1..5, columns 1..scan width and rows 1..scan
// height of the board.
void FindMatches(const Board& board, int tilesToMatch, int removeRule, FaceRules faces,
                 MatchCount& out);

// The finder state of a game: the last count and the hint cursor.
class MatchFinder {
  public:
    // Clears the counts, the candidates and the hint cursor (game start).
    void Reset();

    // Counts afresh; returns the number of live tiles found.
    int Count(const Board& board, int tilesToMatch, int removeRule, FaceRules faces);

    // The candidate the hint shows next. With exactly one tile selected the
    // walk goes forward from the cursor (wrapping once to the start) to the
    // first candidate holding that tile, advancing the cursor over the
    // entries passed; otherwise it is the entry at the cursor. Nothing when
    // there is none.
    std::optional<MatchCandidate> ChooseForHint(const SelectionSlots& selection);

    // The candidates as one text: their text forms joined.
    std::string CandidatesText() const;

    int Available() const { return last.available; }
    int Possible() const { return last.possible; }
    const std::vector<MatchCandidate>& Candidates() const { return last.candidates; }

    int hintCursor = 0;

  private:
    MatchCount last;
};

// Whether the suggested-pairs record holds the pair of the two anchor codes
// (first + "a" + second, in either order).
bool WasSuggested(const std::string& suggestedPairs, CellCode first, CellCode second);

}  // namespace jw
