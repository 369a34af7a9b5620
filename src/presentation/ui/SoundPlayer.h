// The game's sound device: plays WAVE entries of the resource library from
// memory, one at a time, without waiting for them, through the audio module
// (see AudioOutput.h), loaded at the first sound.
//
// A new sound cuts off the one still playing; a name the library does not
// hold (the stop button plays "_t1dz") only stops it. On a machine without
// an audio output (servers, CI) or without the module every call returns at
// once and nothing is played; nothing fails.
#pragma once

#include <memory>
#include <string>

#include "platform/ResourceStore.h"

namespace jw {

class SoundChannel;

class SoundPlayer {
  public:
    // `library` (may be null) must outlive the player.
    explicit SoundPlayer(const ResourceStore* library);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Plays WAVE entry `name`, stopping any sound before it; an unknown
    // name just stops.
    void Play(const std::string& name);
    // Stops whatever plays.
    void Stop();

    // Whether an audio output was found (looked up at the first play).
    bool HasAudioOutput() const;
    // The sound started last, empty after a stop or an unknown name.
    const std::string& Current() const;

  private:
    class Output;
    std::unique_ptr<Output> output;
    std::unique_ptr<SoundChannel> channel;
};

}  // namespace jw
