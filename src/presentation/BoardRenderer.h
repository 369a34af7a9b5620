// The board renderer: turns the engine's board into the BoardImage and keeps
// it up to date.
//
// Everything is composed in memory: the full redraw paints the background
// and every tile in draw order (levels up, rows down, columns right), with
// the tiles' sides, bevels and shadows; single-tile changes use the local
// redraw, which repaints one tile's area and punches holes where tiles in
// front of it lie, so that they stay untouched. The window only receives
// finished rectangles through a BoardWindow.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "engine/BoardPainter.h"
#include "engine/Jong_class_graphic.h"
#include "presentation/BoardGrid.h"
#include "presentation/BoardWindow.h"
#include "presentation/Image.h"
#include "presentation/PackedPicture.h"
#include "presentation/TileSet.h"

namespace jw {

class ResourceStore;

// Colours of the board's special looks.
inline constexpr Pixel kEditorBackground = Rgb(10, 84, 35);
inline constexpr Pixel kEditorGrid = Rgb(96, 96, 96);
inline constexpr Pixel kPreviewTop = Rgb(217, 227, 253);
inline constexpr Pixel kPreviewBottom = Rgb(73, 134, 194);
inline constexpr Pixel kPauseTop = Rgb(0, 128, 0);
inline constexpr Pixel kPauseKey = Rgb(0, 128, 0);
inline constexpr int kShadowAmount = 50;

// The selected look of one channel: stretched around 127 by 80, then
// darkened by 120 / 255 of itself.
int SelectedChannel(int e);

class BoardRenderer : public BoardPainter {
  public:
    // Attaches itself as the engine's painter. `addOns` are the add-on tile
    // libraries (may be absent).
    explicit BoardRenderer(TMahJong_graphic& engine, const ResourceStore* addOns = nullptr);
    ~BoardRenderer() override;
    BoardRenderer(const BoardRenderer&) = delete;
    BoardRenderer& operator=(const BoardRenderer&) = delete;

    // The window the board is shown in (may be absent).
    void SetWindow(BoardWindow* target) { window = target; }
    // The board area: recomputes the grid and resizes the BoardImage. The
    // BackgroundImage is made again on the next redraw.
    void SetArea(const GridArea& area);
    // Whether the main window is in full-screen mode (automatic size letter).
    bool fullScreen = false;

    // Loads a tile set (see LoadTileSet in TileSet.h), then recomputes the
    // grid. A set number below 1 reloads the current set.
    bool LoadTileSet(int setNumber, char sizeLetter);
    // Starts from a choice without loading: what the settings said at start.
    void SetTileSetChoice(const TileSetChoice& choice) { tiles.choice = choice; }
    // Chooses a tile set and size and their geometry, and leaves making the
    // pictures to the first fit of a layout or the first board drawn with
    // tiles, so that a start decodes and scales the set once, at the size
    // the game is played at.
    void DeferTileSet(int setNumber, char sizeLetter, const std::string& addOnId);
    // The tile geometry of a size letter without loading pictures, then the
    // grid (used while searching for a size that fits).
    void RecomputeGeometry(char sizeLetter);
    // Computes the grid for the board area and the tile size, with the
    // placed layout in the middle (not in the layout editor, which centres
    // the layout on the board itself).
    void ComputeGrid();
    // Remembers the extent of the layout on the board, to be centred by
    // every grid computation from now on.
    void PlaceLayout();

    // BoardPainter.
    void RedrawBoard() override;
    void RedrawTile(BoardPos pos, TileRedraw mode, bool copyToWindow) override;
    bool FitLayout(bool automatic, bool recompute, bool tryToFit) override;
    void RestoreUserSize() override;
    // The smallest tiles, for an area where even they do not fit the
    // layout: the board is then drawn cut off at the area's edges rather
    // than with larger tiles. The player's own size comes back with
    // RestoreUserSize.
    void UseSmallestTiles();
    std::optional<BoardPos> TileAt(int x, int y) override;
    // Every tile under a window point, from the top down.
    std::vector<BoardPos> TilesAt(int x, int y) const;

    // Background, then all tiles unless paused.
    void FullRedraw();
    // Copies the BoardImage to the window (in the editor, with the pointer
    // tile at the ghost's place).
    void Paint();
    // Redraws the (W + 2D) x (H + 2D) area of the tile anchored at `pos` in
    // the BoardImage and returns it; with `copyToWindow` also shows it.
    Rect LocalRedraw(BoardPos pos, TileRedraw mode, bool shadows, bool copyToWindow);

    // The winning animation's stamp: the tile buffer with face `face` (its
    // body whichever variant was composed there last) drawn on the
    // BoardImage at (x, y), see-through pixels left out; only that
    // rectangle goes to the window.
    void StampFace(int face, int x, int y);

    // Highlights the tile under the pointer, remembering what it covered.
    void HoverOn(BoardPos pos);
    // Puts the remembered pixels back.
    void HoverOff();
    // Draws a tile whole, straight onto the window (Ctrl + right button);
    // false when peeking is off or the game is face down.
    bool Peek(BoardPos pos);
    // Repaints the peeked tile's rectangle from the BoardImage.
    void PeekOff();

    // The pause screen: gradient, then the two pause pictures on the window.
    // A full redraw while paused draws the pause screen again, centred on
    // the board's size.
    void PauseOn();
    // One 80 ms step of the moving picture.
    void PauseTick();
    // Leaves the pause and redraws everything.
    void PauseOff();
    bool Paused() const { return paused; }

    // Makes the background when the board has lost it, or when forced. It is
    // drawn on the BoardImage, which the full redraw that follows covers with
    // tiles. Only the part under the layout's tiles is kept (the
    // BackgroundImage): during play nothing else is ever drawn over, so the
    // rest stays on the board. What does draw over it (the pause screen, the
    // winning animation, the editor) has it made again by the next full
    // redraw, and so do tiles that come to reach beyond the part kept.
    void RefreshBackground(bool force);
    // Makes the background of the board area; the default background unless
    // replaced (the background chooser plugs in here).
    std::function<void(Image& target, int width, int height)> makeBackground;

    const Image& BoardImage() const { return board; }
    const PackedPicture& BackgroundImage() const { return background; }
    const TileSet& Tiles() const { return tiles; }
    const BoardGrid& Grid() const { return grid; }
    const TileGeometry& Geometry() const { return tiles.geometry; }
    int HighestLevelDrawn() const { return highestLevelDrawn; }

    std::optional<Point> editorGhost;    // where the editor's pointer tile is drawn
    std::optional<char> rememberedSize;  // the player's size while a smaller one is used

  private:
    bool tilesDeferred = false;  // a tile set is chosen whose pictures are not made yet
    bool Editing() const { return engine.mode == EngineMode::Editing; }
    bool Preview() const { return engine.mode == EngineMode::Preview; }
    bool FaceDownGame() const { return engine.rules.faceDown != 0; }
    bool IsSelected(CellCode code) const;
    bool EmptyForShadow(int level, int column, int row) const;
    TileSetContext Context();

    // Composes a tile into the tile buffer: body variant by TileId mod 3,
    // then its face (or the blank face); in the editor the body alone.
    const Image& Compose(CellCode code, bool blankFace);
    const Image& ComposeSelected(CellCode code);
    const Image& ComposeHighlighted(CellCode code);
    void DrawTile(BoardPos pos, CellCode code);
    void DrawShadows(Image& target, int x, int y, BoardPos pos);
    void DrawEditorGrid();
    // The board pixels that the tiles of the layout, live or removed, and
    // their shadows can cover, row by row.
    RowRuns TileFootprint() const;
    // Keeps the background under the tile footprint before tiles cover it.
    void KeepBackgroundUnderTiles();
    // Something other than tiles drew over the board: the background must be
    // made again before the next game is drawn.
    void BoardOverdrawn() {
        boardIsBackground = false;
        outsideIsBackground = false;
    }
    // The pause gradient over the whole board, and the pause pictures'
    // places centred on it.
    void DrawPauseScreen();
    void Present(Rect area);
    TileGeometry GeometryNow() const { return tiles.geometry; }

    // The game, read only: the renderer draws it and never changes its play.
    const TMahJong_graphic& engine;
    // The same object, written only to attach the renderer as its painter
    // and layout seams (and to detach it), and for the score type that
    // loading a tile set of the other family implies.
    TMahJong_graphic& attached;
    const ResourceStore* addOns;
    BoardWindow* window = nullptr;
    GridArea area;
    BoardGrid grid;
    std::optional<LayoutExtent> placed;
    TileSet tiles;
    Image board;
    PackedPicture background;
    bool boardIsBackground = false;    // the board holds the made background alone
    bool outsideIsBackground = false;  // outside the part kept, the board shows it
    std::array<CellCode, 4> selectedCodes{};
    int highestLevelDrawn = 0;
    bool paused = false;

    // Hover and peek.
    std::optional<BoardPos> hoverPos;
    Image hoverSaved;
    Point hoverAt;
    std::optional<Rect> peekArea;

    // Pause pictures and the moving one's state.
    Image pause1;
    Image pause2;
    int pauseX = 0;
    int pauseY = 0;
    int pauseX2 = 0;
    int pauseY2 = 0;
    int pauseCentre = 0;
    int pauseSwing = 0;
    int pauseStep = 3;
};

}  // namespace jw
