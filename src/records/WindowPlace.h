// Places of the small tool windows (game info, tile legends, editor info),
// kept in section "Forms" of the settings file.
#pragma once

#include <string_view>

#include "platform/Host.h"
#include "platform/SettingsStore.h"

namespace jw {

struct WindowPlace {
    int left = -1;
    int top = -1;
    bool visible = false;
};

// Writes name + "_Left", name + "_Top" and name + "_Visible" (Y/N).
void SaveWindowPlace(SettingsStore& settings, std::string_view name, int left, bool visible,
                     int top);

// Reads the place of window `name` (defaults -1, -1, not visible) and pulls
// it back so that at least a third of a `width` x `height` window lies on
// the screen that `screen` describes. A negative result is left to the
// caller, which places such a window beside the main window.
WindowPlace LoadWindowPlace(const SettingsStore& settings, const ScreenInfo& screen,
                            std::string_view name, int width, int height);

}  // namespace jw
