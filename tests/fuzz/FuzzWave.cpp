// Feeds arbitrary bytes to the WAVE reader of the sound channel. A file that
// is accepted must describe whole frames of samples lying inside the bytes,
// in a format the sound device is asked to play.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "presentation/SoundChannel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto wave = jw::ParseWave(bytes);
    if (!wave) {
        return 0;
    }
    const std::size_t frame = static_cast<std::size_t>(wave->channels) *
                              static_cast<std::size_t>(wave->bitsPerSample / 8);
    const bool sane = (wave->channels == 1 || wave->channels == 2) &&
                      (wave->bitsPerSample == 8 || wave->bitsPerSample == 16) &&
                      wave->sampleRate >= 8000 && wave->sampleRate <= 96000 && frame > 0 &&
                      wave->dataSize % frame == 0 && wave->dataOffset <= size &&
                      wave->dataSize <= size - wave->dataOffset;
    if (!sane) {
        std::abort();
    }
    return 0;
}
