#include "presentation/ui/SoundPlayer.h"

#include <gtest/gtest.h>

#include <memory>

#include "presentation/ui/AudioOutput.h"
#include "presentation/ui/Modules.h"

#include <map>
#include <optional>

namespace jw {
namespace {

// A WAVE file of `frames` frames of 16-bit mono at 22050 Hz, a quiet tone.
std::string Wave(int frames) {
    const auto le = [](std::uint32_t v, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
        return out;
    };
    std::string samples;
    for (int i = 0; i < frames; ++i) {
        samples += le(static_cast<std::uint32_t>(static_cast<std::int16_t>((i % 50 - 25) * 40)), 2);
    }
    return "RIFF" + le(36 + static_cast<std::uint32_t>(samples.size()), 4) + "WAVE" + "fmt " +
           le(16, 4) + le(1, 2) + le(1, 2) + le(22050, 4) + le(44100, 4) + le(2, 2) + le(16, 2) +
           "data" + le(static_cast<std::uint32_t>(samples.size()), 4) + samples;
}

class MapStore : public ResourceStore {
  public:
    std::optional<std::string> Find(std::string_view kind, std::string_view name) const override {
        const auto found = entries.find(std::string(kind) + "/" + std::string(name));
        return found == entries.end() ? std::nullopt : std::optional(found->second);
    }
    std::map<std::string, std::string> entries;
};

// Whether or not the machine has an audio output, playing, cutting off and
// stopping return without failing, and the player knows what it plays.
TEST(SoundPlayerTest, PlaysOneSoundAtATimeWithOrWithoutAnAudioOutput) {
    MapStore library;
    library.entries["WAVE/Pairing"] = Wave(4410);
    library.entries["WAVE/Won"] = Wave(8820);
    library.entries["WAVE/Broken"] = "RIFF\x04\0\0\0WAVE";
    SoundPlayer player(&library);
    player.Play("Pairing");
    EXPECT_EQ(player.Current(), "Pairing");
    player.Play("Won");  // cuts "Pairing" off
    EXPECT_EQ(player.Current(), "Won");
    player.Play("_t1dz");  // not in the library: stops
    EXPECT_EQ(player.Current(), "");
    player.Play("Broken");
    EXPECT_EQ(player.Current(), "");
    player.Play("Pairing");
    player.Stop();
    EXPECT_EQ(player.Current(), "");
    player.Play("Won");  // still playing when the player goes
}

TEST(SoundPlayerTest, WithoutALibraryEverySoundIsSilent) {
    SoundPlayer player(nullptr);
    player.Play("Pairing");
    EXPECT_EQ(player.Current(), "");
    EXPECT_FALSE(player.HasAudioOutput());  // never looked for: nothing was played
}

// The audio module lies beside the programs and makes an output that starts
// and stops without failing, with or without an audio device.
TEST(SoundPlayerTest, TheAudioModuleLoadsBesideTheProgram) {
    const auto make =
        reinterpret_cast<MakeAudioOutputFunction>(ModuleEntry(kAudioModule, kMakeAudioOutput));
    ASSERT_NE(make, nullptr);
    const std::unique_ptr<AudioOutput> output(make());
    const std::string wave = Wave(441);
    const std::optional<WaveInfo> info = ParseWave(wave);
    ASSERT_TRUE(info);
    output->Start(*info, std::string_view(wave).substr(info->dataOffset, info->dataSize));
    output->Stop();
    output->Stop();
}

}  // namespace
}  // namespace jw
