// The nine sound events: which sound each plays, the switch that silences
// it, the master switch, and the test play of the customize dialog.
//
// Sounds are played by name through the Host, which looks the name up in the
// main library and plays it asynchronously, cutting off any sound still
// playing; a name the library does not hold stops the current sound.
#pragma once

#include <array>
#include <string_view>

#include "platform/Host.h"
#include "platform/Settings.h"

namespace jw {

enum class SoundEvent {
    NewGame,
    Restart,
    Undo,
    Redo,
    Pairing,
    About,
    HiScores,
    EnterHiScore,
    GameWon
};

inline constexpr int kSoundEventCount = 9;

// One row of the event table.
struct SoundEventInfo {
    SoundEvent event;
    std::string_view soundName;  // the WAVE entry of the main library
    FlagSetting eventSwitch;     // the switch that silences it
};

// The event table in the order above.
const std::array<SoundEventInfo, kSoundEventCount>& SoundEventTable();
// The row of one event.
const SoundEventInfo& InfoOf(SoundEvent event);

// One entry of the customize dialog's sound tree.
struct SoundTestEntry {
    std::string_view group;
    std::string_view caption;
    int number;  // 1..9, chooses the sound of the test button
    std::string_view soundName;
};

// The dialog's entries in their groups: Actions, Cards, Dialog box, System.
const std::array<SoundTestEntry, kSoundEventCount>& SoundTestEntries();

// The name the stop button plays: one the library does not hold.
inline constexpr std::string_view kStopSoundName = "_t1dz";

// Plays the event's sound when the master switch and the event's switch in
// `settings` are on; without settings the switches have their defaults. Only
// those two settings are read, at the moment the sound is due.
void PlaySoundEvent(Host& host, const SettingsStore* settings, SoundEvent event);

// The switches of the sound events, as the customize dialog edits them.
class SoundEvents {
  public:
    explicit SoundEvents(Host& host);

    // Reads the master switch and every event switch from the settings.
    void Load(const SettingsStore& settings);
    // Writes them back (the customize dialog's OK).
    void Save(SettingsStore& settings) const;

    bool MasterOn() const { return master; }
    void SetMasterOn(bool on) { master = on; }
    bool EventOn(SoundEvent event) const { return switches[Index(event)]; }
    void SetEventOn(SoundEvent event, bool on) { switches[Index(event)] = on; }

    // Plays the event's sound when its switch and the master switch are on.
    void Play(SoundEvent event);
    // Plays `soundName` when `eventOn` and the master switch are on.
    void PlayEventSound(std::string_view soundName, bool eventOn);
    // The test button: the sound of dialog entry `number` (1..9) with its
    // event taken as on; the master switch still applies. Other numbers
    // play nothing.
    void TestPlay(int number);
    // Stops whatever sound plays, by playing a name the library lacks.
    void Stop();

  private:
    static std::size_t Index(SoundEvent event) { return static_cast<std::size_t>(event); }

    Host& host;
    bool master = true;
    std::array<bool, kSoundEventCount> switches{};
};

}  // namespace jw
