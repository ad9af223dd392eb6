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
  for (const Recent& recent : recent_)
    if (recent.font && recent.face == face) return recent.font;
  FontPtr font;
  if (auto known = fonts_.find(face); known != fonts_.end()) {
    font = known->second;
  } else {
    if (fonts_.size() >= MaxFonts) fonts_.clear();
    font = make();
    fonts_.emplace(face, font);
  }
  recent_[nextRecent_] = {face, font};
  nextRecent_ = (nextRecent_ + 1) % RecentFonts;
  return font;
}

}  // namespace tavra
