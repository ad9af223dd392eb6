#include "platform/unicode.h"

#include "platform/codepage.h"

namespace tavra {
namespace {

// Calls `take` with each character of UTF-8 text, U+FFFD for each malformed sequence.
template <typename Take>
void decodeUtf8(std::string_view utf8, Take take) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c;
    take(cp1250::nextUtf8(utf8, pos, c) ? c : kReplacementCharacter);
  }
}

}  // namespace

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
  while (valid && pos < bytes.size()) valid = cp1250::nextUtf8(bytes, pos, c);
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
