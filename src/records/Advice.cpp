#include "records/Advice.h"

#include "platform/SettingsDefaults.h"

namespace jw {

void ShowAdvice(Host& host, SettingsStore& settings, const std::string& text, std::string_view key,
                int picture) {
    if (!MessageWanted(settings, setting::kShowMessages, key)) {
        return;
    }
    const AdviceAnswer answer = host.ShowAdviceWindow(text, picture);
    if (answer.dontShowAgain) {
        SilenceMessage(settings, setting::kShowMessages, key);
    }
}

bool ConfirmAdvice(Host& host, SettingsStore& settings, const std::string& text,
                   std::string_view key, bool cancelWanted) {
    if (!MessageWanted(settings, setting::kShowConfirmations, key)) {
        return true;
    }
    const AdviceAnswer answer = host.ConfirmAdviceWindow(text, cancelWanted);
    if (answer.dontShowAgain) {
        SilenceMessage(settings, setting::kShowConfirmations, key);
    }
    return answer.ok;
}

}  // namespace jw
