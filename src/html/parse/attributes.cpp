#include "html/parse/attributes.h"

#include <cstdint>

namespace tavra {

bool ParseInteger(std::string_view text, std::int32_t& value) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > std::int64_t(INT32_MAX) + 1) return false;
  }
  if (!negative && magnitude > INT32_MAX) return false;
  value = std::int32_t(negative ? -magnitude : magnitude);
  return true;
}

}  // namespace tavra
