#include "presentation/SoundEvents.h"

#include <string>

#include "records/SettingsKeys.h"

namespace jw {

const std::array<SoundEventInfo, kSoundEventCount>& SoundEventTable() {
    static const std::array<SoundEventInfo, kSoundEventCount> table = {{
        {SoundEvent::NewGame, "New", kKeySoundsNewGame, kDefSoundsNewGame},
        {SoundEvent::Restart, "Restart", kKeySoundsRestart, kDefSoundsRestart},
        {SoundEvent::Undo, "Undo", kKeySoundsUndo, kDefSoundsUndo},
        {SoundEvent::Redo, "Redo", kKeySoundsRedo, kDefSoundsRedo},
        {SoundEvent::Pairing, "Pairing", kKeySoundsPairing, kDefSoundsPairing},
        {SoundEvent::About, "About", kKeySoundsAbout, kDefSoundsAbout},
        {SoundEvent::HiScores, "Hi_Scor", kKeySoundsHiScores, kDefSoundsHiScores},
        {SoundEvent::EnterHiScore, "Scores", kKeySoundsNewHiScores, kDefSoundsNewHiScores},
        {SoundEvent::GameWon, "Won", kKeySoundsGameWon, kDefSoundsGameWon},
    }};
    return table;
}

const SoundEventInfo& InfoOf(SoundEvent event) {
    return SoundEventTable()[static_cast<std::size_t>(event)];
}

const std::array<SoundTestEntry, kSoundEventCount>& SoundTestEntries() {
    static const std::array<SoundTestEntry, kSoundEventCount> entries = {{
        {"Actions", "New game", 1, "New"},
        {"Actions", "Redo", 2, "Redo"},
        {"Actions", "Restart game", 3, "Restart"},
        {"Actions", "Undo", 4, "Undo"},
        {"Cards", "Pairing tiles", 5, "Pairing"},
        {"Dialog box", "About", 6, "About"},
        {"Dialog box", "Hi-Scores", 7, "Hi_Scor"},
        {"System", "Enter Hi-Scores", 8, "Scores"},
        {"System", "Game won (applause)", 9, "Won"},
    }};
    return entries;
}

SoundEvents::SoundEvents(Host& host) : host(host) {
    for (const SoundEventInfo& info : SoundEventTable()) {
        switches[Index(info.event)] = info.defaultOn;
    }
}

void SoundEvents::Load(const SettingsStore& settings) {
    master = settings.ReadFlag(kSectionPreference, kKeySoundsEnabled, kDefSoundsEnabled);
    for (const SoundEventInfo& info : SoundEventTable()) {
        switches[Index(info.event)] =
            settings.ReadFlag(kSectionPreference, info.settingKey, info.defaultOn);
    }
}

void SoundEvents::Save(SettingsStore& settings) const {
    settings.WriteFlag(kSectionPreference, kKeySoundsEnabled, master);
    for (const SoundEventInfo& info : SoundEventTable()) {
        settings.WriteFlag(kSectionPreference, info.settingKey, switches[Index(info.event)]);
    }
}

void SoundEvents::Play(SoundEvent event) {
    PlayEventSound(InfoOf(event).soundName, EventOn(event));
}

void SoundEvents::PlayEventSound(std::string_view soundName, bool eventOn) {
    if (eventOn && master) {
        host.PlaySound(std::string(soundName));
    }
}

void SoundEvents::TestPlay(int number) {
    for (const SoundTestEntry& entry : SoundTestEntries()) {
        if (entry.number == number) {
            PlayEventSound(entry.soundName, true);
            return;
        }
    }
}

void SoundEvents::Stop() {
    host.PlaySound(std::string(kStopSoundName));
}

}  // namespace jw
