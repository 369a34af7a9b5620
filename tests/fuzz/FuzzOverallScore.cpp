// Feeds arbitrary bytes as the overall-score file, and as an export code.
// Whatever the file holds, reading it either gives standings whose totals
// are the sums of the players' best games, or resets the file; a result
// booked afterwards must then be found in the standings.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/SaveFile.h"
#include "records/OverallScore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    static const std::string folder = [] {
        const fs::path path =
            fs::temp_directory_path() / ("jw-fuzz-overall-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path.string();
    }();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    (void)jw::DecodeOverallExportCode(bytes);

    jw::OverallScore overall(folder);
    bool reset = false;
    overall.onReset = [&reset] { reset = true; };
    if (!jw::WriteFileAtomically(overall.Path(), bytes))
        return 0;
    for (const jw::OverallStanding& standing : overall.LoadStandings()) {
        const auto details = overall.LoadPlayerDetails(standing.player);
        if (!details || details->score != standing.score || standing.score <= 0)
            std::abort();
    }
    (void)overall.Update(7, "Ann", false, 60, 5);
    (void)overall.Update(7, "Ann", false, 30, 5);
    if (!reset) {
        const auto details = overall.LoadPlayerDetails("Ann");
        if (details && details->games.size() != 106)
            std::abort();
    }
    return 0;
}
