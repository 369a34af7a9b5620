// The audio module: plays PCM samples from memory through Qt Multimedia.
// Built apart from the game and loaded by SoundPlayer at the first sound.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <memory>

#include "presentation/ui/AudioOutput.h"

namespace jw {
namespace {

// Feeds the samples to an audio sink that reads them from a buffer in
// memory; the sink plays on in the background.
class QtAudioOutput : public AudioOutput {
  public:
    ~QtAudioOutput() override { Halt(); }

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

    bool HasDevice() const override { return looked && !device.isNull(); }

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

}  // namespace
}  // namespace jw

extern "C" Q_DECL_EXPORT jw::AudioOutput* JadewindMakeAudioOutput() {
    return new jw::QtAudioOutput();
}
