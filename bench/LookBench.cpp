// The look of the board: one winning-animation stamp with its repaint, the
// tile-set chooser's pictures, applying a tile set to a 144-tile board, one
// background preview, and the decoding and stretching of the background a
// first start shows. All on the game's own MahJong.rgf beside the benchmark.
#include <benchmark/benchmark.h>

#include <random>

#include "BenchSupport.h"
#include "engine/Jong_class_interface.h"
#include "platform/MemorySettings.h"
#include "presentation/BackgroundCatalogue.h"
#include "presentation/BackgroundChooser.h"
#include "presentation/BoardAnimation.h"
#include "presentation/BoardRenderer.h"
#include "presentation/JpegDecode.h"
#include "presentation/Resample.h"
#include "presentation/TileSetCatalog.h"
#include "presentation/TileSetChooser.h"

namespace jw {
namespace {

using bench::QuietHost;
using bench::RealLibrary;

// 144 tiles on two levels: 12 x 8 and 8 x 6 on top, shuffled ids.
void Fill144(Board& board) {
    board.Clear();
    std::vector<BoardPos> places;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 12; ++c) {
            places.push_back({1, 2 + 2 * c, 2 + 2 * r});
        }
    }
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 8; ++c) {
            places.push_back({2, 6 + 2 * c, 4 + 2 * r});
        }
    }
    std::vector<TileId> ids(places.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        ids[i] = static_cast<TileId>(i + 1);
    }
    std::shuffle(ids.begin(), ids.end(), std::mt19937(144));
    for (std::size_t i = 0; i < places.size(); ++i) {
        board.PlaceTile(places[i].level, places[i].column, places[i].row, ids[i]);
    }
    board.tileCount = board.tilesLeft = 144;
}

struct Board144 {
    explicit Board144(char size) : engine(host), renderer(engine) {
        engine.resources = RealLibrary();
        engine.mode = EngineMode::Playing;
        Fill144(engine.board);
        renderer.SetWindow(&window);
        renderer.SetArea({1920, 1080, 0, 0, false});
        loaded = engine.resources != nullptr && renderer.LoadTileSet(4, size);
        renderer.PlaceLayout();
        renderer.RedrawBoard();
    }
    QuietHost host;
    TMahJong_interface engine;
    BoardRenderer renderer;
    WindowImage window{1920, 1080};
    bool loaded = false;
};

void BM_AnimationStampX(benchmark::State& state) {
    Board144 scene('X');
    if (!scene.loaded) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        // The stamp on the board picture and its rectangle on the window.
        scene.renderer.StampFace(i % 42 + 1, (i * 37) % 1800, (i * 53) % 950);
        ++i;
    }
    benchmark::DoNotOptimize(scene.window.picture.At(5, 5));
}
BENCHMARK(BM_AnimationStampX)->Unit(benchmark::kMicrosecond);

void BM_TileChooserPictures(benchmark::State& state) {
    const ResourceStore* library = RealLibrary();
    if (library == nullptr) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    QuietHost host;
    for (auto _ : state) {
        // Everything the chooser loads when it opens: both lists (all seven
        // built-in previews, the add-on rows) and the selection marker.
        const PreviewList mahjong = LoadPreviewList(host, *library, "01", "/nonexistent");
        const PreviewList matching = LoadPreviewList(host, *library, "02", "/nonexistent");
        const Image marker = LoadSelectionMarker(host, *library);
        benchmark::DoNotOptimize(mahjong.previews.size() + matching.previews.size() +
                                 static_cast<std::size_t>(marker.Width()));
    }
}
BENCHMARK(BM_TileChooserPictures)->Unit(benchmark::kMillisecond);

void BM_ApplyTileSet144(benchmark::State& state) {
    Board144 scene('B');
    if (!scene.loaded) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    test::MemorySettings settings;
    const std::vector<std::string> rows = TileSetCatalog("01");
    TileSetApplyContext context{scene.host, settings, scene.renderer, scene.engine.scoreType, 1920,
                                false,      true};
    // Antique and Modern in turn, at size "B" (a new set every time).
    bool flip = false;
    for (auto _ : state) {
        const TileSetSelection from{rows[flip ? 0 : 3], false, 5};
        const TileSetSelection to{rows[flip ? 3 : 0], false, 5};
        benchmark::DoNotOptimize(ApplyTileSetChoice(from, to, false, context));
        flip = !flip;
    }
}
BENCHMARK(BM_ApplyTileSet144)->Unit(benchmark::kMillisecond);

void BM_BackgroundPreview(benchmark::State& state) {
    if (RealLibrary() == nullptr) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    test::MemorySettings settings;
    BackgroundSources sources;
    sources.library = RealLibrary();
    sources.dataFolder = "/nonexistent/";
    BackgroundChooser chooser(settings, sources, 24);
    BackgroundChoice sky;
    sky.kind = BackgroundKind::BuiltIn;
    sky.code = 410;
    chooser.Open(sky, 0xC0C0C0);
    Image preview;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chooser.DrawPreview(preview, 256, 192, 0xC0C0C0));
    }
}
BENCHMARK(BM_BackgroundPreview)->Unit(benchmark::kMillisecond);

// Decoding the built-in sky picture, the background a first start shows.
void BM_DecodeBuiltInBackground(benchmark::State& state) {
    const auto library = RealLibrary();
    const auto bytes = library->Find("JPEG", BuiltInPictureName(410));
    if (!bytes) {
        state.SkipWithError("no sky picture in the library");
        return;
    }
    Image picture;
    std::string error;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeJpeg(*bytes, picture, error));
    }
}
BENCHMARK(BM_DecodeBuiltInBackground)->Unit(benchmark::kMillisecond);

// A 1024 x 768 background stretched to a 1450 x 800 board (the start-up
// window on a 1600 x 1000 screen), and one tile face scaled down.
void BM_StretchBackground(benchmark::State& state) {
    Image picture(1024, 768, PixelFormat::Rgb24);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            picture.Row(y)[x] = Argb(0, x & 255, y & 255, (x ^ y) & 255);
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ResampleBSpline(picture, 1450, 800));
    }
}
BENCHMARK(BM_StretchBackground)->Unit(benchmark::kMillisecond);

void BM_ScaleTileFace(benchmark::State& state) {
    Image face(120, 160, PixelFormat::Argb32);
    for (int y = 0; y < face.Height(); ++y) {
        for (int x = 0; x < face.Width(); ++x) {
            face.Row(y)[x] = Argb(255, x * 2, y, (x + y) & 255);
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ResampleLanczos3(face, 66, 88));
    }
}
BENCHMARK(BM_ScaleTileFace)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jw
