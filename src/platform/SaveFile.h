// The one way the program writes a file.
//
// Every data file is written crash-safely: the new contents go to a temporary
// file in the same folder, are flushed to the disk and then renamed over the
// old file. A crash or power loss leaves either the complete old file or the
// complete new one, never a half-written mix. Use these functions for every
// file the program writes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jw {

// Replaces the file at `path` with `bytes` crash-safely. The folder must
// exist. Returns false (leaving any old file untouched and no temporary file
// behind) when the file cannot be written.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Adds `bytes` at the end of the file at `path` (made when missing) and
// flushes them to the disk: the way a growing log is written, without
// copying what it already holds. The old contents are never touched; a
// write that fails part-way is cut off again, so the file ends where it
// ended before. Returns false when the bytes could not be added.
bool AppendFileBytes(const std::string& path, std::string_view bytes);

// Writes `lines` as a text file, each line ended by CR LF, crash-safely.
bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines);

// Joins `lines` into text with a CR LF after each line.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace jw
