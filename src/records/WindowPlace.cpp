#include "records/WindowPlace.h"

#include <string>

#include "records/SettingsKeys.h"

namespace jw {

namespace {

std::string FormKey(std::string_view name, std::string_view suffix) {
    return std::string(name) + std::string(suffix);
}

}  // namespace

void SaveWindowPlace(SettingsStore& settings, std::string_view name, int left, bool visible,
                     int top) {
    settings.WriteInteger(kSectionForms, FormKey(name, kKeySuffixLeft), left);
    settings.WriteInteger(kSectionForms, FormKey(name, kKeySuffixTop), top);
    settings.WriteFlag(kSectionForms, FormKey(name, kKeySuffixVisible), visible);
}

WindowPlace LoadWindowPlace(const SettingsStore& settings, const ScreenInfo& screen,
                            std::string_view name, int width, int height) {
    WindowPlace place;
    place.visible =
        settings.ReadFlag(kSectionForms, FormKey(name, kKeySuffixVisible), kDefFormVisible);
    place.left = settings.ReadInteger(kSectionForms, FormKey(name, kKeySuffixLeft), kDefFormLeft);
    place.top = settings.ReadInteger(kSectionForms, FormKey(name, kKeySuffixTop), kDefFormTop);

    // Widen to 64 bits: stored places come from a file and may be extreme.
    const long long thirdWidth = width / 3;
    const long long thirdHeight = height / 3;
    if (screen.width < place.left + thirdWidth) {
        place.left = static_cast<int>(screen.width - thirdWidth);
    }
    if (screen.height < place.top + thirdHeight) {
        place.top = static_cast<int>(screen.height - thirdHeight);
    }
    return place;
}

}  // namespace jw
