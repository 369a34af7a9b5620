#include "presentation/TileGeometry.h"

#include <array>

#include "platform/Host.h"

namespace jw {
namespace {

struct SizeRow {
    char letter;
    std::string_view label;
    int width;
    int height;
    int depth;
};

// "X" has no fixed size; its numbers come from the set.
constexpr std::array<SizeRow, 8> kSizes{{
    {'X', "Size 8 (Extra large)", 0, 0, 0},
    {'T', "Size 7", 76, 104, 20},
    {'S', "Size 6 (Large)", 64, 90, 18},
    {'C', "Size 5", 58, 80, 16},
    {'B', "Size 4 (Normal)", 52, 70, 14},
    {'P', "Size 3", 46, 62, 12},
    {'M', "Size 2 (Medium)", 38, 52, 11},
    {'N', "Size 1 (Small)", 32, 44, 9},
}};

const SizeRow* Find(char letter) {
    const char upper = NormalizeSizeLetter(letter);
    for (const SizeRow& row : kSizes) {
        if (row.letter == upper) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

char NormalizeSizeLetter(char letter) {
    const char upper = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 32) : letter;
    return upper != 0 && kSizeLetters.find(upper) != std::string_view::npos ? upper : 0;
}

std::string_view SizeLabel(char letter) {
    const SizeRow* row = Find(letter);
    return row != nullptr ? row->label : std::string_view{};
}

std::optional<TileGeometry> SizeTableGeometry(char letter, int setNumber, bool square, Host& host) {
    const SizeRow* row = Find(letter);
    if (row == nullptr) {
        return std::nullopt;
    }
    TileGeometry geometry{row->width, row->height, row->depth};
    if (row->letter == 'X') {
        if (setNumber == 2) {
            geometry = {82, 110, 22};
        } else if (setNumber == 3) {
            geometry = {76, 102, 20};
        } else if (setNumber == 1 || setNumber >= 4 || setNumber == kAddOnSetNumber) {
            geometry = {88, 120, 24};
        } else {
            host.Inform("Error TSEL01");
            return std::nullopt;
        }
    }
    if (square) {
        geometry.faceHeight = geometry.faceWidth;
    }
    return geometry;
}

char StepTileSize(char letter, std::string_view step, Host& host) {
    const char upper = NormalizeSizeLetter(letter);
    const std::size_t at = kSizeLetters.find(upper);
    if (step == "+") {
        return at == std::string_view::npos || at == 0 ? upper : kSizeLetters[at - 1];
    }
    if (step == "-") {
        return at == std::string_view::npos || at + 1 == kSizeLetters.size() ? upper
                                                                             : kSizeLetters[at + 1];
    }
    host.Inform("Error InDeS01");
    return upper != 0 ? upper : letter;
}

}  // namespace jw
