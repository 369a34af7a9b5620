#include "shell/ui/WinAnimation.h"

#include "shell/ui/InputHook.h"

namespace jw {

WinAnimation::WinAnimation(Host& host, BoardRenderer& renderer)
    : stamps(renderer), animation(host, stamps) {
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, [this] { begun ? Step() : Begin(); });
}

WinAnimation::~WinAnimation() = default;

void WinAnimation::Play(Request next) {
    if (active) {
        animation.Stop();
        Finish();
    }
    request = std::move(next);
    active = true;
    begun = false;
    timer.start(std::max(request.delayMs, 0));
}

void WinAnimation::Stop() {
    if (!active) {
        return;
    }
    animation.Stop();
    begun = true;  // a stop during the delay skips the animation
    timer.start(0);
}

void WinAnimation::Begin() {
    begun = true;
    hook = std::make_unique<InputHook>([this] { Stop(); });
    if (request.onStart) {
        request.onStart();
    }
    const TileGeometry& geometry = stamps.Renderer().Geometry();
    if (!animation.Start(request.name, request.seconds, request.area, AnimationTileOf(geometry))) {
        Finish();
        return;
    }
    Step();
}

void WinAnimation::Step() {
    const std::optional<int> wait = animation.Resume();
    if (!wait) {
        Finish();
        return;
    }
    timer.start(*wait);
}

void WinAnimation::Finish() {
    timer.stop();
    hook.reset();
    if (!active) {
        return;
    }
    active = false;
    begun = false;
    if (auto onEnd = std::move(request.onEnd)) {
        request = {};
        onEnd();
    }
}

}  // namespace jw
