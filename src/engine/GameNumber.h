// Game numbers: the 13 decimal digits that fix a deal.
//
// A game is the pair of a GameId and a GameNumber; the same pair always
// deals the same board, so that a game can be replayed, restarted and
// shared by its number.
#pragma once

#include <string>
#include <string_view>

namespace jw {

class Host;

inline constexpr int kGameNumberDigits = 13;

// Digits left-padded with "0" to 13 characters; longer text keeps its last
// 13 characters.
std::string NormalizeGameNumber(std::string_view digits);

// A random game number: the product of a random integer in 0..9999998 and
// one in 0..999998, padded to 13 digits (its last 13 digits are kept).
std::string NewGameNumber(Host& host);

// What became of a number the player typed.
enum class TypedNumberStatus {
    Valid,      // `number` holds the 13-digit game number
    NotDigits,  // some character is not a digit 0-9
    Zero,       // the value is 0 (or nothing was typed): ignored
};

struct TypedNumber {
    TypedNumberStatus status = TypedNumberStatus::Zero;
    std::string number;
};

inline constexpr std::string_view kNumbersOnlyMessage = "Numbers only are required.";
inline constexpr std::string_view kSelectNumberMessage = "Select a correct game number.";

// Checks a typed game number: trimmed, every character a digit, padded to
// 13 digits; a value of 0 is ignored.
TypedNumber ReadTypedGameNumber(std::string_view text);

}  // namespace jw
