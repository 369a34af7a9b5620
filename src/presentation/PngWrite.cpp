#include "presentation/PngWrite.h"

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <png.h>

namespace jw {
namespace {

// The rows of the picture, as RGB or RGBA bytes. Kept apart from WritePng so
// that nothing it holds lives across libpng's error jump.
void WriteRows(png_structp png, const Image& image) {
    const bool alpha = image.Format() == PixelFormat::Argb32;
    const int channels = alpha ? 4 : 3;
    std::vector<unsigned char> row(static_cast<std::size_t>(image.Width()) * channels);
    for (int y = 0; y < image.Height(); ++y) {
        const Pixel* in = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            unsigned char* out = row.data() + static_cast<std::size_t>(x) * channels;
            out[0] = static_cast<unsigned char>(RedOf(in[x]));
            out[1] = static_cast<unsigned char>(GreenOf(in[x]));
            out[2] = static_cast<unsigned char>(BlueOf(in[x]));
            if (alpha) {
                out[3] = static_cast<unsigned char>(AlphaOf(in[x]));
            }
        }
        png_write_row(png, row.data());
    }
}

}  // namespace

bool WritePng(const Image& image, const std::string& path, std::string& error) {
    if (image.Empty()) {
        error = "empty picture";
        return false;
    }
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        error = "cannot create " + temporary;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(file);
        std::remove(temporary.c_str());
        error = "out of memory";
        return false;
    }
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        std::remove(temporary.c_str());
        error = "cannot write " + path;
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.Width()),
                 static_cast<png_uint_32>(image.Height()), 8,
                 image.Format() == PixelFormat::Argb32 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    WriteRows(png, image);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file) != 0 || std::fclose(file) != 0) {
        std::remove(temporary.c_str());
        error = "cannot write " + path;
        return false;
    }
    std::error_code code;
    std::filesystem::rename(temporary, path, code);
    if (code) {
        std::remove(temporary.c_str());
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace jw
