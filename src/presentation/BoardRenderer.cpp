#include "presentation/BoardRenderer.h"

#include <algorithm>

#include "platform/Host.h"
#include "platform/SettingsDefaults.h"
#include "presentation/BackgroundImage.h"
#include "presentation/Blit.h"

namespace jw {

int SelectedChannel(int e) {
    if (e >= 128) {
        e += 80 * (e - 127) / 255;
    } else {
        e -= 80 * (127 - e) / 255;
    }
    e = std::clamp(e, 0, 255);
    return e - 120 * e / 255;
}

BoardRenderer::BoardRenderer(TMahJong_graphic& engineIn, const ResourceStore* addOnsIn)
    : engine(engineIn), attached(engineIn), addOns(addOnsIn) {
    attached.painter = this;
    selectedCodes.fill(kEmptySlot);
    // Reading a layout places it on the screen through these.
    LayoutSeams& seams = attached.layoutSeams;
    // With the fit flag the tile size may step down until the layout fits;
    // without it the size stays and the answer is whether it fits as it is.
    seams.fitToScreen = [this](TMahJong_Base&, bool fitFlag) {
        bool fits = true;
        if (fitFlag) {
            fits = FitLayout(AutomaticTileSize(engine.settings), true, true);
        }
        PlaceLayout();
        if (!fitFlag && !Preview()) {
            const LayoutExtent extent = ExtentOf(engine.board);
            fits = grid.Fits(extent.width, extent.height, engine.host.Screen().width);
        }
        return fits;
    };
    seams.boardOrigin = [this] { return std::pair<int, int>{grid.X(1), grid.Y(1)}; };
    seams.reloadTileSet = [this] { LoadTileSet(0, tiles.choice.sizeLetter); };
}

BoardRenderer::~BoardRenderer() {
    if (attached.painter == this) {
        attached.painter = nullptr;
        attached.layoutSeams.fitToScreen = nullptr;
        attached.layoutSeams.boardOrigin = nullptr;
        attached.layoutSeams.reloadTileSet = nullptr;
    }
}

TileSetContext BoardRenderer::Context() {
    // A tile set of the other family changes the game's score type.
    return TileSetContext{engine.host, engine.resources, addOns, engine.settings,
                          attached.scoreType};
}

void BoardRenderer::SetArea(const GridArea& areaIn) {
    area = areaIn;
    const int height = area.preview ? area.clientHeight : area.clientHeight - area.statusBarHeight;
    board = Image(std::max(1, area.clientWidth), std::max(1, height));
    background.Reset();
    BoardOverdrawn();
    ComputeGrid();
}

void BoardRenderer::ComputeGrid() {
    grid.Compute(area, tiles.geometry);
    if (placed && !Editing()) {
        grid.CentreLayout(placed->width, placed->height);
    }
}

void BoardRenderer::PlaceLayout() {
    placed = ExtentOf(engine.board);
    ComputeGrid();
}

bool BoardRenderer::LoadTileSet(int setNumber, char sizeLetter) {
    tilesDeferred = false;
    TileSetContext context = Context();
    tiles.choice.preview = Preview();
    const bool loaded = jw::LoadTileSet(setNumber, sizeLetter, context, tiles);
    if (loaded) {
        ComputeGrid();
    } else {
        board.Fill(kBlack);
        BoardOverdrawn();
    }
    return loaded;
}

void BoardRenderer::DeferTileSet(int setNumber, char sizeLetter, const std::string& addOnId) {
    tiles.choice.setNumber = setNumber;
    tiles.choice.addOnId = setNumber == kAddOnSetNumber ? addOnId : std::string();
    tiles.choice.preview = Preview();
    tiles.images = TileSetImages();
    tiles.loaded = false;
    tilesDeferred = true;
    RecomputeGeometry(sizeLetter);
}

void BoardRenderer::RecomputeGeometry(char sizeLetter) {
    const bool square =
        tiles.choice.setNumber == kAddOnSetNumber && ReadAddOnId(tiles.choice.addOnId).square;
    if (const auto geometry =
            SizeTableGeometry(sizeLetter, tiles.choice.setNumber, square, engine.host)) {
        tiles.geometry = *geometry;
        tiles.choice.sizeLetter = NormalizeSizeLetter(sizeLetter);
    }
    ComputeGrid();
}

bool BoardRenderer::FitLayout(bool automatic, bool recompute, bool tryToFit) {
    if (Preview()) {
        return true;
    }
    const char start = tiles.choice.sizeLetter;
    char letter = automatic ? 'X' : start;
    if (recompute) {
        RecomputeGeometry(letter);
    }
    if (tryToFit) {
        const bool automaticSize = AutomaticTileSize(engine.settings);
        const LayoutExtent extent = ExtentOf(engine.board);
        const int screenWidth = engine.host.Screen().width;
        while (!grid.Fits(extent.width, extent.height, screenWidth)) {
            if (NormalizeSizeLetter(letter) == 'N') {
                // The game is refused; keep the geometry of the pictures
                // that are loaded.
                RecomputeGeometry(start);
                return false;
            }
            if (!automaticSize && !rememberedSize) {
                rememberedSize = letter;
            }
            letter = StepTileSize(letter, "-", engine.host);
            RecomputeGeometry(letter);
        }
    }
    if (NormalizeSizeLetter(letter) != NormalizeSizeLetter(start) || !tiles.loaded) {
        tiles.choice.sizeLetter = letter;
        LoadTileSet(0, letter);
    }
    return true;
}

void BoardRenderer::UseSmallestTiles() {
    const char smallest = 'N';
    if (NormalizeSizeLetter(tiles.choice.sizeLetter) == smallest && tiles.loaded) {
        return;
    }
    if (!AutomaticTileSize(engine.settings) && !rememberedSize) {
        rememberedSize = tiles.choice.sizeLetter;
    }
    tiles.choice.sizeLetter = smallest;
    RecomputeGeometry(smallest);
    LoadTileSet(0, smallest);
}

void BoardRenderer::RestoreUserSize() {
    if (rememberedSize) {
        tiles.choice.sizeLetter = *rememberedSize;
        rememberedSize.reset();
        LoadTileSet(0, tiles.choice.sizeLetter);
    }
}

std::optional<BoardPos> BoardRenderer::TileAt(int x, int y) {
    return grid.TileAt(engine.board, x, y, Editing());
}

std::vector<BoardPos> BoardRenderer::TilesAt(int x, int y) const {
    return grid.TilesAt(engine.board, x, y, Editing());
}

void BoardRenderer::RedrawBoard() {
    FullRedraw();
    Paint();
}

void BoardRenderer::RedrawTile(BoardPos pos, TileRedraw mode, bool copyToWindow) {
    LocalRedraw(pos, mode, true, copyToWindow);
}

void BoardRenderer::RefreshBackground(bool force) {
    if (outsideIsBackground && !force) {
        return;
    }
    // Made again whenever the board area changes, so only as large as it;
    // whatever a picture leaves uncovered stays black.
    board.Fill(kBlack);
    if (makeBackground) {
        makeBackground(board, board.Width(), board.Height());
    } else {
        const bool fade =
            engine.settings == nullptr || Read(*engine.settings, setting::kFadeBackground);
        MakeDefaultBackground(board, board.Width(), board.Height(), fade,
                              engine.host.Screen().colorDepth);
    }
    background.Pack(board, TileFootprint());
    boardIsBackground = true;
    outsideIsBackground = true;
}

RowRuns BoardRenderer::TileFootprint() const {
    const TileGeometry& geometry = tiles.geometry;
    const int width = geometry.faceWidth + 2 * geometry.depth;
    const int height = geometry.faceHeight + 2 * geometry.depth;
    RowRuns footprint;
    for (const BoardPos& pos : engine.board.OccupiedCells()) {
        if (pos.level > kTileLevels) {
            break;  // the cells come in level order
        }
        const CellCode code = engine.board.At(pos.level, pos.column, pos.row);
        if (IsAnchor(code) || code == kRemovedAnchor) {
            const Point at = grid.TilePosition(pos);
            footprint.Add({at.x, at.y, width, height});
        }
    }
    footprint.ClipTo(board.Bounds());
    return footprint;
}

void BoardRenderer::KeepBackgroundUnderTiles() {
    const RowRuns footprint = TileFootprint();
    if (background.Covers(footprint)) {
        return;
    }
    if (boardIsBackground) {
        background.Pack(board, footprint);
    } else {
        RefreshBackground(true);  // the board holds tiles: the background is made again
    }
}

bool BoardRenderer::IsSelected(CellCode code) const {
    const TileId id = TileIdOfCode(code);
    if (id == 0) {
        return false;
    }
    return std::find(selectedCodes.begin(), selectedCodes.end(), AnchorCode(id)) !=
           selectedCodes.end();
}

bool BoardRenderer::EmptyForShadow(int level, int column, int row) const {
    const CellCode code = engine.board.At(level, column, row);
    return code < 1 || IsSelected(code);
}

const Image& BoardRenderer::Compose(CellCode code, bool blankFace) {
    TileSetImages& images = tiles.images;
    const TileId id = TileIdOfCode(code);
    const Image& body = images.bodies[static_cast<std::size_t>(id % 3 + 1)];
    Image& buffer = images.tileBuffer;
    if (buffer.Width() != body.Width() || buffer.Height() != body.Height()) {
        buffer = body;
    } else {
        Copy(buffer, 0, 0, body);
    }
    if (Editing()) {
        return buffer;
    }
    const FaceIndex face = blankFace ? -1 : engine.FaceOfTile(id);
    if (face >= 1 && face <= kFaceCount) {
        const Image& picture = images.faces[static_cast<std::size_t>(face)];
        if (images.facesKeyed) {
            CopyKeyed(buffer, 0, 0, picture, kKeyColour);
        } else {
            Copy(buffer, 0, 0, picture);
        }
    } else {
        Copy(buffer, 0, 0, images.faces[kBlankFace]);
    }
    return buffer;
}

const Image& BoardRenderer::ComposeSelected(CellCode code) {
    Compose(code, false);
    Image& buffer = tiles.images.tileBuffer;
    if (buffer.Empty()) {
        return buffer;
    }
    std::array<int, 256> table{};
    for (int e = 0; e < 256; ++e) {
        table[static_cast<std::size_t>(e)] = SelectedChannel(e);
    }
    for (int y = 0; y < buffer.Height(); ++y) {
        Pixel* row = buffer.Row(y);
        for (int x = 0; x < buffer.Width(); ++x) {
            const Pixel p = row[x];
            row[x] = Rgb(table[static_cast<std::size_t>(RedOf(p))],
                         table[static_cast<std::size_t>(GreenOf(p))],
                         table[static_cast<std::size_t>(BlueOf(p))]);
        }
    }
    // The bevel corner was see-through before; whatever it became is again.
    const Pixel formerKey = buffer.At(1, buffer.Height() - 1);
    ReplaceColour(buffer, buffer.Bounds(), formerKey, kKeyColour);
    return buffer;
}

const Image& BoardRenderer::ComposeHighlighted(CellCode code) {
    if (IsSelected(code)) {
        ComposeSelected(code);
    } else {
        Compose(code, FaceDownGame());
    }
    AlphaBlend(tiles.images.tileBuffer, 0, 0, tiles.images.highlightOverlay, 255);
    return tiles.images.tileBuffer;
}

void BoardRenderer::FullRedraw() {
    for (int i = 0; i < kSelectionSlots; ++i) {
        selectedCodes[static_cast<std::size_t>(i)] = engine.selection.Code(i);
    }
    if (Editing()) {
        board.Fill(kEditorBackground);
        DrawEditorGrid();
        background.Pack(board);
        BoardOverdrawn();
    } else if (Preview()) {
        VerticalGradient(board, board.Bounds(), kPreviewTop, kPreviewBottom);
        background.Pack(board);
        BoardOverdrawn();
    } else if (!paused) {
        RefreshBackground(false);  // made on the board, which then holds it already
        if (!boardIsBackground) {
            const Rect kept = background.Bounds();
            background.CopyTo(board, kept.x, kept.y, kept);
        }
    }
    if (tilesDeferred && engine.board.tilesLeft > 0) {
        LoadTileSet(0, tiles.choice.sizeLetter);
    }
    if (paused) {
        DrawPauseScreen();  // the board keeps its tiles hidden, whatever its size
        return;
    }
    if (!tiles.loaded) {
        return;
    }
    if (!Editing() && !Preview()) {
        KeepBackgroundUnderTiles();
    }
    highestLevelDrawn = 0;
    const int n = grid.N();
    const Board& cells = engine.board;
    for (int level = 1; level <= kTileLevels; ++level) {
        for (int row = 1; row <= n; ++row) {
            for (int column = 1; column <= n; ++column) {
                const CellCode code = cells.At(level, column, row);
                if (code > 0 && code < kQuarterBase) {
                    DrawTile({level, column, row}, code);
                    highestLevelDrawn = level;
                }
            }
        }
    }
}

void BoardRenderer::DrawTile(BoardPos pos, CellCode code) {
    boardIsBackground = false;
    const TileSetImages& images = tiles.images;
    const int w = tiles.geometry.faceWidth;
    const int h = tiles.geometry.faceHeight;
    const int d = tiles.geometry.depth;
    const auto [x, y] = grid.TilePosition(pos);
    if (IsSelected(code)) {
        CopyKeyed(board, x, y, ComposeSelected(code), kKeyColour);
        return;
    }
    // A right neighbour half a row higher keeps its face in front of this
    // tile's side: remember the strip where it lies, with the part outside
    // its outline made see-through, and put it back afterwards.
    const Board& cells = engine.board;
    const CellCode upper = cells.At(pos.level, pos.column + 2, pos.row);
    const CellCode lower = cells.At(pos.level, pos.column + 2, pos.row + 1);
    int stripHeight = 0;
    if (!Preview()) {
        if (upper > 0 && lower > 0 && TileIdOfCode(upper) != TileIdOfCode(lower)) {
            stripHeight = h / 2;
        } else if (upper > 0 && lower <= 0) {
            stripHeight = h / 2 + d;
        }
    }
    Image strip;
    if (stripHeight > 0) {
        strip = Image(d, stripHeight);
        Copy(strip, 0, 0, board, {x + w, y, d, stripHeight});
        CopyKeyed(strip, 0, 0, images.silhouette, {0, h - h / 2, d, stripHeight}, kKeyColour);
    }
    const TileId id = TileIdOfCode(code);
    const std::size_t variant = static_cast<std::size_t>(id % 3 + 1);
    if (Editing()) {
        CopyKeyed(board, x, y, images.bodies[variant], kKeyColour);
    } else {
        CopyKeyed(board, x + w, y, images.rightStrips[variant], kKeyColour);
        CopyKeyed(board, x, y + h, images.bottomStrips[variant], kKeyColour);
        const FaceIndex face = FaceDownGame() ? -1 : engine.FaceOfTile(id);
        if (face >= 1 && face <= kFaceCount) {
            if (images.facesKeyed) {
                CopyKeyed(board, x, y, images.faces[static_cast<std::size_t>(face)], kKeyColour);
            } else {
                Copy(board, x, y, images.faces[static_cast<std::size_t>(face)]);
            }
        } else {
            Copy(board, x, y, images.faces[kBlankFace]);
        }
        DrawShadows(board, x, y, pos);
    }
    if (stripHeight > 0) {
        CopyKeyed(board, x + w, y, strip, kSilhouetteKey);
    }
}

void BoardRenderer::DrawShadows(Image& target, int x, int y, BoardPos pos) {
    const int w = tiles.geometry.faceWidth;
    const int h = tiles.geometry.faceHeight;
    const int d = tiles.geometry.depth;
    const int l = pos.level;
    const int c = pos.column;
    const int r = pos.row;
    const int right = x + w + d;
    const int bottom = y + h + d;
    const Image& buffer = tiles.images.tileBuffer;
    const Board& cells = engine.board;
    auto empty = [&](int column, int row) { return EmptyForShadow(l, column, row); };

    const bool rightTop = empty(c + 2, r);
    const bool rightBottom = empty(c + 2, r + 1);
    // Upper right corner: follows the bevel, or whole under an overhang.
    if (rightTop && empty(c + 1, r - 1)) {
        DarkenWhere(target, right, y + d, buffer, {w, 0, d, d}, kKeyColour, kShadowAmount);
    } else if (rightTop && !empty(c, r - 1) && !empty(c + 1, r - 1) &&
               (empty(c + 2, r - 1) || cells.At(l, c + 2, r - 1) == cells.At(l, c + 3, r - 1))) {
        Darken(target, {right, y + d, d, d}, kShadowAmount);
    }
    // Right side.
    if (rightTop && rightBottom) {
        Darken(target, {right, y + 2 * d, d, h - d}, kShadowAmount);
    } else if (rightBottom) {
        Darken(target, {right, y + h / 2 + d, d, h / 2}, kShadowAmount);
    } else if (rightTop) {
        Darken(target, {right, y + 2 * d, d, h / 2 - 2 * d}, kShadowAmount);
    }
    // Lower left corner, following the bevel.
    if (c == 1 || empty(c - 1, r + 2)) {
        DarkenWhere(target, x + d, bottom, buffer, {0, h, d, d}, kKeyColour, kShadowAmount);
    }
    // Bottom.
    if (empty(c, r + 2) || empty(c + 1, r + 2)) {
        Darken(target, {x + 2 * d, bottom, w, d}, kShadowAmount);
    }
}

void BoardRenderer::DrawEditorGrid() {
    const int columns = grid.VisibleColumns();
    const int rows = grid.VisibleRows();
    if (columns < 1 || rows < 1) {
        return;
    }
    const int left = grid.X(1);
    const int top = grid.Y(1);
    const int right = grid.X(std::min(columns, grid.N()));
    const int bottom = grid.Y(std::min(rows, grid.N()));
    // The outline, then the inner lines.
    FillRect(board, {left, top, right - left + 1, 1}, kEditorGrid);
    FillRect(board, {left, bottom, right - left + 1, 1}, kEditorGrid);
    FillRect(board, {left, top, 1, bottom - top + 1}, kEditorGrid);
    FillRect(board, {right, top, 1, bottom - top + 1}, kEditorGrid);
    for (int i = 2; i <= std::min(columns, grid.N()); ++i) {
        FillRect(board, {grid.X(i), top + 1, 1, bottom - top}, kEditorGrid);
    }
    for (int i = 2; i <= std::min(rows, grid.N()); ++i) {
        FillRect(board, {left + 1, grid.Y(i), right - left, 1}, kEditorGrid);
    }
}

void BoardRenderer::StampFace(int face, int x, int y) {
    TileSetImages& images = tiles.images;
    Image& buffer = images.tileBuffer;
    if (buffer.Empty() || face < 1 || face > kFaceCount) {
        return;
    }
    const Image& picture = images.faces[static_cast<std::size_t>(face)];
    if (images.facesKeyed) {
        CopyKeyed(buffer, 0, 0, picture, kKeyColour);
    } else {
        Copy(buffer, 0, 0, picture);
    }
    CopyKeyed(board, x, y, buffer, kKeyColour);
    BoardOverdrawn();
    Present({x, y, buffer.Width(), buffer.Height()});
}

void BoardRenderer::Present(Rect rect) {
    if (window != nullptr) {
        rect = Intersect(rect, board.Bounds());
        if (!rect.Empty()) {
            window->Present(board, rect);
        }
    }
}

void BoardRenderer::Paint() {
    Present(board.Bounds());
    if (window != nullptr && Editing() && editorGhost) {
        window->DrawOver(tiles.images.pointerFrame, editorGhost->x, editorGhost->y, kKeyColour);
    }
    if (window != nullptr && paused && !pause1.Empty()) {
        window->DrawOver(pause1, pauseX, pauseY, kPauseKey);
        window->DrawOver(pause2, pauseX2, pauseY2, kPauseKey);
    }
}

}  // namespace jw
