#include "platform/charsets.h"

#include <array>

#include "platform/ascii.h"
#include "platform/codepage.h"
#include "platform/unicode.h"

namespace tavra {
namespace {

using ByteTable = std::array<char16_t, 256>;

ByteTable makeWindows1250() {
  ByteTable table{};
  for (int b = 0; b < 256; ++b) table[b] = cp1250::toUnicode(std::uint8_t(b));
  for (int b : {0x81, 0x83, 0x88, 0x90, 0x98}) table[b] = kReplacementCharacter;
  return table;
}

// `table` with the 32 characters from byte `first` on replaced by `patch`.
ByteTable patched(ByteTable table, int first, const char16_t (&patch)[32]) {
  for (int b = 0; b < 32; ++b) table[first + b] = patch[b];
  return table;
}

ByteTable makeWindows1252() {
  static constexpr char16_t kC1[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  ByteTable latin1{};
  for (int b = 0; b < 256; ++b) latin1[b] = char16_t(b);
  return patched(latin1, 0x80, kC1);
}

ByteTable makeIso8859_2() {
  // From C0 on the set agrees with Windows-1250; below A0 it has the C1 controls.
  static constexpr char16_t kA0[32] = {
      0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E,
      0x0164, 0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E,
      0x015B, 0x02C7, 0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C};
  ByteTable table{};
  for (int b = 0; b < 256; ++b) table[b] = b < 0xA0 ? char16_t(b) : cp1250::toUnicode(std::uint8_t(b));
  return patched(table, 0xA0, kA0);
}

struct Tables {
  ByteTable windows1250 = makeWindows1250();
  ByteTable windows1252 = makeWindows1252();
  ByteTable iso8859_2 = makeIso8859_2();
};

const Tables& tables() {
  static const Tables all;
  return all;
}

struct Label {
  std::string_view name;
  Charset charset;
};

// Pages labelled ISO-8859-1 are read as Windows-1252, its superset, as pages written on
// that platform so often need.
constexpr Label kLabels[] = {
    {"utf-8", Charset::Utf8},           {"utf8", Charset::Utf8},
    {"unicode-1-1-utf-8", Charset::Utf8}, {"windows-1250", Charset::Windows1250},
    {"cp1250", Charset::Windows1250},   {"x-cp1250", Charset::Windows1250},
    {"windows-1252", Charset::Windows1252}, {"cp1252", Charset::Windows1252},
    {"x-cp1252", Charset::Windows1252}, {"iso-8859-1", Charset::Windows1252},
    {"iso8859-1", Charset::Windows1252}, {"iso_8859-1", Charset::Windows1252},
    {"latin1", Charset::Windows1252},   {"l1", Charset::Windows1252},
    {"us-ascii", Charset::Windows1252}, {"ascii", Charset::Windows1252},
    {"iso-8859-2", Charset::Iso8859_2}, {"iso8859-2", Charset::Iso8859_2},
    {"iso_8859-2", Charset::Iso8859_2}, {"latin2", Charset::Iso8859_2},
    {"l2", Charset::Iso8859_2},
};

}  // namespace

bool charsetByName(std::string_view label, Charset& charset) {
  const std::string name = ascii::lower(ascii::trimmed(label));
  for (const Label& known : kLabels) {
    if (known.name == name) {
      charset = known.charset;
      return true;
    }
  }
  return false;
}

std::string_view charsetName(Charset charset) {
  switch (charset) {
    case Charset::Windows1250: return "windows-1250";
    case Charset::Windows1252: return "windows-1252";
    case Charset::Iso8859_2: return "iso-8859-2";
    case Charset::Utf8: return "utf-8";
    case Charset::Utf16LE: return "utf-16le";
    case Charset::Utf16BE: return "utf-16be";
  }
  return "windows-1250";
}

const char16_t* singleByteTable(Charset charset) {
  switch (charset) {
    case Charset::Windows1250: return tables().windows1250.data();
    case Charset::Windows1252: return tables().windows1252.data();
    case Charset::Iso8859_2: return tables().iso8859_2.data();
    default: return nullptr;
  }
}

std::size_t byteOrderMark(std::string_view start, Charset& charset) {
  if (start.substr(0, 3) == "\xEF\xBB\xBF") {
    charset = Charset::Utf8;
    return 3;
  }
  if (start.substr(0, 2) == "\xFF\xFE") {
    charset = Charset::Utf16LE;
    return 2;
  }
  if (start.substr(0, 2) == "\xFE\xFF") {
    charset = Charset::Utf16BE;
    return 2;
  }
  return 0;
}

std::string encodeText(std::string_view utf8, Charset charset, char replacement) {
  if (charset == Charset::Utf8) return std::string(utf8);
  const std::u16string units = utf8ToUtf16(utf8);
  std::string out;
  out.reserve(units.size());
  if (charset == Charset::Utf16LE || charset == Charset::Utf16BE) {
    const bool little = charset == Charset::Utf16LE;
    for (char16_t u : units) {
      out += char(little ? u & 0xFF : u >> 8);
      out += char(little ? u >> 8 : u & 0xFF);
    }
    return out;
  }
  const char16_t* table = singleByteTable(charset);
  std::size_t pos = 0;
  while (pos < units.size()) {
    const char32_t c = nextUtf16(units, pos);
    char byte = replacement;
    for (int b = 0; b < 256; ++b) {
      if (table[b] == c && c != kReplacementCharacter) {
        byte = char(b);
        break;
      }
    }
    out += byte;
  }
  return out;
}

}  // namespace tavra
