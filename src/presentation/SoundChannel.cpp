#include "presentation/SoundChannel.h"

namespace jw {

namespace {

std::uint32_t Le32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

int Le16(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

}  // namespace

std::optional<WaveInfo> ParseWave(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    WaveInfo info;
    bool haveFormat = false;
    std::size_t at = 12;
    while (bytes.size() - at >= 8) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t size = Le32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < 16 || Le16(bytes, body) != 1) {
                return std::nullopt;  // not plain PCM
            }
            info.channels = Le16(bytes, body + 2);
            info.sampleRate = static_cast<int>(Le32(bytes, body + 4));
            info.bitsPerSample = Le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                return std::nullopt;
            }
            const bool usable = (info.channels == 1 || info.channels == 2) &&
                                (info.bitsPerSample == 8 || info.bitsPerSample == 16) &&
                                info.sampleRate >= 8000 && info.sampleRate <= 96000;
            if (!usable) {
                return std::nullopt;
            }
            const std::size_t frame =
                static_cast<std::size_t>(info.channels) * (info.bitsPerSample / 8);
            info.dataOffset = body;
            info.dataSize = static_cast<std::size_t>(size) / frame * frame;
            return info;
        }
        at = body + static_cast<std::size_t>(size) + (size & 1);  // chunks are word-aligned
        if (at > bytes.size()) {
            break;
        }
    }
    return std::nullopt;
}

SoundChannel::SoundChannel(const ResourceStore* library, SoundOutput& output)
    : library(library), output(output) {}

bool SoundChannel::Play(std::string_view name) {
    Stop();
    auto bytes = library ? library->Find("WAVE", name) : std::nullopt;
    if (!bytes) {
        return false;
    }
    const auto info = ParseWave(*bytes);
    if (!info || info->dataSize == 0) {
        return false;
    }
    currentBytes = std::move(*bytes);
    currentName = std::string(name);
    output.Start(*info, std::string_view(currentBytes).substr(info->dataOffset, info->dataSize));
    return true;
}

void SoundChannel::Stop() {
    output.Stop();
    currentName.clear();
    currentBytes.clear();
}

}  // namespace jw
