#include "layouts/ForeignLayout.h"

#include <vector>

#include "engine/Board.h"
#include "engine/CellCode.h"
#include "engine/FixedText.h"
#include "engine/LayoutFile.h"
#include "engine/LayoutRules.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

namespace jw {

namespace {

// Cells a layout may span: the board's columns and rows less the border.
constexpr int kMaxCells = kBoardColumns - 2;

ForeignLayoutResult Refuse(std::string reason) {
    ForeignLayoutResult result;
    result.refusal = std::move(reason);
    return result;
}

std::string Where(int level, int row, int column) {
    return "level " + std::to_string(level) + ", row " + std::to_string(row) + ", column " +
           std::to_string(column);
}

}  // namespace

bool IsForeignLayout(std::string_view text) {
    const std::string_view first = TrimRight(text.substr(0, text.find('\n')));
    const std::string_view line =
        Trim(first.empty() || first.back() != '\r' ? first : first.substr(0, first.size() - 1));
    return line.starts_with("kmahjongg-layout-v") || line.starts_with("mahjongg-layout-v");
}

ForeignLayoutResult ConvertForeignLayout(std::string_view text) {
    std::vector<std::string> lines = SplitLines(std::string(text));
    for (std::string& line : lines)
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    if (lines.empty() || !IsForeignLayout(lines[0]))
        return Refuse("The file is not a layout of the other programs' format.");
    const bool sized = Trim(lines[0]).ends_with("v1.1");
    int width = 32, height = 16, depth = 5;
    std::vector<std::string> rows;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = TrimRight(lines[i]);
        if (line.empty() || line.front() == '#')
            continue;
        if (sized && (line.front() == 'w' || line.front() == 'h' || line.front() == 'd') &&
            line.size() > 1 && line.find_first_not_of("0123456789", 1) == std::string_view::npos) {
            const auto value = ParseInteger(line.substr(1));
            const int number = value && *value > 0 && *value < 1000 ? static_cast<int>(*value) : 0;
            if (number == 0)
                return Refuse("The size line \"" + std::string(line) + "\" is not a size.");
            (line.front() == 'w' ? width : line.front() == 'h' ? height : depth) = number;
            continue;
        }
        rows.emplace_back(line);
    }
    if (width > kMaxCells || height > kMaxCells)
        return Refuse("The layout is " + std::to_string(width) + " x " + std::to_string(height) +
                      " cells; at most " + std::to_string(kMaxCells) + " x " +
                      std::to_string(kMaxCells) + " fit on the board.");
    if (rows.size() != static_cast<std::size_t>(height) * static_cast<std::size_t>(depth))
        return Refuse("The layout should have " + std::to_string(height * depth) +
                      " rows of cells (" + std::to_string(depth) + " levels of " +
                      std::to_string(height) + "), but it has " + std::to_string(rows.size()) +
                      ".");
    const auto cell = [&](int level, int row, int column) -> char {
        if (row < 0 || row >= height || column < 0 || column >= width)
            return '.';
        const std::string& line = rows[static_cast<std::size_t>(level * height + row)];
        return static_cast<std::size_t>(column) < line.size()
                   ? line[static_cast<std::size_t>(column)]
                   : '.';
    };
    Board board;
    int tiles = 0;
    int levels = 0;
    for (int level = 0; level < depth; ++level) {
        for (int row = 0; row < height; ++row) {
            const std::string& line = rows[static_cast<std::size_t>(level * height + row)];
            if (static_cast<int>(line.size()) != width)
                return Refuse("Row " + std::to_string(row + 1) + " of level " +
                              std::to_string(level + 1) + " has " + std::to_string(line.size()) +
                              " cells instead of " + std::to_string(width) + ".");
            for (int column = 0; column < width; ++column) {
                const char c = line[static_cast<std::size_t>(column)];
                if (c != '.' && (c < '1' || c > '4'))
                    return Refuse(std::string("The character '") + c + "' at " +
                                  Where(level + 1, row + 1, column + 1) +
                                  " is none of 1, 2, 3, 4 and '.'.");
            }
        }
    }
    for (int level = 0; level < depth; ++level) {
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                const char c = cell(level, row, column);
                if (c == '.')
                    continue;
                // Every quarter must belong to a whole tile.
                const int anchorColumn = column - (c == '2' || c == '3' ? 1 : 0);
                const int anchorRow = row - (c == '3' || c == '4' ? 1 : 0);
                if (cell(level, anchorRow, anchorColumn) != '1' ||
                    cell(level, anchorRow, anchorColumn + 1) != '2' ||
                    cell(level, anchorRow + 1, anchorColumn + 1) != '3' ||
                    cell(level, anchorRow + 1, anchorColumn) != '4')
                    return Refuse("The tile at " + Where(level + 1, row + 1, column + 1) +
                                  " is not whole: a tile is the four cells 1 2 over 4 3.");
                if (c != '1')
                    continue;
                if (level >= kTileLevels)
                    return Refuse("The layout has tiles on level " + std::to_string(level + 1) +
                                  "; at most " + std::to_string(kTileLevels) +
                                  " levels are played.");
                if (level > 0 && cell(level - 1, row, column) == '.' &&
                    cell(level - 1, row, column + 1) == '.' &&
                    cell(level - 1, row + 1, column) == '.' &&
                    cell(level - 1, row + 1, column + 1) == '.')
                    return Refuse("The tile at " + Where(level + 1, row + 1, column + 1) +
                                  " lies on nothing: a tile above the first level must rest on "
                                  "tiles below.");
                if (++tiles > kMaxTiles)
                    return Refuse("The layout has more than " + std::to_string(kMaxTiles) +
                                  " tiles.");
                board.PlaceTile(level + 1, column + 1, row + 1, tiles);
                levels = level + 1;
            }
        }
    }
    if (tiles == 0)
        return Refuse("The layout has no tiles.");
    if (tiles % 4 != 0)
        return Refuse("The layout has " + std::to_string(tiles) +
                      " tiles; a layout needs a multiple of 4.");

    LayoutFileContent content;
    content.header.kind = static_cast<int>(LayoutFileKind::CustomLayout);
    content.header.tileCount = tiles;
    content.header.madeInEditor = true;
    content.rules = LayoutRules{};
    content.body = FormatBody(board);
    ForeignLayoutResult result;
    result.fileText = LayoutFileText(content);
    result.tiles = tiles;
    result.levels = levels;
    return result;
}

}  // namespace jw
