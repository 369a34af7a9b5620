// Feeds arbitrary bytes to the pure layout-file reader and to the game-file
// report built on it. Whatever the reader takes must be reported, and the
// rules it read must come back unchanged from a file written with them.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/GameFileReport.h"
#include "engine/LayoutFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<jw::LayoutFileContent> content = jw::ParseLayoutFile(text);
    if (!content) {
        return 0;
    }
    if (!jw::GameFileReport(text)) {
        std::abort();
    }
    const std::optional<jw::LayoutFileContent> again =
        jw::ParseLayoutFile(jw::LayoutFileText(*content));
    if (!again || !(again->rules == content->rules)) {
        std::abort();
    }
    return 0;
}
