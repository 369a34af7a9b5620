// Feeds arbitrary bytes to the resource library as an archive, and reads
// every entry it lists, under its own name and in other letter cases.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "presentation/ResourceLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto library = jw::ResourceLibrary::OpenBytes(
        std::string(reinterpret_cast<const char*>(data), size), &error);
    if (!library) {
        return 0;
    }
    for (const std::string& name : library->EntryNames()) {
        const std::size_t slash = name.find('/');
        if (slash == std::string::npos) {
            std::abort();  // the index keeps only KIND/NAME entries
        }
        const auto bytes = library->Find(name.substr(0, slash), name.substr(slash + 1));
        std::string upper = name;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        const auto again = library->Find(upper.substr(0, slash), upper.substr(slash + 1));
        if (bytes.has_value() && !again.has_value()) {
            std::abort();  // look-ups ignore letter case
        }
    }
    library->Find("GAMES", "G00000");
    return 0;
}
