#pragma once
// Our text as the toolkit takes it: UTF-8 (names, messages, what the toolkit-free layers
// say) and UTF-16 (what the engine shows).

#include <QString>

#include <string_view>

namespace tavra {

inline QString qtText(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
inline QString qtText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

}  // namespace tavra
