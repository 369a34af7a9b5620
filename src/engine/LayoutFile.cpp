#include "engine/LayoutFile.h"

#include <algorithm>
#include <limits>

#include "engine/FixedText.h"
#include "platform/SaveFile.h"
#include "platform/TextFile.h"

namespace jw {

namespace {

unsigned char KeyByte(std::size_t index) {
    return static_cast<unsigned char>(kScrambleKey[index % kScrambleKey.size()]);
}

// The length of the UTF-8 sequence that starts with `lead`; 1 for a byte
// that cannot start one, so that broken text is still walked byte by byte.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead <= 0xEF ? 3 : 1;
    }
    if (lead >= 0xC2) {
        return 2;
    }
    return 1;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::string_view HeaderText(std::string_view header, HeaderField field) {
    return Columns(header, field.from, field.width);
}

std::optional<std::int64_t> HeaderNumber(std::string_view header, HeaderField field) {
    return ParseInteger(HeaderText(header, field));
}

namespace {

int IntField(std::string_view header, HeaderField field, int fallback) {
    return static_cast<int>(HeaderNumber(header, field).value_or(fallback));
}

std::int64_t NumberField(std::string_view header, HeaderField field) {
    return HeaderNumber(header, field).value_or(0);
}

LayoutHeader ParseHeader(std::string_view line) {
    LayoutHeader header;
    header.kind = IntField(line, {1, 1}, 0);
    header.gameNumber = std::string(Trim(HeaderText(line, kFieldGameNumber)));
    header.playerName = std::string(Trim(HeaderText(line, kFieldPlayerName)));
    header.elapsedSeconds = std::max(0, IntField(line, kFieldElapsed, 0));
    header.scoreType = std::string(HeaderText(line, kFieldScoreType));
    header.tileCount = IntField(line, kFieldTileCount, -1);
    header.madeInEditor = HeaderText(line, kFieldEditorFlag) == "C";
    header.gameId = static_cast<GameId>(HeaderNumber(line, kFieldGameId).value_or(-1));
    header.matchesMade = IntField(line, kFieldMatches, 0);
    header.undoCount = IntField(line, kFieldUndoCount, 0);
    header.undoPenaltyTotal = NumberField(line, kFieldUndoTotal);
    header.redoCount = IntField(line, kFieldRedoCount, 0);
    header.redoPenaltyTotal = NumberField(line, kFieldRedoTotal);
    header.suggestCount = IntField(line, kFieldSuggestCount, 0);
    header.suggestPenaltyTotal = NumberField(line, kFieldSuggestTotal);
    header.shuffleCount = IntField(line, kFieldShuffleCount, 0);
    header.shufflePenaltyTotal = NumberField(line, kFieldShuffleTotal);
    header.rawScore = NumberField(line, kFieldRawScore);
    return header;
}

LayoutRules ParseRules(std::string_view line) {
    std::optional<std::int64_t> values[5];
    for (int i = 0; i < 5; ++i) {
        values[i] = ParseInteger(Columns(line, 1 + 2 * i, 2));
        if (!values[i]) {
            return LayoutRules{};
        }
    }
    LayoutRules rules;
    rules.tilesToMatch = static_cast<int>(*values[0]);
    rules.repetition = static_cast<int>(*values[1]);
    rules.removeRule = static_cast<int>(*values[2]);
    rules.setCount = static_cast<int>(*values[3]);
    rules.faceless = static_cast<int>(*values[4]);
    const std::string_view faceDown = Columns(line, 11, 2);
    rules.faceDown =
        Trim(faceDown).empty() ? 0 : static_cast<int>(ParseInteger(faceDown).value_or(0));
    if (rules.repetition == 0) {
        rules.repetition = 2;
    }
    return rules;
}

std::vector<std::string> Records(const std::vector<std::string>& lines, std::string_view start,
                                 std::string_view end) {
    std::vector<std::string> records;
    std::size_t i = kBodyLine + 1;
    while (i < lines.size() && !lines[i].starts_with(start)) {
        ++i;
    }
    for (++i; i < lines.size() && !lines[i].starts_with(end); ++i) {
        const std::string_view record = Trim(lines[i]);
        if (!record.empty()) {
            records.emplace_back(record);
        }
    }
    return records;
}

}  // namespace

std::optional<std::vector<std::string>> PlainLayoutLines(std::string_view text) {
    std::vector<std::string> lines = SplitLines(std::string(text));
    if (lines.size() < static_cast<std::size_t>(kLayoutFileMinLines)) {
        return std::nullopt;
    }
    UnscrambleLines(lines);
    return lines;
}

LayoutFileContent ParseLayoutLines(const std::vector<std::string>& plain) {
    LayoutFileContent content;
    content.header = ParseHeader(plain[kHeaderLine]);
    content.rules = ParseRules(plain[kRulesLine]);
    content.suggestedPairs = std::string(Trim(plain[kSuggestedPairsLine]));
    content.body = std::string(Trim(plain[kBodyLine]));
    content.undoLines = Records(plain, kUndoStart, kUndoEnd);
    content.redoLines = Records(plain, kRedoStart, kRedoEnd);
    return content;
}

std::optional<LayoutFileContent> ParseLayoutFile(std::string_view text) {
    const auto lines = PlainLayoutLines(text);
    if (!lines) {
        return std::nullopt;
    }
    return ParseLayoutLines(*lines);
}

std::string ScrambleLine(std::string_view plain) {
    std::string out(plain);
    for (std::size_t k = 0; k < out.size(); ++k) {
        out[k] = static_cast<char>(static_cast<unsigned char>(out[k]) + KeyByte(k));
    }
    return out;
}

std::string UnscrambleLine(std::string_view scrambled) {
    std::string out(scrambled);
    for (std::size_t k = 0; k < out.size(); ++k) {
        out[k] = static_cast<char>(static_cast<unsigned char>(out[k]) - KeyByte(k));
    }
    return out;
}

bool ScramblesToLineBreak(unsigned char byte, int column) {
    if (column < 1) {
        return false;
    }
    const auto scrambled =
        static_cast<unsigned char>(byte + KeyByte(static_cast<std::size_t>(column - 1)));
    return scrambled == '\r' || scrambled == '\n';
}

std::string ScrambleSafeText(std::string_view text, int firstColumn, int width) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
        // A sequence cut short by the end of the text or a stray byte is
        // taken as far as its continuation bytes go.
        std::size_t valid = 1;
        while (valid < length && i + valid < text.size() &&
               IsContinuation(static_cast<unsigned char>(text[i + valid]))) {
            ++valid;
        }
        length = valid;
        bool breaks = false;
        for (std::size_t b = 0; b < length; ++b) {
            const int column = firstColumn + static_cast<int>(out.size() + b);
            breaks =
                breaks || ScramblesToLineBreak(static_cast<unsigned char>(text[i + b]), column);
        }
        if (breaks) {
            out.push_back('?');
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return std::string(CutUtf8(out, static_cast<std::size_t>(width)));
}

std::string FormatHeader(const LayoutHeader& h) {
    std::string line;
    line.reserve(kHeaderWidth);
    line += FormatFixed(h.kind, 1);
    line.append(200, ' ');
    line += PadRight(h.gameNumber, 13);
    line += PadRight(ScrambleSafeText(h.playerName, kFieldPlayerName.from, kPlayerNameWidth),
                     kPlayerNameWidth);
    line += FormatFixed(h.elapsedSeconds, 6);
    line += PadRight(h.scoreType, 2);
    line += "000000";
    line += FormatFixed(h.tileCount, 4);
    line += h.madeInEditor ? "C" : "S";
    line += FormatFixed(h.gameId, 5);
    line += FormatFixed(h.matchesMade, 6);
    line += FormatFixed(h.undoCount, 6);
    line += FormatFixed(h.undoPenaltyTotal, 12);
    line += FormatFixed(h.redoCount, 6);
    line += FormatFixed(h.redoPenaltyTotal, 12);
    line += FormatFixed(h.suggestCount, 6);
    line += FormatFixed(h.suggestPenaltyTotal, 12);
    line += FormatFixed(h.shuffleCount, 6);
    line += FormatFixed(h.shufflePenaltyTotal, 12);
    line += FormatFixed(h.rawScore, 12);
    return line;
}

std::string FormatRules(const LayoutRules& rules) {
    return FormatFixed(rules.tilesToMatch, 2) + FormatFixed(rules.repetition, 2) +
           FormatFixed(rules.removeRule, 2) + FormatFixed(rules.setCount, 2) +
           FormatFixed(rules.faceless, 2) + FormatFixed(rules.faceDown, 2);
}

std::string FormatCellRecord(const CellRecord& record) {
    return FormatFixed(record.level, 2) + FormatFixed(record.column, 3) +
           FormatFixed(record.row, 3) + FormatFixed(record.code, 4);
}

std::optional<CellRecord> ParseCellRecord(std::string_view text) {
    if (text.size() != static_cast<std::size_t>(kCellRecordWidth)) {
        return std::nullopt;
    }
    const auto level = ParseInteger(text.substr(0, 2));
    const auto column = ParseInteger(text.substr(2, 3));
    const auto row = ParseInteger(text.substr(5, 3));
    const auto code = ParseInteger(text.substr(8, 4));
    if (!level || !column || !row || !code) {
        return std::nullopt;
    }
    return CellRecord{static_cast<int>(*level), static_cast<int>(*column), static_cast<int>(*row),
                      static_cast<CellCode>(*code)};
}

std::string FormatBody(const Board& board) {
    std::string body;
    for (const BoardPos& pos : board.OccupiedCells()) {
        if (pos.level > kTileLevels) {
            break;  // the cells come in level order
        }
        body += FormatCellRecord(
            {pos.level, pos.column, pos.row, board.At(pos.level, pos.column, pos.row)});
    }
    return body;
}

std::vector<std::string> BuildLayoutLines(const LayoutFileContent& content) {
    constexpr int kAnyWidth = std::numeric_limits<int>::max();
    std::vector<std::string> lines;
    lines.emplace_back(kLayoutFileMarker);
    lines.push_back(FormatHeader(content.header));
    lines.push_back(FormatRules(content.rules));
    lines.push_back(FormatFixed(content.originX, 5) + FormatFixed(content.originY, 5));
    lines.push_back(ScrambleSafeText(content.suggestedPairs, 1, kAnyWidth));
    for (int line = 5; line <= 9; ++line) {
        lines.emplace_back();
    }
    lines.push_back(content.body);
    lines.emplace_back(kUndoStart);
    for (const std::string& record : content.undoLines) {
        lines.push_back(ScrambleSafeText(record, 1, kAnyWidth));
    }
    lines.emplace_back(kUndoEnd);
    lines.emplace_back(kRedoStart);
    for (const std::string& record : content.redoLines) {
        lines.push_back(ScrambleSafeText(record, 1, kAnyWidth));
    }
    lines.emplace_back(kRedoEnd);
    return lines;
}

void ScrambleLines(std::vector<std::string>& lines) {
    for (std::size_t i = 1; i < lines.size(); ++i) {
        lines[i] = ScrambleLine(lines[i]);
    }
}

void UnscrambleLines(std::vector<std::string>& lines) {
    for (std::size_t i = 1; i < lines.size(); ++i) {
        lines[i] = UnscrambleLine(lines[i]);
    }
}

std::string LayoutFileText(const LayoutFileContent& content) {
    std::vector<std::string> lines = BuildLayoutLines(content);
    ScrambleLines(lines);
    return JoinLinesCrLf(lines);
}

std::string BuiltInLayoutName(GameId id) {
    return std::string("G").append(FormatFixed(id, 5));
}

}  // namespace jw
