// The resource library: a ZIP archive ("MahJong.rgf" beside the program, the
// add-on libraries in "gp/") whose entries are named KIND/NAME, with KIND one
// of BITMAP, ICON, CURSOR, JPEG, WAVE, GAMES. Names are looked up without
// regard to letter case through an index built when the library is opened.
//
// Only the index stays in memory; an entry is read from the file (and
// inflated, its checksum checked) when it is asked for. The archives are
// plain ZIP files with stored or deflated entries, as rgfpack writes them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ResourceStore.h"

namespace jw {

// The largest entry the program unpacks; a larger one is refused rather
// than filling memory.
inline constexpr std::uint64_t kMaxResourceEntryBytes = 64u * 1024 * 1024;

class ResourceLibrary : public ResourceStore {
  public:
    ~ResourceLibrary() override;
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // Opens the library at `path` and indexes its entries. Nothing when the
    // file is missing, not an archive, damaged or truncated; `error` then
    // says why.
    static std::unique_ptr<ResourceLibrary> Open(const std::string& path,
                                                 std::string* error = nullptr);
    // The same for a library already in memory.
    static std::unique_ptr<ResourceLibrary> OpenBytes(std::string bytes,
                                                      std::string* error = nullptr);

    // "Can't find/load " + the path in lower case: what the program reports
    // when its main library cannot be opened.
    static std::string CantLoadMessage(std::string_view path);

    // The bytes of KIND/NAME (letter case ignored); nothing when there is no
    // such entry or it cannot be read whole.
    std::optional<std::string> Find(std::string_view kind, std::string_view name) const override;

    // Every entry name as stored, sorted.
    std::vector<std::string> EntryNames() const;

  private:
    // Where an entry's data lies and how it is stored.
    struct Entry {
        std::uint64_t dataOffset = 0;
        std::uint64_t packedSize = 0;
        std::uint64_t size = 0;
        std::uint32_t crc = 0;
        std::uint16_t method = 0;  // 0 stored, 8 deflated
        bool encrypted = false;
    };

    ResourceLibrary() = default;
    bool Index(std::string* error);
    // `size` bytes at `offset` of the archive, or nothing past its end.
    std::optional<std::string> ReadAt(std::uint64_t offset, std::uint64_t size) const;

    int file = -1;       // the archive opened from a path
    std::string memory;  // the archive bytes when opened from memory
    std::uint64_t archiveSize = 0;
    std::unordered_map<std::string, Entry> index;  // "kind/name" in lower case
    std::vector<std::string> names;
};

}  // namespace jw
