#include "engine/GameNumber.h"

#include <cstdint>

#include "engine/FixedText.h"
#include "platform/Host.h"

namespace jw {

std::string NormalizeGameNumber(std::string_view digits) {
    std::string padded(static_cast<std::size_t>(kGameNumberDigits), '0');
    padded += digits;
    return padded.substr(padded.size() - kGameNumberDigits);
}

std::string NewGameNumber(Host& host) {
    const std::int64_t a = host.Random(9999999);
    const std::int64_t b = host.Random(999999);
    return NormalizeGameNumber(std::to_string(a * b));
}

TypedNumber ReadTypedGameNumber(std::string_view text) {
    text = Trim(text);
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return {TypedNumberStatus::NotDigits, {}};
        }
    }
    std::string number = NormalizeGameNumber(text);
    if (number.find_first_not_of('0') == std::string::npos) {
        return {TypedNumberStatus::Zero, {}};
    }
    return {TypedNumberStatus::Valid, std::move(number)};
}

}  // namespace jw
