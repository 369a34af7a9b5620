#include "layouts/LayoutSource.h"

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>

#include "engine/FixedText.h"
#include "engine/LayoutCompleteness.h"

namespace jw {

namespace {

// One level of the source: its rows and where they are in the file.
struct SourceLevel {
    int headerLine = 0;    // the line of "level N"
    int firstRowLine = 0;  // the line of its first row
    std::vector<std::string> rows;
};

struct Tile {
    int level = 0;
    int column = 0;  // 0-based cell in the source grid
    int row = 0;
};

class Compiler {
  public:
    Compiler(std::string_view textIn, const std::string& fileIn, const GameCatalog& catalogIn,
             std::vector<std::string>& errorsIn)
        : text(textIn), file(fileIn), catalog(catalogIn), errors(errorsIn) {}

    bool Run(CompiledLayout& out);

  private:
    void Error(int line, int column, const std::string& message) {
        errors.push_back(file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " +
                         message);
    }
    // Where a cell of a level is written in the file.
    int LineOf(int level, int row) const { return levels.at(level).firstRowLine + row; }
    char CellAt(int level, int column, int row) const {
        const auto found = levels.find(level);
        if (found == levels.end() || row < 0 ||
            row >= static_cast<int>(found->second.rows.size())) {
            return '.';
        }
        const std::string& line = found->second.rows[static_cast<std::size_t>(row)];
        return column >= 0 && column < static_cast<int>(line.size())
                   ? line[static_cast<std::size_t>(column)]
                   : '.';
    }

    void ParseLines();
    void ParseKeyword(int lineNo, std::string_view line);
    bool CheckHeader(CompiledLayout& out);
    void FindTiles(int level);
    void CheckSupport();

    std::string_view text;
    const std::string& file;
    const GameCatalog& catalog;
    std::vector<std::string>& errors;

    std::optional<std::int64_t> id;
    int idLine = 0;
    std::string name;
    int nameLine = 0;
    std::optional<LayoutRules> rules;
    int rulesLine = 0;
    std::map<int, SourceLevel> levels;
    int currentLevel = 0;
    std::vector<Tile> tiles;
};

std::vector<std::string_view> SplitSourceLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() &&
               (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool IsGridChar(char c) {
    return c == '.' || (c >= '1' && c <= '4');
}

void Compiler::ParseLines() {
    const std::vector<std::string_view> lines = SplitSourceLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const std::string_view line = lines[i];
        if (!line.empty() && line.front() == '#') {
            continue;
        }
        if (!line.empty() && ((line.front() >= 'a' && line.front() <= 'z') ||
                              (line.front() >= 'A' && line.front() <= 'Z'))) {
            ParseKeyword(lineNo, line);
            continue;
        }
        if (currentLevel == 0) {
            if (!line.empty()) {
                Error(lineNo, 1, "a grid row outside a level (start the level with \"level N\")");
            }
            continue;
        }
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (!IsGridChar(line[c])) {
                Error(lineNo, static_cast<int>(c) + 1,
                      std::string("unexpected character '") + line[c] +
                          "' in a grid row (use '.', '1', '2', '3', '4')");
            }
        }
        levels[currentLevel].rows.emplace_back(line);
    }
}

void Compiler::ParseKeyword(int lineNo, std::string_view line) {
    const std::size_t space = line.find(' ');
    const std::string_view word = line.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view() : Trim(line.substr(space + 1));
    const int restColumn = static_cast<int>(line.size() - rest.size()) + 1;
    if (word == "id") {
        id = ParseInteger(rest);
        idLine = lineNo;
        if (!id) {
            Error(lineNo, restColumn, "the id is not a number");
        }
    } else if (word == "name") {
        name = std::string(rest);
        nameLine = lineNo;
    } else if (word == "rules") {
        rulesLine = lineNo;
        std::istringstream in{std::string(rest)};
        std::vector<std::string> fields;
        for (std::string field; in >> field;) {
            fields.push_back(field);
        }
        std::vector<int> values;
        for (const std::string& field : fields) {
            if (const auto value = ParseInteger(field); value && *value >= 0 && *value <= 99) {
                values.push_back(static_cast<int>(*value));
            }
        }
        if (fields.size() != 6 || values.size() != 6) {
            Error(lineNo, restColumn, "rules need six numbers of 0 to 99");
            return;
        }
        LayoutRules r;
        r.tilesToMatch = values[0];
        r.repetition = values[1];
        r.removeRule = values[2];
        r.setCount = values[3];
        r.faceless = values[4];
        r.faceDown = values[5];
        if (r.tilesToMatch < 2 || r.tilesToMatch > 4 || r.repetition < 1 || r.repetition > 4 ||
            r.removeRule > 1 || r.setCount > 3 || r.faceDown > 1) {
            Error(lineNo, restColumn,
                  "rules out of range (TilesToMatch 2-4, Repetition 1-4, RemoveRule 0-1, "
                  "SetCount 0-3, FaceDown 0-1)");
            return;
        }
        rules = r;
    } else if (word == "level") {
        const auto level = ParseInteger(rest);
        if (!level || *level < 1 || *level > kTileLevels) {
            Error(lineNo, restColumn, "a level is a number from 1 to 5");
            currentLevel = 0;
            return;
        }
        currentLevel = static_cast<int>(*level);
        if (levels.count(currentLevel) != 0) {
            Error(lineNo, 1,
                  "level " + std::to_string(currentLevel) +
                      " is given twice (its tiles would "
                      "overlap)");
            currentLevel = 0;
            return;
        }
        levels[currentLevel].headerLine = lineNo;
        levels[currentLevel].firstRowLine = lineNo + 1;
    } else {
        Error(lineNo, 1, "unknown keyword '" + std::string(word) + "'");
    }
}

bool Compiler::CheckHeader(CompiledLayout& out) {
    bool ok = true;
    if (!id) {
        if (idLine == 0) {
            Error(1, 1, "the \"id\" line is missing");
        }
        return false;
    }
    if (*id < 0 || *id >= kBuiltInGameCount) {
        Error(idLine, 4, "the id must be a built-in game (0 to 105)");
        return false;
    }
    out.id = static_cast<GameId>(*id);
    const std::string expectedName = catalog.NameOf(out.id);
    if (nameLine == 0) {
        Error(1, 1, "the \"name\" line is missing");
        ok = false;
    } else if (name != expectedName) {
        Error(nameLine, 6,
              "the catalog calls game " + std::to_string(out.id) + " \"" + expectedName +
                  "\", not \"" + name + "\"");
        ok = false;
    }
    out.name = expectedName;
    // The file is named after the game it holds.
    const std::string base = file.substr(file.find_last_of('/') + 1);
    if (base.size() == 10 && base[0] == 'g' && base.ends_with(".txt") &&
        base != "g" + FormatFixed(out.id, 5) + ".txt") {
        Error(idLine, 4, "the id " + std::to_string(out.id) + " does not match the file name");
        ok = false;
    }
    if (!rules) {
        if (rulesLine == 0) {
            Error(1, 1, "the \"rules\" line is missing");
        }
        return false;
    }
    out.rules = *rules;
    const bool memoryUp = catalog.TypeOf(out.id) == static_cast<int>(GameType::MemoryUp);
    if ((rules->faceDown == 1) != memoryUp) {
        Error(rulesLine, 1,
              memoryUp ? "a Memory-Up game is played face down (FaceDown 1)"
                       : "a MahJong game is played face up (FaceDown 0)");
        ok = false;
    }
    return ok;
}

void Compiler::FindTiles(int level) {
    const SourceLevel& source = levels.at(level);
    std::vector<std::vector<bool>> claimed(source.rows.size());
    for (std::size_t r = 0; r < source.rows.size(); ++r) {
        claimed[r].assign(source.rows[r].size(), false);
    }
    auto claim = [&](int column, int row) -> bool {
        if (row < 0 || row >= static_cast<int>(claimed.size()) || column < 0 ||
            column >= static_cast<int>(claimed[static_cast<std::size_t>(row)].size())) {
            return false;
        }
        std::vector<bool>::reference cell =
            claimed[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
        if (cell) {
            return false;
        }
        cell = true;
        return true;
    };
    const int dc[4] = {0, 1, 0, 1};
    const int dr[4] = {0, 0, 1, 1};
    const char expected[4] = {'1', '2', '4', '3'};
    for (int r = 0; r < static_cast<int>(source.rows.size()); ++r) {
        const std::string& line = source.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(line.size()); ++c) {
            if (line[static_cast<std::size_t>(c)] != '1') {
                continue;
            }
            bool whole = true;
            for (int k = 1; k < 4 && whole; ++k) {
                const char found = CellAt(level, c + dc[k], r + dr[k]);
                if (found != expected[k]) {
                    Error(LineOf(level, r + dr[k]), c + dc[k] + 1,
                          std::string("the tile begun at line ") +
                              std::to_string(LineOf(level, r)) + " column " +
                              std::to_string(c + 1) + " needs '" + expected[k] + "' here, not '" +
                              found + "'");
                    whole = false;
                }
            }
            if (!whole) {
                continue;
            }
            for (int k = 0; k < 4; ++k) {
                if (!claim(c + dc[k], r + dr[k])) {
                    Error(LineOf(level, r + dr[k]), c + dc[k] + 1, "overlapping tiles");
                }
            }
            tiles.push_back({level, c, r});
        }
    }
    for (int r = 0; r < static_cast<int>(source.rows.size()); ++r) {
        const std::string& line = source.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(line.size()); ++c) {
            const char q = line[static_cast<std::size_t>(c)];
            if (q >= '2' && q <= '4' &&
                !claimed[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]) {
                Error(LineOf(level, r), c + 1,
                      std::string("quarter '") + q + "' belongs to no tile (a tile is 12 over 43)");
            }
        }
    }
}

void Compiler::CheckSupport() {
    const int dc[4] = {0, 1, 0, 1};
    const int dr[4] = {0, 0, 1, 1};
    for (const Tile& tile : tiles) {
        if (tile.level < 2) {
            continue;
        }
        for (int k = 0; k < 4; ++k) {
            if (CellAt(tile.level - 1, tile.column + dc[k], tile.row + dr[k]) == '.') {
                Error(LineOf(tile.level, tile.row + dr[k]), tile.column + dc[k] + 1,
                      "the tile on level " + std::to_string(tile.level) +
                          " does not rest fully on tiles of level " +
                          std::to_string(tile.level - 1));
                break;
            }
        }
    }
}

bool Compiler::Run(CompiledLayout& out) {
    ParseLines();
    const std::size_t errorsBefore = errors.size();
    if (!CheckHeader(out) || errors.size() != errorsBefore) {
        return false;
    }
    for (const auto& [level, source] : levels) {
        FindTiles(level);
    }
    CheckSupport();
    if (!errors.empty()) {
        return false;
    }

    std::array<int, kTileLevels + 1> perLevel{};
    int highest = 0;
    int minColumn = 1 << 30;
    int minRow = 1 << 30;
    for (const Tile& tile : tiles) {
        ++perLevel[static_cast<std::size_t>(tile.level)];
        highest = std::max(highest, tile.level);
        minColumn = std::min(minColumn, tile.column);
        minRow = std::min(minRow, tile.row);
    }
    const int count = static_cast<int>(tiles.size());
    const int expectedTiles = catalog.TilesOf(out.id).value_or(-1);
    const int expectedLevels = catalog.LevelsOf(out.id).value_or(-1);
    if (count != expectedTiles) {
        Error(idLine, 1,
              "the layout has " + std::to_string(count) + " tiles; the catalog says " +
                  std::to_string(expectedTiles));
    }
    if (highest != expectedLevels) {
        Error(idLine, 1,
              "the layout has " + std::to_string(highest) + " levels; the catalog says " +
                  std::to_string(expectedLevels));
    }
    for (const Tile& tile : tiles) {
        const int column = tile.column - minColumn + 2;  // the tile's last cell, from 1
        const int row = tile.row - minRow + 2;
        if (column > kMaxLayoutExtent || row > kMaxLayoutExtent) {
            Error(LineOf(tile.level, tile.row), tile.column + 1,
                  "the layout is larger than the board (" + std::to_string(kMaxLayoutExtent) +
                      " cells wide and high)");
            break;
        }
    }
    const LayoutCompleteness complete = AssessLayout(*rules, count, perLevel);
    if (complete.toAdd != 0 || complete.toDelete != 0) {
        std::string message = IncompleteLayoutMessage(complete);
        std::replace(message.begin(), message.end(), '\r', ' ');
        Error(rulesLine, 1, message);
    }
    if (complete.failingLevel != 0) {
        Error(levels.at(complete.failingLevel).headerLine, 1,
              "level " + std::to_string(complete.failingLevel) + " holds " +
                  std::to_string(perLevel[static_cast<std::size_t>(complete.failingLevel)]) +
                  " tiles; every level of a Memory-Up game must hold a multiple of " +
                  std::to_string(rules->GroupSize()));
    }
    if (!errors.empty()) {
        return false;
    }

    // Tiles go in body order (level, column, row) so that TileIds follow it.
    std::sort(tiles.begin(), tiles.end(), [](const Tile& a, const Tile& b) {
        return std::tie(a.level, a.column, a.row) < std::tie(b.level, b.column, b.row);
    });
    out.board.Clear();
    TileId next = 1;
    for (const Tile& tile : tiles) {
        out.board.PlaceTile(tile.level, tile.column - minColumn + 1, tile.row - minRow + 1, next++);
    }
    out.board.tileCount = count;
    out.board.tilesLeft = count;
    out.board.RecountLevels();
    out.tiles = count;
    out.levels = highest;
    return true;
}

}  // namespace

bool CompileLayoutSource(std::string_view text, const std::string& fileName,
                         const GameCatalog& catalog, CompiledLayout& out,
                         std::vector<std::string>& errors) {
    std::vector<std::string> found;
    Compiler compiler(text, fileName, catalog, found);
    const bool ok = compiler.Run(out) && found.empty();
    errors.insert(errors.end(), found.begin(), found.end());
    return ok;
}

LayoutFileContent CompiledLayoutContent(const CompiledLayout& layout) {
    LayoutFileContent content;
    content.header.kind = static_cast<int>(LayoutFileKind::CustomLayout);
    content.header.tileCount = layout.tiles;
    content.header.madeInEditor = false;
    content.header.gameId = layout.id;
    content.rules = layout.rules;
    content.body = FormatBody(layout.board);
    return content;
}

std::vector<std::string> LevelPicture(const Board& board, int level, int columns, int rows) {
    std::vector<std::string> picture;
    for (int row = 1; row <= rows; ++row) {
        std::string line;
        for (int column = 1; column <= columns; ++column) {
            const CellCode code = board.At(level, column, row);
            char c = '.';
            if (code < 0) {
                c = 'x';
            } else if (IsAnchor(code)) {
                c = '1';
            } else if (code > kQuarterBase) {
                const CellCode anchor = code - kQuarterBase + kAnchorBase;
                if (board.At(level, column - 1, row) == anchor) {
                    c = '2';
                } else if (board.At(level, column, row - 1) == anchor) {
                    c = '4';
                } else if (board.At(level, column - 1, row - 1) == anchor) {
                    c = '3';
                } else {
                    c = '?';
                }
            } else if (code != 0) {
                c = '?';
            }
            line.push_back(c);
        }
        while (!line.empty() && line.back() == '.') {
            line.pop_back();
        }
        picture.push_back(line);
    }
    return picture;
}

CellExtent CellExtentOf(const Board& board) {
    CellExtent extent;
    for (const BoardPos& pos : board.OccupiedCells()) {
        if (pos.level > kTileLevels) {
            break;  // the cells come in level order
        }
        extent.columns = std::max(extent.columns, pos.column);
        extent.rows = std::max(extent.rows, pos.row);
    }
    return extent;
}

}  // namespace jw
