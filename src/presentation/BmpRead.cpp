#include "presentation/BmpRead.h"

#include <array>
#include <bit>
#include <cstdint>

#include "presentation/JpegDecode.h"

namespace jw {
namespace {

std::uint32_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}
std::uint32_t U32(std::string_view b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

bool Fail(std::string& error, const char* why) {
    error = why;
    return false;
}

// The value of a bit-field channel, scaled to 0..255.
int Channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return static_cast<int>(((value & mask) >> shift) * 255u / max);
}

}  // namespace

bool ReadBmp(std::string_view bytes, Image& out, std::string& error) {
    out.Reset();
    constexpr std::size_t kFileHeader = 14;
    if (bytes.size() < kFileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M') {
        return Fail(error, "not a bitmap file");
    }
    const std::uint32_t dataOffset = U32(bytes, 10);
    const std::uint32_t headerSize = U32(bytes, kFileHeader);
    if (headerSize != 12 && (headerSize < 40 || headerSize > 124)) {
        return Fail(error, "unknown bitmap header size");
    }
    if (kFileHeader + headerSize > bytes.size()) {
        return Fail(error, "bitmap header cut short");
    }
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::size_t paletteEntrySize = 4;
    if (headerSize == 12) {
        width = U16(bytes, kFileHeader + 4);
        height = static_cast<std::int16_t>(U16(bytes, kFileHeader + 6));
        planes = U16(bytes, kFileHeader + 8);
        bits = U16(bytes, kFileHeader + 10);
        paletteEntrySize = 3;
    } else {
        width = static_cast<std::int32_t>(U32(bytes, kFileHeader + 4));
        height = static_cast<std::int32_t>(U32(bytes, kFileHeader + 8));
        planes = U16(bytes, kFileHeader + 12);
        bits = U16(bytes, kFileHeader + 14);
        compression = U32(bytes, kFileHeader + 16);
        coloursUsed = U32(bytes, kFileHeader + 32);
    }
    const bool topDown = height < 0;
    if (topDown) {
        height = -height;
    }
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
        width * height > kMaxPicturePixels) {
        return Fail(error, "bitmap size out of range");
    }
    if (planes != 1) {
        return Fail(error, "bitmap planes must be 1");
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return Fail(error, "unsupported bits per pixel");
    }
    // Channel masks: fixed for plain pictures, read for bit fields.
    std::uint32_t redMask = 0x00FF0000u;
    std::uint32_t greenMask = 0x0000FF00u;
    std::uint32_t blueMask = 0x000000FFu;
    std::size_t paletteAt = kFileHeader + headerSize;
    if (compression == 3) {
        if (bits != 32) {
            return Fail(error, "bit fields need 32 bits per pixel");
        }
        std::size_t masksAt = kFileHeader + 40;
        if (headerSize == 40) {
            paletteAt += 12;  // the masks follow the short header
        }
        if (masksAt + 12 > bytes.size()) {
            return Fail(error, "bitmap masks cut short");
        }
        redMask = U32(bytes, masksAt);
        greenMask = U32(bytes, masksAt + 4);
        blueMask = U32(bytes, masksAt + 8);
    } else if (compression != 0) {
        return Fail(error, "compressed bitmaps are not supported");
    }

    std::array<Pixel, 256> palette{};
    if (bits <= 8) {
        const std::uint32_t maxColours = 1u << bits;
        const std::uint32_t count = coloursUsed == 0 ? maxColours : coloursUsed;
        if (count > maxColours) {
            return Fail(error, "bitmap palette too large");
        }
        if (paletteAt + count * paletteEntrySize > bytes.size()) {
            return Fail(error, "bitmap palette cut short");
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = paletteAt + i * paletteEntrySize;
            palette[i] = Rgb(static_cast<unsigned char>(bytes[at + 2]),
                             static_cast<unsigned char>(bytes[at + 1]),
                             static_cast<unsigned char>(bytes[at]));
        }
    }

    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    if (dataOffset > bytes.size() ||
        stride * static_cast<std::uint64_t>(height) > bytes.size() - dataOffset) {
        return Fail(error, "bitmap pixels cut short");
    }

    out = Image(static_cast<int>(width), static_cast<int>(height));
    for (int y = 0; y < height; ++y) {
        const int row = topDown ? y : static_cast<int>(height) - 1 - y;
        const unsigned char* in =
            reinterpret_cast<const unsigned char*>(bytes.data()) + dataOffset + stride * y;
        Pixel* target = out.Row(row);
        for (int x = 0; x < width; ++x) {
            switch (bits) {
                case 1:
                    target[x] = palette[(in[x / 8] >> (7 - x % 8)) & 1];
                    break;
                case 4:
                    target[x] = palette[(in[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF];
                    break;
                case 8:
                    target[x] = palette[in[x]];
                    break;
                case 24:
                    target[x] = Rgb(in[x * 3 + 2], in[x * 3 + 1], in[x * 3]);
                    break;
                default: {
                    const std::uint32_t v = static_cast<std::uint32_t>(in[x * 4]) |
                                            static_cast<std::uint32_t>(in[x * 4 + 1]) << 8 |
                                            static_cast<std::uint32_t>(in[x * 4 + 2]) << 16 |
                                            static_cast<std::uint32_t>(in[x * 4 + 3]) << 24;
                    target[x] =
                        Rgb(Channel(v, redMask), Channel(v, greenMask), Channel(v, blueMask));
                    break;
                }
            }
        }
    }
    return true;
}

}  // namespace jw
