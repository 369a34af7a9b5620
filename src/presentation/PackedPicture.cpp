#include "presentation/PackedPicture.h"

#include "presentation/Blit.h"

namespace jw {

PackedPicture::PackedPicture(const Image& picture) {
    Pack(picture);
}

void PackedPicture::Pack(const Image& picture) {
    if (picture.Empty()) {
        Reset();
        return;
    }
    width = picture.Width();
    height = picture.Height();
    // The same size uses the same memory again; another takes its own.
    const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3;
    if (bytes.size() != size) {
        bytes = decltype(bytes)(size);
    }
    std::uint8_t* out = bytes.data();
    for (int y = 0; y < height; ++y) {
        const Pixel* row = picture.Row(y);
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = static_cast<std::uint8_t>(RedOf(row[x]));
            out[1] = static_cast<std::uint8_t>(GreenOf(row[x]));
            out[2] = static_cast<std::uint8_t>(BlueOf(row[x]));
        }
    }
}

const std::uint8_t* PackedPicture::PixelAt(int x, int y) const {
    return bytes.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)) *
                              3;
}

Pixel PackedPicture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return 0;
    }
    const std::uint8_t* p = PixelAt(x, y);
    return Rgb(p[0], p[1], p[2]);
}

void PackedPicture::CopyTo(Image& dst, int dx, int dy, Rect from) const {
    if (!ClipCopy(dst.Bounds(), dx, dy, Bounds(), from)) {
        return;
    }
    for (int row = 0; row < from.height; ++row) {
        Pixel* out = dst.Row(dy + row) + dx;
        const std::uint8_t* in = PixelAt(from.x, from.y + row);
        for (int i = 0; i < from.width; ++i, in += 3) {
            out[i] = Rgb(in[0], in[1], in[2]);
        }
    }
}

}  // namespace jw
