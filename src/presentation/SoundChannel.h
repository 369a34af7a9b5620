// Playing sounds of the main library by name, one at a time.
//
// The channel finds the WAVE entry, checks it, and hands its samples to a
// SoundOutput (the audio device in the game, a recorder in tests). Starting
// a sound always stops the one before it; a name the library does not hold,
// or an entry that is not a usable WAVE file, just stops the current sound.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ResourceStore.h"

namespace jw {

// The format and sample data of a PCM WAVE file.
struct WaveInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::size_t dataOffset = 0;  // first byte of the samples
    std::size_t dataSize = 0;    // bytes of samples (whole frames)
};

// Reads the RIFF header and the "fmt " and "data" chunks of a WAVE file.
// Nothing unless it is uncompressed PCM of 8 or 16 bits, 1 or 2 channels,
// 8000..96000 Hz, with its chunks inside the bytes.
std::optional<WaveInfo> ParseWave(std::string_view bytes);

// Where samples go.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Starts playing `samples` in the background; they stay valid until the
    // next Start or Stop.
    virtual void Start(const WaveInfo& format, std::string_view samples) = 0;
    // Stops at once; nothing when silent.
    virtual void Stop() = 0;
};

class SoundChannel {
  public:
    // `library` may be null (no sound is ever found).
    SoundChannel(const ResourceStore* library, SoundOutput& output);

    // Stops the current sound and starts WAVE entry `name` when the
    // library holds a usable one. Returns whether a sound started.
    bool Play(std::string_view name);
    // Stops the current sound.
    void Stop();
    // The name of the sound started last, empty after a stop or a miss.
    const std::string& Current() const { return currentName; }

  private:
    const ResourceStore* library;
    SoundOutput& output;
    std::string currentName;
    std::string currentBytes;  // kept alive while the output plays them
};

}  // namespace jw
