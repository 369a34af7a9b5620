// A board renderer on a generated tile set at size "B" (52 x 70, depth 14),
// a 1000 x 700 board area and a flat grey background, for pixel tests.
#pragma once

#include <gtest/gtest.h>

#include "engine/Jong_class_interface.h"
#include "platform/ScriptedHost.h"
#include "presentation/Blit.h"
#include "presentation/BoardRenderer.h"
#include "presentation/TestPictures.h"

namespace jw::test {

inline constexpr Pixel kGrey = Rgb(100, 100, 100);

class RendererTest : public ::testing::Test {
  protected:
    RendererTest() : engine(host), renderer(engine, &addOns) {
        PutTestTileSet(main, addOns, "B_MR_TEST", 52, 70, 52, 70, 14);
        engine.resources = &main;
        engine.mode = EngineMode::Playing;
        renderer.SetWindow(&window);
        renderer.makeBackground = [](Image& target, int width, int height) {
            FillRect(target, {0, 0, width, height}, kGrey);
        };
        renderer.SetTileSetChoice({kAddOnSetNumber, "B_MR_TEST", 'B', false});
        renderer.SetArea({1000, 700, 0, 0, false});
        EXPECT_TRUE(renderer.LoadTileSet(0, 'B'));
    }

    // Places a tile with the given id (face = the id's face in the standard set).
    void Put(int level, int column, int row, TileId id) {
        engine.board.PlaceTile(level, column, row, id);
        ++engine.board.tilesLeft;
    }
    void Select(BoardPos pos) {
        engine.selection.Add(pos, engine.board.At(pos.level, pos.column, pos.row));
    }
    Point At(BoardPos pos) const { return renderer.Grid().TilePosition(pos); }
    Pixel Board(int x, int y) const { return renderer.BoardImage().At(x, y); }

    ScriptedHost host;
    MemoryStore main;
    MemoryStore addOns;
    TMahJong_interface engine;
    BoardRenderer renderer;
    WindowImage window{1000, 700};
    static constexpr int W = 52;
    static constexpr int H = 70;
    static constexpr int D = 14;
};

// Darkened by one shadow.
constexpr Pixel Shadowed(Pixel p) {
    return Rgb(RedOf(p) > 50 ? RedOf(p) - 50 : 0, GreenOf(p) > 50 ? GreenOf(p) - 50 : 0,
               BlueOf(p) > 50 ? BlueOf(p) - 50 : 0);
}

}  // namespace jw::test
