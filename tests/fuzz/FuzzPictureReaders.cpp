// Feeds arbitrary bytes to the bitmap reader and the JPEG decoder. The first
// byte picks the reader. A picture that is accepted must have the size it
// claims, within the readers' limits, and be readable to its last pixel.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "presentation/BmpRead.h"
#include "presentation/JpegDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    jw::Image picture;
    std::string error;
    const bool ok = (data[0] & 1) != 0 ? jw::DecodeJpeg(bytes, picture, error)
                                       : jw::ReadBmp(bytes, picture, error);
    if (!ok) {
        if (!picture.Empty() || error.empty()) {
            std::abort();
        }
        return 0;
    }
    if (picture.Empty() || picture.Width() > jw::kMaxPictureSide ||
        picture.Height() > jw::kMaxPictureSide) {
        std::abort();
    }
    volatile jw::Pixel last = picture.At(picture.Width() - 1, picture.Height() - 1);
    (void)last;
    return 0;
}
