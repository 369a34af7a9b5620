#include "engine/GameFileReport.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "engine/FixedText.h"
#include "engine/GameCatalog.h"
#include "engine/GameClock.h"
#include "engine/LayoutFile.h"
#include "engine/SelectionSlots.h"
#include "engine/UndoRecord.h"

namespace jw {

namespace {

std::string KindName(std::string_view kind) {
    if (kind == "1") {
        return "custom layout";
    }
    if (kind == "2") {
        return "saved game";
    }
    if (kind == "3") {
        return "held game";
    }
    if (kind == "5") {
        return "bookmark";
    }
    return "unknown";
}

std::string NumberText(std::string_view header, HeaderField field) {
    const std::optional<std::int64_t> value = HeaderNumber(header, field);
    return value ? std::to_string(*value) : "?";
}

// "count (penalty total)" of one kind of help.
std::string CounterText(std::string_view header, HeaderField count, HeaderField total) {
    return NumberText(header, count) + " (penalty " + NumberText(header, total) + ")";
}

// The cells of a body on the board, and how many records could not be.
struct StoredBoard {
    Board board;
    int unreadable = 0;  // records that are not numbers; reading stopped there
    int outside = 0;     // records off the tile levels or the grid
};

StoredBoard ReadBody(std::string_view body) {
    StoredBoard stored;
    for (std::size_t at = 0; at < body.size(); at += kCellRecordWidth) {
        const std::optional<CellRecord> record = ParseCellRecord(body.substr(at, kCellRecordWidth));
        if (!record) {
            ++stored.unreadable;
            break;
        }
        if (record->level > kTileLevels ||
            !stored.board.Set(record->level, record->column, record->row, record->code)) {
            ++stored.outside;
        }
    }
    return stored;
}

char CellMark(CellCode code) {
    if (code == 0) {
        return '.';
    }
    if (IsAnchor(code)) {
        return '#';
    }
    if (code > 0) {
        return '+';
    }
    return 'x';  // a tile removed in play
}

// Each level holding cells as a grid of half-tile cells ('#' the anchor of
// a tile, '+' its other cells, 'x' the cells of a removed tile), then the
// live tiles of the level as "column,row=id".
void WriteBoard(std::ostream& out, const Board& board) {
    int minColumn = kBoardColumns;
    int maxColumn = 0;
    int minRow = kBoardRows;
    int maxRow = 0;
    for (const BoardPos& pos : board.OccupiedCells()) {
        minColumn = std::min(minColumn, pos.column);
        maxColumn = std::max(maxColumn, pos.column);
        minRow = std::min(minRow, pos.row);
        maxRow = std::max(maxRow, pos.row);
    }
    for (int level = 1; level <= kTileLevels; ++level) {
        std::vector<std::string> tiles;
        bool any = false;
        for (const BoardPos& pos : board.OccupiedCells()) {
            if (pos.level != level) {
                continue;
            }
            any = true;
            const CellCode code = board.At(pos.level, pos.column, pos.row);
            if (IsAnchor(code)) {
                tiles.push_back(std::to_string(pos.column) + "," + std::to_string(pos.row) + "=" +
                                std::to_string(code - kAnchorBase));
            }
        }
        if (!any) {
            continue;
        }
        out << "level " << level << ": " << tiles.size() << " tiles, columns " << minColumn << "-"
            << maxColumn << ", rows " << minRow << "-" << maxRow << "\n";
        for (int row = minRow; row <= maxRow; ++row) {
            std::string line = "  ";
            for (int column = minColumn; column <= maxColumn; ++column) {
                line += CellMark(board.At(level, column, row));
            }
            out << TrimRight(line) << "\n";
        }
        for (std::size_t i = 0; i < tiles.size(); i += 8) {
            out << " ";
            for (std::size_t k = i; k < std::min(tiles.size(), i + 8); ++k) {
                out << " " << tiles[k];
            }
            out << "\n";
        }
    }
}

std::string ScoreText(const std::optional<std::int64_t>& score) {
    return score ? std::to_string(*score) : "?";
}

// One undo or redo record on one line.
std::string RecordText(const std::string& record) {
    const UndoRecordParts parts = SplitUndoRecord(record);
    std::string text;
    if (parts.kind == kUndoKindMatch) {
        text = "match";
        for (std::size_t at = 0; at < parts.body.size(); at += 12) {
            const std::string piece = parts.body.substr(at, 12);
            if (Trim(piece).empty()) {
                continue;
            }
            BoardPos pos;
            CellCode code = 0;
            if (ParseMoveDescriptor(piece, pos, code)) {
                text += " L" + std::to_string(pos.level) + " " + std::to_string(pos.column) + "," +
                        std::to_string(pos.row) + "=" + std::to_string(code - kAnchorBase);
            } else {
                text += " [" + piece + "?]";
            }
        }
    } else if (parts.kind == kUndoKindShuffle) {
        const StoredBoard stored = ReadBody(parts.body);
        text = "shuffle of a board of " + std::to_string(stored.board.CountAnchors()) + " tiles";
        if (stored.unreadable + stored.outside > 0) {
            text += " (damaged)";
        }
    } else {
        text = "unknown kind \"" + parts.kind + "\"";
    }
    return text + ", score " + ScoreText(parts.scoreBefore) + " -> " + ScoreText(parts.scoreAfter);
}

void WriteRecords(std::ostream& out, const std::string& title,
                  const std::vector<std::string>& records) {
    out << title << ": " << records.size() << "\n";
    for (std::size_t i = 0; i < records.size(); ++i) {
        out << "  " << i + 1 << " " << RecordText(records[i]) << "\n";
    }
}

}  // namespace

bool IsGameFileText(const std::string& fileText) {
    const std::optional<std::vector<std::string>> plain = PlainLayoutLines(fileText);
    if (!plain) {
        return false;
    }
    const std::string& header = (*plain)[kHeaderLine];
    const std::string kind(Trim(HeaderText(header, {1, 1})));
    // A known kind alone is one byte in 64 of any file; its game id must
    // read as a number too.
    return KindName(kind) != "unknown" && HeaderNumber(header, kFieldGameId).has_value();
}

std::optional<std::string> GameFileReport(const std::string& fileText) {
    const std::optional<std::vector<std::string>> plain = PlainLayoutLines(fileText);
    if (!plain) {
        return std::nullopt;
    }
    const std::vector<std::string>& lines = *plain;
    const LayoutFileContent content = ParseLayoutLines(lines);
    // Fields that are not numbers are shown as "?", so they are taken from
    // the header line itself.
    const std::string& header = lines[kHeaderLine];
    const std::string kind(Trim(HeaderText(header, {1, 1})));
    std::ostringstream out;
    out << "file: " << KindName(kind) << " (kind " << (kind.empty() ? "?" : kind) << ")\n";
    if (lines[0] != kLayoutFileMarker) {
        out << "first line: \"" << lines[0] << "\" (expected \"" << kLayoutFileMarker << "\")\n";
    }
    const std::optional<std::int64_t> gameId = HeaderNumber(header, kFieldGameId);
    out << "game: " << NumberText(header, kFieldGameId);
    if (gameId && *gameId >= 0 && *gameId < kFirstCustomGameId) {
        const std::string name = GameCatalog().NameOf(static_cast<GameId>(*gameId));
        out << (name.empty() ? " (not a built-in game)" : " " + name);
    } else if (gameId && *gameId >= kFirstCustomGameId) {
        out << " (custom layout)";
    }
    out << "\n";
    out << "game number: " << content.header.gameNumber << "\n";
    out << "player: " << content.header.playerName << "\n";
    const std::optional<std::int64_t> seconds = HeaderNumber(header, kFieldElapsed);
    out << "clock: " << (seconds && *seconds >= 0 ? FormatClock(*seconds) : "?") << " ("
        << NumberText(header, kFieldElapsed) << " s)\n";
    out << "score type: " << HeaderText(header, kFieldScoreType) << "\n";
    out << "tile count: " << NumberText(header, kFieldTileCount) << "\n";
    out << "made in editor: " << (content.header.madeInEditor ? "yes" : "no") << "\n";
    out << "rules: " << lines[kRulesLine]
        << " (tiles to match, repetition, remove rule, sets, faceless, face down)\n";
    out << "raw score: " << NumberText(header, kFieldRawScore) << "\n";
    out << "matches made: " << NumberText(header, kFieldMatches) << "\n";
    out << "undo: " << CounterText(header, kFieldUndoCount, kFieldUndoTotal) << "\n";
    out << "redo: " << CounterText(header, kFieldRedoCount, kFieldRedoTotal) << "\n";
    out << "suggested moves: " << CounterText(header, kFieldSuggestCount, kFieldSuggestTotal)
        << "\n";
    out << "shuffles: " << CounterText(header, kFieldShuffleCount, kFieldShuffleTotal) << "\n";
    const std::optional<std::int64_t> raw = HeaderNumber(header, kFieldRawScore);
    const std::optional<std::int64_t> penalties[] = {
        HeaderNumber(header, kFieldUndoTotal), HeaderNumber(header, kFieldRedoTotal),
        HeaderNumber(header, kFieldSuggestTotal), HeaderNumber(header, kFieldShuffleTotal)};
    std::optional<std::int64_t> displayed = raw;
    for (const auto& penalty : penalties) {
        displayed = displayed && penalty ? std::optional(*displayed - *penalty) : std::nullopt;
    }
    out << "score: " << ScoreText(displayed) << "\n";
    out << "suggested pairs: " << content.suggestedPairs << "\n";

    const StoredBoard stored = ReadBody(content.body);
    out << "tiles on the board: " << stored.board.CountAnchors() << "\n";
    if (stored.unreadable > 0) {
        out << "body: a record is not a number; the rest of the body is not read\n";
    }
    if (stored.outside > 0) {
        out << "body: " << stored.outside << " records off the board\n";
    }
    WriteBoard(out, stored.board);
    WriteRecords(out, "undo records", content.undoLines);
    WriteRecords(out, "redo records", content.redoLines);
    return out.str();
}

}  // namespace jw
