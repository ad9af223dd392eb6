#include "platform/font_cache.h"

#include <string_view>

namespace tavra {

std::size_t FontCache::Hash::operator()(const FontSpec& face) const {
  std::size_t h = std::hash<std::string_view>()(face.name);
  for (std::size_t part : {std::size_t(face.size), std::size_t(face.style), std::size_t(face.charset)})
    h = h * 1000003u ^ part;
  return h;
}

FontPtr FontCache::find(const FontSpec& face, const std::function<FontPtr()>& make) {
  if (auto known = fonts_.find(face); known != fonts_.end()) return known->second;
  if (fonts_.size() >= MaxFonts) fonts_.clear();
  FontPtr font = make();
  fonts_.emplace(face, font);
  return font;
}

}  // namespace tavra
