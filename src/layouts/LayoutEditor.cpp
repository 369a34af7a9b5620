#include "layouts/LayoutEditor.h"

#include <algorithm>
#include <array>

#include "engine/Jong_class.h"
#include "engine/LayoutReader.h"
#include "engine/LayoutWriter.h"
#include "platform/Host.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "presentation/BoardGrid.h"

namespace jw {

namespace {

int Overlap(const PixelRect& a, const PixelRect& b) {
    const int width = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
    const int height = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The lowest tile id no tile of the board carries: ids stay within the
// range the cell codes can hold however often tiles are added and removed.
TileId FreeTileId(const Board& board) {
    std::array<bool, kMaxTiles + 1> used{};
    for (int level = 1; level <= kTileLevels; ++level)
        for (int column = 1; column < kBoardColumns; ++column)
            for (int row = 1; row < kBoardRows; ++row) {
                const CellCode code = board.At(level, column, row);
                if (IsAnchor(code) && code - kAnchorBase <= kMaxTiles)
                    used[static_cast<std::size_t>(code - kAnchorBase)] = true;
            }
    for (TileId id = 1; id <= kMaxTiles; ++id)
        if (!used[static_cast<std::size_t>(id)])
            return id;
    return 0;
}

}  // namespace

EditorCounts CountEditorTiles(int tileCount, const LayoutRules& rules) {
    EditorCounts counts;
    counts.unit = std::max(1, rules.GroupSize());
    const int rest = tileCount % counts.unit;
    counts.mustAdd = tileCount == 0 ? counts.unit : (rest != 0 ? counts.unit - rest : 0);
    counts.orRemove = counts.mustAdd != 0 && tileCount >= counts.unit ? rest : 0;
    return counts;
}

std::vector<BoardPos> CandidatePositions(const BoardGrid& grid, int level, PixelRect ghost) {
    const std::optional<BoardPos> corner = grid.CellAt(level, ghost.left, ghost.top);
    if (!corner)
        return {};
    struct Scored {
        BoardPos pos;
        int score;
    };
    std::vector<Scored> scored;
    for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr) {
            const BoardPos pos{level, corner->column + dc, corner->row + dr};
            if (pos.column <= 0 || pos.row <= 0)
                continue;
            const Point at = grid.TilePosition(pos);
            scored.push_back({pos, Overlap(ghost, {at.x, at.y, ghost.width, ghost.height})});
        }
    std::sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
        if (a.score != b.score)
            return a.score > b.score;
        if (a.pos.column != b.pos.column)
            return a.pos.column > b.pos.column;
        return a.pos.row > b.pos.row;
    });
    std::vector<BoardPos> positions;
    for (const Scored& s : scored)
        positions.push_back(s.pos);
    return positions;
}

LayoutEditor::LayoutEditor(TMahJong_Base& engineIn) : engine(engineIn) {}

bool LayoutEditor::Enter(GameId id, const std::string& fileName) {
    editing = true;
    name.clear();
    engine.rules = LayoutRules{};
    engine.board.Clear();
    bool read = false;
    if (!Trim(fileName).empty()) {
        const auto text = ReadFileBytes(fileName, kMaxLayoutFileBytes);
        read = text && ReadLayoutText(engine, ReadMode::Preview, *text, id);
    } else if (id >= 0) {
        read = ReadLayout(engine, ReadMode::Preview, "", id);
        if (read && id >= kFirstCustomGameId)
            name = engine.gameName;  // saving writes the layout over itself
    }
    engine.mode = EngineMode::Editing;
    engine.madeInEditor = true;
    engine.layoutChanged = false;
    engine.board.tileCount = engine.board.CountAnchors();
    return read;
}

void LayoutEditor::Leave() {
    editing = false;
    engine.mode = EngineMode::Idle;
}

bool LayoutEditor::Clean() const {
    return !engine.layoutChanged;
}

int LayoutEditor::Tiles() const {
    return engine.board.CountAnchors();
}

EditorCounts LayoutEditor::Counts() const {
    return CountEditorTiles(Tiles(), engine.rules);
}

std::optional<BoardPos> LayoutEditor::Add(const BoardGrid& grid, PixelRect ghost) {
    for (int level = kTileLevels; level >= 1; --level) {
        for (const BoardPos& pos : CandidatePositions(grid, level, ghost)) {
            if (Tiles() >= kMaxTiles) {
                engine.host.ShowMessage(MessageKind::Information,
                                        "Cannot add another Tile. Max number of Tiles exist.",
                                        MessageButtons::Ok);
                return std::nullopt;
            }
            if (!engine.board.CanPlaceInEditor(pos.level, pos.column, pos.row,
                                               grid.VisibleColumns(), grid.VisibleRows()))
                continue;
            engine.board.PlaceTile(pos.level, pos.column, pos.row, FreeTileId(engine.board));
            engine.layoutChanged = true;
            engine.board.tileCount = Tiles();
            engine.board.RecountLevels();
            return pos;
        }
    }
    return std::nullopt;
}

std::optional<BoardPos> LayoutEditor::Remove(const BoardGrid& grid, PixelRect ghost) {
    for (int level = kTileLevels; level >= 1; --level) {
        for (const BoardPos& pos : CandidatePositions(grid, level, ghost)) {
            Board& board = engine.board;
            if (!IsLive(board.At(pos.level, pos.column, pos.row)) ||
                !board.IsTileFree(pos.level, pos.column, pos.row, true, engine.rules.removeRule))
                continue;
            if (!engine.RemoveTileAt(pos.level, pos.column, pos.row, false))
                continue;
            engine.layoutChanged = true;
            board.tileCount = Tiles();
            board.RecountLevels();
            return pos;
        }
    }
    return std::nullopt;
}

bool LayoutEditor::Move(int columns, int rows, int visibleColumns, int visibleRows) {
    Board& board = engine.board;
    for (int level = 1; level <= kTileLevels; ++level)
        for (int column = 1; column < kBoardColumns; ++column)
            for (int row = 1; row < kBoardRows; ++row) {
                if (board.At(level, column, row) == 0)
                    continue;
                const int c = column + columns;
                const int r = row + rows;
                const char* refusal =
                    c <= 0               ? "Layout already in the first column on the left."
                    : c > visibleColumns ? "Layout already in the last column on the right."
                    : r <= 0             ? "Layout already in the first row on the top."
                    : r > visibleRows    ? "Layout already in the last row on the bottom."
                                         : nullptr;
                if (refusal != nullptr) {
                    engine.host.ShowMessage(MessageKind::Information, refusal, MessageButtons::Ok);
                    return false;
                }
            }
    Board moved = board;
    for (int level = 1; level <= kTileLevels; ++level)
        for (int column = 1; column < kBoardColumns; ++column)
            for (int row = 1; row < kBoardRows; ++row)
                moved.Set(level, column, row, 0);
    for (int level = 1; level <= kTileLevels; ++level)
        for (int column = 1; column < kBoardColumns; ++column)
            for (int row = 1; row < kBoardRows; ++row) {
                const CellCode code = board.At(level, column, row);
                if (code != 0)
                    moved.Set(level, column + columns, row + rows, code);
            }
    board = moved;
    engine.layoutChanged = true;
    return true;
}

bool LayoutEditor::Centre(int visibleColumns, int visibleRows) {
    const Board& board = engine.board;
    int minColumn = kBoardColumns, maxColumn = 0, minRow = kBoardRows, maxRow = 0;
    for (int level = 1; level <= kTileLevels; ++level)
        for (int column = 1; column < kBoardColumns; ++column)
            for (int row = 1; row < kBoardRows; ++row) {
                const CellCode code = board.At(level, column, row);
                if (!IsAnchor(code) && code != kRemovedAnchor)
                    continue;
                minColumn = std::min(minColumn, column);
                maxColumn = std::max(maxColumn, column);
                minRow = std::min(minRow, row);
                maxRow = std::max(maxRow, row);
            }
    if (maxColumn == 0)
        return false;  // nothing to centre
    const int width = maxColumn - minColumn + 2;
    const int height = maxRow - minRow + 2;
    const int column = 1 + (visibleColumns - width - 1) / 2;
    const int row = 1 + (visibleRows - height - 1) / 2;
    return Move(column - minColumn, row - minRow, visibleColumns, visibleRows);
}

bool LayoutEditor::ClearAll() {
    if (engine.host.ShowMessage(MessageKind::Confirmation, "Clear all?", MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return false;
    engine.board.Clear();
    engine.board.tileCount = 0;
    return true;
}

void LayoutEditor::SetOptions(bool faceDown, int removeRule) {
    engine.rules.faceDown = faceDown ? 1 : 0;
    engine.rules.removeRule = removeRule;
    engine.layoutChanged = true;
}

bool LayoutEditor::LevelsComplete() const {
    if (engine.rules.faceDown == 0)
        return true;
    const int unit = Counts().unit;
    for (int level = 1; level <= kTileLevels; ++level) {
        const int tiles = engine.board.CountAnchors(level);
        if (tiles % unit != 0) {
            engine.host.ShowMessage(
                MessageKind::Information,
                "Each level must contain a pair number of tiles, for ex. 2,4,6,8,...\r\n"
                "Add or delete one tile from level n.: " +
                    std::to_string(level),
                MessageButtons::Ok);
            return false;
        }
    }
    return true;
}

bool LayoutEditor::Save(
    bool saveAs, const std::function<std::optional<std::string>(const std::string&)>& askName) {
    const EditorCounts counts = Counts();
    if (counts.mustAdd != 0 || counts.orRemove != 0) {
        engine.host.ShowMessage(MessageKind::Information,
                                "The layout is not completed. To finish the layout:\rAdd " +
                                    std::to_string(counts.mustAdd) + " tiles or delete " +
                                    std::to_string(counts.orRemove) + " tiles.",
                                MessageButtons::Ok);
        return false;
    }
    if (!LevelsComplete())
        return false;
    if (TrimRight(name).empty() || saveAs) {
        const std::optional<std::string> chosen =
            askName ? askName(TrimRight(name).empty() ? std::string("My Layout") : name)
                    : std::nullopt;
        if (!chosen) {
            engine.host.RefreshTitle();
            return false;
        }
        name = *chosen;
    }
    if (!LevelsComplete())
        return false;
    engine.host.SetBusy(true);
    engine.gameName = name;
    const bool written = WriteLayoutFile(engine, LayoutFileKind::CustomLayout, "");
    engine.host.SetBusy(false);
    engine.host.RefreshTitle();
    return written;
}

bool LayoutEditor::MayLeave(
    const std::function<std::optional<std::string>(const std::string&)>& askName) {
    if (Clean())
        return true;
    switch (engine.host.ShowMessage(MessageKind::Confirmation,
                                    "Do you want to save the changes you made to the Layout?",
                                    MessageButtons::YesNoCancel)) {
        case MessageAnswer::No:
            return true;
        case MessageAnswer::Yes:
            return Save(false, askName);
        default:
            return false;
    }
}

}  // namespace jw
