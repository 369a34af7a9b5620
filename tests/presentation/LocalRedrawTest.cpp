// The local redraw against a full redraw of the same board state.
//
// Removing a tile from a board without half-row offsets must give exactly
// the full redraw. Elsewhere the two may differ where the rules say so: a
// selected tile keeps the shadow it cast before (a full redraw gives a
// selected tile none), the shadow a neighbour casts onto a selected tile's
// place is not added, and after a removal a neighbour half a row higher is
// repainted fresh instead of restored. The report test prints the counts;
// with JW_REDRAW_DIFF_DIR set it also writes the first differing case of
// each kind as PNG pictures (local, full, and the differences in red).
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include "presentation/PngWrite.h"
#include "presentation/RendererFixture.h"

namespace jw {
namespace {

using test::CountDifferences;
using test::kGrey;
using test::Shadowed;

class LocalRedraw : public test::RendererTest {
  protected:
    // A board of one level whose tiles all start on odd rows: no tile has a
    // neighbour half a row higher or lower.
    void FlatBoard(std::mt19937& random) {
        engine.board.Clear();
        TileId next = 1;
        for (int row = 1; row <= 15; row += 2) {
            int column = 1 + static_cast<int>(random() % 3);
            while (column <= 30) {
                if (random() % 4 != 0) {
                    Put(1, column, row, next++);
                }
                column += 2 + static_cast<int>(random() % 3 == 0 ? 1 : 0);
            }
        }
    }

    // Up to five levels with half-tile offsets in both directions; upper
    // tiles rest fully on tiles below.
    void RandomBoard(std::mt19937& random) {
        engine.board.Clear();
        TileId next = 1;
        const jw::Board& b = engine.board;
        auto freeAt = [&](int level, int c, int r) {
            return b.At(level, c, r) == 0 && b.At(level, c + 1, r) == 0 &&
                   b.At(level, c, r + 1) == 0 && b.At(level, c + 1, r + 1) == 0;
        };
        auto supported = [&](int level, int c, int r) {
            return level == 1 ||
                   (b.At(level - 1, c, r) > 0 && b.At(level - 1, c + 1, r) > 0 &&
                    b.At(level - 1, c, r + 1) > 0 && b.At(level - 1, c + 1, r + 1) > 0);
        };
        const int tries[] = {0, 140, 90, 60, 40, 25};
        for (int level = 1; level <= 5; ++level) {
            for (int t = 0; t < tries[level]; ++t) {
                const int c = 1 + static_cast<int>(random() % 30);
                const int r = 1 + static_cast<int>(random() % 15);
                if (freeAt(level, c, r) && supported(level, c, r) && next <= 432) {
                    Put(level, c, r, next++);
                }
            }
        }
    }

    std::vector<BoardPos> LiveTiles() const {
        std::vector<BoardPos> tiles;
        for (int level = 1; level <= 5; ++level) {
            for (int row = 1; row <= 40; ++row) {
                for (int column = 1; column <= 40; ++column) {
                    if (IsAnchor(engine.board.At(level, column, row))) {
                        tiles.push_back({level, column, row});
                    }
                }
            }
        }
        return tiles;
    }

    // Full redraw of the current state, then `change`, then the local redraw
    // in `mode`; returns the pixels in which it differs from a full redraw.
    template <typename Change>
    int Compare(BoardPos pos, TileRedraw mode, Change change, const char* name) {
        renderer.FullRedraw();
        change();
        renderer.LocalRedraw(pos, mode, true, false);
        const Image local = renderer.BoardImage();
        renderer.FullRedraw();
        const Image& full = renderer.BoardImage();
        const int differences = CountDifferences(local, full);
        // Where: on the tile's own picture, or beside it where its own
        // shadow falls.
        const Point at = At(pos);
        onTile = 0;
        for (int y = at.y; y < at.y + H + D; ++y) {
            for (int x = at.x; x < at.x + W + D; ++x) {
                onTile += local.At(x, y) != full.At(x, y) ? 1 : 0;
            }
        }
        if (differences > 0) {
            Keep(name, local, renderer.BoardImage());
        }
        return differences;
    }

    void Keep(const std::string& name, const Image& local, const Image& full) {
        const char* folder = std::getenv("JW_REDRAW_DIFF_DIR");
        if (folder == nullptr || !written.insert(name).second) {
            return;
        }
        Image marked = full;
        for (int y = 0; y < full.Height(); ++y) {
            for (int x = 0; x < full.Width(); ++x) {
                if (local.At(x, y) != full.At(x, y)) {
                    marked.Set(x, y, Rgb(255, 0, 0));
                }
            }
        }
        std::string error;
        const std::string stem = std::string(folder) + "/" + name;
        WritePng(local, stem + "-local.png", error);
        WritePng(full, stem + "-full.png", error);
        WritePng(marked, stem + "-marked.png", error);
    }

    std::set<std::string> written;
    int onTile = 0;  // of the last comparison, differences on the tile's own picture
};

TEST_F(LocalRedraw, RemovingFromBoardsWithoutHalfRowOffsetsMatchesTheFullRedraw) {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        FlatBoard(random);
        const std::vector<BoardPos> tiles = LiveTiles();
        ASSERT_FALSE(tiles.empty());
        const BoardPos pos = tiles[random() % tiles.size()];
        const int differences = Compare(
            pos, TileRedraw::Remove,
            [&] {
                ASSERT_TRUE(engine.board.RemoveTile(pos.level, pos.column, pos.row, false, 0,
                                                    Removal::MarkRemoved));
            },
            "flat-remove");
        EXPECT_EQ(differences, 0) << "round " << round;
    }
}

TEST_F(LocalRedraw, SelectingALoneTileKeepsOnlyItsOldShadow) {
    Put(1, 5, 5, 1);
    const BoardPos pos{1, 5, 5};
    renderer.FullRedraw();
    Select(pos);
    renderer.LocalRedraw(pos, TileRedraw::Select, true, false);
    const Image local = renderer.BoardImage();
    renderer.FullRedraw();
    const Image& full = renderer.BoardImage();
    const auto [x, y] = At(pos);
    int differences = 0;
    for (int py = 0; py < full.Height(); ++py) {
        for (int px = 0; px < full.Width(); ++px) {
            if (local.At(px, py) != full.At(px, py)) {
                ++differences;
                // Only the shadow, right of and below the tile, on the background.
                ASSERT_EQ(full.At(px, py), kGrey);
                ASSERT_EQ(local.At(px, py), Shadowed(kGrey));
                ASSERT_TRUE(px >= x + W + D || py >= y + H + D) << px << "," << py;
            }
        }
    }
    EXPECT_GT(differences, D * (H - D));
    // Selecting and unselecting in place puts back exactly the first picture.
    engine.selection.Clear();
    renderer.FullRedraw();
    const Image first = renderer.BoardImage();
    Select(pos);
    renderer.LocalRedraw(pos, TileRedraw::Select, true, false);
    engine.selection.Clear();
    renderer.LocalRedraw(pos, TileRedraw::Unselect, true, false);
    EXPECT_EQ(CountDifferences(first, renderer.BoardImage()), 0);
}

TEST_F(LocalRedraw, TilesInFrontStayUntouched) {
    Put(1, 5, 5, 1);
    Put(2, 5, 5, 5);   // on top
    Put(1, 7, 4, 9);   // right neighbour half a row higher
    Put(1, 5, 7, 13);  // the tile below, later in draw order
    renderer.FullRedraw();
    const Image before = renderer.BoardImage();
    Select({1, 5, 5});
    renderer.LocalRedraw({1, 5, 5}, TileRedraw::Select, true, false);
    const Image& after = renderer.BoardImage();
    // Pixels of the tiles in front are unchanged; the visible part of the
    // lower tile took the selected look.
    for (const BoardPos front : {BoardPos{2, 5, 5}, BoardPos{1, 7, 4}, BoardPos{1, 5, 7}}) {
        const auto [fx, fy] = At(front);
        EXPECT_EQ(after.At(fx + 20, fy + 20), before.At(fx + 20, fy + 20));
    }
    // A visible part of the tile: its right side, under the shadow of the
    // tile on top of it.
    const auto [x, y] = At({1, 5, 5});
    const Pixel side = test::BodyRightColour(2);
    EXPECT_EQ(before.At(x + W + 3, y + 60), Shadowed(side));
    EXPECT_EQ(after.At(x + W + 3, y + 60),
              Shadowed(Rgb(SelectedChannel(RedOf(side)), SelectedChannel(GreenOf(side)),
                           SelectedChannel(BlueOf(side)))));
}

TEST_F(LocalRedraw, ReportOverRandomBoards) {
    std::mt19937 random(2007);
    struct Tally {
        int operations = 0;
        int differing = 0;
        long long pixels = 0;
        long long onTile = 0;
        int most = 0;
    };
    std::map<std::string, Tally> tallies;
    auto count = [&](const std::string& name, int differences) {
        Tally& t = tallies[name];
        ++t.operations;
        t.differing += differences > 0 ? 1 : 0;
        t.pixels += differences;
        t.onTile += onTile;
        t.most = std::max(t.most, differences);
    };
    const int area = (W + 2 * D) * (H + 2 * D);
    for (int round = 0; round < 60; ++round) {
        RandomBoard(random);
        engine.selection.Clear();
        std::vector<BoardPos> tiles = LiveTiles();
        ASSERT_GE(tiles.size(), 20u);
        const BoardPos pos = tiles[random() % tiles.size()];
        count("select", Compare(
                            pos, TileRedraw::Select, [&] { Select(pos); }, "select"));
        count("unselect",
              Compare(
                  pos, TileRedraw::Unselect, [&] { engine.selection.Clear(); }, "unselect"));
        const BoardPos gone = tiles[random() % tiles.size()];
        const int removed = Compare(
            gone, TileRedraw::Remove,
            [&] {
                engine.board.RemoveTile(gone.level, gone.column, gone.row, false, 0,
                                        Removal::MarkRemoved);
            },
            "remove");
        count("remove", removed);
        // A removal repaints its area from the rules; a gross fault (wrong
        // offsets, a missing level) would differ over most of it.
        EXPECT_LT(removed, area / 8) << "round " << round;
    }
    for (const auto& [name, t] : tallies) {
        std::cout << "[ redraw   ] " << name << ": " << t.operations << " redraws, " << t.differing
                  << " differ from a full redraw, " << t.pixels << " pixels in all, at most "
                  << t.most << " in one (area " << area << "), " << t.onTile
                  << " of them on the tile's own picture\n";
    }
}

}  // namespace
}  // namespace jw
