// The background of a board drawn by "jadewind-tool render":
// "--background CODE|FILE".
#pragma once

#include <optional>
#include <string>

#include "ToolHost.h"
#include "platform/ResourceStore.h"
#include "presentation/Backgrounds.h"
#include "presentation/BoardRenderer.h"

namespace jw::tool {

// A background code (0 the default, 2..1000 a built-in picture, 1001 and
// above a fixed colour), a built-in picture name ("B410") or the path of a
// picture file. Nothing for codes that need more than a number (1, -102,
// -103). Colours fade to black as they do by default in the game.
std::optional<BackgroundChoice> ParseBackgroundOption(const std::string& value);

// Makes the renderer draw `choice` under the tiles, with pictures from
// `library`; a picture that cannot be used is reported through `host` and
// the default background drawn instead, as in the game.
void UseBackground(BoardRenderer& renderer, const BackgroundChoice& choice,
                   const ResourceStore* library, ToolHost& host);

}  // namespace jw::tool
