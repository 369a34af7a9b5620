#include "presentation/BoardAnimation.h"

namespace jw {

AnimationTile AnimationTileOf(const TileGeometry& geometry) {
    return {geometry.faceWidth, geometry.faceHeight, geometry.depth};
}

AnimationArea AnimationAreaOf(int width, int height, int top, int statusBarHeight) {
    return {width, height, width, height, top, height - statusBarHeight};
}

int RunToEnd(WinningAnimation& animation, const std::function<void(int)>& advance) {
    int waits = 0;
    while (const std::optional<int> wait = animation.Resume()) {
        advance(*wait);
        ++waits;
    }
    return waits;
}

}  // namespace jw
