// An application-wide input hook for the pause screen and the winning
// animation: while it lives, any key press or mouse button ends the state
// (the event is consumed) and mouse moves are swallowed, so the board sees
// no hover meanwhile.
#pragma once

#include <QObject>
#include <functional>

namespace jw {

class InputHook : public QObject {
  public:
    explicit InputHook(std::function<void()> onInput);
    ~InputHook() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> onInput;
    bool fired = false;
};

}  // namespace jw
