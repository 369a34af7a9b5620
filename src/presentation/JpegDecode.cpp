#include "presentation/JpegDecode.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace jw {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr /*info*/, int /*level*/) {
    // Warnings about slightly damaged data are not worth a message box.
}

}  // namespace

bool DecodeJpeg(std::string_view bytes, Image& out, std::string& error) {
    out.Reset();
    if (bytes.size() < 4) {
        error = "not a JPEG stream";
        return false;
    }
    jpeg_decompress_struct info{};
    ErrorManager manager{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = OnError;
    manager.base.emit_message = OnMessage;
    // Everything that must survive the jump lives outside this frame's
    // registers: the picture is built in `out` and the row in `row`.
    std::vector<unsigned char> row;
    if (setjmp(manager.jump) != 0) {
        error = manager.message;
        jpeg_destroy_decompress(&info);
        out.Reset();
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 ||
        info.image_width > static_cast<unsigned>(kMaxPictureSide) ||
        info.image_height > static_cast<unsigned>(kMaxPictureSide) ||
        static_cast<long long>(info.image_width) * info.image_height > kMaxPicturePixels) {
        error = "picture size out of range";
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        error = "CMYK pictures are not supported";
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    out = Image(width, height);
    row.resize(static_cast<std::size_t>(width) * 3);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        Pixel* target = out.Row(y);
        for (int x = 0; x < width; ++x) {
            target[x] =
                Rgb(row[static_cast<std::size_t>(x) * 3], row[static_cast<std::size_t>(x) * 3 + 1],
                    row[static_cast<std::size_t>(x) * 3 + 2]);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace jw
