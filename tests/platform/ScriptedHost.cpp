#include "platform/ScriptedHost.h"

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

void ScriptedHost::Wait(int milliseconds) {
    waits.push_back(milliseconds);
    if (waitAdvancesClock && milliseconds > 0) {
        monotonicMs += milliseconds;
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
