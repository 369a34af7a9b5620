#include "presentation/TestPictures.h"

#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "presentation/Blit.h"

namespace jw::test {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, unsigned v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::optional<std::string> MemoryStore::Find(std::string_view kind, std::string_view name) const {
    const auto found = entries.find(Lower(kind) + "/" + Lower(name));
    if (found == entries.end()) {
        return std::nullopt;
    }
    return found->second;
}

void MemoryStore::Put(std::string_view kind, std::string_view name, std::string bytes) {
    entries[Lower(kind) + "/" + Lower(name)] = std::move(bytes);
}

std::string EncodeBmp(const Image& picture) {
    const unsigned stride = (static_cast<unsigned>(picture.Width()) * 3 + 3) / 4 * 4;
    const unsigned size = stride * static_cast<unsigned>(picture.Height());
    std::string out = "BM";
    Put32(out, 54 + size);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(picture.Width()));
    Put32(out, static_cast<unsigned>(picture.Height()));
    Put16(out, 1);
    Put16(out, 24);
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0);
    }
    for (int y = picture.Height() - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < picture.Width(); ++x) {
            const Pixel p = picture.At(x, y);
            row += static_cast<char>(BlueOf(p));
            row += static_cast<char>(GreenOf(p));
            row += static_cast<char>(RedOf(p));
        }
        row.resize(stride, '\0');
        out += row;
    }
    return out;
}

std::string EncodeJpeg(const Image& picture, int quality) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.Width());
    info.image_height = static_cast<JDIMENSION>(picture.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(picture.Width()) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < picture.Width(); ++x) {
            const Pixel p = picture.At(x, y);
            row[static_cast<std::size_t>(x) * 3] = static_cast<unsigned char>(RedOf(p));
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<unsigned char>(GreenOf(p));
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<unsigned char>(BlueOf(p));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}

Pixel CellColour(int cell) {
    return Rgb(20 + cell * 5, 230 - cell * 4, 40 + (cell * 37) % 200);
}

Pixel BodyFaceColour(int variant) {
    return Rgb(240, 236, 220 - variant * 10);
}
Pixel BodyRightColour(int variant) {
    return Rgb(180, 170 - variant * 5, 120);
}
Pixel BodyBottomColour(int variant) {
    return Rgb(150, 140, 90 + variant * 5);
}

void PutTestTileSet(MemoryStore& main, MemoryStore& addOns, const std::string& id, int cellWidth,
                    int cellHeight, int faceWidth, int faceHeight, int depth) {
    Image sheet(9 * cellWidth + 10, 5 * cellHeight + 6, PixelFormat::Rgb24, kBlack);
    for (int cell = 0; cell < 45; ++cell) {
        const int c = cell % 9;
        const int r = cell / 9;
        FillRect(sheet, {c * cellWidth + c + 1, r * cellHeight + r + 1, cellWidth, cellHeight},
                 CellColour(cell));
    }
    addOns.Put("BITMAP", id, EncodeBmp(sheet));
    for (int k = 1; k <= 3; ++k) {
        Image body(faceWidth + depth, faceHeight + depth, PixelFormat::Rgb24, BodyFaceColour(k));
        FillRect(body, {faceWidth, 0, depth, faceHeight + depth}, BodyRightColour(k));
        FillRect(body, {0, faceHeight, faceWidth, depth}, BodyBottomColour(k));
        body.Set(0, 0, kKeyColour);
        addOns.Put("BITMAP", id + "_" + std::to_string(k) + "_3D_Border", EncodeBmp(body));
    }
    Image silhouette(faceWidth + depth, faceHeight + depth, PixelFormat::Rgb24, kKeyColour);
    main.Put("BITMAP", "tiles_3D_border_transparent", EncodeBmp(silhouette));
    Image overlay(faceWidth, faceHeight, PixelFormat::Rgb24, kBlack);
    overlay.Set(0, 0, kKeyColour);
    main.Put("BITMAP", "tiles_x_***_3D_Border_Transparent", EncodeBmp(overlay));
    Image mask(faceWidth, faceHeight, PixelFormat::Rgb24, kBlack);
    FillRect(mask, {3, 3, faceWidth - 6, faceHeight - 6}, Rgb(255, 255, 255));
    main.Put("BITMAP", "high_tld_alph", EncodeBmp(mask));
}

int CountDifferences(const Image& a, const Image& b) {
    int count = 0;
    for (int y = 0; y < std::min(a.Height(), b.Height()); ++y) {
        for (int x = 0; x < std::min(a.Width(), b.Width()); ++x) {
            count += a.At(x, y) != b.At(x, y) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace jw::test
