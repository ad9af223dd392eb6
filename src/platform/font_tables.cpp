#include "platform/font_tables.h"

#include <cmath>

namespace tavra {

namespace {

std::uint16_t bigEndian16(std::string_view data, std::size_t at) {
  return std::uint16_t((std::uint8_t(data[at]) << 8) | std::uint8_t(data[at + 1]));
}

}  // namespace

std::optional<DesignAdvances> DesignAdvances::read(std::string_view head, std::string_view hhea,
                                                   std::string_view hmtx) {
  // unitsPerEm at 18 of "head"; numberOfHMetrics at 34 of "hhea".
  if (head.size() < 20 || hhea.size() < 36) return std::nullopt;
  DesignAdvances result;
  result.unitsPerEm_ = bigEndian16(head, 18);
  const std::size_t count = bigEndian16(hhea, 34);
  // The format allows 16 to 16384 units per em.
  if (result.unitsPerEm_ < 16 || result.unitsPerEm_ > 16384 || count == 0 || hmtx.size() / 4 < count)
    return std::nullopt;
  result.advances_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) result.advances_.push_back(bigEndian16(hmtx, 4 * i));
  return result;
}

int DesignAdvances::advance(std::uint32_t glyph, double pixelSize) const {
  if (advances_.empty()) return 0;
  const std::uint16_t units = glyph < advances_.size() ? advances_[glyph] : advances_.back();
  return int(std::lround(units * pixelSize / unitsPerEm_));
}

}  // namespace tavra
