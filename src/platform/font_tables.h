#pragma once
// The advance widths a scalable font was designed with, read from its "head", "hhea" and
// "hmtx" tables. Reading them costs a table copy per face, where asking the font engine
// loads and hints every glyph.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tavra {

class DesignAdvances {
 public:
  // Nothing when a table is missing, short or inconsistent.
  static std::optional<DesignAdvances> read(std::string_view head, std::string_view hhea, std::string_view hmtx);

  // The glyph's advance at `pixelSize` pixels per em, rounded to whole pixels. Glyphs past
  // the table take the last advance, as the format says.
  int advance(std::uint32_t glyph, double pixelSize) const;

 private:
  int unitsPerEm_ = 0;
  std::vector<std::uint16_t> advances_;
};

}  // namespace tavra
