#pragma once
// Reading device-independent bitmap files ("BM"): 1, 4, 8, 16, 24 and 32 bits per pixel,
// uncompressed, run-length encoded (4 and 8 bits) or with bit-field masks, stored
// bottom-up or top-down, with the old 12-byte or any later information header. The alpha
// of 16- and 32-bit pixels (the top byte of 32 bits, or a header's alpha mask) becomes the
// picture's alpha plane when it says something.

#include <optional>
#include <string_view>

#include "platform/bitmap.h"

namespace tavra {

// The picture, or nothing when the data are not a bitmap file we can read: a header that
// is short or contradicts itself, a size past the picture budget, or uncompressed pixel
// rows that the file does not hold. Run-length data that end early leave the rest black.
std::optional<Bitmap> readBmp(std::string_view data);

}  // namespace tavra
