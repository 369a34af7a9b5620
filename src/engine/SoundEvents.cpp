#include "engine/SoundEvents.h"

#include <string>

#include "platform/Settings.h"

namespace jw {

const std::array<SoundEventInfo, kSoundEventCount>& SoundEventTable() {
    static const std::array<SoundEventInfo, kSoundEventCount> table = {{
        {SoundEvent::NewGame, "New", setting::kSoundsNewGame},
        {SoundEvent::Restart, "Restart", setting::kSoundsRestart},
        {SoundEvent::Undo, "Undo", setting::kSoundsUndo},
        {SoundEvent::Redo, "Redo", setting::kSoundsRedo},
        {SoundEvent::Pairing, "Pairing", setting::kSoundsPairing},
        {SoundEvent::About, "About", setting::kSoundsAbout},
        {SoundEvent::HiScores, "Hi_Scor", setting::kSoundsHiScores},
        {SoundEvent::EnterHiScore, "Scores", setting::kSoundsNewHiScores},
        {SoundEvent::GameWon, "Won", setting::kSoundsGameWon},
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
        switches[Index(info.event)] = info.eventSwitch.fallback;
    }
}

void SoundEvents::Load(const SettingsStore& settings) {
    master = Read(settings, setting::kSoundsEnabled);
    for (const SoundEventInfo& info : SoundEventTable()) {
        switches[Index(info.event)] = Read(settings, info.eventSwitch);
    }
}

void SoundEvents::Save(SettingsStore& settings) const {
    Write(settings, setting::kSoundsEnabled, master);
    for (const SoundEventInfo& info : SoundEventTable()) {
        Write(settings, info.eventSwitch, switches[Index(info.event)]);
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

void PlaySoundEvent(Host& host, const SettingsStore* settings, SoundEvent event) {
    const SoundEventInfo& info = InfoOf(event);
    const bool on = settings == nullptr ? info.eventSwitch.fallback
                                        : Read(*settings, setting::kSoundsEnabled) &&
                                              Read(*settings, info.eventSwitch);
    if (on) {
        host.PlaySound(std::string(info.soundName));
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
