// Reading the program's text files without trusting them.
//
// Data files are lists of lines separated by CR LF; files edited by hand on
// another system may use LF alone, so both are accepted. A reader never
// loads more than a stated number of bytes: a damaged or foreign file of
// enormous size is refused instead of filling memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace jw {

// Reads the whole regular file at `path` when it holds at most `maxBytes`
// bytes. Returns nothing when the file is missing, is not a regular file,
// cannot be read or is larger than `maxBytes`.
std::optional<std::string> ReadFileBytes(const std::string& path, std::uintmax_t maxBytes);

// Splits text into lines at LF, dropping one CR before each LF. A last line
// without a line end is kept; the empty text has no lines.
std::vector<std::string> SplitLines(const std::string& text);

// Reads the file at `path` as lines (see ReadFileBytes and SplitLines).
std::optional<std::vector<std::string>> ReadLines(const std::string& path, std::uintmax_t maxBytes);

}  // namespace jw
