// Feeds arbitrary bytes as a statistics record file to the reader and the
// writer. Whatever the file holds, a value written must read back, and the
// sections listed before the write must all still be there after it.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/SaveFile.h"
#include "records/RecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("jw-fuzz-record-" + std::to_string(::getpid())))
            .string();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!jw::WriteFileAtomically(path, bytes)) return 0;
    const auto before = jw::ListSections(path);
    (void)jw::ListKeys(path, "00007");
    (void)jw::ReadValues(path, "00007", {"Ann", "Bob"}, {"", ""});
    const std::string old = jw::ReadValue(path, "00007", "Ann", "");
    if (!jw::WriteValue(path, "00007", "Ann", "000001 000002")) std::abort();
    if (jw::ReadValue(path, "00007", "Ann", "") != "000001 000002") std::abort();
    const auto after = jw::ListSections(path);
    for (const auto& name : before)
        if (std::find(after.begin(), after.end(), name) == after.end()) std::abort();
    (void)old;
    return 0;
}
