// The record of one completed move or shuffle, as the undo and redo lists
// keep it and as game files store it.
//
//   kind (2)  "01" a match or a Memory-Up miss, "02" a shuffle
//   filler (8) "00000000"
//   body      a match: the four move descriptors of the selection slots,
//             each space-padded to 12 characters (an empty slot is 12
//             spaces); a shuffle: the board before the shuffle as the cell
//             records of a layout-file body
//   score before (12), score after (12), zero-padded
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

inline constexpr std::string_view kUndoKindMatch = "01";
inline constexpr std::string_view kUndoKindShuffle = "02";
inline constexpr std::string_view kUndoFiller = "00000000";
inline constexpr int kUndoScoreWidth = 12;

// The record of a match or miss from the four slot descriptors (empty text
// for an empty slot) and the raw score before and after the move.
std::string MatchUndoRecord(const std::array<std::string, 4>& descriptors, std::int64_t scoreBefore,
                            std::int64_t scoreAfter);

// The record of a shuffle from the board body before it (as a layout file
// writes it) and the raw score before and after the penalty.
std::string ShuffleUndoRecord(std::string_view boardBody, std::int64_t scoreBefore,
                              std::int64_t scoreAfter);

// A record taken apart: the kind, the body and the two scores.
struct UndoRecordParts {
    std::string kind;
    std::string body;
    std::optional<std::int64_t> scoreBefore;  // nothing when unreadable
    std::optional<std::int64_t> scoreAfter;
};

// Splits a record (leading and trailing spaces trimmed first) into kind
// (first 2 characters), body (characters 11 to length - 24) and the two
// scores of the last 24 characters.
UndoRecordParts SplitUndoRecord(std::string_view record);

// An ordered list of records; the top is the last entry. The same class
// serves as the undo list and as the redo list.
class UndoStack {
  public:
    void Push(std::string record) { lines.push_back(std::move(record)); }
    // Removes and returns the top record; nothing when the list is empty.
    std::optional<std::string> Pop();
    const std::string* Top() const { return lines.empty() ? nullptr : &lines.back(); }
    void Clear() { lines.clear(); }
    bool Empty() const { return lines.empty(); }
    std::size_t Size() const { return lines.size(); }
    // Every record, bottom first, as game files write them.
    const std::vector<std::string>& Lines() const { return lines; }

  private:
    std::vector<std::string> lines;
};

}  // namespace jw
