#include "presentation/ResourceLibrary.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <limits>

namespace jw {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndOfDirectorySize = 22;

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

void SetError(std::string* error, std::string text) {
    if (error != nullptr) {
        *error = std::move(text);
    }
}

// Little-endian fields; callers have checked that the bytes are there.
std::uint16_t U16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t U32(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(U16(bytes, at)) |
           static_cast<std::uint32_t>(U16(bytes, at + 2)) << 16;
}

// Deflated bytes inflated to exactly `size` bytes, or nothing.
std::optional<std::string> Inflate(const std::string& packed, std::uint64_t size) {
    std::string out(static_cast<std::size_t>(size), '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        return std::nullopt;
    }
    // Both sizes are below kMaxResourceEntryBytes, within zlib's counters.
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    if (!whole) {
        return std::nullopt;
    }
    return out;
}

}  // namespace

ResourceLibrary::~ResourceLibrary() {
    if (file >= 0) {
        close(file);
    }
}

std::string ResourceLibrary::CantLoadMessage(std::string_view path) {
    return "Can't find/load " + Lower(path);
}

std::unique_ptr<ResourceLibrary> ResourceLibrary::Open(const std::string& path,
                                                       std::string* error) {
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        SetError(error, path + ": cannot open the file");
        return nullptr;
    }
    std::unique_ptr<ResourceLibrary> library(new ResourceLibrary());
    library->file = file;
    struct stat status {};
    if (fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
        SetError(error, path + ": not a file");
        return nullptr;
    }
    library->archiveSize = static_cast<std::uint64_t>(status.st_size);
    if (library->archiveSize == 0) {
        SetError(error, path + ": empty file");
        return nullptr;
    }
    std::string why;
    if (!library->Index(&why)) {
        SetError(error, path + ": " + why);
        return nullptr;
    }
    return library;
}

std::unique_ptr<ResourceLibrary> ResourceLibrary::OpenBytes(std::string bytes, std::string* error) {
    if (bytes.empty()) {
        SetError(error, "empty file");
        return nullptr;
    }
    std::unique_ptr<ResourceLibrary> library(new ResourceLibrary());
    library->memory = std::move(bytes);
    library->archiveSize = library->memory.size();
    if (!library->Index(error)) {
        return nullptr;
    }
    return library;
}

std::optional<std::string> ResourceLibrary::ReadAt(std::uint64_t offset, std::uint64_t size) const {
    if (offset > archiveSize || size > archiveSize - offset) {
        return std::nullopt;
    }
    if (file < 0) {
        return memory.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = pread(file, bytes.data() + done, bytes.size() - done,
                                  static_cast<off_t>(offset + done));
        if (got <= 0) {
            return std::nullopt;
        }
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

bool ResourceLibrary::Index(std::string* error) {
    // The end-of-directory record closes the archive, behind a comment of
    // at most 65535 bytes.
    const std::uint64_t tailSize =
        std::min<std::uint64_t>(archiveSize, kEndOfDirectorySize + 65535);
    const std::optional<std::string> tail = ReadAt(archiveSize - tailSize, tailSize);
    if (!tail || tail->size() < kEndOfDirectorySize) {
        SetError(error, "not a resource library");
        return false;
    }
    std::size_t end = std::string::npos;
    for (std::size_t at = tail->size() - kEndOfDirectorySize + 1; at-- > 0;) {
        if (U32(*tail, at) == kEndOfDirectory &&
            at + kEndOfDirectorySize + U16(*tail, at + 20) == tail->size()) {
            end = at;
            break;
        }
    }
    if (end == std::string::npos) {
        SetError(error, "not a resource library");
        return false;
    }
    const std::uint16_t count = U16(*tail, end + 10);
    const std::uint32_t directorySize = U32(*tail, end + 12);
    const std::uint32_t directoryOffset = U32(*tail, end + 16);
    const std::uint64_t endOffset = archiveSize - tailSize + end;
    if (U16(*tail, end + 4) != 0 || U16(*tail, end + 6) != 0 || U16(*tail, end + 8) != count ||
        count == 0xFFFF || directoryOffset == 0xFFFFFFFFu ||
        std::uint64_t{directoryOffset} + directorySize > endOffset) {
        SetError(error, "not a resource library (split, ZIP64 or damaged directory)");
        return false;
    }
    const std::optional<std::string> directory = ReadAt(directoryOffset, directorySize);
    if (!directory) {
        SetError(error, "truncated directory");
        return false;
    }
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        const std::string damaged = "damaged entry " + std::to_string(i);
        if (at + kCentralHeaderSize > directory->size() || U32(*directory, at) != kCentralHeader) {
            SetError(error, damaged);
            return false;
        }
        Entry entry;
        entry.encrypted = (U16(*directory, at + 8) & 1) != 0;
        entry.method = U16(*directory, at + 10);
        entry.crc = U32(*directory, at + 16);
        entry.packedSize = U32(*directory, at + 20);
        entry.size = U32(*directory, at + 24);
        const std::size_t nameLength = U16(*directory, at + 28);
        const std::size_t extraLength = U16(*directory, at + 30);
        const std::size_t commentLength = U16(*directory, at + 32);
        const std::uint32_t localOffset = U32(*directory, at + 42);
        const std::size_t next = at + kCentralHeaderSize + nameLength + extraLength + commentLength;
        if (next > directory->size()) {
            SetError(error, damaged);
            return false;
        }
        const std::string name = directory->substr(at + kCentralHeaderSize, nameLength);
        at = next;
        // The local header must agree with the directory, so that a
        // truncated or patched archive is refused when it is opened.
        const std::optional<std::string> local = ReadAt(localOffset, kLocalHeaderSize + nameLength);
        if (!local || U32(*local, 0) != kLocalHeader ||
            local->compare(kLocalHeaderSize, nameLength, name) != 0) {
            SetError(error, damaged);
            return false;
        }
        entry.dataOffset =
            std::uint64_t{localOffset} + kLocalHeaderSize + nameLength + U16(*local, 28);
        if (entry.dataOffset > directoryOffset ||
            entry.packedSize > directoryOffset - entry.dataOffset) {
            SetError(error, damaged);
            return false;
        }
        // Folders and names without a kind are not resources.
        if (name.empty() || name.back() == '/' || name.find('/') == std::string::npos) {
            continue;
        }
        if (index.emplace(Lower(name), entry).second) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return true;
}

std::optional<std::string> ResourceLibrary::Find(std::string_view kind,
                                                 std::string_view name) const {
    std::string key = Lower(kind);
    key += '/';
    key += Lower(name);
    const auto found = index.find(key);
    if (found == index.end()) {
        return std::nullopt;
    }
    const Entry& entry = found->second;
    if (entry.encrypted || entry.size > kMaxResourceEntryBytes ||
        entry.packedSize > kMaxResourceEntryBytes || (entry.method != 0 && entry.method != 8)) {
        return std::nullopt;
    }
    std::optional<std::string> bytes = ReadAt(entry.dataOffset, entry.packedSize);
    if (!bytes) {
        return std::nullopt;
    }
    if (entry.method == 8) {
        bytes = Inflate(*bytes, entry.size);
    } else if (entry.packedSize != entry.size) {
        return std::nullopt;
    }
    if (!bytes || crc32(0, reinterpret_cast<const Bytef*>(bytes->data()),
                        static_cast<uInt>(bytes->size())) != entry.crc) {
        return std::nullopt;
    }
    return bytes;
}

std::vector<std::string> ResourceLibrary::EntryNames() const {
    return names;
}

}  // namespace jw
