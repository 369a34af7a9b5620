// The player's own layouts: the layout manager's preview of a 144-tile
// layout, a tile added and removed in the editor with its local redraw, and
// importing 100 files of the other programs' format.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchSupport.h"
#include "engine/CustomLayouts.h"
#include "engine/Jong_class_interface.h"
#include "engine/LayoutFile.h"
#include "layouts/ForeignLayout.h"
#include "layouts/GamePreview.h"
#include "layouts/LayoutEditor.h"
#include "platform/SaveFile.h"
#include "presentation/BoardRenderer.h"

namespace jw {
namespace {

using bench::QuietHost;
using bench::RealLibrary;
namespace fs = std::filesystem;

// A scratch data folder, removed with the object.
struct Folder {
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "jw-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path = pattern.append("/");
    }
    ~Folder() {
        std::error_code error;
        fs::remove_all(path, error);
    }
    std::string path;
};

void BM_ManagerPreview144(benchmark::State& state) {
    const ResourceStore* library = RealLibrary();
    if (library == nullptr) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    Folder folder;
    const CustomLayouts layouts(folder.path);
    const GameId id = layouts.RegisterLayout("Standard copy");
    WriteFileAtomically(layouts.LayoutFileName(id),
                        library->Find("GAMES", BuiltInLayoutName(0)).value_or(""));
    QuietHost host;
    GamePreview preview(host, library, folder.path, &layouts);
    preview.SetSize(320, 240);
    for (auto _ : state)
        benchmark::DoNotOptimize(preview.Show(id));
    state.counters["tiles"] = preview.Tiles();
}
BENCHMARK(BM_ManagerPreview144)->Unit(benchmark::kMillisecond);

// One tile added at the middle of a 1920 x 1080 editor and removed again,
// each followed by its local redraw.
void BM_EditorAddRemove(benchmark::State& state) {
    const ResourceStore* library = RealLibrary();
    if (library == nullptr) {
        state.SkipWithError("MahJong.rgf is not beside the benchmark");
        return;
    }
    QuietHost host;
    TMahJong_interface engine(host);
    engine.resources = library;
    BoardRenderer renderer(engine);
    LayoutEditor editor(engine);
    editor.Enter(-1);
    renderer.SetArea({1920, 1080, 0, 0, false});
    renderer.LoadTileSet(4, 'S');
    renderer.FullRedraw();
    const TileGeometry& g = renderer.Geometry();
    const Point at = renderer.Grid().TilePosition({1, 20, 12});
    const PixelRect ghost{at.x, at.y, g.faceWidth, g.faceHeight};
    for (auto _ : state) {
        const auto added = editor.Add(renderer.Grid(), ghost);
        renderer.LocalRedraw(*added, TileRedraw::Unselect, true, false);
        const auto removed = editor.Remove(renderer.Grid(), ghost);
        renderer.LocalRedraw(*removed, TileRedraw::Remove, true, false);
    }
    state.SetLabel("add + remove, two local redraws");
}
BENCHMARK(BM_EditorAddRemove)->Unit(benchmark::kMicrosecond);

std::string Name(int k) {
    return std::string("L").append(std::to_string(k));
}

void BM_Import100(benchmark::State& state) {
    // A 144-tile layout of the other format: 4 levels of 36 tiles.
    std::string text = "kmahjongg-layout-v1.1\nw24\nh12\nd4\n";
    for (int level = 0; level < 4; ++level)
        for (int row = 0; row < 12; ++row)
            text.append(row % 2 == 0 ? "121212121212121212121212" : "434343434343434343434343")
                .append("\n");
    Folder folder;
    for (int k = 0; k < 100; ++k)
        WriteFileAtomically(std::string(folder.path).append(Name(k)).append(".layout"), text);
    for (auto _ : state) {
        const CustomLayouts layouts(std::string(folder.path).append("data/"));
        for (int k = 0; k < 100; ++k) {
            const ForeignLayoutResult result = ConvertForeignLayout(text);
            const GameId id = layouts.RegisterLayout(Name(k));
            WriteFileAtomically(layouts.LayoutFileName(id), result.fileText);
        }
    }
    state.SetLabel("100 files of 144 tiles, converted, registered, written");
}
BENCHMARK(BM_Import100)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace jw
