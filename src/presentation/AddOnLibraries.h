// The add-on libraries of one family in the folder "gp" beside the program:
// "t01.rgf" then "t02.rgf" for tile sets, "b01.rgf" then "b02.rgf" for
// backgrounds. Each volume is opened the first time a look-up needs it; a
// missing or damaged volume is simply not searched.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ResourceStore.h"
#include "presentation/ResourceLibrary.h"

namespace jw {

enum class AddOnFamily { Tiles, Backgrounds };

class AddOnLibraries : public ResourceStore {
  public:
    // `programFolder` is the folder of the program, with or without a
    // trailing '/'.
    AddOnLibraries(std::string programFolder, AddOnFamily family);

    // The entry from the first volume that has it.
    std::optional<std::string> Find(std::string_view kind, std::string_view name) const override;

    // The path of volume 1 or 2.
    std::string VolumePath(int volume) const;
    // Whether volume 1 or 2 has been opened (for the lazy opening).
    bool IsOpen(int volume) const;

  private:
    const ResourceLibrary* Volume(int volume) const;

    std::string folder;
    AddOnFamily family;
    mutable std::array<std::unique_ptr<ResourceLibrary>, 2> volumes;
    mutable std::array<bool, 2> tried{};
};

}  // namespace jw
