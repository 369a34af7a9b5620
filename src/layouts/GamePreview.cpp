#include "layouts/GamePreview.h"

#include "engine/Deal.h"
#include "engine/GameNumber.h"
#include "engine/Jong_class_interface.h"
#include "engine/LayoutReader.h"
#include "platform/GameFamily.h"
#include "platform/SettingsDefaults.h"
#include "presentation/BoardRenderer.h"

namespace jw {

GamePreview::GamePreview(Host& host, const ResourceStore* library, std::string dataFolder,
                         const CustomLayoutIndex* customLayouts)
    : engine(std::make_unique<TMahJong_interface>(host)) {
    engine->resources = library;
    engine->dataFolder = std::move(dataFolder);
    engine->catalog.SetCustomLayouts(customLayouts);
    engine->mode = EngineMode::Preview;
    renderer = std::make_unique<BoardRenderer>(*engine);
    SetSize(width, height);
}

GamePreview::~GamePreview() {
    engine->painter = nullptr;
}

void GamePreview::SetSize(int newWidth, int newHeight) {
    width = std::max(1, newWidth);
    height = std::max(1, newHeight);
    GridArea area;
    area.clientWidth = width;
    area.clientHeight = height;
    area.preview = true;
    renderer->SetArea(area);
}

bool GamePreview::Show(GameId id) {
    engine->ClearBoard();
    const bool read = ReadLayout(*engine, ReadMode::Preview, std::string(), id) &&
                      engine->board.CountAnchors() > 0;
    engine->mode = EngineMode::Preview;
    if (!read) {
        engine->board.Clear();
    }
    tiles = engine->board.CountAnchors();
    levels = 0;
    for (int level = 1; level <= kTileLevels; ++level) {
        levels += engine->board.CountAnchors(level) > 0 ? 1 : 0;
    }
    faceDown = engine->rules.faceDown != 0;
    if (read) {
        PreviewDeal(engine->board, NormalizeGameNumber(""));
    }
    // Face-down games are shown with the matching family's tiles; both are
    // drawn with the small preview sheet at its own cell size.
    engine->scoreType = std::string(faceDown ? kScoreTypeMatching : kScoreTypeMahJong);
    const int set = DefaultTileSetFor(engine->scoreType);
    if (set != loadedSet) {
        loadedSet = renderer->LoadTileSet(set, 0) ? set : 0;
    }
    if (loadedSet != 0 && read) {
        renderer->PlaceLayout();
    }
    renderer->FullRedraw();
    return read;
}

const Image& GamePreview::Picture() const {
    return renderer->BoardImage();
}

}  // namespace jw
