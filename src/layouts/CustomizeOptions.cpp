#include "layouts/CustomizeOptions.h"

#include <algorithm>
#include <limits>

#include "engine/FixedText.h"
#include "platform/Host.h"
#include "platform/Settings.h"

namespace jw {
namespace {

bool BeginsWith(const std::string& text, char letter) {
    return !text.empty() && text.front() == letter;
}

// The event switch behind tree entry `number` (1..9), matched by its sound.
const FlagSetting* SwitchOfEntry(int number) {
    for (const SoundTestEntry& entry : SoundTestEntries()) {
        if (entry.number != number) {
            continue;
        }
        for (const SoundEventInfo& info : SoundEventTable()) {
            if (info.soundName == entry.soundName) {
                return &info.eventSwitch;
            }
        }
    }
    return nullptr;
}

bool ValidEntry(int number) {
    return number >= 1 && number <= kSoundEventCount;
}

// The switches written on OK, in the order they are written.
constexpr std::array<const FlagSetting*, kSoundEventCount> kSoundWriteOrder = {
    &setting::kSoundsAbout,    &setting::kSoundsNewHiScores, &setting::kSoundsGameWon,
    &setting::kSoundsHiScores, &setting::kSoundsNewGame,     &setting::kSoundsPairing,
    &setting::kSoundsRedo,     &setting::kSoundsRestart,     &setting::kSoundsUndo};

}  // namespace

CustomizeValues LoadCustomizeValues(const SettingsStore& settings) {
    CustomizeValues v;
    v.confirmOnExit = !BeginsWith(ReadText(settings, setting::kConfirmQuit), 'N');
    v.confirmQuitGame = Read(settings, setting::kConfirmQuitGame);
    v.confirmEnterHiScores = Read(settings, setting::kConfirmEnterHiScores);
    v.showGameWon = !BeginsWith(ReadText(settings, setting::kShowGameWonDialogBox), 'N');
    v.tipAtStartup = !BeginsWith(ReadText(settings, setting::kTipsStartUp), 'N');
    v.disableStatistics = BeginsWith(ReadText(settings, setting::kDisableStatistics), 'Y');
    v.askAtExit = !BeginsWith(ReadText(settings, setting::kConfirmSaveAndExit), 'N');
    v.exitType = Read(settings, setting::kConfirmSaveAndExitType);
    v.pointer = Read(settings, setting::kCursor);
    v.automaticTileSize = BeginsWith(ReadText(settings, setting::kAutomaticTileSize), 'Y');

    const int undo = Read(settings, setting::kUndoEnabled);
    v.undoItem = undo == 1 || undo == 2 ? undo : 0;
    const int style = Read(settings, setting::kToolbarStyle);
    v.toolbarStyleItem = style == 1 || style == 2 ? style : 0;
    v.mainPopupMenu = Read(settings, setting::kShowMainPopupMenu);
    v.revealPartialTile = Read(settings, setting::kShowPartialHiddenTile);
    v.animationItem = AnimationItemOf(Read(settings, setting::kWinningAnimations));
    v.winningTime = std::to_string(Read(settings, setting::kWinningAnimationsTime));

    v.showToolTips = Read(settings, setting::kShowToolTips);
    v.toolBarLarge = Read(settings, setting::kToolBarLarge);
    v.toolBarFlat = Read(settings, setting::kToolBarFlat);
    v.statusbar = Read(settings, setting::kStatusbar);

    v.allSoundsDisabled = !Read(settings, setting::kSoundsEnabled);
    for (int number = 1; number <= kSoundEventCount; ++number) {
        v.soundOn[static_cast<std::size_t>(number - 1)] = Read(settings, *SwitchOfEntry(number));
    }
    return v;
}

void SaveCustomizeValues(SettingsStore& settings, const CustomizeValues& v) {
    using namespace setting;
    Write(settings, kConfirmQuit, v.confirmOnExit);
    Write(settings, kConfirmQuitGame, v.confirmQuitGame);
    Write(settings, kConfirmEnterHiScores, v.confirmEnterHiScores);
    Write(settings, kShowGameWonDialogBox, v.showGameWon);
    Write(settings, kTipsStartUp, v.tipAtStartup);
    Write(settings, kUndoEnabled, v.undoItem);
    Write(settings, kConfirmSaveAndExit, v.askAtExit);
    Write(settings, kConfirmSaveAndExitType, v.exitType);
    Write(settings, kDisableStatistics, v.disableStatistics);
    Write(settings, kWinningAnimations, AnimationTextOf(v.animationItem));
    Write(settings, kWinningAnimationsTime, WinningTimeSeconds(v.winningTime));
    Write(settings, kCursor, v.pointer);
    Write(settings, kShowToolTips, v.showToolTips);
    Write(settings, kShowMainPopupMenu, v.mainPopupMenu);
    Write(settings, kShowPartialHiddenTile, v.revealPartialTile);
    Write(settings, kToolBarLarge, v.toolBarLarge);
    Write(settings, kToolBarFlat, v.toolBarFlat);
    Write(settings, kStatusbar, v.statusbar);
    Write(settings, kSoundsEnabled, !v.allSoundsDisabled);
    for (const FlagSetting* eventSwitch : kSoundWriteOrder) {
        for (int number = 1; number <= kSoundEventCount; ++number) {
            if (SwitchOfEntry(number)->key == eventSwitch->key) {
                Write(settings, *eventSwitch, v.soundOn[static_cast<std::size_t>(number - 1)]);
            }
        }
    }
    Write(settings, kToolbarStyle, v.toolbarStyleItem);
}

void WriteClosingValues(SettingsStore& settings, const CustomizeValues& values,
                        char currentSizeLetter) {
    if (values.automaticTileSize) {
        Write(settings, setting::kTileSetSize, std::string(1, currentSizeLetter));
    }
}

int AnimationItemOf(std::string_view name) {
    const auto found = std::find(kWinningAnimationList.begin(), kWinningAnimationList.end(), name);
    return found == kWinningAnimationList.end()
               ? -1
               : static_cast<int>(found - kWinningAnimationList.begin());
}

std::string AnimationTextOf(int item) {
    if (item < 0 || item >= static_cast<int>(kWinningAnimationList.size())) {
        return {};
    }
    return std::string(kWinningAnimationList[static_cast<std::size_t>(item)]);
}

bool AnimationControlsEnabled(int item) {
    return AnimationTextOf(item) != "(None)";
}

std::string StepWinningTime(const std::string& text, int direction) {
    const auto parsed = ParseInteger(text);
    const long long current = parsed ? *parsed : kWinningTimeFallback;
    const long long next = std::clamp<long long>(
        current + (direction > 0 ? kWinningTimeStep : -kWinningTimeStep), 0, kWinningTimeMax);
    // The buttons never leave 0 in the box.
    return next == 0 ? std::to_string(kWinningTimeStep) : std::to_string(next);
}

int WinningTimeSeconds(const std::string& text) {
    const auto parsed = ParseInteger(text);
    if (!parsed || *parsed < std::numeric_limits<int>::min() ||
        *parsed > std::numeric_limits<int>::max()) {
        return kWinningTimeFallback;
    }
    return static_cast<int>(*parsed);
}

SoundButtonStates SoundButtonsFor(const CustomizeValues& values, int number) {
    SoundButtonStates states;
    if (values.allSoundsDisabled || !ValidEntry(number)) {
        return states;
    }
    const bool on = values.soundOn[static_cast<std::size_t>(number - 1)];
    states.enableOn = !on;
    states.disableOn = on;
    states.previewVisible = true;
    return states;
}

void SetSoundOn(CustomizeValues& values, int number, bool on) {
    if (ValidEntry(number)) {
        values.soundOn[static_cast<std::size_t>(number - 1)] = on;
    }
}

void SetAllSoundsDisabled(CustomizeValues& values, bool disabled) {
    values.allSoundsDisabled = disabled;
    values.soundOn.fill(!disabled);
}

int PointerEntryOf(int pointer) {
    if (pointer == 0) {
        return 1;
    }
    return pointer >= 10 && pointer <= 15 ? pointer - 10 : -1;
}

int PointerOfEntry(int entry) {
    return entry >= 0 && entry <= 5 ? 10 + entry : 0;
}

}  // namespace jw

namespace jw {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

StoreFolderChoice OpenStoreFolder(const std::string& defaultFolder,
                                  const std::string& currentFolder) {
    StoreFolderChoice choice;
    choice.defaultText = Lower(defaultFolder);
    if (Lower(currentFolder) != choice.defaultText) {
        choice.other = true;
        choice.otherText = currentFolder;
    }
    return choice;
}

std::string WithFolderSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

StoreFolderDecision DecideStoreFolder(Host& host, const StoreFolderChoice& opening,
                                      const StoreFolderChoice& now) {
    StoreFolderDecision decision;
    if (now.other && now.otherText.empty()) {
        host.Inform("Please select a valid folder.");
        decision.answer = StoreFolderAnswer::Stay;
        return decision;
    }
    const bool changed =
        now.other != opening.other || (now.other && now.otherText != opening.otherText);
    if (!changed) {
        return decision;
    }
    const std::string shown = now.other ? now.otherText : now.defaultText;
    if (host.ShowMessage(MessageKind::Warning, "Confirm change folder to " + shown,
                         MessageButtons::YesNo) != MessageAnswer::Yes ||
        host.ShowMessage(MessageKind::Confirmation,
                         "To activate the new Store folder, you should exit now.\n\n"
                         "Note: if you want to use your previous data files,\n"
                         "you should move them manually from the old folder to the new one.",
                         MessageButtons::YesNo) != MessageAnswer::Yes) {
        decision.answer = StoreFolderAnswer::Stay;
        return decision;
    }
    decision.answer = StoreFolderAnswer::Change;
    decision.newFolder = now.other ? Trimmed(now.otherText) : std::string();
    return decision;
}

}  // namespace jw
