#include "records/Advice.h"

#include "records/SettingsKeys.h"

namespace jw {

void ShowAdvice(Host& host, SettingsStore& settings, const std::string& text, std::string_view key,
                int picture) {
    if (settings.ReadString(kSectionShowMessages, key, "") == "N") {
        return;
    }
    const AdviceAnswer answer = host.ShowAdviceWindow(text, picture);
    if (answer.dontShowAgain) {
        settings.WriteFlag(kSectionShowMessages, key, false);
    }
}

bool ConfirmAdvice(Host& host, SettingsStore& settings, const std::string& text,
                   std::string_view key, bool cancelWanted) {
    if (settings.ReadString(kSectionShowConfirmations, key, "") == "N") {
        return true;
    }
    const AdviceAnswer answer = host.ConfirmAdviceWindow(text, cancelWanted);
    if (answer.dontShowAgain) {
        settings.WriteFlag(kSectionShowConfirmations, key, false);
    }
    return answer.ok;
}

}  // namespace jw
