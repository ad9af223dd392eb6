#include "html/parse/colors.h"

#include <cstdint>

#include "platform/ascii.h"

namespace tavra {

namespace {

struct NamedColour {
  std::string_view name;
  std::uint32_t value;  // 0x00BBGGRR
};

constexpr NamedColour kColours[] = {
    {"BLACK", 0x000000}, {"MAROON", 0x000080}, {"GREEN", 0x008000}, {"OLIVE", 0x008080},
    {"NAVY", 0x800000},  {"PURPLE", 0x800080}, {"TEAL", 0x808000},  {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0}, {"RED", 0x0000FF},   {"LIME", 0x00FF00},  {"YELLOW", 0x00FFFF},
    {"BLUE", 0xFF0000},  {"FUCHSIA", 0xFF00FF}, {"AQUA", 0xFFFF00}, {"WHITE", 0xFFFFFF},
};

}  // namespace

bool ParseColor(std::string_view text, std::uint32_t& colour) {
  if (text.empty()) return false;

  const std::string upper = ascii::upper(text, 10);
  std::string_view name(upper);
  for (const NamedColour& c : kColours) {
    if (c.name == name) {
      colour = c.value;
      return true;
    }
  }

  // The first `#`, wherever it stands, is not part of the number.
  std::size_t hash = text.find('#');
  std::uint32_t rgb = 0;
  int digits = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == hash) continue;
    int d = ascii::hexDigit(text[i]);
    if (d < 0) return false;
    // Leading zeros never overflow; anything beyond 32 bits is no number.
    if (rgb > 0x0FFFFFFF) return false;
    rgb = rgb << 4 | std::uint32_t(d);
    ++digits;
  }
  if (digits == 0) return false;
  colour = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
  return true;
}

}  // namespace tavra
