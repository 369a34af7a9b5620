// The Host of the command-line tool: messages go to standard error (and are
// kept, so that a command can tell whether anything was reported), questions
// are answered with OK or Yes, the clock and the random generator are the
// system's.
#pragma once

#include <string>
#include <vector>

#include "platform/Host.h"

namespace jw::tool {

class ToolHost : public Host {
  public:
    MessageAnswer ShowMessage(MessageKind kind, const std::string& text,
                              MessageButtons buttons) override;
    AdviceAnswer ShowAdviceWindow(const std::string& text, int picture) override;
    AdviceAnswer ConfirmAdviceWindow(const std::string& text, bool cancelWanted) override;
    // No time passes here: what would wait runs at once.
    void After(int, std::function<void()> then) override { then(); }
    void Beep() override {}
    LocalTime Now() override;
    std::int64_t MonotonicMs() override;
    int Random(int range) override;
    ScreenInfo Screen() override { return {}; }
    void SetBusy(bool) override {}
    void PlaySound(const std::string&) override {}
    void StopSound() override {}

    // Every message shown so far, line breaks turned into spaces.
    std::vector<std::string> messages;
};

// The folder of the running executable, without a trailing '/'.
std::string ExecutableFolder();

}  // namespace jw::tool
