#pragma once
// Colours written in HTML: one of sixteen names, or hexadecimal RRGGBB.

#include <cstdint>
#include <string_view>

namespace tavra {

// Marks a colour as an entry of the shared display palette; every colour that a document
// stores carries it.
constexpr std::uint32_t PaletteRelative = 0x02000000;

// Reads a colour name (any letter case) or a hexadecimal RRGGBB number with an optional
// `#`. On success stores the colour as 0x00BBGGRR (without the palette flag) and returns
// true; otherwise leaves `colour` alone and returns false.
bool ParseColor(std::string_view text, std::uint32_t& colour);

}  // namespace tavra
