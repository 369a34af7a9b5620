#include "engine/LayoutReader.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>

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

// The rules as read; a face-down or remove rule other than 0 or 1 is
// reported and kept.
void TakeRules(TMahJong_Base& engine, const LayoutRules& rules) {
    engine.rules = rules;
    if (rules.faceDown != 0 && rules.faceDown != 1) {
        engine.host.Inform("Error FLL RSS 01");
    }
    if (rules.removeRule != 0 && rules.removeRule != 1) {
        engine.host.Inform("Error FLL TD 01");
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

// The undo or redo records of the file, in order.
void TakeRecords(const std::vector<std::string>& records, UndoStack& stack) {
    stack.Clear();
    for (const std::string& record : records) {
        stack.Push(record);
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

// Writes the cells the body gave, each position holding what its last record
// said, with everything on levels 1 to 5 moved by the same amount so that
// the leftmost anchor (live or removed) lies in column 1 and the topmost in
// row 1. The move is worked out before anything is written, so the board
// never holds the layout where the file put it. Returns the cells of levels
// 1 to 5 as they lie afterwards.
std::vector<StoredCell> PlaceInCorner(Board& board, const std::vector<StoredCell>& records) {
    // What each position holds in the end, in the order positions were first
    // written.
    std::vector<StoredCell> cells;
    cells.reserve(records.size());
    std::unordered_map<int, std::size_t> slotOf;
    for (const StoredCell& record : records) {
        const int key =
            (record.level * (kBoardColumns + 1) + record.column) * (kBoardRows + 1) + record.row;
        const auto [slot, isNew] = slotOf.try_emplace(key, cells.size());
        if (isNew) {
            cells.push_back(record);
        } else {
            cells[slot->second].code = record.code;
        }
    }
    std::erase_if(cells, [](const StoredCell& cell) { return cell.code == 0; });

    // The level above the tile levels is written where the file put it.
    const auto aboveTiles =
        std::stable_partition(cells.begin(), cells.end(),
                              [](const StoredCell& cell) { return cell.level <= kTileLevels; });
    for (auto cell = aboveTiles; cell != cells.end(); ++cell) {
        board.Set(cell->level, cell->column, cell->row, cell->code);
    }
    cells.erase(aboveTiles, cells.end());

    int minColumn = kBoardColumns + 1;
    int minRow = kBoardRows + 1;
    for (const StoredCell& cell : cells) {
        if (IsAnchor(cell.code) || cell.code == kRemovedAnchor) {
            minColumn = std::min(minColumn, cell.column);
            minRow = std::min(minRow, cell.row);
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

// Fills the board from the body's cell records and moves the layout to the
// first column and row; reports records it cannot take. Returns how many
// cells hold quarters of tiles and the anchors of removed tiles.
struct PlacedBody {
    int quarters = 0;
    int removedAnchors = 0;
};

PlacedBody PlaceBody(TMahJong_Base& engine, std::string_view body) {
    engine.ClearBoard();
    Board& board = engine.board;
    PlacedBody placed;
    int outside = 0;
    std::vector<StoredCell> records;
    records.reserve(body.size() / kCellRecordWidth);
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
        records.push_back({record->level, record->column, record->row, record->code});
        const CellCode code = record->code;
        if (code > 0 && code < kQuarterBase) {
            ++board.tileCount;
            if (record->level <= kTileLevels) {
                ++board.perLevel[static_cast<std::size_t>(record->level)];
            } else {
                engine.host.Inform("Error LY01");
            }
        } else if (code > kQuarterBase) {
            ++placed.quarters;
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
    for (const StoredCell& cell : PlaceInCorner(board, records)) {
        placed.removedAnchors += cell.code == kRemovedAnchor ? 1 : 0;
    }
    return placed;
}

// Lets the board view fit the placed layout (the flag allows a smaller tile
// size) and reports a layout that does not fit.
bool FitToScreen(TMahJong_Base& engine, bool screenFit) {
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
    return fits;
}

// Places the body, fits it to the screen and checks that every tile has its
// four quarters.
bool TakeBody(TMahJong_Base& engine, std::string_view body, bool screenFit, int& removedAnchors) {
    const PlacedBody placed = PlaceBody(engine, body);
    removedAnchors = placed.removedAnchors;
    const bool fits = FitToScreen(engine, screenFit);
    Board& board = engine.board;
    engine.layoutChanged = false;
    ++board.idCounter;
    if (placed.quarters != 3 * board.tileCount) {
        engine.host.Inform("Error fl_L1 : " + std::to_string(placed.quarters) + " - " +
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

bool ReadLayoutText(TMahJong_Base& engine, ReadMode mode, const std::string& text, GameId id) {
    const GameId previousId = engine.gameId;
    const int previousTileCount = engine.board.tileCount;

    engine.gameId = id;
    engine.rules = LayoutRules{};
    engine.layoutChanged = false;
    engine.madeInEditor = false;

    const std::optional<LayoutFileContent> file = ParseLayoutFile(text);
    if (!file) {
        engine.ClearBoard();
        FinishRead(engine);
        return false;
    }
    const LayoutHeader& header = file->header;

    if (mode == ReadMode::OpenSaved || mode == ReadMode::ResumeHeld) {
        engine.playerName = header.playerName;
        engine.elapsedSeconds = header.elapsedSeconds;
    }
    if (ReadsGameState(mode)) {
        engine.gameNumber = header.gameNumber;
    }
    TakeRules(engine, file->rules);
    engine.madeInEditor = header.madeInEditor;
    if (mode != ReadMode::GoToBookmark) {
        const std::int64_t rawScore = engine.counters.rawScore;
        engine.counters = GameCounters{};
        engine.counters.rawScore = rawScore;
    }
    if (id < 0) {
        engine.gameId = header.gameId;
    }
    engine.suggestedPairs = file->suggestedPairs;

    int gameTileCount = previousTileCount;
    bool invalidScoreType = false;
    if (ReadsGameState(mode)) {
        GameCounters& c = engine.counters;
        if (mode != ReadMode::GoToBookmark) {
            gameTileCount = header.tileCount;
            c.matchesMade = header.matchesMade;
            c.undoCount = header.undoCount;
            c.undoPenaltyTotal = header.undoPenaltyTotal;
            c.redoCount = header.redoCount;
            c.redoPenaltyTotal = header.redoPenaltyTotal;
            c.suggestCount = header.suggestCount;
            c.suggestPenaltyTotal = header.suggestPenaltyTotal;
        }
        c.shuffleCount = header.shuffleCount;
        c.shufflePenaltyTotal = header.shufflePenaltyTotal;
        c.rawScore = header.rawScore;
        // An unknown family is reported at the end and read as MahJong, so
        // the tile set follows the family the game is played with.
        invalidScoreType = !IsValidScoreType(header.scoreType);
        SwitchTileFamily(engine,
                         invalidScoreType ? std::string(kScoreTypeMahJong) : header.scoreType);
        TakeRecords(file->undoLines, engine.undoStack);
        TakeRecords(file->redoLines, engine.redoStack);
    }

    const bool screenFit = (engine.gameId != previousId || mode == ReadMode::ResumeHeld) &&
                           AutomaticTileSize(engine.settings);
    int removedAnchors = 0;
    const bool fits = TakeBody(engine, file->body, screenFit, removedAnchors);

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
        ValidateScoreType(header.scoreType, engine.host);
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
