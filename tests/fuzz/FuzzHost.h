// A Host for the fuzz harnesses: every message is swallowed, every question
// answered with OK or Yes.
#pragma once

#include "platform/Host.h"

namespace jw::fuzz {

class FuzzHost : public Host {
  public:
    MessageAnswer ShowMessage(MessageKind, const std::string&, MessageButtons buttons) override {
        ++messages;
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
                   ? MessageAnswer::Yes
                   : MessageAnswer::Ok;
    }
    AdviceAnswer ShowAdviceWindow(const std::string&, int) override { return {}; }
    AdviceAnswer ConfirmAdviceWindow(const std::string&, bool) override { return {}; }
    // No time passes here: what would wait runs at once.
    void After(int, std::function<void()> then) override { then(); }
    void Beep() override {}
    LocalTime Now() override { return {}; }
    std::int64_t MonotonicMs() override { return 0; }
    int Random(int) override { return 0; }
    ScreenInfo Screen() override { return {}; }
    void SetBusy(bool) override {}
    void PlaySound(const std::string&) override {}
    void StopSound() override {}

    long messages = 0;
};

}  // namespace jw::fuzz
