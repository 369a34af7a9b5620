// Writing the engine's layout or game as a layout file.
#pragma once

#include <string>

#include "engine/LayoutFile.h"

namespace jw {

class TMahJong_Base;

// What a file of `kind` holds for the engine: the layout alone for a custom
// layout (kind 1: no game number, player, family, counters or moves, the
// GameId -1), the whole game otherwise.
LayoutFileContent LayoutContentOf(const TMahJong_Base& engine, LayoutFileKind kind);

// Writes the file crash-safely, replacing any file of that name. A custom
// layout without a file name is registered under the engine's game name
// (which must be a valid layout name) and written as that id's file in the
// folder "cl"; the engine then plays that id. Reports a refused name or a
// failed write through the host. After a successful write the layout counts
// as unchanged.
bool WriteLayoutFile(TMahJong_Base& engine, LayoutFileKind kind, const std::string& fileName);

}  // namespace jw
