#include "platform/ScriptedHost.h"

#include <algorithm>
#include <limits>

namespace jw::test {

ScriptedHost::ScriptedHost() : generator(kDefaultSeed) {}

MessageAnswer ScriptedHost::ShowMessage(MessageKind kind, const std::string& text,
                                        MessageButtons buttons) {
    messages.push_back({kind, text, buttons});
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel)
               ? MessageAnswer::Ok
               : MessageAnswer::Yes;
}

AdviceAnswer ScriptedHost::ShowAdviceWindow(const std::string& text, int picture) {
    advices.push_back({false, text, picture, false});
    if (adviceAnswers.empty()) {
        return {};
    }
    const AdviceAnswer answer = adviceAnswers.front();
    adviceAnswers.pop_front();
    return answer;
}

AdviceAnswer ScriptedHost::ConfirmAdviceWindow(const std::string& text, bool cancelWanted) {
    advices.push_back({true, text, 0, cancelWanted});
    if (adviceAnswers.empty()) {
        return {};
    }
    const AdviceAnswer answer = adviceAnswers.front();
    adviceAnswers.pop_front();
    return answer;
}

void ScriptedHost::After(int milliseconds, std::function<void()> then) {
    waits.push_back(milliseconds);
    pending.push_back({waitClock + std::max(milliseconds, 0), std::move(then)});
}

void ScriptedHost::PassTime(std::int64_t until) {
    if (until > waitClock) {
        if (waitAdvancesClock) {
            monotonicMs += until - waitClock;
        }
        waitClock = until;
    }
}

bool ScriptedHost::RunNextDue(std::int64_t until) {
    // The earliest due; of equal ones the first queued.
    auto next = pending.end();
    for (auto it = pending.begin(); it != pending.end(); ++it) {
        if (it->due <= until && (next == pending.end() || it->due < next->due)) {
            next = it;
        }
    }
    if (next == pending.end()) {
        return false;
    }
    PassTime(next->due);
    const std::function<void()> then = std::move(next->then);
    pending.erase(next);
    then();
    return true;
}

void ScriptedHost::Elapse(int milliseconds) {
    const std::int64_t until = waitClock + std::max(milliseconds, 0);
    while (RunNextDue(until)) {
    }
    PassTime(until);
}

void ScriptedHost::RunWaits() {
    while (!pending.empty()) {
        RunNextDue(std::numeric_limits<std::int64_t>::max());
    }
}

int ScriptedHost::Random(int range) {
    if (range < 1) {
        return 0;
    }
    if (!randomValues.empty()) {
        const int value = randomValues.front();
        randomValues.pop_front();
        const int reduced = value % range;
        return reduced < 0 ? reduced + range : reduced;
    }
    return static_cast<int>(generator() % static_cast<std::uint32_t>(range));
}

void ScriptedHost::SetBusy(bool value) {
    busy = value;
    busyChanges.push_back(value);
}

NoMoreMatchesChoice ScriptedHost::ShowNoMoreMatches() {
    ++noMoreMatchesShown;
    if (noMoreMatchesAnswers.empty()) {
        return NoMoreMatchesChoice::Close;
    }
    const NoMoreMatchesChoice answer = noMoreMatchesAnswers.front();
    noMoreMatchesAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedHost::ChooseFileToSave(const FileDialogRequest& request) {
    return ChooseFileToOpen(request);
}

std::optional<std::string> ScriptedHost::ChooseFileToOpen(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

HoldAndExitChoice ScriptedHost::ShowHoldAndExit() {
    ++holdAndExitShown;
    if (holdAndExitAnswers.empty()) {
        return HoldAndExitChoice::Cancel;
    }
    const HoldAndExitChoice answer = holdAndExitAnswers.front();
    holdAndExitAnswers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedHost::MessageTexts() const {
    std::vector<std::string> texts;
    texts.reserve(messages.size());
    for (const RecordedMessage& message : messages) {
        texts.push_back(message.text);
    }
    return texts;
}

}  // namespace jw::test
