#pragma once
// The realised fonts of a font engine, found by face, size and style in constant time and
// bounded: a document may ask for any number of faces, and a list searched front to back
// made every request cost as much as all the faces before it.

#include <cstddef>
#include <functional>
#include <unordered_map>

#include "platform/canvas.h"

namespace tavra {

class FontCache {
 public:
  // Beyond this many fonts the cache starts afresh; the fonts handed out stay valid with
  // their holders. A page rarely uses more than a few dozen, but one that cycles through
  // a few thousand names and sizes would otherwise make every font anew at each request.
  static constexpr std::size_t MaxFonts = 4096;

  // The font of `face`, made by `make` unless it is known.
  FontPtr find(const FontSpec& face, const std::function<FontPtr()>& make);
  std::size_t size() const { return fonts_.size(); }

 private:
  struct Hash {
    std::size_t operator()(const FontSpec& face) const;
  };
  std::unordered_map<FontSpec, FontPtr, Hash> fonts_;
  // The fonts asked for last: text changes between a few faces (plain, bold, a link) at
  // nearly every tag, and comparing a few faces costs less than hashing the name.
  static constexpr std::size_t RecentFonts = 4;
  struct Recent {
    FontSpec face;
    FontPtr font;
  };
  Recent recent_[RecentFonts];
  std::size_t nextRecent_ = 0;
};

}  // namespace tavra
