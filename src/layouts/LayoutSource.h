// The readable source of a built-in layout (assets/layouts/g000NN.txt) and
// its compilation into a layout file.
//
//   # comment
//   id 0
//   name Standard
//   rules 2 2 0 1 0 0        TilesToMatch Repetition RemoveRule SetCount
//                            Faceless FaceDown
//   level 1                  then one line per row of half-tile cells:
//   ..1212..                 a tile is "12" over "43", '.' is empty
//   ..4343..
//
// The first character of the first row of every level is the same cell. The
// compiler refuses, naming file, line and column: malformed quarters,
// overlapping tiles, tiles above level 1 that do not rest fully on tiles,
// a tile count or number of levels that differs from the catalog, a layout
// too large for the board, and an incomplete layout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/Board.h"
#include "engine/GameCatalog.h"
#include "engine/LayoutFile.h"
#include "engine/LayoutRules.h"

namespace jw {

// The widest and highest layout the compiler accepts, in cells: the board
// view shows at most this many columns and rows.
inline constexpr int kMaxLayoutExtent = 199;

struct CompiledLayout {
    GameId id = -1;
    std::string name;
    LayoutRules rules;
    Board board;  // tiles from column 1 and row 1, TileIds 1..n in body order
    int tiles = 0;
    int levels = 0;
};

// Compiles the source `text` read from `fileName`. On failure returns false
// and appends one "file:line:column: message" per problem to `errors`.
bool CompileLayoutSource(std::string_view text, const std::string& fileName,
                         const GameCatalog& catalog, CompiledLayout& out,
                         std::vector<std::string>& errors);

// The layout file of a compiled layout: a layout (kind 1) that names its
// built-in GameId and is not marked as made in the editor.
LayoutFileContent CompiledLayoutContent(const CompiledLayout& layout);

// The picture of one level in the source notation ("12" over "43" for a
// live tile, "xx" over "xx" for a removed one, '.' empty), `columns` wide
// and `rows` high; trailing empty cells of a row are dropped.
std::vector<std::string> LevelPicture(const Board& board, int level, int columns, int rows);

// The highest column and row of any non-zero cell on levels 1 to 5.
struct CellExtent {
    int columns = 0;
    int rows = 0;
};
CellExtent CellExtentOf(const Board& board);

}  // namespace jw
