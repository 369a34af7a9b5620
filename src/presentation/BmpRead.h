// Reading Windows bitmap files (tile bodies, overlays, masks, the user's own
// pictures) into opaque 24-bit pictures.
//
// Accepted: uncompressed 1-, 4-, 8-, 24- and 32-bit pictures, bottom-up or
// top-down, with the 12-byte core header or the 40- to 124-byte info
// headers; 32-bit pictures also with bit-field masks. Every size and offset
// is checked against the data before anything is allocated or read.
#pragma once

#include <string>
#include <string_view>

#include "presentation/Image.h"

namespace jw {

// Decodes `bytes`. On success returns true and fills `out`; on failure
// returns false, leaves `out` empty and puts a short reason into `error`.
bool ReadBmp(std::string_view bytes, Image& out, std::string& error);

}  // namespace jw
