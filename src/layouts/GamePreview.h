// The drawn preview of a game in the open-game dialog: a private engine that
// never plays reads the game's layout, deals it for display and draws it
// with the board renderer into a picture of its own. Nothing of the game in
// progress (board, undo lists, records) is touched.
#pragma once

#include <memory>
#include <string>

#include "engine/GameCatalog.h"
#include "presentation/Image.h"

namespace jw {

class BoardRenderer;
class Host;
class ResourceStore;
class TMahJong_interface;

class GamePreview {
  public:
    // `library` holds the built-in layouts and tile sets; custom layouts are
    // read from `dataFolder` (ends in '/') and named through `customLayouts`.
    GamePreview(Host& host, const ResourceStore* library, std::string dataFolder,
                const CustomLayoutIndex* customLayouts);
    ~GamePreview();
    GamePreview(const GamePreview&) = delete;
    GamePreview& operator=(const GamePreview&) = delete;

    // The size of the picture.
    void SetSize(int width, int height);
    // Reads, deals and draws game `id`; false (and an empty board drawn)
    // when its layout cannot be read.
    bool Show(GameId id);

    const Image& Picture() const;
    // What was read: tiles, levels holding tiles, and whether the tiles lie
    // face down.
    int Tiles() const { return tiles; }
    int Levels() const { return levels; }
    bool FaceDown() const { return faceDown; }

  private:
    std::unique_ptr<TMahJong_interface> engine;
    std::unique_ptr<BoardRenderer> renderer;
    int width = 320;
    int height = 240;
    int loadedSet = 0;
    int tiles = 0;
    int levels = 0;
    bool faceDown = false;
};

}  // namespace jw
