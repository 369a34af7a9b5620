// Loading a game's layout for the deal and autoplay commands: a built-in
// game from MahJong.rgf beside the tool, a custom game from the data folder,
// or any layout file.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ToolHost.h"
#include "engine/Jong_class.h"
#include "presentation/ResourceLibrary.h"

namespace jw::tool {

// The resource library beside the tool, opened once; nothing (having said
// why) when it cannot be opened.
const ResourceLibrary* ToolLibrary();

// Reads GAMEID or FILE into the engine as the layout of a new game. Returns
// false, having said why on standard error, when no board was read.
bool LoadGameLayout(const std::string& what, TMahJong_Base& engine, ToolHost& host);

// The 13-digit game number a command-line argument names: digits only, at
// most 13 of them after leading zeros (shorter numbers are padded with
// zeros, "0" deals game number 0000000000000). Nothing, having said why on
// standard error, for anything else.
std::optional<std::string> ToolGameNumber(const std::string& text);

}  // namespace jw::tool
