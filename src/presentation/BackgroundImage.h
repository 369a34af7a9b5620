// The background under the tiles. Only the default background is made here:
// green (0, 128, 0), fading to black from top to bottom when fading is on
// and the display shows more than 256 colours.
#pragma once

#include "presentation/Image.h"

namespace jw {

inline constexpr Pixel kDefaultBackgroundGreen = Rgb(0, 128, 0);

// Paints the default background over the top-left `width` x `height` of
// `target`.
void MakeDefaultBackground(Image& target, int width, int height, bool fade, int colourDepth);

}  // namespace jw
