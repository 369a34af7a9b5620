// Sectioned record files of the statistics: "[Section]" header lines
// followed by "key=value" lines, each line ended by CR LF.
//
// Every write replaces the whole file crash-safely (a temporary file in the
// same folder, then a rename), so a failure leaves the old file whole. A
// section header is recognised only as a whole line, so that a key holding
// brackets (a player called "x[00007]") is never taken for a header. Values
// are written over in place only when the new value has the old one's
// length; otherwise the section is rebuilt, so a damaged or hand-edited file
// never has a neighbouring line overwritten.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

// Record files larger than this are refused: read as missing, never written.
inline constexpr std::uintmax_t kMaxRecordFileBytes = 64u * 1024u * 1024u;

// Returns the path of the file called `name` in `folder`, matching the name
// without regard to letter case. When no such file exists, the path with
// `name` spelt as given (the canonical spelling for a new file).
std::string FindDataFile(const std::string& folder, std::string_view name);

// Creates a missing record file with its version section: "[Version]" and
// `versionKey` "=0300". Returns false when it cannot be made.
bool EnsureRecordFile(const std::string& path, std::string_view versionKey);

// The value of the first matching key line of the section, trailing blanks
// removed, or `fallback` when the file, the section or the key is missing.
std::string ReadValue(const std::string& path, std::string_view section, std::string_view key,
                      std::string_view fallback);

// The values (text after the first "=", unchanged) of several keys in one
// pass; keys not found keep their defaults.
std::vector<std::string> ReadValues(const std::string& path, std::string_view section,
                                    const std::vector<std::string>& keys,
                                    const std::vector<std::string>& defaults);

// Writes one value. Existing key of the same value length: replaced in place.
// Existing section without the key, or a value of another length: the section
// is rebuilt with its pairs plus the new one. Missing section: appended.
// Returns false when the file cannot be read or written (old file kept).
bool WriteValue(const std::string& path, std::string_view section, std::string_view key,
                std::string_view value);
// Writes several values of one section, each as `WriteValue` does, in one
// rewrite of the file.
bool WriteValues(const std::string& path, std::string_view section,
                 const std::vector<std::string>& keys, const std::vector<std::string>& values);

// Writes the key lines over the section's body when the body holds exactly
// these keys at the same value lengths; otherwise rebuilds the section.
// A missing section is appended.
bool WriteValuesInPlace(const std::string& path, std::string_view section,
                        const std::vector<std::string>& keys,
                        const std::vector<std::string>& values);

// Replaces the section's body by the key lines and one empty line, keeping
// everything from the next header on. A missing section is appended.
bool ReplaceSection(const std::string& path, std::string_view section,
                    const std::vector<std::string>& keys, const std::vector<std::string>& values);

// Appends an empty line, the header and the key lines at the end of the file.
bool AppendSection(const std::string& path, std::string_view section,
                   const std::vector<std::string>& keys, const std::vector<std::string>& values);

// Names of all header lines, without the brackets.
std::vector<std::string> ListSections(const std::string& path);

// Keys of the section's non-empty lines, trailing blanks removed.
std::vector<std::string> ListKeys(const std::string& path, std::string_view section);

// A record file read once, for many lookups (a file that cannot be read
// reads as empty).
class RecordSnapshot {
  public:
    explicit RecordSnapshot(const std::string& path);

    // The section names in file order.
    const std::vector<std::string>& Sections() const { return names; }
    // The value (text after the first "=", unchanged) of the section's first
    // line with this key; nothing when the section or the key is missing.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

  private:
    struct Pair {
        std::string key, value;
    };
    std::vector<std::string> names;
    std::vector<std::vector<Pair>> bodies;  // by section, in file order
};

// Writes `value` under `key` in every section whose name `where` accepts,
// adding the key line to sections that lack it, in one rewrite of the file.
bool WriteValueInSections(const std::string& path, std::string_view key, std::string_view value,
                          const std::function<bool(std::string_view section)>& where);

// Rewrites a text file line by line: `change` gives the new line, or nothing
// to drop the line. The file is replaced crash-safely, and only when a line
// changed. Returns false when the file cannot be read or written (it is then
// left as it was); a missing file is no failure.
bool RewriteLines(const std::string& path,
                  const std::function<std::optional<std::string>(std::string_view line)>& change);

}  // namespace jw
