#include "presentation/AddOnLibraries.h"

namespace jw {

AddOnLibraries::AddOnLibraries(std::string programFolder, AddOnFamily familyIn)
    : folder(std::move(programFolder)), family(familyIn) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
}

std::string AddOnLibraries::VolumePath(int volume) const {
    const char letter = family == AddOnFamily::Tiles ? 't' : 'b';
    return folder + "gp/" + letter + (volume == 2 ? "02" : "01") + ".rgf";
}

bool AddOnLibraries::IsOpen(int volume) const {
    return (volume == 1 || volume == 2) && volumes[static_cast<std::size_t>(volume - 1)] != nullptr;
}

const ResourceLibrary* AddOnLibraries::Volume(int volume) const {
    const auto slot = static_cast<std::size_t>(volume - 1);
    if (!tried[slot]) {
        tried[slot] = true;
        volumes[slot] = ResourceLibrary::Open(VolumePath(volume));
    }
    return volumes[slot].get();
}

std::optional<std::string> AddOnLibraries::Find(std::string_view kind,
                                                std::string_view name) const {
    for (int volume = 1; volume <= 2; ++volume) {
        if (const ResourceLibrary* library = Volume(volume)) {
            if (auto bytes = library->Find(kind, name)) {
                return bytes;
            }
        }
    }
    return std::nullopt;
}

}  // namespace jw
