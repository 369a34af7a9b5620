#include "engine/UndoRecord.h"

#include "engine/Board.h"
#include "engine/FixedText.h"

namespace jw {

namespace {

std::string Scores(std::int64_t before, std::int64_t after) {
    return FormatFixed(before, kUndoScoreWidth) + FormatFixed(after, kUndoScoreWidth);
}

}  // namespace

std::string MatchUndoRecord(const std::array<std::string, 4>& descriptors, std::int64_t scoreBefore,
                            std::int64_t scoreAfter) {
    std::string record(kUndoKindMatch);
    record += kUndoFiller;
    for (const std::string& descriptor : descriptors) {
        record += PadRight(descriptor, 12);
    }
    return record + Scores(scoreBefore, scoreAfter);
}

std::string ShuffleUndoRecord(std::string_view boardBody, std::int64_t scoreBefore,
                              std::int64_t scoreAfter) {
    std::string record(kUndoKindShuffle);
    record += kUndoFiller;
    record += boardBody;
    return record + Scores(scoreBefore, scoreAfter);
}

std::string BoardBodyText(const Board& board) {
    constexpr int kViewCells = 199;
    std::string body;
    for (int level = 1; level <= kTileLevels; ++level) {
        for (int column = 1; column <= kViewCells; ++column) {
            for (int row = 1; row <= kViewCells; ++row) {
                const std::int32_t code = board.At(level, column, row);
                if (code != 0) {
                    body += FormatFixed(level, 2) + FormatFixed(column, 3) + FormatFixed(row, 3) +
                            FormatFixed(code, 4);
                }
            }
        }
    }
    return body;
}

UndoRecordParts SplitUndoRecord(std::string_view record) {
    record = Trim(record);
    UndoRecordParts parts;
    parts.kind = std::string(Columns(record, 1, 2));
    constexpr std::size_t kTail = 2 * kUndoScoreWidth;
    if (record.size() >= 10 + kTail) {
        parts.body = std::string(record.substr(10, record.size() - 10 - kTail));
    }
    if (record.size() >= kTail) {
        const std::string_view tail = record.substr(record.size() - kTail);
        parts.scoreBefore = ParseInteger(tail.substr(0, kUndoScoreWidth));
        parts.scoreAfter = ParseInteger(tail.substr(kUndoScoreWidth));
    }
    return parts;
}

std::optional<std::string> UndoStack::Pop() {
    if (lines.empty()) {
        return std::nullopt;
    }
    std::string top = std::move(lines.back());
    lines.pop_back();
    return top;
}

}  // namespace jw
