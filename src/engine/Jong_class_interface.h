// TMahJong_interface: the game logic of the engine object and its hooks into
// the main window. The main window owns one for the whole run; the previews
// own one each, which never plays.
#pragma once

#include "engine/Jong_class_graphic.h"

namespace jw {

class TMahJong_interface : public TMahJong_graphic {
public:
    using TMahJong_graphic::TMahJong_graphic;
};

}  // namespace jw
