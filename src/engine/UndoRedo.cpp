// Undo and redo of moves and shuffles, the restart of a game and its
// bookmark.
//
// Records may come from files written elsewhere, so nothing in a record is
// trusted: a piece that does not name a removed tile on the board is
// reported and skipped, and a shuffle record whose board does not hold the
// tiles now on the board is refused as a whole.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "engine/Deal.h"
#include "engine/FixedText.h"
#include "engine/Jong_class_interface.h"
#include "engine/Scoring.h"
#include "platform/Settings.h"

namespace jw {

namespace {

constexpr std::size_t kPieceWidth = 12;

// The 12-character pieces of a match record's body; the last one is shorter
// when the record was damaged.
std::vector<std::string_view> Pieces(std::string_view body) {
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0; at < body.size(); at += kPieceWidth) {
        pieces.push_back(body.substr(at, kPieceWidth));
    }
    return pieces;
}

// A tile a piece names: where its anchor lies and its anchor code.
struct PieceTile {
    BoardPos pos;
    CellCode code = 0;
};

// Reads a piece; nothing when it is not a descriptor of a tile whose four
// cells lie on the tile levels of the grid.
std::optional<PieceTile> ReadPiece(std::string_view piece) {
    PieceTile tile;
    if (!ParseMoveDescriptor(std::string(piece), tile.pos, tile.code)) {
        return std::nullopt;
    }
    if (!Board::CanAnchor(tile.pos.level, tile.pos.column, tile.pos.row) || !IsAnchor(tile.code) ||
        tile.code - kAnchorBase > kMaxTiles) {
        return std::nullopt;
    }
    return tile;
}

// Whether the four cells of a tile at `pos` hold exactly `anchor` and
// `quarter`.
bool CellsHold(const Board& board, BoardPos pos, CellCode anchor, CellCode quarter) {
    return board.At(pos.level, pos.column, pos.row) == anchor &&
           board.At(pos.level, pos.column + 1, pos.row) == quarter &&
           board.At(pos.level, pos.column, pos.row + 1) == quarter &&
           board.At(pos.level, pos.column + 1, pos.row + 1) == quarter;
}

// Puts a removed tile back with its id. The tile comes back only where its
// four cells still mark a removed tile and when its id is nowhere else on the
// board, so that a damaged record cannot overwrite a tile or double one. A
// tile that is in place already (the first tile of a Memory-Up miss) needs
// nothing. Returns whether the tile is on the board afterwards.
bool PutTileBack(Board& board, const PieceTile& tile) {
    const TileId id = tile.code - kAnchorBase;
    if (CellsHold(board, tile.pos, tile.code, QuarterCode(id))) {
        return true;
    }
    if (!CellsHold(board, tile.pos, kRemovedAnchor, kRemovedQuarter) ||
        board.FindAnchor(tile.code).level != 0) {
        return false;
    }
    const BoardPos& p = tile.pos;
    board.Set(p.level, p.column, p.row, tile.code);
    board.Set(p.level, p.column + 1, p.row, QuarterCode(id));
    board.Set(p.level, p.column, p.row + 1, QuarterCode(id));
    board.Set(p.level, p.column + 1, p.row + 1, QuarterCode(id));
    return true;
}

// The ids of the live tiles of a board, sorted.
std::vector<TileId> LiveIds(const Board& board) {
    std::vector<TileId> ids;
    for (const BoardPos& pos : board.OccupiedCells()) {
        const CellCode code = board.At(pos.level, pos.column, pos.row);
        if (IsAnchor(code)) {
            ids.push_back(code - kAnchorBase);
        }
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Whether the body of a shuffle record is a whole board that a shuffle of
// the board now could have come from: every record readable and on the tile
// levels, live cells exactly where the board has them, every tile whole, and
// the same tile ids (a shuffle only moves ids between places). Anything else
// would lose, break or invent tiles.
bool HoldsTheTilesOf(std::string_view body, const Board& board) {
    if (body.empty() || body.size() % kCellRecordWidth != 0) {
        return false;
    }
    Board stored;
    for (std::size_t at = 0; at < body.size(); at += kCellRecordWidth) {
        const std::optional<CellRecord> record = ParseCellRecord(body.substr(at, kCellRecordWidth));
        if (!record || !Board::InGrid(record->level, record->column, record->row) ||
            record->level > kTileLevels) {
            return false;
        }
        stored.Set(record->level, record->column, record->row, record->code);
    }
    const auto sameLiveCells = [](const Board& one, const Board& other) {
        for (const BoardPos& pos : one.OccupiedCells()) {
            if (IsLive(one.At(pos.level, pos.column, pos.row)) !=
                IsLive(other.At(pos.level, pos.column, pos.row))) {
                return false;
            }
        }
        return true;
    };
    if (!sameLiveCells(stored, board) || !sameLiveCells(board, stored)) {
        return false;
    }
    for (const BoardPos& pos : stored.OccupiedCells()) {
        const CellCode code = stored.At(pos.level, pos.column, pos.row);
        if (IsAnchor(code) && (code - kAnchorBase > kMaxTiles ||
                               !CellsHold(stored, pos, code, QuarterCode(code - kAnchorBase)))) {
            return false;
        }
    }
    return LiveIds(stored) == LiveIds(board);
}

// Puts the ids of a shuffle record's board back (HoldsTheTilesOf has made
// sure it holds the same tiles in the same places). Only the cells are
// written: the board keeps its place, its tile count (which the score
// depends on) and its counts per level, which a shuffle does not change.
void WriteShuffleBoard(Board& board, std::string_view body) {
    for (std::size_t at = 0; at + kCellRecordWidth <= body.size(); at += kCellRecordWidth) {
        if (const std::optional<CellRecord> record =
                ParseCellRecord(body.substr(at, kCellRecordWidth))) {
            board.Set(record->level, record->column, record->row, record->code);
        }
    }
}

// Deals the tiles left again over their places, as a shuffle does: the ids
// of the live tiles in scan order, through the playable deal keyed by the
// game number. The same board and game number always give the same deal.
std::vector<std::string> DealTilesLeft(TMahJong_interface& engine) {
    std::vector<int> ids;
    for (const BoardPos& pos : engine.board.OccupiedCells()) {
        const CellCode code = engine.board.At(pos.level, pos.column, pos.row);
        if (IsAnchor(code)) {
            ids.push_back(code - kAnchorBase);
        }
    }
    return PlayableDeal(engine.board, DealRules::Of(engine.rules), engine.gameNumber, 1,
                        kTileLevels, std::move(ids))
        .reports;
}

// What a game holds that reading the bookmark replaces, so that a bookmark
// that cannot be read leaves the game as it was.
struct GameSnapshot {
    Board board;
    LayoutRules rules;
    GameId gameId = 0;
    std::string gameNumber;
    std::string gameName;
    std::string scoreType;
    GameCounters counters;
    UndoStack undoStack;
    UndoStack redoStack;
    std::string suggestedPairs;
    bool madeInEditor = false;

    static GameSnapshot Of(const TMahJong_Base& e) {
        return {e.board,    e.rules,     e.gameId,    e.gameNumber,     e.gameName,    e.scoreType,
                e.counters, e.undoStack, e.redoStack, e.suggestedPairs, e.madeInEditor};
    }
    void RestoreInto(TMahJong_Base& e) const {
        e.board = board;
        e.rules = rules;
        e.gameId = gameId;
        e.gameNumber = gameNumber;
        e.gameName = gameName;
        e.scoreType = scoreType;
        e.counters = counters;
        e.undoStack = undoStack;
        e.redoStack = redoStack;
        e.suggestedPairs = suggestedPairs;
        e.madeInEditor = madeInEditor;
    }
};

}  // namespace

UndoLimit TMahJong_interface::CurrentUndoLimit() const {
    const int value = settings != nullptr ? Read(*settings, setting::kUndoEnabled)
                                          : setting::kUndoEnabled.fallback;
    switch (value) {
        case 1:
            return UndoLimit::OnePerMove;
        case 2:
            return UndoLimit::Disabled;
        default:
            return UndoLimit::Unlimited;
    }
}

MoveCommandStates TMahJong_interface::MoveCommands() const {
    MoveCommandStates states;
    const bool inGame = play.playing && mode == EngineMode::Playing;
    const bool faceUp = rules.faceDown == 0;
    states.undo = inGame && faceUp;
    states.redo = inGame && faceUp;
    states.suggestMove = inGame && faceUp;
    states.insertBookmark = inGame;
    states.goToBookmark = inGame && !play.bookmarkFile.empty();
    states.save = inGame;
    states.holdAndExit = inGame;
    return states;
}

bool TMahJong_interface::Undo() {
    const UndoLimit limit = CurrentUndoLimit();
    if (!MoveCommands().undo || play.busy || undoStack.Empty() || limit == UndoLimit::Disabled ||
        (limit == UndoLimit::OnePerMove && play.undoDone)) {
        host.Beep();
        return false;
    }
    const UndoRecordParts parts = SplitUndoRecord(*undoStack.Top());
    if (parts.kind == kUndoKindShuffle && !HoldsTheTilesOf(parts.body, board)) {
        host.Inform(std::string(kUndoPieceError));
        return false;
    }
    play.undoDone = true;
    const int tilesBefore = board.tilesLeft;
    redoStack.Push(std::string(Trim(*undoStack.Pop())));
    selection.Clear();
    play.faceUp.clear();
    PlayEventSound(SoundEvent::Undo);

    if (parts.kind == kUndoKindMatch) {
        for (const std::string_view piece : Pieces(parts.body)) {
            if (Trim(piece).empty()) {
                continue;
            }
            const std::optional<PieceTile> tile = ReadPiece(piece);
            if (!tile || !PutTileBack(board, *tile)) {
                host.Inform(std::string(kUndoPieceError));
            }
        }
    } else if (parts.kind == kUndoKindShuffle) {
        --counters.shuffleCount;
        if (parts.scoreBefore && parts.scoreAfter) {
            counters.shufflePenaltyTotal = std::llabs(
                counters.shufflePenaltyTotal - std::llabs(*parts.scoreBefore - *parts.scoreAfter));
        } else {
            host.Inform(std::string(kUndoShuffleScoreError));
        }
        WriteShuffleBoard(board, parts.body);
    } else {
        host.Inform(std::string(kUndoKindError));
    }
    if (parts.scoreBefore) {
        counters.rawScore = *parts.scoreBefore;
    } else {
        host.Inform(std::string(kUndoScoreError));
    }

    CountMatches(true);
    counters.undoPenaltyTotal += UndoPenalty(scoreType, tilesBefore, rules.tilesToMatch, host);
    ++counters.undoCount;
    RedrawBoard();
    host.RefreshBoard();
    host.RefreshStatusBar();
    return true;
}

bool TMahJong_interface::Redo() {
    const UndoLimit limit = CurrentUndoLimit();
    if (!MoveCommands().redo || play.busy || redoStack.Empty() || limit == UndoLimit::Disabled ||
        (limit == UndoLimit::OnePerMove && play.redoDone)) {
        host.Beep();
        return false;
    }
    const UndoRecordParts parts = SplitUndoRecord(*redoStack.Top());
    if (parts.kind == kUndoKindShuffle && !HoldsTheTilesOf(parts.body, board)) {
        host.Inform(std::string(kRedoPieceError));
        return false;
    }
    play.redoDone = true;
    const int tilesBefore = board.tilesLeft;
    undoStack.Push(std::string(Trim(*redoStack.Pop())));
    selection.Clear();
    play.faceUp.clear();
    PlayEventSound(SoundEvent::Redo);

    // The raw score after the record. A shuffle leaves the raw score as it
    // was (its cost is the shuffle total), so its redo does too; taking the
    // record's lower "after" score would charge the shuffle twice.
    std::optional<std::int64_t> scoreAfterRedo = parts.scoreAfter;
    if (parts.kind == kUndoKindMatch) {
        for (const std::string_view piece : Pieces(parts.body)) {
            if (Trim(piece).empty()) {
                continue;
            }
            BoardPos pos;
            CellCode code = 0;
            if (!ParseMoveDescriptor(std::string(piece), pos, code)) {
                host.Inform(std::string(kRedoPieceError));
                continue;
            }
            if (!IsAnchor(code) || board.At(pos.level, pos.column, pos.row) != code ||
                !RemoveTileAt(pos.level, pos.column, pos.row, false)) {
                host.Inform(std::string(kRedoTileMissing));
            }
        }
    } else if (parts.kind == kUndoKindShuffle) {
        ++counters.shuffleCount;
        if (parts.scoreBefore && parts.scoreAfter) {
            counters.shufflePenaltyTotal = std::llabs(
                counters.shufflePenaltyTotal + std::llabs(*parts.scoreBefore - *parts.scoreAfter));
        } else {
            host.Inform(std::string(kRedoShuffleScoreError));
        }
        // The board before the shuffle, dealt again: the board the shuffle
        // gave, as the deal is fixed by the board and the game number.
        WriteShuffleBoard(board, parts.body);
        ShowReports(DealTilesLeft(*this));
        scoreAfterRedo = parts.scoreBefore;
    } else {
        host.Inform(std::string(kRedoKindError));
    }
    if (scoreAfterRedo) {
        counters.rawScore = *scoreAfterRedo;
    } else {
        host.Inform(std::string(kRedoScoreError));
    }

    CountMatches(true);
    counters.redoPenaltyTotal += RedoPenalty(scoreType, tilesBefore, rules.tilesToMatch, host);
    ++counters.redoCount;
    RedrawBoard();
    host.RefreshBoard();
    host.RefreshStatusBar();
    return true;
}

bool TMahJong_interface::Restart(bool ask) {
    if (ask) {
        if (!play.playing) {
            return false;
        }
        if (!play.won &&
            host.ShowMessage(MessageKind::Confirmation, std::string(kRestartQuestion) + gameNumber,
                             MessageButtons::OkCancel) != MessageAnswer::Ok) {
            return false;
        }
    }
    if (gameNumber.empty()) {
        return false;  // no game has been dealt yet
    }
    const GameId id = gameId;
    const std::string number = gameNumber;
    const std::string player = playerName;
    EndGame();
    gameNumber = number;
    return StartGame(ReadMode::Restart, id, std::string(), player);
}

bool TMahJong_interface::InsertBookmark() {
    if (!MoveCommands().insertBookmark) {
        return false;
    }
    if (host.ShowMessage(MessageKind::Information, std::string(kInsertBookmarkQuestion),
                         MessageButtons::OkCancel) != MessageAnswer::Ok) {
        return false;
    }
    // The name is kept only once the file is there to go back to.
    const std::string file = dataFolder + std::string(kBookmarkFileName);
    if (!WriteGameFile(LayoutFileKind::Bookmark, file)) {
        return false;
    }
    play.bookmarkFile = file;
    host.RefreshMenus();
    return true;
}

bool TMahJong_interface::GoToBookmark() {
    if (!MoveCommands().goToBookmark) {
        return false;
    }
    if (host.ShowMessage(MessageKind::Confirmation, std::string(kGoToBookmarkQuestion),
                         MessageButtons::OkCancel) != MessageAnswer::Ok) {
        return false;
    }
    // A bookmark file that has gone, or that cannot be read, leaves the game
    // as it is, undo and redo records included.
    std::error_code error;
    if (!std::filesystem::is_regular_file(play.bookmarkFile, error)) {
        host.Inform("File not found: " + play.bookmarkFile);
        return false;
    }
    CancelWaits();  // a hint on show belongs to the board being left
    const GameSnapshot before = GameSnapshot::Of(*this);
    undoStack.Clear();
    redoStack.Clear();
    selection.Clear();
    play.faceUp.clear();
    const bool read = ReadLayout(*this, ReadMode::GoToBookmark, play.bookmarkFile, -1);
    if (!read) {
        before.RestoreInto(*this);
    }
    CountMatches(true);
    Hooks().RefreshInformation();
    host.RefreshStatusBar();
    host.RefreshTitle();
    RedrawBoard();
    host.RefreshBoard();
    host.RefreshMenus();
    return read;
}

}  // namespace jw
