#include "presentation/BackgroundImage.h"

#include "presentation/Blit.h"

namespace jw {

void MakeDefaultBackground(Image& target, int width, int height, bool fade, int colourDepth) {
    const Rect area{0, 0, width, height};
    FillRect(target, area, kDefaultBackgroundGreen);
    if (fade && colourDepth > 8) {
        VerticalGradient(target, area, kDefaultBackgroundGreen, kBlack);
    }
}

}  // namespace jw
