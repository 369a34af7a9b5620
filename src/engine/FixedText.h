// Fixed-width text fields, as every record and file of the game writes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Text.h"

namespace jw {

// A number right-aligned and zero-padded to `width` characters. A negative
// number is a minus sign followed by the zero-padded digits in the remaining
// width ("-001" for -1 in width 4). A number that does not fit becomes
// `width` asterisks.
std::string FormatFixed(std::int64_t value, int width);

// Text left-aligned and padded with spaces to `width` bytes; longer text is
// cut to `width` bytes, never inside a UTF-8 character (the field is then
// padded with a space where a character was cut).
std::string PadRight(std::string_view text, int width);

// Cuts UTF-8 text to at most `maxBytes` bytes on a character boundary.
std::string_view CutUtf8(std::string_view text, std::size_t maxBytes);

// Trim and TrimRight: see platform/Text.h.

// Parses a whole (optionally signed, optionally blank-surrounded) decimal
// integer; nothing when the text is anything else or out of range.
std::optional<std::int64_t> ParseInteger(std::string_view text);

// The characters `from` (1-based) to `from + width - 1` of a line, or fewer
// when the line is shorter.
std::string_view Columns(std::string_view line, int from, int width);

}  // namespace jw
