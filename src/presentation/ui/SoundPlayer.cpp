#include "presentation/ui/SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include "presentation/SoundChannel.h"

namespace jw {

// Feeds the samples to an audio sink that reads them from a buffer in
// memory; the sink plays on in the background.
class SoundPlayer::Output : public SoundOutput {
  public:
    void Start(const WaveInfo& format, std::string_view samples) override {
        Halt();
        if (!FindDevice()) {
            return;
        }
        QAudioFormat audio;
        audio.setSampleRate(format.sampleRate);
        audio.setChannelCount(format.channels);
        audio.setSampleFormat(format.bitsPerSample == 8 ? QAudioFormat::UInt8
                                                        : QAudioFormat::Int16);
        if (!device.isFormatSupported(audio)) {
            return;
        }
        pcm = QByteArray(samples.data(), static_cast<qsizetype>(samples.size()));
        buffer = std::make_unique<QBuffer>(&pcm);
        buffer->open(QIODevice::ReadOnly);
        sink = std::make_unique<QAudioSink>(device, audio);
        sink->start(buffer.get());
    }

    void Stop() override { Halt(); }

    bool HasDevice() const { return looked && !device.isNull(); }

  private:
    void Halt() {
        if (sink) {
            sink->stop();
            sink.reset();
        }
        buffer.reset();
        pcm.clear();
    }

    bool FindDevice() {
        if (!looked) {
            looked = true;
            device = QMediaDevices::defaultAudioOutput();
        }
        return !device.isNull();
    }

    bool looked = false;
    QAudioDevice device;
    QByteArray pcm;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QAudioSink> sink;
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
