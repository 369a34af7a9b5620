// The values the Customize dialog and its Advanced options edit: loaded from
// the settings when the dialog opens, held while it is open, and written back
// in one go when the player presses OK. The Qt dialogs only show them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/SoundEvents.h"
#include "platform/SettingsStore.h"

namespace jw {

// The entries of the winning-animation list, in the order shown.
inline constexpr std::array<std::string_view, 8> kWinningAnimationList = {
    "(Random)",   "Festoons",      "Circles",    "Lines",
    "Open order", "Left to right", "Up to down", "(None)"};

// The steps of the read-only time box.
inline constexpr int kWinningTimeStep = 10;
inline constexpr int kWinningTimeMax = 990;
// Seconds written when the time box does not hold a number.
inline constexpr int kWinningTimeFallback = 30;

struct CustomizeValues {
    // Kept without a control of their own on the General page.
    bool confirmOnExit = false;
    bool confirmQuitGame = false;
    bool confirmEnterHiScores = true;
    bool showGameWon = true;
    bool tipAtStartup = false;
    bool disableStatistics = false;
    bool askAtExit = false;
    int exitType = 1;
    int pointer = 10;
    bool automaticTileSize = true;  // only decides what closing writes

    // Page "General".
    int undoItem = 0;          // 0 unlimited, 1 one level, 2 disabled
    int toolbarStyleItem = 2;  // 0 Office, 1 Flat, 2 XP/Vista
    bool mainPopupMenu = true;
    bool revealPartialTile = true;
    int animationItem = 0;  // index in kWinningAnimationList, -1 none
    std::string winningTime = "30";

    // Written back as they were read.
    bool showToolTips = true;
    bool toolBarLarge = true;
    bool toolBarFlat = true;
    bool statusbar = true;

    // Page "Sounds": the master switch ticked off, and each tree entry's
    // switch by its number 1..9 (index number - 1).
    bool allSoundsDisabled = false;
    std::array<bool, kSoundEventCount> soundOn{};
};

// Loads the working values and the controls' states.
CustomizeValues LoadCustomizeValues(const SettingsStore& settings);

// OK: writes every value, in the dialog's fixed order.
void SaveCustomizeValues(SettingsStore& settings, const CustomizeValues& values);

// What closing the dialog (by any button) writes: the current tile size
// letter, when the automatic size was on at opening.
void WriteClosingValues(SettingsStore& settings, const CustomizeValues& values,
                        char currentSizeLetter);

// The list's item for a stored animation name (exact text), -1 for none.
int AnimationItemOf(std::string_view name);
// The text the list writes for an item ("" for none).
std::string AnimationTextOf(int item);
// Preview, the time box and its buttons are disabled only on "(None)".
bool AnimationControlsEnabled(int item);

// One press of the time box's up (+1) or down (-1) button.
std::string StepWinningTime(const std::string& text, int direction);
// The seconds the box stands for.
int WinningTimeSeconds(const std::string& text);

// The sound page's buttons for the entry selected in the tree: `number` is
// the event's number 1..9, or 0 for a group entry or no selection.
struct SoundButtonStates {
    bool enableOn = false;
    bool disableOn = false;
    bool previewVisible = false;
};
SoundButtonStates SoundButtonsFor(const CustomizeValues& values, int number);
// "Enable this sound" / "Disable this sound" on the selected entry.
void SetSoundOn(CustomizeValues& values, int number, bool on);
// Ticking or unticking "Disable all sounds" switches every event off or on.
void SetAllSoundsDisabled(CustomizeValues& values, bool disabled);

// The pointer list of the Advanced options: entry 0..5 stands for pointer
// 10..15; a stored 0 shows the large arrow.
int PointerEntryOf(int pointer);
int PointerOfEntry(int entry);

}  // namespace jw

namespace jw {

class Host;

// The "Store Folder" page: which radio is selected and what the boxes hold.
struct StoreFolderChoice {
    bool other = false;
    std::string defaultText;  // the default folder, in lower case
    std::string otherText;    // the edit box
};

// The page as it opens: "Other Folder" when the current data folder differs
// from the default one, compared in lower case.
StoreFolderChoice OpenStoreFolder(const std::string& defaultFolder,
                                  const std::string& currentFolder);

// After "Browse...": the folder separator appended when missing.
std::string WithFolderSeparator(std::string folder);

// What OK of the Advanced options does with the folder choice.
enum class StoreFolderAnswer {
    Unchanged,  // nothing to do
    Stay,       // the dialog stays open on "Store Folder"
    Change      // store the new folder and end the program
};
struct StoreFolderDecision {
    StoreFolderAnswer answer = StoreFolderAnswer::Unchanged;
    std::string newFolder;  // for Change: trimmed path, empty for the default
};
// Checks the choice against the one at opening and asks the two questions.
StoreFolderDecision DecideStoreFolder(Host& host, const StoreFolderChoice& opening,
                                      const StoreFolderChoice& now);

}  // namespace jw
