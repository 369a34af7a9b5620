// The settings file "cnfg.dat": an INI text of sections and key=value lines.
//
// There is no cache: every call opens the file, reads or writes what it
// needs and closes it again, so a value written by one window is seen at
// once by every other reader. Section and key names are matched without
// regard to letter case. Every write rebuilds the file crash-safely.
//
// The file is never trusted:
// - a missing file, section or key gives the caller's default;
// - a file larger than kMaxSettingsBytes, or one that cannot be read, gives
//   every reader its default, and every write to it is refused (returns
//   false) so that a file the program cannot read is never replaced by one
//   holding a single value;
// - lines that are not section headers or key=value pairs (damage, binary
//   junk) are ignored by readers and kept byte for byte by writers; only
//   their line ends become CR LF.
//
// CR and LF cannot enter the file through a value: each one is written as a
// blank, so a value always stays on its own line. Section and key names
// that would break the structure (empty, containing CR, LF or NUL, a key
// containing "=" or starting with "[" or ";") are refused by every writer.
// Blanks around keys and values are not significant and are trimmed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniDocument.h"
#include "platform/SettingsStore.h"

namespace jw {

// The largest settings file the program will read (4 MiB; a real one is a
// few kilobytes).
inline constexpr std::uintmax_t kMaxSettingsBytes = 4u * 1024u * 1024u;

class SettingsFile : public SettingsStore {
  public:
    // A settings file at `path`; nothing is read until a call needs it.
    explicit SettingsFile(std::string path);

    // The path of the file.
    const std::string& Path() const { return path; }

    // The value of `key` in `section`, or `defaultValue` when either is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    // Sets `key` in `section` to `value`; see TryWriteString.
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    // Sets `key` in `section` to `value` (CR and LF become blanks) and tells
    // whether the file was written. The key is replaced where it stands, in
    // whatever case it was stored; a new key goes to the end of its section,
    // a new section to the end of the file.
    bool TryWriteString(std::string_view section, std::string_view key,
                        std::string_view value) const;

    // The value as a decimal integer (optional sign, digits only, within int
    // range); anything else, or a missing key, gives `defaultValue`.
    int ReadInteger(std::string_view section, std::string_view key,
                    int defaultValue) const override;
    // Writes `value` as decimal text; see TryWriteInteger.
    void WriteInteger(std::string_view section, std::string_view key, int value) override;
    // Writes `value` as decimal text and tells whether the file was written.
    bool TryWriteInteger(std::string_view section, std::string_view key, int value) const;

    // (Y/N flags: ReadFlag and WriteFlag of SettingsStore.)

    // Whether `key` is present in `section`.
    bool HasKey(std::string_view section, std::string_view key) const;

    // Removes every line of `key` from `section`. Returns false only when the
    // file could not be rewritten; a missing key is not an error.
    bool DeleteKey(std::string_view section, std::string_view key) const;
    // Removes `section` with all its lines. Same return rule as DeleteKey.
    bool EraseSection(std::string_view section) const;
    void RemoveSection(std::string_view section) override { EraseSection(section); }

    // The lines of `section` as "key=value", in file order, blanks trimmed.
    std::vector<std::string> ReadSectionValues(std::string_view section) const;

  private:
    // The file's text; empty for a missing file, nothing when the file
    // exists but must not be read or rewritten.
    std::optional<IniDocument> Load() const;

    std::string path;
};

}  // namespace jw
