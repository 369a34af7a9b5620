#include "engine/LayoutReader.h"

#include <filesystem>

#include "engine/CustomLayouts.h"
#include "engine/FixedText.h"
#include "engine/Jong_class.h"
#include "engine/LayoutFile.h"
#include "platform/Host.h"
#include "platform/ResourceStore.h"
#include "platform/SettingsDefaults.h"
#include "platform/TextFile.h"

namespace jw {

namespace {

std::int64_t NumberOr(std::string_view header, HeaderField field, std::int64_t fallback) {
    return HeaderNumber(header, field).value_or(fallback);
}

int IntOr(std::string_view header, HeaderField field, int fallback) {
    return static_cast<int>(NumberOr(header, field, fallback));
}

// Step 6: the rules of line 2. A rule that is not a number leaves all of
// them at their defaults; FaceDown is optional.
void ReadRules(TMahJong_Base& engine, std::string_view line) {
    std::optional<std::int64_t> values[5];
    for (int i = 0; i < 5; ++i) {
        values[i] = ParseInteger(Columns(line, 1 + 2 * i, 2));
    }
    for (const auto& value : values) {
        if (!value) {
            return;
        }
    }
    LayoutRules& rules = engine.rules;
    rules.tilesToMatch = static_cast<int>(*values[0]);
    rules.repetition = static_cast<int>(*values[1]);
    rules.removeRule = static_cast<int>(*values[2]);
    rules.setCount = static_cast<int>(*values[3]);
    rules.faceless = static_cast<int>(*values[4]);
    const std::string_view faceDown = Columns(line, 11, 2);
    rules.faceDown =
        Trim(faceDown).empty() ? 0 : static_cast<int>(ParseInteger(faceDown).value_or(0));
    if (rules.faceDown != 0 && rules.faceDown != 1) {
        engine.host.Inform("Error FLL RSS 01");
    }
    if (rules.removeRule != 0 && rules.removeRule != 1) {
        engine.host.Inform("Error FLL TD 01");
    }
    if (rules.repetition == 0) {
        rules.repetition = 2;
    }
}

// When a saved game was played with the other tile family, the player's
// tile set of that family becomes the current one.
void SwitchTileFamily(TMahJong_Base& engine, const std::string& fileType) {
    if (fileType != engine.scoreType) {
        if (engine.settings != nullptr) {
            SwitchToFamilyTileSet(*engine.settings, fileType);
        }
        engine.scoreType = fileType;
        if (engine.layoutSeams.reloadTileSet) {
            engine.layoutSeams.reloadTileSet();
        }
        if (engine.layoutSeams.refreshLegend) {
            engine.layoutSeams.refreshLegend();
        }
    } else if (engine.rules.faceDown != 0 && engine.layoutSeams.refreshLegend) {
        engine.layoutSeams.refreshLegend();
    }
}

// The records between a start marker and its end marker (or the end of the
// file), trimmed; the first start marker from line 11 on counts.
void ReadSection(const std::vector<std::string>& lines, std::string_view start,
                 std::string_view end, UndoStack& stack) {
    stack.Clear();
    std::size_t i = kBodyLine + 1;
    while (i < lines.size() && !lines[i].starts_with(start)) {
        ++i;
    }
    for (++i; i < lines.size() && !lines[i].starts_with(end); ++i) {
        const std::string_view record = Trim(lines[i]);
        if (!record.empty()) {
            stack.Push(std::string(record));
        }
    }
}

std::string GameNameOf(const TMahJong_Base& engine, GameId id);

// A cell the body wrote, and what it holds.
struct StoredCell {
    int level;
    int column;
    int row;
    CellCode code;
};

// Moves every cell the body wrote on levels 1 to 5 by the same amount so
// that the leftmost anchor (live or removed) lies in column 1 and the
// topmost in row 1. Only the written cells are visited, so a small layout
// costs little. Returns the cells as they lie afterwards.
std::vector<StoredCell> MoveToCorner(Board& board, const std::vector<BoardPos>& written) {
    // Take every written cell off the board once (a cell written twice is
    // found empty the second time).
    std::vector<StoredCell> cells;
    cells.reserve(written.size());
    int minColumn = kBoardColumns + 1;
    int minRow = kBoardRows + 1;
    for (const BoardPos& pos : written) {
        if (pos.level > kTileLevels) {
            continue;
        }
        const CellCode code = board.At(pos.level, pos.column, pos.row);
        if (code == 0) {
            continue;
        }
        board.Set(pos.level, pos.column, pos.row, 0);
        cells.push_back({pos.level, pos.column, pos.row, code});
        if (IsAnchor(code) || code == kRemovedAnchor) {
            minColumn = std::min(minColumn, pos.column);
            minRow = std::min(minRow, pos.row);
        }
    }
    const int dc = minColumn > kBoardColumns ? 0 : 1 - minColumn;
    const int dr = minRow > kBoardRows ? 0 : 1 - minRow;
    // A stray cell left of or above every anchor falls off the board.
    for (StoredCell& cell : cells) {
        cell.column += dc;
        cell.row += dr;
    }
    std::erase_if(cells, [](const StoredCell& cell) {
        return !Board::InGrid(cell.level, cell.column, cell.row);
    });
    for (const StoredCell& cell : cells) {
        board.Set(cell.level, cell.column, cell.row, cell.code);
    }
    return cells;
}

// The body parser; also reports the anchors of removed tiles.
bool ParseBody(TMahJong_Base& engine, std::string_view body, bool screenFit, int& removedAnchors) {
    engine.ClearBoard();
    Board& board = engine.board;
    int quarters = 0;
    int outside = 0;
    std::vector<BoardPos> written;
    written.reserve(body.size() / kCellRecordWidth);
    for (std::size_t pos = 0; pos < body.size(); pos += kCellRecordWidth) {
        const auto record = ParseCellRecord(body.substr(pos, kCellRecordWidth));
        if (!record) {
            engine.host.Inform("Error in reading the file: ");
            break;
        }
        // A record outside the grid would write beyond the board.
        if (!Board::InGrid(record->level, record->column, record->row)) {
            ++outside;
            continue;
        }
        board.Set(record->level, record->column, record->row, record->code);
        written.push_back({record->level, record->column, record->row});
        const CellCode code = record->code;
        if (code > 0 && code < kQuarterBase) {
            ++board.tileCount;
            if (record->level <= kTileLevels) {
                ++board.perLevel[static_cast<std::size_t>(record->level)];
            } else {
                engine.host.Inform("Error LY01");
            }
        } else if (code > kQuarterBase) {
            ++quarters;
        }
        if (IsAnchor(code)) {
            board.idCounter = std::max(board.idCounter, code - kAnchorBase);
        }
        if (record->level <= kTileLevels) {
            board.levels = std::max(board.levels, record->level);
        }
    }
    if (outside > 0) {
        engine.host.Inform("Error LY02 : " + std::to_string(outside) +
                           " cell records outside the board were skipped");
    }
    board.tilesLeft = board.tileCount;

    removedAnchors = 0;
    for (const StoredCell& cell : MoveToCorner(board, written)) {
        removedAnchors += cell.code == kRemovedAnchor ? 1 : 0;
    }
    bool fits = true;
    if (engine.layoutSeams.fitToScreen) {
        fits = engine.layoutSeams.fitToScreen(engine, screenFit);
    }
    if (!fits) {
        const ScreenInfo screen = engine.host.Screen();
        engine.host.Inform("Your video card's display is " + std::to_string(screen.width) + " x " +
                           std::to_string(screen.height) + "\r" + "You can't play:" + " " +
                           GameNameOf(engine, engine.gameId) + "\r" +
                           "Please set an higher screen resolution.");
    }

    engine.layoutChanged = false;
    ++board.idCounter;
    if (quarters != 3 * board.tileCount) {
        engine.host.Inform("Error fl_L1 : " + std::to_string(quarters) + " - " +
                           std::to_string(board.tileCount));
    }
    return fits;
}

std::string GameNameOf(const TMahJong_Base& engine, GameId id) {
    std::string name = engine.catalog.NameOf(id);
    if (name.empty() && id >= kFirstCustomGameId && !engine.dataFolder.empty()) {
        name = CustomLayouts(engine.dataFolder).LayoutNameById(id);
    }
    return name;
}

// Steps 13 and 14, which run however the read ends.
void FinishRead(TMahJong_Base& engine) {
    engine.gameName = GameNameOf(engine, engine.gameId);
    engine.scoreType = ValidateScoreType(engine.scoreType, engine.host);
}

}  // namespace

bool ParseLayoutBody(TMahJong_Base& engine, std::string_view body, bool screenFit) {
    int removedAnchors = 0;
    return ParseBody(engine, body, screenFit, removedAnchors);
}

bool ReadLayoutText(TMahJong_Base& engine, ReadMode mode, const std::string& text, GameId id) {
    const GameId previousId = engine.gameId;
    const int previousTileCount = engine.board.tileCount;

    engine.gameId = id;
    engine.rules = LayoutRules{};
    engine.layoutChanged = false;
    engine.madeInEditor = false;

    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < static_cast<std::size_t>(kLayoutFileMinLines)) {
        engine.ClearBoard();
        FinishRead(engine);
        return false;
    }
    UnscrambleLines(lines);
    const std::string& header = lines[kHeaderLine];

    if (mode == ReadMode::OpenSaved || mode == ReadMode::ResumeHeld) {
        engine.playerName = std::string(Trim(HeaderText(header, kFieldPlayerName)));
        engine.elapsedSeconds = std::max(0, IntOr(header, kFieldElapsed, 0));
    }
    if (ReadsGameState(mode)) {
        engine.gameNumber = std::string(Trim(HeaderText(header, kFieldGameNumber)));
    }
    ReadRules(engine, lines[kRulesLine]);
    engine.madeInEditor = HeaderText(header, kFieldEditorFlag) == "C";
    if (mode != ReadMode::GoToBookmark) {
        const std::int64_t rawScore = engine.counters.rawScore;
        engine.counters = GameCounters{};
        engine.counters.rawScore = rawScore;
    }
    if (id < 0) {
        if (const auto fileId = HeaderNumber(header, kFieldGameId)) {
            engine.gameId = static_cast<GameId>(*fileId);
        }
    }
    engine.suggestedPairs = std::string(Trim(lines[kSuggestedPairsLine]));
    const std::string body(Trim(lines[kBodyLine]));

    int gameTileCount = previousTileCount;
    bool invalidScoreType = false;
    std::string fileScoreType;
    if (ReadsGameState(mode)) {
        GameCounters& c = engine.counters;
        if (mode != ReadMode::GoToBookmark) {
            gameTileCount = IntOr(header, kFieldTileCount, -1);
            c.matchesMade = IntOr(header, kFieldMatches, 0);
            c.undoCount = IntOr(header, kFieldUndoCount, 0);
            c.undoPenaltyTotal = NumberOr(header, kFieldUndoTotal, 0);
            c.redoCount = IntOr(header, kFieldRedoCount, 0);
            c.redoPenaltyTotal = NumberOr(header, kFieldRedoTotal, 0);
            c.suggestCount = IntOr(header, kFieldSuggestCount, 0);
            c.suggestPenaltyTotal = NumberOr(header, kFieldSuggestTotal, 0);
        }
        c.shuffleCount = IntOr(header, kFieldShuffleCount, 0);
        c.shufflePenaltyTotal = NumberOr(header, kFieldShuffleTotal, 0);
        c.rawScore = NumberOr(header, kFieldRawScore, 0);
        fileScoreType = std::string(HeaderText(header, kFieldScoreType));
        // An unknown family is reported at the end and read as MahJong, so
        // the tile set follows the family the game is played with.
        invalidScoreType = !IsValidScoreType(fileScoreType);
        SwitchTileFamily(engine, invalidScoreType ? std::string(kScoreTypeMahJong) : fileScoreType);
        ReadSection(lines, kUndoStart, kUndoEnd, engine.undoStack);
        ReadSection(lines, kRedoStart, kRedoEnd, engine.redoStack);
    }

    const bool screenFit = (engine.gameId != previousId || mode == ReadMode::ResumeHeld) &&
                           AutomaticTileSize(engine.settings);
    int removedAnchors = 0;
    const bool fits = ParseBody(engine, body, screenFit, removedAnchors);

    // A game file carries the tile count of the whole game, while the body
    // holds only the tiles left. The count feeds the score, so it is kept
    // when it agrees with the board; otherwise the tiles on the board and
    // those removed from it are counted.
    if (ReadsGameState(mode)) {
        const int live = engine.board.tileCount;
        if (gameTileCount < live || gameTileCount > kMaxTiles) {
            gameTileCount = live + removedAnchors;
        }
        engine.board.tileCount = gameTileCount;
    }

    FinishRead(engine);
    if (invalidScoreType) {
        ValidateScoreType(fileScoreType, engine.host);
    }
    return fits;
}

bool ReadLayout(TMahJong_Base& engine, ReadMode mode, const std::string& fileName, GameId id) {
    std::optional<std::string> text;
    if (id >= 0 && id < kFirstCustomGameId) {
        const std::string name = BuiltInLayoutName(id);
        if (engine.resources != nullptr) {
            text = engine.resources->Find("GAMES", name);
        }
        if (!text) {
            engine.host.Inform("File not found: " + name);
            return false;
        }
        return ReadLayoutText(engine, mode, *text, id);
    }
    std::string path;
    if (id >= kFirstCustomGameId) {
        path = CustomLayouts(engine.dataFolder).LayoutFileName(id);
    } else if (ReadsGameState(mode)) {
        path = fileName;
    } else {
        return false;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        engine.host.Inform("File not found: " + path);
        return false;
    }
    text = ReadFileBytes(path, kMaxLayoutFileBytes);
    if (!text) {
        engine.host.Inform("Error in reading the file: " + path);
        return false;
    }
    if (mode == ReadMode::ResumeHeld) {
        std::filesystem::remove(path, error);
    }
    return ReadLayoutText(engine, mode, *text, id);
}

}  // namespace jw
