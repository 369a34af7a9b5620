// Feeds arbitrary bytes to the layout-file reader in every read mode. The
// first byte picks the mode, the rest is the file. Whatever was read must
// survive being written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "FuzzHost.h"
#include "engine/Jong_class.h"
#include "engine/LayoutReader.h"
#include "engine/LayoutWriter.h"

namespace {

constexpr jw::ReadMode kModes[] = {jw::ReadMode::NewGame,     jw::ReadMode::Restart,
                                   jw::ReadMode::GameNumber,  jw::ReadMode::OpenSaved,
                                   jw::ReadMode::ResumeHeld,  jw::ReadMode::Preview,
                                   jw::ReadMode::GoToBookmark};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static jw::fuzz::FuzzHost host;
    static auto first = std::make_unique<jw::TMahJong_Base>(host);
    static auto second = std::make_unique<jw::TMahJong_Base>(host);
    if (size == 0) {
        return 0;
    }
    const jw::ReadMode mode = kModes[data[0] % std::size(kModes)];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const jw::GameId id = (data[0] & 0x80) != 0 ? -1 : 0;
    jw::ReadLayoutText(*first, mode, text, id);

    // Write what was read as a saved game and read it back.
    const std::string written =
        jw::LayoutFileText(jw::LayoutContentOf(*first, jw::LayoutFileKind::SavedGame));
    jw::ReadLayoutText(*second, jw::ReadMode::OpenSaved, written, -1);
    if (jw::FormatBody(first->board) != jw::FormatBody(second->board) ||
        first->board.tileCount != second->board.tileCount || !(first->rules == second->rules) ||
        first->gameId != second->gameId) {
        std::abort();
    }
    return 0;
}
