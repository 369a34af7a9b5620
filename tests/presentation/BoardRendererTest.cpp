#include <gtest/gtest.h>

#include "platform/MemorySettings.h"
#include "presentation/RendererFixture.h"

namespace jw {
namespace {

using test::CellColour;
using test::kGrey;
using test::Shadowed;

// Face of TileId 1 is face 1, the sheet's cell 0; TileId 5 is face 2 (cell 1).
const Pixel kFace1 = CellColour(0);

TEST(BoardGridGeometry, ThousandPixelClientAtSizeB) {
    BoardGrid grid;
    grid.Compute({1000, 700, 0, 0, false}, {52, 70, 14});
    EXPECT_EQ(grid.AvailableWidth(), 990);
    EXPECT_EQ(grid.N(), 40);
    EXPECT_EQ(grid.VisibleColumns(), 38);
    EXPECT_EQ(grid.X(1), 19);  // 14 centred, raised to 5 + 14
    EXPECT_EQ(grid.X(2), 19 + 26);
    // Rows: 695 available, 35-pixel steps while 14 + sum < 695: 20 rows.
    EXPECT_EQ(grid.VisibleRows(), 20);
    EXPECT_EQ(grid.Y(1), 15);  // (695 - (700 - 35)) / 2, above 0 + 14
    // A level-3 tile in column 1 is drawn 42 pixels left of X[1].
    EXPECT_EQ(grid.TilePosition({3, 1, 1}).x, 19 - 42);
    EXPECT_EQ(grid.TilePosition({3, 1, 1}).y, grid.Y(1) - 42);

    // The top margin moves rows, the status bar shortens them; N is capped.
    BoardGrid wide;
    wide.Compute({8000, 700, 40, 30, false}, {32, 44, 9});
    EXPECT_EQ(wide.N(), 199);
    EXPECT_GE(wide.Y(1), 40 + 9);
    EXPECT_EQ(wide.AvailableHeight(), 700 - 40 - 5 - 30);
    // The preview uses margins of 2 and its whole canvas.
    BoardGrid preview;
    preview.Compute({300, 200, 40, 30, true}, {20, 26, 2});
    EXPECT_EQ(preview.AvailableWidth(), 296);
    EXPECT_EQ(preview.AvailableHeight(), 196);
}

TEST(BoardGridGeometry, CentringMovesTheWholeGridAndTheHitTestWithIt) {
    BoardGrid grid;
    grid.Compute({1000, 700, 0, 0, false}, {52, 70, 14});
    grid.CentreLayout(8, 4);  // 38 x 20 visible cells
    EXPECT_EQ(grid.X(1), 19 + (38 - 8) * 26 / 2);
    EXPECT_EQ(grid.Y(1), 15 + (20 - 4) * 35 / 2);
    EXPECT_EQ(grid.X(2) - grid.X(1), 26);
    EXPECT_EQ(grid.CellAt(0, grid.X(3) + 1, grid.Y(2) + 1), (BoardPos{0, 3, 2}));
    BoardGrid wide;
    wide.Compute({1000, 700, 0, 0, false}, {52, 70, 14});
    wide.CentreLayout(60, 40);  // larger than the window: stays where it was
    EXPECT_EQ(wide.X(1), 19);
    EXPECT_EQ(wide.Y(1), 15);
}

TEST(BoardGridGeometry, FittingNeedsASpareCellOnWideScreens) {
    BoardGrid grid;
    grid.Compute({1000, 700, 0, 0, false}, {52, 70, 14});
    EXPECT_TRUE(grid.Fits(37, 19, 1000));
    EXPECT_FALSE(grid.Fits(38, 19, 1000));
    EXPECT_TRUE(grid.Fits(38, 20, 899));
    EXPECT_FALSE(grid.Fits(38, 21, 899));
}

using BoardRendering = test::RendererTest;

// Black pause pictures: 200 x 40 above, `secondWidth` x 30 below.
template <typename Library>
void PutPausePictures(Library& library, int secondWidth) {
    library.Put("BITMAP", "BMP_PAUSE_1",
                test::EncodeBmp(Image(200, 40, PixelFormat::Rgb24, kBlack)));
    library.Put("BITMAP", "BMP_PAUSE_2",
                test::EncodeBmp(Image(secondWidth, 30, PixelFormat::Rgb24, kBlack)));
}

TEST_F(BoardRendering, HitTestMovesToTheAnchorOnHalfOffsetAndStackedTiles) {
    Put(1, 3, 3, 1);
    Put(1, 5, 4, 2);  // right neighbour half a row lower
    Put(2, 3, 3, 3);  // stacked on the first
    const BoardGrid& grid = renderer.Grid();
    const auto centreOf = [&](int level, int column, int row) {
        return Point{grid.X(column) - level * D + 13, grid.Y(row) - level * D + 17};
    };
    // The bottom-right quarter of the half-offset tile.
    Point p = centreOf(1, 6, 5);
    EXPECT_EQ(renderer.TileAt(p.x, p.y), (BoardPos{1, 5, 4}));
    // Its top-left quarter, the anchor itself.
    p = centreOf(1, 5, 4);
    EXPECT_EQ(grid.HitTest(engine.board, 1, p.x, p.y, false), (BoardPos{1, 5, 4}));
    // Its top-right quarter: one column left.
    p = centreOf(1, 6, 4);
    EXPECT_EQ(grid.HitTest(engine.board, 1, p.x, p.y, false), (BoardPos{1, 5, 4}));
    // Its bottom-left quarter: one row up.
    p = centreOf(1, 5, 5);
    EXPECT_EQ(grid.HitTest(engine.board, 1, p.x, p.y, false), (BoardPos{1, 5, 4}));
    // The stacked tile wins over the one below it, at any of its quarters.
    p = centreOf(2, 4, 4);
    EXPECT_EQ(renderer.TileAt(p.x, p.y), (BoardPos{2, 3, 3}));
    // Level 1 under the same point is the first tile, moved to its anchor.
    EXPECT_EQ(grid.HitTest(engine.board, 1, p.x, p.y, false), (BoardPos{1, 3, 3}));
    // A click answers with every tile under the point, from the top down.
    EXPECT_EQ(renderer.TilesAt(p.x, p.y), (std::vector<BoardPos>{{2, 3, 3}, {1, 3, 3}}));
    // Column edges: X[c] - L x D is the last pixel of column c - 1.
    EXPECT_EQ(grid.CellAt(1, grid.X(5) - D, 200)->column, 4);
    EXPECT_EQ(grid.CellAt(1, grid.X(5) - D + 1, 200)->column, 5);
    // Left of the first edge, and empty board cells.
    EXPECT_EQ(grid.CellAt(1, grid.X(1) - D, 200), std::nullopt);
    p = centreOf(1, 20, 10);
    EXPECT_EQ(renderer.TileAt(p.x, p.y), std::nullopt);
    EXPECT_TRUE(renderer.TilesAt(p.x, p.y).empty());
    // The layout editor uses the level below's offsets.
    p = centreOf(0, 6, 5);
    EXPECT_EQ(grid.HitTest(engine.board, 1, p.x, p.y, true), (BoardPos{1, 5, 4}));
}

TEST_F(BoardRendering, ALoneTileShowsFaceSidesAndShadow) {
    Put(1, 5, 5, 1);  // TileId 1: body variant 2, face 1
    renderer.RedrawBoard();
    const auto [x, y] = At({1, 5, 5});
    EXPECT_EQ(Board(x + 1, y + 1), kFace1);
    EXPECT_EQ(Board(x, y), kGrey);  // the face overlay's see-through corner
    EXPECT_EQ(Board(x + W + 2, y + D + 5), test::BodyRightColour(2));
    EXPECT_EQ(Board(x + 20, y + H + 3), test::BodyBottomColour(2));
    EXPECT_EQ(Board(x + W + D - 1, y), kGrey);  // the bevel
    // Right shadow D x (H - D) from y + 2D, bottom shadow W x D from x + 2D.
    EXPECT_EQ(Board(x + W + D, y + 2 * D), Shadowed(kGrey));
    EXPECT_EQ(Board(x + W + 2 * D - 1, y + H + D - 1), Shadowed(kGrey));
    EXPECT_EQ(Board(x + W + D, y + H + D), Shadowed(kGrey));
    EXPECT_EQ(Board(x + 2 * D, y + H + 2 * D - 1), Shadowed(kGrey));
    // The lower-left corner follows the bevel: darkened above its diagonal.
    EXPECT_EQ(Board(x + 2 * D - 1, y + H + D), Shadowed(kGrey));
    EXPECT_EQ(Board(x + 2 * D - 1, y + H + 2 * D - 1), kGrey);
    EXPECT_EQ(Board(x + D, y + H + 2 * D - 1), kGrey);
    EXPECT_EQ(Board(x + W + 2 * D, y + 40), kGrey);
    EXPECT_EQ(Board(x + 40, y + H + 2 * D), kGrey);
    // The window got the whole picture.
    EXPECT_EQ(window.picture, renderer.BoardImage());
}

TEST_F(BoardRendering, SelectedLookStretchesThenDarkensAndKeepsTheBevelSeeThrough) {
    EXPECT_EQ(SelectedChannel(255), 135);
    EXPECT_EQ(SelectedChannel(0), 0);
    EXPECT_EQ(SelectedChannel(200), 118);  // 200 + 22 = 222, - 104
    EXPECT_EQ(SelectedChannel(100), 49);   // 100 - 8 = 92, - 43
    EXPECT_EQ(SelectedChannel(127), 68);
    EXPECT_EQ(SelectedChannel(128), 68);  // 128 + 0 = 128, - 60

    Put(1, 5, 5, 1);
    Select({1, 5, 5});
    renderer.RedrawBoard();
    const auto [x, y] = At({1, 5, 5});
    const auto selected = [](Pixel p) {
        return Rgb(SelectedChannel(RedOf(p)), SelectedChannel(GreenOf(p)),
                   SelectedChannel(BlueOf(p)));
    };
    EXPECT_EQ(Board(x + 10, y + 10), selected(kFace1));
    EXPECT_EQ(Board(x + W + 3, y + 30), selected(test::BodyRightColour(2)));
    // Bevel corners and the face overlay's corner stay see-through; a
    // selected tile casts no shadow.
    EXPECT_EQ(Board(x, y + H + D - 1), kGrey);
    EXPECT_EQ(Board(x + W + D - 1, y), kGrey);
    EXPECT_EQ(Board(x + W + D + 2, y + 40), kGrey);
}

TEST_F(BoardRendering, NeighbourHalfARowHigherKeepsItsFaceInFront) {
    Put(1, 5, 6, 1);  // this tile
    Put(1, 7, 5, 5);  // its right neighbour, half a row higher, face 2
    renderer.RedrawBoard();
    const auto [x, y] = At({1, 5, 6});
    // This tile's right side lies under the neighbour's face: the face stays.
    EXPECT_EQ(Board(x + W + 3, y + 5), CellColour(1));
    // Below the neighbour's outline (its bevelled lower-left corner) this
    // tile's side shows.
    EXPECT_EQ(Board(x + W, y + H / 2 + D - 1), test::BodyRightColour(2));
    EXPECT_EQ(Board(x + W + D - 1, y + H / 2 + D - 1), test::BodyRightColour(2));
    // Just inside the neighbour's outline its own bottom side stays in front.
    EXPECT_EQ(Board(x + W + D - 1, y + H / 2 + D - 2), test::BodyBottomColour(3));
}

TEST_F(BoardRendering, SelectedNeighbourReceivesTheShadow) {
    // Bodies with a see-through hole in the bottom side, where the left
    // neighbour's right shadow falls.
    for (int k = 1; k <= 3; ++k) {
        Image body(W + D, H + D, PixelFormat::Rgb24, test::BodyFaceColour(k));
        FillRect(body, {0, H, W, D}, test::BodyBottomColour(k));
        body.Set(20, H + 5, kKeyColour);
        addOns.Put("BITMAP", "B_MR_TEST_" + std::to_string(k) + "_3D_Border",
                   test::EncodeBmp(body));
    }
    ASSERT_TRUE(renderer.LoadTileSet(0, 'B'));
    Put(1, 5, 5, 1);
    Put(1, 7, 5, 5);
    renderer.RedrawBoard();
    const auto [x, y] = At({1, 5, 5});
    EXPECT_EQ(Board(x + W + 20, y + H + 5), kGrey);  // no shadow: the neighbour is there
    Select({1, 7, 5});
    renderer.RedrawBoard();
    EXPECT_EQ(Board(x + W + 20, y + H + 5), Shadowed(kGrey));
}

TEST_F(BoardRendering, FaceDownGamesShowTheBlankFaceAndPeekNeverTouchesTheBoard) {
    Put(1, 5, 5, 1);
    Put(2, 5, 5, 9);
    engine.rules.faceDown = 1;
    renderer.RedrawBoard();
    const auto [x, y] = At({2, 5, 5});
    EXPECT_EQ(Board(x + 10, y + 10), test::BodyFaceColour(1));
    EXPECT_FALSE(renderer.Peek({1, 5, 5}));

    engine.rules.faceDown = 0;
    renderer.RedrawBoard();
    const Image before = renderer.BoardImage();
    const auto [lx, ly] = At({1, 5, 5});
    ASSERT_TRUE(renderer.Peek({1, 5, 5}));
    EXPECT_EQ(window.picture.At(lx + 30, ly + 30), kFace1);  // over the upper tile
    EXPECT_EQ(renderer.BoardImage(), before);
    renderer.PeekOff();
    EXPECT_EQ(window.picture, before);

    test::MemorySettings settings;
    settings.WriteString("Preference", "Show_Partial_Hidden_Tile", "N");
    engine.settings = &settings;
    EXPECT_FALSE(renderer.Peek({1, 5, 5}));
}

TEST_F(BoardRendering, HoverTintsTheFaceAndPutsThePixelsBack) {
    Put(1, 5, 5, 1);
    renderer.RedrawBoard();
    const Image before = renderer.BoardImage();
    const auto [x, y] = At({1, 5, 5});
    renderer.HoverOn({1, 5, 5});
    // White mask in the middle: fully orange; black border: untouched.
    EXPECT_EQ(Board(x + 20, y + 20), Rgb(255, 128, 0));
    EXPECT_EQ(Board(x + 1, y + 1), kFace1);
    EXPECT_EQ(window.picture.At(x + 20, y + 20), Rgb(255, 128, 0));
    renderer.HoverOff();
    EXPECT_EQ(renderer.BoardImage(), before);
    EXPECT_EQ(window.picture.At(x + 20, y + 20), kFace1);
}

TEST_F(BoardRendering, EditorLookHasGridAndBlankBodies) {
    Put(1, 5, 5, 1);
    engine.mode = EngineMode::Editing;
    renderer.RedrawBoard();
    const BoardGrid& grid = renderer.Grid();
    EXPECT_EQ(Board(grid.X(1) + 3, grid.Y(1)), kEditorGrid);
    EXPECT_EQ(Board(grid.X(30), grid.Y(18) + 3), kEditorGrid);
    EXPECT_EQ(Board(grid.X(30) + 3, grid.Y(18) + 3), kEditorBackground);
    EXPECT_EQ(Board(2, 2), kEditorBackground);
    const auto [x, y] = At({1, 5, 5});
    EXPECT_EQ(Board(x + 10, y + 10), test::BodyFaceColour(2));   // no face
    EXPECT_EQ(Board(x + W + D + 3, y + 40), kEditorBackground);  // no shadow
    // Removing a tile in the editor restores the editor background.
    engine.board.RemoveTile(1, 5, 5, false, 0, Removal::Erase);
    renderer.LocalRedraw({1, 5, 5}, TileRedraw::Remove, true, true);
    EXPECT_EQ(Board(x + 10, y + 10), kEditorBackground);
    // The pointer frame is painted on the window at the editor's cursor.
    renderer.editorGhost = renderer.Grid().TilePosition({1, 9, 9});
    renderer.Paint();
    const auto [cx, cy] = At({1, 9, 9});
    EXPECT_EQ(window.picture.At(cx + 1, cy), Rgb(255, 128, 64));
}

TEST_F(BoardRendering, PauseHidesTheTilesAndMovesThePicture) {
    Put(1, 5, 5, 1);
    PutPausePictures(main, 300);
    renderer.RedrawBoard();
    renderer.PauseOn();
    EXPECT_TRUE(renderer.Paused());
    const auto [x, y] = At({1, 5, 5});
    EXPECT_NE(Board(x + 10, y + 10), kFace1);
    EXPECT_EQ(Board(10, 0), kPauseTop);
    EXPECT_EQ(Board(10, 699), kBlack);
    // x1 = (1000 - 200) / 2 = 400; y1 = max(100, (700 - 115) / 2) = 292;
    // x2 = 350, y2 = 292 + 40 + 15.
    EXPECT_EQ(window.picture.At(400, 292), kBlack);
    EXPECT_NE(window.picture.At(399, 292), kBlack);
    EXPECT_EQ(window.picture.At(350, 347), kBlack);
    renderer.PauseTick();
    EXPECT_NE(window.picture.At(400, 292), kBlack);  // erased from the board picture
    EXPECT_EQ(window.picture.At(403, 292), kBlack);
    renderer.FullRedraw();  // blocked while paused
    EXPECT_NE(Board(x + 10, y + 10), kFace1);
    renderer.PauseOff();
    EXPECT_FALSE(renderer.Paused());
    EXPECT_EQ(Board(x + 10, y + 10), kFace1);
    EXPECT_EQ(host.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(BoardRendering, PauseScreenFollowsTheBoardToANewSize) {
    Put(1, 5, 5, 1);
    PutPausePictures(main, 300);
    renderer.RedrawBoard();
    renderer.PauseOn();
    renderer.PauseTick();
    // The window is made smaller while the game is paused, as the game
    // window does it: a new area, the layout fitted again, a full redraw.
    renderer.SetArea({800, 600, 0, 0, false});
    renderer.FitLayout(false, true, true);
    renderer.RedrawBoard();
    EXPECT_EQ(Board(10, 0), kPauseTop);
    EXPECT_EQ(Board(10, 599), kBlack);
    const auto [x, y] = At({1, 5, 5});
    EXPECT_NE(Board(x + 10, y + 10), kFace1);
    // x1 = (800 - 200) / 2 = 300; y1 = max(100, (600 - 115) / 2) = 242;
    // x2 = 250, y2 = 242 + 40 + 15: centred anew, on the window at once.
    EXPECT_EQ(window.picture.At(300, 242), kBlack);
    EXPECT_NE(window.picture.At(299, 242), kBlack);
    EXPECT_EQ(window.picture.At(250, 297), kBlack);
    renderer.PauseTick();
    EXPECT_EQ(window.picture.At(303, 242), kBlack);  // swinging from the new centre
    renderer.PauseOff();
    EXPECT_EQ(Board(x + 10, y + 10), kFace1);
}

// A background whose every pixel tells where it lies, so that a piece of it
// put back in the wrong place shows.
Pixel PlacePixel(int x, int y) {
    return Rgb(x % 256, y % 256, (x / 256) * 16 + y / 256);
}

TEST_F(BoardRendering, TheBackgroundIsKeptUnderTheTilesAndMadeAgainWhenOverdrawn) {
    int made = 0;
    renderer.makeBackground = [&made](Image& target, int width, int height) {
        ++made;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                target.Set(x, y, PlacePixel(x, y));
            }
        }
    };
    const auto expectPlainBackground = [&](const char* when) {
        int wrong = 0;
        for (int y = 0; y < 700; ++y) {
            for (int x = 0; x < 1000; ++x) {
                wrong += Board(x, y) != PlacePixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << when;
    };
    const auto removeAll = [&] {
        for (const BoardPos& pos : std::vector<BoardPos>(engine.board.OccupiedCells())) {
            if (IsAnchor(engine.board.At(pos.level, pos.column, pos.row))) {
                ASSERT_TRUE(engine.board.RemoveTile(pos.level, pos.column, pos.row, false, 0,
                                                    Removal::MarkRemoved));
                renderer.RedrawTile(pos, TileRedraw::Remove, true);
            }
        }
    };
    const std::vector<BoardPos> layout = {{1, 5, 5}, {1, 7, 5}, {1, 9, 6}, {2, 6, 5}, {1, 5, 9}};
    TileId id = 0;
    for (const BoardPos& pos : layout) {
        Put(pos.level, pos.column, pos.row, ++id);
    }
    renderer.RedrawBoard();
    EXPECT_EQ(made, 1);
    // Only the part under the tiles and their shadows is kept.
    const Rect kept = renderer.BackgroundImage().Bounds();
    for (const BoardPos& pos : layout) {
        EXPECT_TRUE(
            renderer.BackgroundImage().Covers({At(pos).x, At(pos).y, W + 2 * D, H + 2 * D}));
    }
    EXPECT_LT(kept.width * kept.height, 1000 * 700 / 4);
    // Row by row: below the top row's tiles and right of the lower left
    // tile, where no tile reaches, nothing is kept.
    const Point lowerLeft = At({1, 5, 9});
    EXPECT_FALSE(renderer.BackgroundImage().Covers({lowerLeft.x + W + 2 * D, lowerLeft.y, 1, 1}));
    removeAll();
    expectPlainBackground("after removing every tile");

    // Redrawn with the tiles back, from the part kept: nothing made again.
    for (const BoardPos& pos : layout) {
        engine.board.PlaceTile(pos.level, pos.column, pos.row, ++id);
    }
    renderer.RedrawBoard();
    EXPECT_EQ(made, 1);

    // The pause screen and the winning animation draw over the rest of the
    // board; the next full redraw makes the background again.
    PutPausePictures(main, 300);
    renderer.PauseOn();
    renderer.PauseOff();
    EXPECT_EQ(made, 2);
    EXPECT_EQ(Board(10, 0), PlacePixel(10, 0));
    EXPECT_EQ(Board(999, 699), PlacePixel(999, 699));
    renderer.StampFace(1, 900, 600);
    renderer.RedrawBoard();
    EXPECT_EQ(made, 3);
    removeAll();
    expectPlainBackground("after a pause and the winning animation");

    // A layout reaching beyond the part kept has it made again and kept
    // larger, so that its far tiles can go too.
    engine.board.Clear();
    Put(1, 3, 3, 1);
    Put(1, 31, 15, 2);
    renderer.RedrawBoard();
    EXPECT_EQ(made, 4);
    EXPECT_TRUE(renderer.BackgroundImage().Covers({At({1, 31, 15}).x, At({1, 31, 15}).y, W, H}));
    removeAll();
    expectPlainBackground("after a larger layout");
}

TEST_F(BoardRendering, PauseSwingsBetweenItsEnds) {
    PutPausePictures(main, 210);
    renderer.PauseOn();
    // x1 = 400, x2 = 395: s = 7, so the picture swings within 393..407.
    int lowest = 400;
    int highest = 400;
    for (int tick = 0; tick < 40; ++tick) {
        renderer.PauseTick();
        int left = 0;
        while (left < 1000 && window.picture.At(left, 292) != kBlack) {
            ++left;
        }
        lowest = std::min(lowest, left);
        highest = std::max(highest, left);
    }
    EXPECT_EQ(highest, 409);
    EXPECT_EQ(lowest, 391);
}

TEST_F(BoardRendering, FittingStepsDownAndRemembersThePlayersSize) {
    test::MemorySettings settings;
    settings.WriteString("Preference", "Automatic_Tile_Size", "N");
    settings.WriteString("Preference", "Additional_Tile_Set", "B_MR_TEST");
    engine.settings = &settings;
    // 60 cells wide: at "B" 38 columns are visible; at "N" 62.
    Put(1, 1, 1, 1);
    Put(1, 59, 1, 2);
    EXPECT_TRUE(renderer.FitLayout(false, true, true));
    EXPECT_EQ(renderer.Tiles().choice.sizeLetter, 'N');
    EXPECT_EQ(renderer.Geometry(), (TileGeometry{32, 44, 9}));
    EXPECT_EQ(renderer.Tiles().images.faces[1].Width(), 32);
    EXPECT_EQ(renderer.rememberedSize, 'B');
    renderer.RestoreUserSize();
    EXPECT_EQ(renderer.Geometry(), (TileGeometry{52, 70, 14}));
    EXPECT_EQ(renderer.rememberedSize, std::nullopt);
    // Too wide even at "N".
    Put(1, 99, 1, 3);
    EXPECT_FALSE(renderer.FitLayout(false, true, true));
    EXPECT_EQ(renderer.Geometry(), (TileGeometry{52, 70, 14}));  // the loaded pictures' size
    renderer.rememberedSize.reset();
    // With automatic size nothing is remembered and the search starts at "X".
    engine.board.Clear();
    Put(1, 1, 1, 1);
    settings.WriteString("Preference", "Automatic_Tile_Size", "Y");
    EXPECT_TRUE(renderer.FitLayout(true, true, true));
    EXPECT_EQ(renderer.Tiles().choice.sizeLetter, 'X');
    EXPECT_EQ(renderer.rememberedSize, std::nullopt);
}

TEST_F(BoardRendering, ADeferredTileSetIsMadeWhenFirstNeededAtTheSizeThatFits) {
    test::MemorySettings settings;
    settings.WriteString("Preference", "Automatic_Tile_Size", "N");
    settings.WriteString("Preference", "Additional_Tile_Set", "B_MR_TEST");
    engine.settings = &settings;
    renderer.DeferTileSet(kAddOnSetNumber, 'B', "B_MR_TEST");
    EXPECT_FALSE(renderer.Tiles().loaded);
    EXPECT_TRUE(renderer.Tiles().images.faces[1].Empty());
    EXPECT_EQ(renderer.Geometry(), (TileGeometry{52, 70, 14}));
    // An empty board (the game chooser at start) needs no pictures.
    renderer.RedrawBoard();
    EXPECT_FALSE(renderer.Tiles().loaded);
    // The first fit makes them, at the size that fits rather than the one
    // chosen first.
    Put(1, 1, 1, 1);
    Put(1, 59, 1, 2);
    EXPECT_TRUE(renderer.FitLayout(false, true, true));
    EXPECT_TRUE(renderer.Tiles().loaded);
    EXPECT_EQ(renderer.Tiles().images.faces[1].Width(), 32);
    EXPECT_EQ(renderer.Tiles().choice.addOnId, "B_MR_TEST");

    // A board drawn with tiles before any fit makes them too.
    engine.board.Clear();
    renderer.DeferTileSet(kAddOnSetNumber, 'B', "B_MR_TEST");
    Put(1, 10, 4, 1);
    renderer.RedrawBoard();
    ASSERT_TRUE(renderer.Tiles().loaded);
    EXPECT_EQ(renderer.Tiles().images.faces[1].Width(), W);
    const Point at = At({1, 10, 4});
    EXPECT_NE(Board(at.x + W / 2, at.y + H / 2), kGrey);
}

TEST_F(BoardRendering, LayoutReaderSeamsFitPlaceAndGiveTheOrigin) {
    ASSERT_TRUE(engine.layoutSeams.fitToScreen);
    // A layout 60 cells wide needs size "N" in a 1000-pixel window; the
    // automatic setting (default on) starts the search from "X".
    Put(1, 1, 1, 1);
    Put(1, 59, 1, 2);
    EXPECT_TRUE(engine.layoutSeams.fitToScreen(engine, true));
    EXPECT_EQ(renderer.Geometry(), (TileGeometry{32, 44, 9}));
    // 62 visible columns at "N": the layout is moved one cell to the right.
    EXPECT_EQ(engine.layoutSeams.boardOrigin(),
              (std::pair<int, int>{renderer.Grid().X(1), renderer.Grid().Y(1)}));
    BoardGrid plain;
    plain.Compute({1000, 700, 0, 0, false}, {32, 44, 9});
    EXPECT_EQ(renderer.Grid().X(1), plain.X(1) + (62 - 60) * 16 / 2);
    // Without the fit flag the size stays, and the answer says it does not fit.
    Put(1, 119, 1, 3);
    EXPECT_FALSE(engine.layoutSeams.fitToScreen(engine, false));
    // The engine forgets the renderer's seams when the renderer goes.
    {
        TMahJong_interface other(host);
        { BoardRenderer temporary(other); }
        EXPECT_FALSE(other.layoutSeams.fitToScreen);
        EXPECT_EQ(other.painter, nullptr);
    }
}

TEST(PreviewRendering, UsesThePreviewSetAtItsCellSizeOnTheGradient) {
    test::ScriptedHost host;
    test::MemoryStore main;
    test::MemoryStore scratch;
    test::PutTestTileSet(scratch, scratch, "p", 20, 26, 20, 26, 2);
    main.Put("BITMAP", "preview_001", *scratch.Find("BITMAP", "p"));
    for (int k = 1; k <= 3; ++k) {
        const std::string ending = "_" + std::to_string(k) + "_3D_Border";
        main.Put("BITMAP", "preview_001" + ending, *scratch.Find("BITMAP", "p" + ending));
    }
    main.Put("BITMAP", "tiles_x_001_3D_Border_Transparent",
             *scratch.Find("BITMAP", "tiles_x_***_3D_Border_Transparent"));
    TMahJong_interface engine(host);
    engine.resources = &main;
    engine.mode = EngineMode::Preview;
    engine.scoreType = "02";
    BoardRenderer renderer(engine);
    renderer.SetArea({300, 200, 40, 30, true});
    ASSERT_TRUE(renderer.LoadTileSet(503, 0));
    EXPECT_EQ(renderer.Geometry(), (TileGeometry{20, 26, 2}));
    EXPECT_EQ(engine.scoreType, "02");  // the preview leaves the family alone
    EXPECT_TRUE(renderer.Tiles().images.silhouette.Empty());
    EXPECT_EQ(renderer.Grid().LeftMargin(), 2);
    engine.board.PlaceTile(1, 3, 3, 1);
    EXPECT_TRUE(renderer.FitLayout(true, true, true));  // no size search in preview
    renderer.FullRedraw();
    // The top band is bottom + 255/256 of the way: red 73 + 143.4 = 216.
    EXPECT_EQ(renderer.BoardImage().At(0, 0), Rgb(216, 227, 253));
    EXPECT_EQ(renderer.BoardImage().At(0, 199), Rgb(73, 134, 194));
    const Point at = renderer.Grid().TilePosition({1, 3, 3});
    EXPECT_EQ(renderer.BoardImage().At(at.x + 5, at.y + 5), CellColour(0));
    EXPECT_EQ(renderer.BackgroundImage().At(at.x + 5, at.y + 5),
              renderer.BoardImage().At(at.x - 3, at.y + 5));
}

}  // namespace
}  // namespace jw
