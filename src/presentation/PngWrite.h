// Writing a picture as a PNG file (24-bit colour, or 32-bit with alpha) with
// libpng, through a temporary file that is renamed over the target.
#pragma once

#include <string>

#include "presentation/Image.h"

namespace jw {

// Writes `image` to `path`. Returns false and a reason in `error` when the
// picture is empty or the file cannot be written.
bool WritePng(const Image& image, const std::string& path, std::string& error);

}  // namespace jw
