// Test helpers: pictures as the bytes of a 24-bit bitmap file or a JPEG
// stream, for feeding the picture readers.
#pragma once

#include <jpeglib.h>

#include <cstdio>
#include <string>

#include "presentation/Image.h"

namespace jw::test {

inline std::string BmpBytes(const Image& image) {
    const int w = image.Width();
    const int h = image.Height();
    const int stride = (w * 3 + 3) & ~3;
    std::string out;
    const auto put = [&out](unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    out += "BM";
    put(54u + static_cast<unsigned>(stride * h), 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<unsigned>(w), 4);
    put(static_cast<unsigned>(h), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(static_cast<unsigned>(stride * h), 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Pixel p = image.At(x, y);
            out.push_back(static_cast<char>(BlueOf(p)));
            out.push_back(static_cast<char>(GreenOf(p)));
            out.push_back(static_cast<char>(RedOf(p)));
        }
        out.append(static_cast<std::size_t>(stride - w * 3), '\0');
    }
    return out;
}

inline std::string JpegBytes(const Image& image, int quality = 95) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.Width());
    info.image_height = static_cast<JDIMENSION>(image.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::string row(static_cast<std::size_t>(image.Width()) * 3, '\0');
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < image.Width(); ++x) {
            const Pixel p = image.At(x, y);
            row[static_cast<std::size_t>(x) * 3] = static_cast<char>(RedOf(p));
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(GreenOf(p));
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(BlueOf(p));
        }
        JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(row.data())};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}

}  // namespace jw::test
