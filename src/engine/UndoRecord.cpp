#include "engine/UndoRecord.h"

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
