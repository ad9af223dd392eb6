#include "platform/codepage.h"

#include <array>

#include "platform/unicode.h"

namespace tavra::cp1250 {
namespace {

constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,};

// Reverse lookup for the upper half; built once, searched by value.
struct ReverseTable {
  std::array<std::uint8_t, 0x2200> byChar{};  // every mapped character is below U+2200
  ReverseTable() {
    for (int i = 0; i < 128; ++i) {
      char16_t c = kUpperHalf[i] == 0xFFFD ? char16_t(0x80 + i) : kUpperHalf[i];
      byChar[c] = std::uint8_t(0x80 + i);
    }
  }
};

const ReverseTable& reverse() {
  static const ReverseTable table;
  return table;
}

}  // namespace

char16_t toUnicode(std::uint8_t byte) {
  if (byte < 0x80) return byte;
  char16_t c = kUpperHalf[byte - 0x80];
  return c == 0xFFFD ? char16_t(byte) : c;
}

bool fromUnicode(char32_t ch, std::uint8_t& byte) {
  if (ch < 0x80) {
    byte = std::uint8_t(ch);
    return true;
  }
  if (ch >= reverse().byChar.size()) return false;
  std::uint8_t b = reverse().byChar[ch];
  if (b == 0) return false;
  byte = b;
  return true;
}

std::u16string toUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) out += toUnicode(b);
  return out;
}

std::string toUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (unsigned char b : bytes) appendUtf8(out, toUnicode(b));
  return out;
}

std::string fromUtf8(std::string_view utf8, char replacement) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t c;
    std::uint8_t b;
    out += nextUtf8(utf8, i, c) && fromUnicode(c, b) ? char(b) : replacement;
  }
  return out;
}

std::string fromUtf16(std::u16string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      out += replacement;  // a supplementary character never exists in the code page
      ++i;
      continue;
    }
    std::uint8_t b;
    out += fromUnicode(c, b) ? char(b) : replacement;
  }
  return out;
}

namespace {

struct CaseTables {
  std::uint8_t lower[256];
  std::uint8_t upper[256];
  CaseTables() {
    for (int b = 0; b < 256; ++b) {
      const char32_t u = toUnicode(std::uint8_t(b));
      std::uint8_t out = std::uint8_t(b);
      lower[b] = fromUnicode(foldCase(u), out) ? out : std::uint8_t(b);
      out = std::uint8_t(b);
      upper[b] = fromUnicode(upperCase(u), out) ? out : std::uint8_t(b);
    }
  }
};

const CaseTables& caseTables() {
  static const CaseTables tables;
  return tables;
}

}  // namespace

std::uint8_t toLower(std::uint8_t byte) { return caseTables().lower[byte]; }
std::uint8_t toUpper(std::uint8_t byte) { return caseTables().upper[byte]; }

}  // namespace tavra::cp1250
