// The board renderer's in-place changes: the local redraw of one tile, the
// hover highlight, peeking at a hidden tile and the pause screen.
#include <algorithm>

#include "platform/Host.h"
#include "platform/ResourceStore.h"
#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "presentation/Blit.h"
#include "presentation/BmpRead.h"
#include "presentation/BoardRenderer.h"

namespace jw {
namespace {

bool Overlaps(int x, int y, int x2, int y2, int width, int height) {
    return x2 < x + width && x < x2 + width && y2 < y + height && y < y2 + height;
}

// Whether a tile at (x2, y2) on level l2 lies in front of the redrawn tile
// at (x, y) on level l, whose face is h pixels high.
bool InFront(int x, int y, int l, int x2, int y2, int l2, int h) {
    bool front = true;
    if (y2 >= y && y2 < y + h && x2 < x) {
        front = l < l2;
    }
    if (y >= y2 && y < y2 + h && x >= x2) {
        front = front && l < l2;
    }
    if (y2 + h == y) {
        front = front && l < l2;
    }
    return front && l2 >= l;
}

}  // namespace

Rect BoardRenderer::LocalRedraw(BoardPos pos, TileRedraw mode, bool shadows, bool copyToWindow) {
    for (int i = 0; i < kSelectionSlots; ++i) {
        selectedCodes[static_cast<std::size_t>(i)] = engine.selection.Code(i);
    }
    const int w = tiles.geometry.faceWidth;
    const int h = tiles.geometry.faceHeight;
    const int d = tiles.geometry.depth;
    const Point at = grid.TilePosition(pos);
    const Rect area{at.x, at.y, w + 2 * d, h + 2 * d};
    if (!tiles.loaded || paused) {
        return area;
    }
    shadows = shadows && !Editing();
    Image& work = tiles.images.redrawBuffer;
    if (work.Width() != area.width || work.Height() != area.height) {
        work = Image(area.width, area.height);
    }
    work.Fill(kKeyColour);

    const Board& cells = engine.board;
    const CellCode code = cells.At(pos.level, pos.column, pos.row);
    switch (mode) {
        case TileRedraw::Unselect:
            if (Editing()) {
                Copy(work, 0, 0, board, area);
            }
            CopyKeyed(work, 0, 0, Compose(code, false), kKeyColour);
            break;
        case TileRedraw::Remove:
            background.CopyTo(work, 0, 0, area);
            break;
        case TileRedraw::Select:
            CopyKeyed(work, 0, 0, ComposeSelected(code), kKeyColour);
            break;
        case TileRedraw::SelectHover:
            ComposeSelected(code);
            AlphaBlend(tiles.images.tileBuffer, 0, 0, tiles.images.highlightOverlay, 255);
            CopyKeyed(work, 0, 0, tiles.images.tileBuffer, kKeyColour);
            break;
        case TileRedraw::Hover:
            CopyKeyed(work, 0, 0, ComposeHighlighted(code), kKeyColour);
            break;
        case TileRedraw::FaceDown:
        case TileRedraw::FaceDownAlt:
            CopyKeyed(work, 0, 0, Compose(code, true), kKeyColour);
            break;
    }

    // Only tiles a few cells away can reach the area: two tiles overlap when
    // their pictures are less than W + 2D apart, and levels shift a tile by
    // at most 4D. The draw order within this window is the full draw's.
    const int n = grid.N();
    const int columnSpan = (w + 6 * d) / std::max(1, w / 2) + 2;
    const int rowSpan = (h + 6 * d) / std::max(1, h / 2) + 2;
    const int firstRow = std::max(1, pos.row - rowSpan);
    const int lastRow = std::min(n, pos.row + rowSpan);
    const int firstColumn = std::max(1, pos.column - columnSpan);
    const int lastColumn = std::min(n, pos.column + columnSpan);
    for (int level = 1; level <= kTileLevels; ++level) {
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column) {
                const CellCode other = cells.At(level, column, row);
                if (other <= 0 || other >= kQuarterBase) {
                    continue;
                }
                const BoardPos otherPos{level, column, row};
                if (otherPos == pos) {
                    continue;
                }
                const Point o = grid.TilePosition(otherPos);
                if (!Overlaps(at.x, at.y, o.x, o.y, area.width, area.height)) {
                    continue;
                }
                const int ox = o.x - at.x;
                const int oy = o.y - at.y;
                if (mode == TileRedraw::Remove) {
                    if (IsSelected(other)) {
                        continue;
                    }
                    CopyKeyed(work, ox, oy, Compose(other, FaceDownGame()), kKeyColour);
                    if (shadows) {
                        DrawShadows(work, ox, oy, otherPos);
                    }
                    // A right neighbour half a row higher stays in front.
                    const CellCode upper = cells.At(level, column + 2, row);
                    const CellCode lower = cells.At(level, column + 2, row + 1);
                    if (upper > 0 && TileIdOfCode(upper) != TileIdOfCode(lower)) {
                        const CellCode neighbour = cells.At(level, column + 2, row - 1);
                        if (IsAnchor(neighbour) && !IsSelected(neighbour)) {
                            const Point np = grid.TilePosition({level, column + 2, row - 1});
                            CopyKeyed(work, np.x - at.x, np.y - at.y,
                                      Compose(neighbour, FaceDownGame()), {0, 0, w, h + d},
                                      kKeyColour);
                        }
                    }
                } else if (InFront(at.x, at.y, pos.level, o.x, o.y, level, h)) {
                    if (shadows) {
                        DrawShadows(work, ox, oy, otherPos);
                    }
                    CopyKeyed(work, ox, oy, tiles.images.silhouette, kSilhouetteKey);
                }
            }
        }
    }
    if (shadows) {
        ReplaceColour(work, work.Bounds(), kShadowedKey, kKeyColour);
    }
    CopyKeyed(board, at.x, at.y, work, kKeyColour);
    boardIsBackground = false;
    if (copyToWindow) {
        Present(area);
    }
    return area;
}

void BoardRenderer::HoverOn(BoardPos pos) {
    HoverOff();
    const int tileWidth = tiles.geometry.TileWidth();
    const int tileHeight = tiles.geometry.TileHeight();
    hoverAt = grid.TilePosition(pos);
    hoverSaved = Image(tileWidth, tileHeight);
    Copy(hoverSaved, 0, 0, board, {hoverAt.x, hoverAt.y, tileWidth, tileHeight});
    hoverPos = pos;
    LocalRedraw(pos, TileRedraw::Hover, true, true);
}

void BoardRenderer::HoverOff() {
    if (!hoverPos) {
        return;
    }
    // Only the part that lay inside the board was saved; the rest stays.
    const Rect inside =
        Intersect({hoverAt.x, hoverAt.y, hoverSaved.Width(), hoverSaved.Height()}, board.Bounds());
    Copy(board, inside.x, inside.y, hoverSaved,
         {inside.x - hoverAt.x, inside.y - hoverAt.y, inside.width, inside.height});
    Present(inside);
    hoverPos.reset();
}

bool BoardRenderer::Peek(BoardPos pos) {
    const bool allowed =
        engine.settings == nullptr || Read(*engine.settings, setting::kShowPartialHiddenTile);
    const CellCode code = engine.board.At(pos.level, pos.column, pos.row);
    if (!allowed || FaceDownGame() || !IsAnchor(code) || !tiles.loaded) {
        return false;
    }
    const Point at = grid.TilePosition(pos);
    if (window != nullptr) {
        window->DrawOver(Compose(code, false), at.x, at.y, kKeyColour);
    }
    peekArea = Rect{at.x, at.y, tiles.geometry.TileWidth(), tiles.geometry.TileHeight()};
    return true;
}

void BoardRenderer::PeekOff() {
    if (peekArea) {
        Present(*peekArea);
        peekArea.reset();
    }
}

void BoardRenderer::PauseOn() {
    paused = true;
    HoverOff();
    auto load = [this](const char* name) {
        Image picture;
        std::string error;
        if (engine.resources != nullptr) {
            if (const auto bytes = engine.resources->Find("BITMAP", name)) {
                ReadBmp(*bytes, picture, error);
            }
        }
        return picture;
    };
    pause1 = load("BMP_PAUSE_1");
    pause2 = load("BMP_PAUSE_2");
    if (pause1.Empty() || pause2.Empty()) {
        pause1.Reset();
        pause2.Reset();
    }
    DrawPauseScreen();
    Paint();
}

void BoardRenderer::DrawPauseScreen() {
    BoardOverdrawn();
    const bool flat = engine.host.Screen().colorDepth <= 8;
    if (flat) {
        board.Fill(kPauseTop);
    } else {
        VerticalGradient(board, board.Bounds(), kPauseTop, kBlack);
    }
    if (pause1.Empty()) {
        return;
    }
    const int width = board.Width();
    const int height = board.Height();
    pauseX = std::max(5, (width - pause1.Width()) / 2);
    pauseY = std::max(100, (height - (pause1.Height() + pause2.Height() + 45)) / 2);
    pauseX2 = std::max(5, (width - pause2.Width()) / 2);
    pauseY2 = pauseY + pause1.Height() + 15;
    pauseCentre = pauseX;
    pauseSwing = pauseX - pauseX2 + 2;
    pauseStep = 3;
}

void BoardRenderer::PauseTick() {
    if (!paused || pause1.Empty()) {
        return;
    }
    Present({pauseX, pauseY, pause1.Width(), pause1.Height()});
    pauseX += pauseStep;
    if (pauseX >= pauseCentre + pauseSwing || pauseX <= pauseCentre - pauseSwing) {
        pauseStep = -pauseStep;
    }
    if (window != nullptr) {
        window->DrawOver(pause1, pauseX, pauseY, kPauseKey);
        window->DrawOver(pause2, pauseX2, pauseY2, kPauseKey);
    }
}

void BoardRenderer::PauseOff() {
    if (!paused) {
        return;
    }
    engine.host.SetBusy(true);
    paused = false;
    pause1.Reset();
    pause2.Reset();
    RedrawBoard();
    engine.host.SetBusy(false);
}

}  // namespace jw
