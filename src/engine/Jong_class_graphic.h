// TMahJong_graphic: the drawing side of the engine object. It adds the
// drawing operations of the board to the engine data; the pictures
// themselves are composed by the presentation code it hands the board to.
#pragma once

#include "engine/Jong_class.h"

namespace jw {

class TMahJong_graphic : public TMahJong_Base {
public:
    using TMahJong_Base::TMahJong_Base;
};

}  // namespace jw
