#pragma once
// The colours of the screen: its depth and, on 8-bit displays, the one 256-colour palette
// that every picture and every document colour is mapped through.

#include <array>
#include <cstdint>

#include "platform/bitmap.h"

namespace tavra {

using PaletteTable = std::array<std::uint32_t, 256>;  // 0x00RRGGBB entries

// 4, 8 or 24; 24 until the screen is known.
int ColourDepth();
// Start-up: the screen's bits per pixel times planes. At most 4 gives depth 4, more
// than 8 gives 24, anything else 8 (which builds the display palette).
void SetScreenDepth(int bitsTimesPlanes);

// The display palette when the depth is 8, else nullptr.
const PaletteTable* DisplayPalette();
// The palette for 8-bit displays: the platform's static colours in entries 0..9 and
// 249..255, a 6x6x6 colour cube without white in 10..224, 24 greys in 225..248.
PaletteTable BuildDisplayPalette();
// The entry closest to `rgb` (squared distance; the lowest index wins a tie).
int NearestPaletteIndex(const PaletteTable& palette, std::uint32_t rgb);

// A picture as the display shows it: on an 8-bit display every pixel takes the nearest
// display palette colour; on other displays the picture is unchanged.
Bitmap ToDisplayBitmap(Bitmap bitmap);

}  // namespace tavra
