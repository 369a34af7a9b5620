// Looking up the game's built-in resources (pictures, sounds, layouts) by
// kind and name. The resource library implements it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jw {

class ResourceStore {
public:
    virtual ~ResourceStore() = default;
    // The bytes of the entry KIND/NAME (letter case ignored), or nothing.
    virtual std::optional<std::string> Find(std::string_view kind,
                                            std::string_view name) const = 0;
};

}  // namespace jw
