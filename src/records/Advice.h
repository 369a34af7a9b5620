// Messages the player may switch off with "Don't show this message box
// again". The choice is kept in the settings file: a key set to "N" in
// "Show_Messages" or "Show_Confirmations" silences that message for good.
#pragma once

#include <string>
#include <string_view>

#include "platform/Host.h"
#include "platform/SettingsStore.h"

namespace jw {

// Pictures the information window can show beside its text.
inline constexpr int kAdvicePictureColourDepth = 0;
inline constexpr int kAdvicePictureScreenResolution = 1;

// Shows `text` in the information window with picture `picture`, unless
// `key` in "Show_Messages" is "N". A ticked "Don't show again" box writes "N".
void ShowAdvice(Host& host, SettingsStore& settings, const std::string& text, std::string_view key,
                int picture);

// Asks `text` in the confirmation window (OK and, when `cancelWanted`,
// Cancel), unless `key` in "Show_Confirmations" is "N". A ticked box writes
// "N" whichever button closed the window. Returns false only when the window
// was shown and not left with OK; a silenced confirmation counts as OK.
bool ConfirmAdvice(Host& host, SettingsStore& settings, const std::string& text,
                   std::string_view key, bool cancelWanted);

}  // namespace jw
