#pragma once
// PNG pictures through libpng: palette, grey and truecolour, 1 to 16 bits per sample,
// interlaced or not. Transparency, whether an alpha channel or a tRNS colour, becomes the
// picture's alpha plane; a picture that is opaque everywhere comes without one. An error
// of the library never escapes as a jump through our frames, and its warnings are dropped.

#include <optional>
#include <string_view>

#include "platform/bitmap.h"

namespace tavra {

// The picture, or nothing when the data are not a PNG the library accepts, the picture is
// larger than the picture budget allows or than its data could fill, or not one row could
// be read. Data cut short after the first row keep what was read; the rest is transparent.
std::optional<Bitmap> decodePng(std::string_view data);

}  // namespace tavra
