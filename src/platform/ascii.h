#pragma once
// ASCII text helpers for markup, file names and keys: only A..Z and a..z change case, so
// the bytes of Windows-1250 letters pass unchanged (their case map is cp1250::toLower).

#include <cstddef>
#include <string>
#include <string_view>

namespace tavra::ascii {

constexpr char toUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
constexpr char toLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// At most `max` characters of `text`, in upper or lower case.
inline std::string upper(std::string_view text, std::size_t max = std::string_view::npos) {
  std::string out(text.substr(0, max));
  for (char& c : out) c = toUpper(c);
  return out;
}
inline std::string lower(std::string_view text, std::size_t max = std::string_view::npos) {
  std::string out(text.substr(0, max));
  for (char& c : out) c = toLower(c);
  return out;
}

// The value of a hexadecimal digit, either case; -1 for any other character.
constexpr int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

inline bool equalIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (toLower(a[i]) != toLower(b[i])) return false;
  return true;
}

// Without blanks and control characters at either end.
inline std::string_view trimmed(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return text.substr(b, e - b);
}

}  // namespace tavra::ascii
