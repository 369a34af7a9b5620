#include "presentation/PackedPicture.h"

#include "presentation/Blit.h"

namespace jw {

PackedPicture::PackedPicture(const Image& picture) {
    Pack(picture);
}

void PackedPicture::Pack(const Image& picture) {
    Pack(picture, picture.Bounds());
}

void PackedPicture::Pack(const Image& picture, Rect part) {
    part = Intersect(part, picture.Bounds());
    if (part.Empty()) {
        Reset();
        return;
    }
    kept = part;
    // The same size uses the same memory again; another takes its own.
    const std::size_t size =
        static_cast<std::size_t>(kept.width) * static_cast<std::size_t>(kept.height) * 3;
    if (bytes.size() != size) {
        bytes = decltype(bytes)(size);
    }
    std::uint8_t* out = bytes.data();
    for (int y = kept.y; y < kept.y + kept.height; ++y) {
        const Pixel* row = picture.Row(y);
        for (int x = kept.x; x < kept.x + kept.width; ++x, out += 3) {
            out[0] = static_cast<std::uint8_t>(RedOf(row[x]));
            out[1] = static_cast<std::uint8_t>(GreenOf(row[x]));
            out[2] = static_cast<std::uint8_t>(BlueOf(row[x]));
        }
    }
}

bool PackedPicture::Covers(Rect area) const {
    return area.Empty() || Intersect(area, kept) == area;
}

const std::uint8_t* PackedPicture::PixelAt(int x, int y) const {
    return bytes.data() +
           (static_cast<std::size_t>(y - kept.y) * static_cast<std::size_t>(kept.width) +
            static_cast<std::size_t>(x - kept.x)) *
               3;
}

Pixel PackedPicture::At(int x, int y) const {
    if (x < kept.x || y < kept.y || x >= kept.x + kept.width || y >= kept.y + kept.height) {
        return 0;
    }
    const std::uint8_t* p = PixelAt(x, y);
    return Rgb(p[0], p[1], p[2]);
}

void PackedPicture::CopyTo(Image& dst, int dx, int dy, Rect from) const {
    if (!ClipCopy(dst.Bounds(), dx, dy, kept, from)) {
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
