#include "engine/SoundEvents.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/MemorySettings.h"
#include "platform/ScriptedHost.h"
#include "presentation/SoundChannel.h"

namespace jw {
namespace {

using test::MemorySettings;
using test::ScriptedHost;

using Sounds = std::vector<std::string>;

TEST(SoundEventsTest, DefaultsKeepANewGameSilentAndARestartAudible) {
    ScriptedHost host;
    SoundEvents events(host);
    events.Load(MemorySettings{});
    events.Play(SoundEvent::NewGame);
    EXPECT_TRUE(host.sounds.empty());
    events.Play(SoundEvent::Restart);
    events.Play(SoundEvent::Pairing);
    events.Play(SoundEvent::HiScores);
    events.Play(SoundEvent::EnterHiScore);
    events.Play(SoundEvent::GameWon);
    EXPECT_EQ(host.sounds, (Sounds{"Restart", "Pairing", "Hi_Scor", "Scores", "Won"}));
}

TEST(SoundEventsTest, MasterSwitchOffSilencesEventsAndTestPlay) {
    MemorySettings settings;
    settings.WriteString("Preference", "Sounds_Enabled", "N");
    settings.WriteString("Preference", "Sounds_NewGame", "Y");
    ScriptedHost host;
    SoundEvents events(host);
    events.Load(settings);
    for (const SoundEventInfo& info : SoundEventTable()) {
        events.Play(info.event);
    }
    for (int number = 1; number <= 9; ++number) {
        events.TestPlay(number);
    }
    EXPECT_TRUE(host.sounds.empty());
}

TEST(SoundEventsTest, EachSwitchSilencesItsOwnEventOnly) {
    MemorySettings settings;
    settings.WriteString("Preference", "Sounds_Undo", "N");
    settings.WriteString("Preference", "Sounds_NewGame", "Y");
    ScriptedHost host;
    SoundEvents events(host);
    events.Load(settings);
    events.Play(SoundEvent::Undo);
    events.Play(SoundEvent::Redo);
    events.Play(SoundEvent::NewGame);
    EXPECT_EQ(host.sounds, (Sounds{"Redo", "New"}));
    EXPECT_FALSE(events.EventOn(SoundEvent::Undo));

    MemorySettings written;
    events.SetEventOn(SoundEvent::About, false);
    events.Save(written);
    EXPECT_EQ(written.ReadString("Preference", "Sounds_About", "?"), "N");
    EXPECT_EQ(written.ReadString("Preference", "Sounds_Undo", "?"), "N");
    EXPECT_EQ(written.ReadString("Preference", "Sounds_Pairing", "?"), "Y");
    EXPECT_EQ(written.ReadString("Preference", "Sounds_Enabled", "?"), "Y");
}

TEST(SoundEventsTest, TestPlayIgnoresTheEventSwitchAndStopPlaysAnUnknownName) {
    MemorySettings settings;
    settings.WriteString("Preference", "Sounds_GameWon", "N");
    ScriptedHost host;
    SoundEvents events(host);
    events.Load(settings);
    events.TestPlay(9);
    events.TestPlay(1);
    events.TestPlay(0);
    events.TestPlay(10);
    events.Stop();
    EXPECT_EQ(host.sounds, (Sounds{"Won", "New", "_t1dz"}));
}

// ---------------------------------------------------------------------------
// The channel: one sound at a time
// ---------------------------------------------------------------------------

// A WAVE file of `frames` 16-bit mono frames at 22050 Hz.
std::string Wave(int frames, char fill = 1) {
    const auto le = [](std::uint32_t v, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
        return out;
    };
    const std::uint32_t data = static_cast<std::uint32_t>(frames) * 2;
    return "RIFF" + le(36 + data, 4) + "WAVE" + "fmt " + le(16, 4) + le(1, 2) + le(1, 2) +
           le(22050, 4) + le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(data, 4) +
           std::string(data, fill);
}

class MapStore : public ResourceStore {
  public:
    std::optional<std::string> Find(std::string_view kind, std::string_view name) const override {
        const auto found = entries.find(std::string(kind) + "/" + std::string(name));
        return found == entries.end() ? std::nullopt : std::optional(found->second);
    }
    std::map<std::string, std::string> entries;
};

// Records what the channel asks of the device and what is audible now.
class RecordingOutput : public SoundOutput {
  public:
    void Start(const WaveInfo& format, std::string_view samples) override {
        log.push_back("start " + std::to_string(samples.size()));
        playing = true;
        EXPECT_EQ(format.sampleRate, 22050);
        ++started;
        if (playing && started - stopped > 1) {
            overlapped = true;
        }
    }
    void Stop() override {
        log.push_back("stop");
        if (playing) {
            ++stopped;
        }
        playing = false;
    }
    std::vector<std::string> log;
    bool playing = false;
    bool overlapped = false;
    int started = 0;
    int stopped = 0;
};

TEST(SoundChannelTest, SecondPairingCutsTheFirstOff) {
    MapStore library;
    library.entries["WAVE/Pairing"] = Wave(100);
    RecordingOutput output;
    SoundChannel channel(&library, output);
    EXPECT_TRUE(channel.Play("Pairing"));
    EXPECT_TRUE(channel.Play("Pairing"));
    EXPECT_FALSE(output.overlapped);
    EXPECT_EQ(output.started - output.stopped, 1);
    EXPECT_EQ(output.log.back(), "start 200");
    EXPECT_EQ(channel.Current(), "Pairing");
}

TEST(SoundChannelTest, UnknownOrDamagedSoundsStopTheCurrentOne) {
    MapStore library;
    library.entries["WAVE/Won"] = Wave(50);
    library.entries["WAVE/Bad"] = Wave(50).substr(0, 30);
    std::string compressed = Wave(50);
    compressed[20] = 2;  // not PCM
    library.entries["WAVE/Adpcm"] = compressed;
    RecordingOutput output;
    SoundChannel channel(&library, output);
    for (const char* name : {"_t1dz", "Bad", "Adpcm"}) {
        ASSERT_TRUE(channel.Play("Won"));
        EXPECT_FALSE(channel.Play(name)) << name;
        EXPECT_FALSE(output.playing) << name;
        EXPECT_EQ(channel.Current(), "");
    }
    SoundChannel noLibrary(nullptr, output);
    EXPECT_FALSE(noLibrary.Play("Won"));
}

TEST(WaveTest, ReadsTheFormatAndSkipsOtherChunks) {
    std::string wave = Wave(10);
    // A "LIST" chunk of odd size (padded) between "fmt " and "data".
    wave.insert(36, std::string("LIST\x03\0\0\0abc\0", 12));
    const auto info = ParseWave(wave);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->sampleRate, 22050);
    EXPECT_EQ(info->bitsPerSample, 16);
    EXPECT_EQ(info->dataOffset, 56u);
    EXPECT_EQ(info->dataSize, 20u);

    EXPECT_FALSE(ParseWave(""));
    EXPECT_FALSE(ParseWave("RIFF0000WAVX"));
    std::string overlong = Wave(10);
    overlong[40] = '\x7f';  // data size beyond the file
    EXPECT_FALSE(ParseWave(overlong));
}

}  // namespace
}  // namespace jw
