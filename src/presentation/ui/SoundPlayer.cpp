#include "presentation/ui/SoundPlayer.h"

#include "presentation/SoundChannel.h"
#include "presentation/ui/AudioOutput.h"
#include "presentation/ui/Modules.h"

namespace jw {

// Loads the audio module at the first sound and hands the samples to it;
// without the module (or its libraries) every sound is silent.
class SoundPlayer::Output : public SoundOutput {
  public:
    void Start(const WaveInfo& format, std::string_view samples) override {
        if (AudioOutput* device = Device()) {
            device->Start(format, samples);
        }
    }

    void Stop() override {
        if (device) {
            device->Stop();
        }
    }

    bool HasDevice() const { return device && device->HasDevice(); }

  private:
    AudioOutput* Device() {
        if (!tried) {
            tried = true;
            const auto make = reinterpret_cast<MakeAudioOutputFunction>(
                ModuleEntry(kAudioModule, kMakeAudioOutput));
            if (make != nullptr) {
                device.reset(make());
            }
        }
        return device.get();
    }

    bool tried = false;
    std::unique_ptr<AudioOutput> device;
};

SoundPlayer::SoundPlayer(const ResourceStore* library)
    : output(std::make_unique<Output>()),
      channel(std::make_unique<SoundChannel>(library, *output)) {}

SoundPlayer::~SoundPlayer() {
    channel->Stop();
}

void SoundPlayer::Play(const std::string& name) {
    channel->Play(name);
}

void SoundPlayer::Stop() {
    channel->Stop();
}

bool SoundPlayer::HasAudioOutput() const {
    return output->HasDevice();
}

const std::string& SoundPlayer::Current() const {
    return channel->Current();
}

}  // namespace jw
