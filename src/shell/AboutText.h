// The lines of the About window: the program's version and the graphics
// packs installed beside the program.
#pragma once

#include <string>
#include <vector>

namespace jw {

// "Jadewind 2007 - Version 4.3 - Sept 25, 2007".
std::string AboutVersionLine();

// "Graphics Pack not installed.", or "Graphics Pack installed:" followed by
// one line per installed volume ("Volume 1", with " (version ...)" when the
// volume names its version). A volume NN is installed when its tile
// catalogue "gp/tNN.dat" lies in `programFolder`; its version is the "Vers"
// key of section "Version" in "gp/GPDNN.dat".
std::vector<std::string> GraphicsPackLines(const std::string& programFolder);

}  // namespace jw
