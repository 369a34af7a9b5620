// The layout file: the one line-oriented text format in which built-in
// layouts, custom layouts (".mjl"), saved games (".mjg"), the held game and
// the bookmark are stored.
//
//   line 0   "01", plain
//   line 1   the 378-column header (LayoutHeader)
//   line 2   the six layout rules, 2 digits each
//   line 3   the board origin in pixels when written (never read)
//   line 4   the suggested pairs of the game; empty for layouts
//   5 - 9    empty
//   line 10  the board body: 12-character cell records without separators
//   line 11  "[Un_St]", the undo records, "[Un_En]", then
//            "[Re_St]", the redo records, "[Re_En]"
//
// Every line but line 0 is scrambled with LineScramble.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Board.h"
#include "engine/GameCatalog.h"
#include "engine/LayoutRules.h"

namespace jw {

struct GameCounters;

inline constexpr std::string_view kLayoutFileMarker = "01";
inline constexpr std::string_view kScrambleKey = "7351908264";
inline constexpr std::string_view kUndoStart = "[Un_St]";
inline constexpr std::string_view kUndoEnd = "[Un_En]";
inline constexpr std::string_view kRedoStart = "[Re_St]";
inline constexpr std::string_view kRedoEnd = "[Re_En]";

// Lines of a file up to the body; a shorter file holds no board.
inline constexpr int kLayoutFileMinLines = 11;
inline constexpr int kHeaderLine = 1;
inline constexpr int kRulesLine = 2;
inline constexpr int kOriginLine = 3;
inline constexpr int kSuggestedPairsLine = 4;
inline constexpr int kBodyLine = 10;
inline constexpr int kHeaderWidth = 378;
inline constexpr int kCellRecordWidth = 12;
inline constexpr int kPlayerNameWidth = 50;

// The largest layout file the program reads. The biggest real file (a full
// board with long undo and redo lists of shuffles) stays far below it.
inline constexpr std::size_t kMaxLayoutFileBytes = 16u * 1024 * 1024;

// What line 1 says, besides the spaces it reserves.
enum class LayoutFileKind { CustomLayout = 1, SavedGame = 2, HeldGame = 3, Bookmark = 5 };

// The fields of line 1 (columns in brackets).
struct LayoutHeader {
    int kind = 1;                              // [1]
    std::string gameNumber = "0000000000000";  // [202-214]
    std::string playerName;                    // [215-264]
    int elapsedSeconds = 0;                    // [265-270]
    std::string scoreType = "  ";              // [271-272]
    int tileCount = 0;                         // [279-282]
    bool madeInEditor = false;                 // [283] "C" / "S"
    GameId gameId = -1;                        // [284-288]
    int matchesMade = 0;                       // [289-294]
    int undoCount = 0;                         // [295-300]
    std::int64_t undoPenaltyTotal = 0;         // [301-312]
    int redoCount = 0;                         // [313-318]
    std::int64_t redoPenaltyTotal = 0;         // [319-330]
    int suggestCount = 0;                      // [331-336]
    std::int64_t suggestPenaltyTotal = 0;      // [337-348]
    int shuffleCount = 0;                      // [349-354]
    std::int64_t shufflePenaltyTotal = 0;      // [355-366]
    std::int64_t rawScore = 0;                 // [367-378]
};

// The header columns, for readers that take single fields.
struct HeaderField {
    int from;
    int width;
};
inline constexpr HeaderField kFieldGameNumber{202, 13};
inline constexpr HeaderField kFieldPlayerName{215, 50};
inline constexpr HeaderField kFieldElapsed{265, 6};
inline constexpr HeaderField kFieldScoreType{271, 2};
inline constexpr HeaderField kFieldTileCount{279, 4};
inline constexpr HeaderField kFieldEditorFlag{283, 1};
inline constexpr HeaderField kFieldGameId{284, 5};
inline constexpr HeaderField kFieldMatches{289, 6};
inline constexpr HeaderField kFieldUndoCount{295, 6};
inline constexpr HeaderField kFieldUndoTotal{301, 12};
inline constexpr HeaderField kFieldRedoCount{313, 6};
inline constexpr HeaderField kFieldRedoTotal{319, 12};
inline constexpr HeaderField kFieldSuggestCount{331, 6};
inline constexpr HeaderField kFieldSuggestTotal{337, 12};
inline constexpr HeaderField kFieldShuffleCount{349, 6};
inline constexpr HeaderField kFieldShuffleTotal{355, 12};
inline constexpr HeaderField kFieldRawScore{367, 12};

// The text of one header field, untrimmed (shorter when the line is).
std::string_view HeaderText(std::string_view header, HeaderField field);
// One header field as a number; nothing when it is not one.
std::optional<std::int64_t> HeaderNumber(std::string_view header, HeaderField field);

// Line 1 built from its fields: exactly 378 columns.
std::string FormatHeader(const LayoutHeader& header);

// Line 2: the six rules as two digits each.
std::string FormatRules(const LayoutRules& rules);

// LineScramble: byte k of a line (k from 1) plus / minus the key byte at key
// position ((k - 1) mod 10) + 1, modulo 256. The key restarts on every line.
std::string ScrambleLine(std::string_view plain);
std::string UnscrambleLine(std::string_view scrambled);

// Whether the plain byte at column `column` (from 1) of a line would scramble
// into a CR or LF, which would break the line when the file is read back.
bool ScramblesToLineBreak(unsigned char byte, int column);

// The player name as it may be written at column `firstColumn` of a line:
// every character (a whole UTF-8 sequence) one of whose bytes would
// scramble into a CR or LF where it lands is replaced by '?', then the name
// is cut to `width` bytes on a character boundary.
std::string ScrambleSafeText(std::string_view text, int firstColumn, int width);

// One cell of the body: level (2 digits), column (3), row (3), code (4).
struct CellRecord {
    int level = 0;
    int column = 0;
    int row = 0;
    CellCode code = 0;
    friend bool operator==(const CellRecord&, const CellRecord&) = default;
};

// The 12 characters of a record.
std::string FormatCellRecord(const CellRecord& record);
// A record from exactly 12 characters; nothing when any field is not a number.
std::optional<CellRecord> ParseCellRecord(std::string_view text);

// The body of a board: a record for every non-zero cell of levels 1 to 5, by
// level, then column, then row. Every column and row of the grid is written,
// so a tile that reaches the last column or row keeps all its cells.
std::string FormatBody(const Board& board);

// Everything a layout file holds, as plain (unscrambled) values.
struct LayoutFileContent {
    LayoutHeader header;
    LayoutRules rules;
    int originX = 0;
    int originY = 0;
    std::string suggestedPairs;
    std::string body;
    std::vector<std::string> undoLines;
    std::vector<std::string> redoLines;
};

// Reading. The text is never trusted: a field that is not a number reads as
// 0 (the tile count and the game id as -1, the clock as 0 when negative);
// when any of the first five rules is not a number all six keep their
// defaults, a blank face-down rule reads as 0 and a repetition of 0 as 2;
// the suggested pairs and the body are trimmed; the undo and redo records
// are the non-blank lines between their markers (the first start marker
// after the body counts; a missing end marker reads to the end).

// The plain lines of a file's text (split at LF or CR LF, lines 1 on
// unscrambled); nothing when it has fewer than kLayoutFileMinLines lines.
std::optional<std::vector<std::string>> PlainLayoutLines(std::string_view text);
// The content of plain lines (at least kLayoutFileMinLines of them).
LayoutFileContent ParseLayoutLines(const std::vector<std::string>& plain);
// The content of a file's text, as stored; nothing for a file too short to
// hold a board.
std::optional<LayoutFileContent> ParseLayoutFile(std::string_view text);

// The plain lines 0 to the end of a file with this content.
std::vector<std::string> BuildLayoutLines(const LayoutFileContent& content);

// Scrambles lines 1 to the end in place (line 0 stays plain); the reverse.
void ScrambleLines(std::vector<std::string>& lines);
void UnscrambleLines(std::vector<std::string>& lines);

// The complete file text: lines scrambled and joined with CR LF.
std::string LayoutFileText(const LayoutFileContent& content);

// "G" followed by the id in 5 digits: the name of a built-in layout in the
// resource library (kind "GAMES").
std::string BuiltInLayoutName(GameId id);

}  // namespace jw
