#include "engine/FixedText.h"

#include <charconv>

namespace jw {

std::string FormatFixed(std::int64_t value, int width) {
    if (width <= 0) {
        return {};
    }
    const bool negative = value < 0;
    // Work in unsigned space so that the most negative value is safe.
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    const int room = negative ? width - 1 : width;
    if (room < 1 || static_cast<int>(digits.size()) > room) {
        return std::string(static_cast<std::size_t>(width), '*');
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(width));
    if (negative) {
        out.push_back('-');
    }
    out.append(static_cast<std::size_t>(room) - digits.size(), '0');
    out += digits;
    return out;
}

std::string_view CutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t end = maxBytes;
    // Step back over continuation bytes so that no character is split.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

std::string PadRight(std::string_view text, int width) {
    if (width <= 0) {
        return {};
    }
    std::string out(CutUtf8(text, static_cast<std::size_t>(width)));
    out.append(static_cast<std::size_t>(width) - out.size(), ' ');
    return out;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string_view Columns(std::string_view line, int from, int width) {
    if (from < 1 || width <= 0) {
        return {};
    }
    const auto start = static_cast<std::size_t>(from - 1);
    if (start >= line.size()) {
        return {};
    }
    return line.substr(start, static_cast<std::size_t>(width));
}

}  // namespace jw
