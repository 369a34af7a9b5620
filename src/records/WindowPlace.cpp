#include "records/WindowPlace.h"

#include "platform/SettingsDefaults.h"

namespace jw {

void SaveWindowPlace(SettingsStore& settings, std::string_view name, int left, bool visible,
                     int top) {
    WriteFormPlace(settings, name, {left, top, visible});
}

WindowPlace LoadWindowPlace(const SettingsStore& settings, const ScreenInfo& screen,
                            std::string_view name, int width, int height) {
    const FormPlaceSetting stored = ReadFormPlace(settings, name);
    WindowPlace place{stored.left, stored.top, stored.visible};

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
