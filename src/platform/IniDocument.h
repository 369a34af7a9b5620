// An INI text ("[section]" headers and "key=value" lines) held as its lines,
// shared by the settings file, the tile-set and background catalogues and the
// random-background list.
//
// The text is never trusted: lines that are neither headers nor key lines
// (blank lines, ";" comments, damage, binary junk) are ignored by every query
// and kept byte for byte by every change. Section and key names are matched
// without regard to ASCII letter case; blanks around names and values do not
// count. Where a section or key appears twice, the first one counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jw {

// The largest catalogue or list file the program reads (1 MiB; a real one
// is a few kilobytes).
inline constexpr std::uintmax_t kMaxIniFileBytes = 1024 * 1024;

// One key line with the section it stands in.
struct IniLine {
    std::string section;
    std::string key;
    std::string value;
};

class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(std::vector<std::string> lines) : lines(std::move(lines)) {}
    // The document of the file at `path`: empty when there is no file,
    // nothing when the file cannot be read or holds more than `maxBytes`.
    static std::optional<IniDocument> Load(const std::string& path, std::uintmax_t maxBytes);
    // Writes the lines crash-safely with CR LF line ends.
    bool Save(const std::string& path) const;

    const std::vector<std::string>& Lines() const { return lines; }

    // The value of `key` in `section`, or nothing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // The key lines of `section` as "key=value", in order.
    std::vector<std::string> SectionValues(std::string_view section) const;
    // Every key line that stands in a named section, in order.
    std::vector<IniLine> Entries() const;

    // Sets `key` in `section` (CR and LF in the value become blanks). The key
    // is replaced where it stands, keeping its stored spelling; a new key goes
    // after the last non-blank line of the first section of that name, a new
    // section to the end. Returns false, changing nothing, for names that
    // would break the structure: empty, holding CR, LF or NUL, a section with
    // "]", a key with "=" or starting with "[" or ";".
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of `key` in `section`; tells whether any was there.
    bool RemoveKey(std::string_view section, std::string_view key);
    // Removes every section of that name with its lines; tells whether any was there.
    bool RemoveSection(std::string_view section);

  private:
    std::vector<std::string> lines;
};

// The key lines of the INI file at `path` (at most kMaxIniFileBytes); a
// missing or unreadable file gives nothing.
std::vector<IniLine> ReadIniLines(const std::string& path);

}  // namespace jw
