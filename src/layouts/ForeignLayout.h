// Layouts of other mahjong-solitaire programs: the common text format whose
// first line is "kmahjongg-layout-v1.0" or "-v1.1" (some programs write
// "mahjongg-layout-v1.1"), converted into a layout file of this program.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace jw {

// Whether the text starts like a layout of that format.
bool IsForeignLayout(std::string_view text);

// The layout file text (a face-up custom layout with the default rules) of
// a layout in that format, or the message that says which rule it breaks.
struct ForeignLayoutResult {
    std::string fileText;  // empty when refused
    std::string refusal;   // empty when converted
    int tiles = 0;
    int levels = 0;
};
ForeignLayoutResult ConvertForeignLayout(std::string_view text);

}  // namespace jw
