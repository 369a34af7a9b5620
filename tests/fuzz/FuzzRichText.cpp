// Feeds arbitrary bytes as a comment file to the RTF reader. Whatever the
// file holds, the text read is valid UTF-8, and writing it and reading it
// back gives the same text and styles.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/RichText.h"

namespace {

bool ValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t n = b < 0x80             ? 1
                              : (b & 0xE0) == 0xC0 ? 2
                              : (b & 0xF0) == 0xE0 ? 3
                              : (b & 0xF8) == 0xF0 ? 4
                                                   : 0;
        if (n == 0 || i + n > text.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const jw::StyledText text = jw::ReadRtf(bytes);
    if (!ValidUtf8(jw::PlainText(text)))
        std::abort();
    if (jw::ReadRtf(jw::WriteRtf(text)) != text)
        std::abort();
    return 0;
}
