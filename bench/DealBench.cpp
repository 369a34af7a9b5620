// The playable deal of a new game, fast and word for word, on the 144-tile
// turtle of "Standard" and on a 432-tile board of three turtles.
// Targets: 1 ms for 144 tiles, 5 ms for 432.
#include <benchmark/benchmark.h>

#include <random>

#include "engine/Deal.h"
#include "engine/GameNumber.h"
#include "engine/reference/LiteralDeal.h"
#include "engine/reference/SampleBoards.h"

namespace jw {
namespace {

std::vector<std::string> Numbers() {
    std::mt19937_64 random(1);
    std::vector<std::string> numbers;
    for (int k = 0; k < 16; ++k) {
        numbers.push_back(NormalizeGameNumber(std::to_string(random() % 10000000000000ULL)));
    }
    return numbers;
}

// Dealing a board again gives the same result whatever ids it holds, so the
// same board is dealt over and over with the numbers in turn.
template <bool kLiteral>
void PlayableDealOf(benchmark::State& state) {
    Board board;
    literal::BuildTurtles(board, static_cast<int>(state.range(0)));
    const std::vector<std::string> numbers = Numbers();
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string& number = numbers[next++ % numbers.size()];
        DealResult result = kLiteral ? literal::PlayableDeal(board, DealRules{}, number, 1, 5)
                                     : PlayableDeal(board, DealRules{}, number, 1, 5);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(std::to_string(board.tileCount) + " tiles");
}

BENCHMARK(PlayableDealOf<false>)
    ->Name("PlayableDeal/fast")
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PlayableDealOf<true>)
    ->Name("PlayableDeal/literal")
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jw
