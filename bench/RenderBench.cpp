// Board rendering: a full redraw of a 432-tile board at 1920 x 1080 with
// size "X", the local redraw of one tile being selected, and LoadTileSet at
// size "X". Each runs on a tile set made here (sheet cells already at the
// "X" size, as the game's own sets are) and, when MahJong.rgf lies beside
// the benchmark, on the game's set 4 as well.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <random>

#include "BenchSupport.h"
#include "engine/Jong_class_interface.h"
#include "platform/Host.h"
#include "presentation/Blit.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/TestPictures.h"

namespace jw {
namespace {

using bench::QuietHost;
using bench::RealLibrary;

class Store : public ResourceStore {
  public:
    std::optional<std::string> Find(std::string_view kind, std::string_view name) const override {
        const auto found = entries.find(std::string(kind) + "/" + std::string(name));
        return found == entries.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    std::map<std::string, std::string> entries;
};

// Set 4's pictures at their natural size: 88 x 120 faces, depth 24.
const Store& GeneratedSet() {
    static const Store store = [] {
        Store s;
        constexpr int w = 88, h = 120, d = 24;
        Image sheet(9 * w + 10, 5 * h + 6);
        std::mt19937 random(4);
        for (int y = 0; y < sheet.Height(); ++y) {
            for (int x = 0; x < sheet.Width(); ++x) {
                sheet.Set(x, y, Rgb((x * 7 + y) & 0xFF, (y * 3) & 0xFF, (x ^ y) & 0xFF));
            }
        }
        s.entries["JPEG/tiles_X_004"] = test::EncodeJpeg(sheet, 90);
        for (int k = 1; k <= 3; ++k) {
            Image body(w + d, h + d, PixelFormat::Rgb24, Rgb(240, 235, 220));
            FillRect(body, {w, 0, d, h + d}, Rgb(40, 60, 160));
            FillRect(body, {0, h, w, d}, Rgb(40, 60, 170));
            s.entries["BITMAP/tiles_x_004_" + std::to_string(k) + "_3D_Border"] =
                test::EncodeBmp(body);
        }
        s.entries["BITMAP/tiles_3D_border_transparent"] =
            test::EncodeBmp(Image(w + d, h + d, PixelFormat::Rgb24, kKeyColour));
        Image overlay(w, h, PixelFormat::Rgb24, kBlack);
        overlay.Set(0, 0, kKeyColour);
        s.entries["BITMAP/tiles_x_004_3D_Border_Transparent"] = test::EncodeBmp(overlay);
        s.entries["BITMAP/high_tld_alph"] =
            test::EncodeBmp(Image(w, h, PixelFormat::Rgb24, Rgb(200, 200, 200)));
        return s;
    }();
    return store;
}

// 432 tiles on four levels, each level half a tile in from the one below,
// with TileIds shuffled over the positions as a deal spreads them.
void Fill432(Board& board) {
    board.Clear();
    std::vector<BoardPos> places;
    const int columns[] = {21, 20, 19, 10};
    const int rows[] = {8, 7, 6, 1};
    for (int level = 1; level <= 4; ++level) {
        for (int r = 0; r < rows[level - 1]; ++r) {
            for (int c = 0; c < columns[level - 1]; ++c) {
                places.push_back({level, level + 2 * c + (level == 4 ? 9 : 0),
                                  level + 2 * r + (level == 4 ? 5 : 0)});
            }
        }
    }
    places.resize(432);
    std::vector<TileId> ids(432);
    for (int i = 0; i < 432; ++i) {
        ids[static_cast<std::size_t>(i)] = i + 1;
    }
    std::shuffle(ids.begin(), ids.end(), std::mt19937(2007));
    for (std::size_t i = 0; i < places.size(); ++i) {
        board.PlaceTile(places[i].level, places[i].column, places[i].row, ids[i]);
    }
    board.tileCount = board.tilesLeft = 432;
}

struct Scene {
    explicit Scene(const ResourceStore* store) : engine(host), renderer(engine) {
        engine.resources = store;
        engine.mode = EngineMode::Playing;
        Fill432(engine.board);
        renderer.SetArea({1920, 1080, 0, 0, false});
        loaded = renderer.LoadTileSet(4, 'X');
        renderer.PlaceLayout();
    }
    QuietHost host;
    TMahJong_interface engine;
    BoardRenderer renderer;
    bool loaded = false;
};

const ResourceStore* StoreFor(int which) {
    return which == 0 ? &GeneratedSet() : RealLibrary();
}

void BM_FullRedraw432(benchmark::State& state) {
    const ResourceStore* store = StoreFor(static_cast<int>(state.range(0)));
    if (store == nullptr) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    Scene scene(store);
    if (!scene.loaded) {
        state.SkipWithError("tile set 4 did not load");
        return;
    }
    for (auto _ : state) {
        scene.renderer.FullRedraw();
        benchmark::DoNotOptimize(scene.renderer.BoardImage().At(960, 540));
    }
    state.SetLabel(state.range(0) == 0 ? "generated set" : "set 4 from MahJong.rgf");
}
BENCHMARK(BM_FullRedraw432)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LocalRedrawSelect(benchmark::State& state) {
    const ResourceStore* store = StoreFor(static_cast<int>(state.range(0)));
    if (store == nullptr) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    Scene scene(store);
    scene.renderer.FullRedraw();
    // A tile in the middle of the first level, covered by the second.
    const BoardPos pos{2, 18, 6};
    const CellCode code = scene.engine.board.At(pos.level, pos.column, pos.row);
    bool selected = false;
    for (auto _ : state) {
        if (selected) {
            scene.engine.selection.Clear();
            scene.renderer.LocalRedraw(pos, TileRedraw::Unselect, true, false);
        } else {
            scene.engine.selection.Add(pos, code);
            scene.renderer.LocalRedraw(pos, TileRedraw::Select, true, false);
        }
        selected = !selected;
    }
    state.SetLabel(state.range(0) == 0 ? "generated set" : "set 4 from MahJong.rgf");
}
BENCHMARK(BM_LocalRedrawSelect)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LoadTileSetX(benchmark::State& state) {
    const ResourceStore* store = StoreFor(static_cast<int>(state.range(0)));
    if (store == nullptr) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    Scene scene(store);
    for (auto _ : state) {
        benchmark::DoNotOptimize(scene.renderer.LoadTileSet(4, 'X'));
    }
    state.SetLabel(state.range(0) == 0 ? "generated set" : "set 4 from MahJong.rgf");
}
BENCHMARK(BM_LoadTileSetX)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jw
