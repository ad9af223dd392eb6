#include "platform/unicode.h"

#include <cstdint>

namespace tavra {
namespace {

// Calls `take` with each character of UTF-8 text, U+FFFD for each malformed sequence.
template <typename Take>
void decodeUtf8(std::string_view utf8, Take take) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c;
    take(nextUtf8(utf8, pos, c) ? c : kReplacementCharacter);
  }
}

}  // namespace

bool nextUtf8(std::string_view utf8, std::size_t& pos, char32_t& ch) {
  unsigned char lead = utf8[pos];
  int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
            : (lead & 0xF8) == 0xF0 ? 3 : -1;
  char32_t c = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
  bool valid = extra >= 0 && pos + extra < utf8.size() + (extra == 0 ? 1 : 0);
  for (int k = 1; valid && k <= extra; ++k) {
    unsigned char cont = utf8[pos + k];
    if ((cont & 0xC0) != 0x80) valid = false;
    else c = (c << 6) | (cont & 0x3F);
  }
  if (!valid) {
    // The lead byte and the continuation bytes that belong to it count as one.
    ++pos;
    for (int k = 0; k < extra && pos < utf8.size() && (std::uint8_t(utf8[pos]) & 0xC0) == 0x80; ++k) ++pos;
    return false;
  }
  pos += std::size_t(extra) + 1;
  ch = c;
  return true;
}

std::u32string utf8ToUtf32(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  decodeUtf8(utf8, [&](char32_t c) { out += c; });
  return out;
}

std::string utf32ToUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) appendUtf8(out, c);
  return out;
}

namespace {

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::size_t utf8CharacterStart(std::string_view text, std::size_t at) {
  while (at > 0 && at < text.size() && isContinuation(text[at])) --at;
  return at;
}

std::size_t utf8CharactersOn(std::string_view text, std::size_t at, std::size_t count) {
  for (; at < text.size() && count > 0; --count) {
    ++at;
    while (at < text.size() && isContinuation(text[at])) ++at;
  }
  return at;
}

std::size_t utf8CharactersBetween(std::string_view text, std::size_t from, std::size_t to) {
  std::size_t count = 0;
  for (std::size_t at = from; at < to && at < text.size(); ++at) count += !isContinuation(text[at]);
  return count;
}

bool isBlank(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == 0xA0 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x3000 || c == 0x2028 || c == 0x2029;
}

void appendUtf8(std::string& out, char32_t c) {
  if (!isScalarValue(c)) c = kReplacementCharacter;
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

void appendUtf16(std::u16string& out, char32_t c) {
  if (!isScalarValue(c)) c = kReplacementCharacter;
  if (c < 0x10000) {
    out += char16_t(c);
  } else {
    c -= 0x10000;
    out += char16_t(0xD800 + (c >> 10));
    out += char16_t(0xDC00 + (c & 0x3FF));
  }
}

std::string utf8OrLatin1(std::string_view bytes) {
  std::size_t pos = 0;
  char32_t c = 0;
  bool valid = true;
  while (valid && pos < bytes.size()) valid = nextUtf8(bytes, pos, c);
  if (valid) return std::string(bytes);
  std::string out;
  for (unsigned char b : bytes) appendUtf8(out, b);
  return out;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  decodeUtf8(utf8, [&](char32_t c) { appendUtf16(out, c); });
  return out;
}

char32_t nextUtf16(std::u16string_view text, std::size_t& pos) {
  const char16_t u = text[pos++];
  if (isHighSurrogate(u) && pos < text.size() && isLowSurrogate(text[pos]))
    return 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[pos++]) - 0xDC00);
  return isHighSurrogate(u) || isLowSurrogate(u) ? kReplacementCharacter : u;
}

std::string utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) appendUtf8(out, nextUtf16(text, pos));
  return out;
}

char32_t foldCase(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  // Latin Extended-A pairs its cases as even and odd code points, in two runs of each kind.
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  if (c == 0x178) return 0xFF;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
  if (c >= 0x386 && c <= 0x38F) {
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return c + 0x25;
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return c + 0x3F;
  }
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

char32_t upperCase(char32_t c) {
  if (c < 0x80) return c >= 'a' && c <= 'z' ? c - 32 : c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c & ~char32_t(1);
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : c - 1;
  if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 0x20;
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

std::string upperCaseUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  decodeUtf8(utf8, [&](char32_t c) { appendUtf8(out, upperCase(c)); });
  return out;
}

}  // namespace tavra
