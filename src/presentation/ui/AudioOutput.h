// The sound device behind SoundPlayer. It is built as a module of its own
// and loaded when the first sound is to play, so that starting the game
// does not load the audio libraries (Qt Multimedia, the sound server's
// client and the codec and network libraries they bring) before a sound
// needs them.
#pragma once

#include "presentation/SoundChannel.h"

namespace jw {

class AudioOutput : public SoundOutput {
  public:
    // Whether an audio output was found (looked up at the first start).
    virtual bool HasDevice() const = 0;
};

// The module, by its base name beside the executable, and its one entry
// point, which makes an output the caller owns.
inline constexpr const char* kAudioModule = "jadewind-audio";
inline constexpr const char* kMakeAudioOutput = "JadewindMakeAudioOutput";
using MakeAudioOutputFunction = AudioOutput* (*)();

}  // namespace jw
