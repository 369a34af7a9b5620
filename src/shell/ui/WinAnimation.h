// The winning animation in the game window, on a timer: after an optional
// delay the input filter goes in (any key or mouse button ends the
// animation, mouse moves are swallowed), the start action runs (the "Won"
// sound), and the pattern's stamps follow one wait at a time. Nothing
// blocks: between two steps the window handles its events as usual.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "presentation/BoardAnimation.h"

namespace jw {

class Host;
class InputHook;

class WinAnimation : public QObject {
  public:
    struct Request {
        std::string name;  // "(Random)", one of the six, anything else: none
        int seconds = 30;
        int delayMs = 0;  // before the filter goes in and the start action runs
        AnimationArea area;
        std::function<void()> onStart;  // after the delay, before the first stamp
        std::function<void()> onEnd;    // once, when the animation has ended
    };

    WinAnimation(Host& host, BoardRenderer& renderer);
    ~WinAnimation() override;

    // Starts a request; one still running is ended first.
    void Play(Request request);
    // Ends the animation at once (a key, a click, a close request); its end
    // action follows from the event loop.
    void Stop();
    // From Play until the end action has run.
    bool Active() const { return active; }
    const WinningAnimation& Animation() const { return animation; }

  private:
    void Begin();
    void Step();
    void Finish();

    BoardStamps stamps;
    WinningAnimation animation;
    QTimer timer;
    std::unique_ptr<InputHook> hook;
    Request request;
    bool active = false;
    bool begun = false;
};

}  // namespace jw
