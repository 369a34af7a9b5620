// Decoding JPEG streams (tile sheets, previews, backgrounds) into opaque
// 24-bit pictures with libjpeg.
#pragma once

#include <string>
#include <string_view>

#include "presentation/Image.h"

namespace jw {

// Pictures larger than this on either side are refused before any memory
// is taken for them.
inline constexpr int kMaxPictureSide = 16384;
// ... and so are pictures of more pixels than this (256 MiB in memory).
inline constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

// Decodes `bytes`. On success returns true and fills `out`; on failure
// returns false, leaves `out` empty and puts a short reason into `error`.
// Damaged streams never abort the program.
bool DecodeJpeg(std::string_view bytes, Image& out, std::string& error);

}  // namespace jw
