// Recounting the matches after a move, fast and word for word, on a dealt
// 144-tile turtle ("Standard") and a 432-tile board, in mid game. Each
// iteration takes a pair off, recounts, and puts the pair back.
// Targets: 20 microseconds for 144 tiles, 100 for 432.
#include <benchmark/benchmark.h>

#include "engine/Deal.h"
#include "engine/MatchFinder.h"
#include "engine/reference/LiteralDeal.h"
#include "engine/reference/SampleBoards.h"

namespace jw {
namespace {

// A dealt board after `moves` matches, each the first candidate.
Board MidGame(int turtles, int moves) {
    Board board;
    literal::BuildTurtles(board, turtles);
    PlayableDeal(board, DealRules{}, "3141592653589", 1, 5);
    MatchCount count;
    for (int k = 0; k < moves; ++k) {
        FindMatches(board, 2, 0, FaceRules{}, count);
        if (count.candidates.empty()) {
            break;
        }
        board.RemoveTileByCode(count.candidates[0].codes[0], Removal::MarkRemoved);
        board.RemoveTileByCode(count.candidates[0].codes[1], Removal::MarkRemoved);
    }
    return board;
}

template <bool kLiteral>
void RecountAfterMove(benchmark::State& state) {
    const int turtles = static_cast<int>(state.range(0));
    Board board = MidGame(turtles, 6 * turtles);
    MatchCount count;
    FindMatches(board, 2, 0, FaceRules{}, count);
    const MatchCandidate pair = count.candidates.at(0);
    BoardPos at[2] = {board.FindAnchor(pair.codes[0]), board.FindAnchor(pair.codes[1])};
    for (auto _ : state) {
        for (const BoardPos& pos : at) {
            board.RemoveTile(pos.level, pos.column, pos.row, true, 0, Removal::MarkRemoved);
        }
        if (kLiteral) {
            benchmark::DoNotOptimize(literal::FindPairs(board, 0, FaceRules{}));
        } else {
            FindMatches(board, 2, 0, FaceRules{}, count);
            benchmark::DoNotOptimize(count);
        }
        board.PlaceTile(at[0].level, at[0].column, at[0].row, pair.codes[0] - kAnchorBase);
        board.PlaceTile(at[1].level, at[1].column, at[1].row, pair.codes[1] - kAnchorBase);
        board.tilesLeft += 2;
    }
    state.SetLabel(std::to_string(144 * turtles) + " tiles");
}

BENCHMARK(RecountAfterMove<false>)
    ->Name("RecountAfterMove/fast")
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(RecountAfterMove<true>)
    ->Name("RecountAfterMove/literal")
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jw
