#include "platform/TextFile.h"

#include <filesystem>
#include <fstream>

namespace jw {

std::optional<std::string> ReadFileBytes(const std::string& path, std::uintmax_t maxBytes) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > maxBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // The file may have grown since its size was taken: read at most one
    // byte beyond the limit, which is enough to notice and refuse.
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return std::nullopt;
    }
    if (in.peek() != std::ifstream::traits_type::eof()) {
        return std::nullopt;
    }
    return bytes;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = (end == std::string::npos) ? text.size() : end + 1;
        if (end == std::string::npos) {
            end = text.size();
        } else if (end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(text, start, end - start);
        start = next;
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path,
                                                  std::uintmax_t maxBytes) {
    std::optional<std::string> bytes = ReadFileBytes(path, maxBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return SplitLines(*bytes);
}

}  // namespace jw
