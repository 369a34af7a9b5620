// Choosing a game: the preview of the open-game dialog redrawn for a game
// of 144 tiles and one of 288 (the largest of the catalogue), and the lists
// the dialog builds (the all-games list and every game group filled).
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "layouts/GameChooser.h"
#include "layouts/GamePreview.h"

namespace jw {
namespace {

using bench::QuietHost;
using bench::RealLibrary;

void PreviewOf(benchmark::State& state, GameId id) {
    if (RealLibrary() == nullptr) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    QuietHost host;
    GamePreview preview(host, RealLibrary(), "/nonexistent/", nullptr);
    preview.SetSize(320, 240);
    for (auto _ : state) {
        benchmark::DoNotOptimize(preview.Show(id));
    }
    state.counters["tiles"] = preview.Tiles();
}

// "Standard", 144 tiles.
void BM_PreviewSwitch144(benchmark::State& state) {
    PreviewOf(state, 0);
}
BENCHMARK(BM_PreviewSwitch144)->Unit(benchmark::kMillisecond);

// "Frog", 288 tiles.
void BM_PreviewSwitch288(benchmark::State& state) {
    PreviewOf(state, 43);
}
BENCHMARK(BM_PreviewSwitch288)->Unit(benchmark::kMillisecond);

// Everything the dialog's lists need from the catalogue, every group filled.
void BM_ChooserLists(benchmark::State& state) {
    const GameCatalog catalog;
    for (auto _ : state) {
        const std::vector<CatalogEntry> sorted = SortedCatalog(catalog);
        std::vector<ChooserNode> all = AllGamesList(sorted);
        std::vector<ChooserNode> groups = GameGroupsTree(sorted);
        for (int position = 0;; ++position) {
            const auto path = PathAtPosition(groups, position);
            if (!path) {
                break;
            }
            FillGroup(*NodeAt(groups, *path), sorted);
        }
        benchmark::DoNotOptimize(all.data());
        benchmark::DoNotOptimize(groups.data());
    }
}
BENCHMARK(BM_ChooserLists)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jw
