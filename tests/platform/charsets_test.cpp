#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>

#include "platform/charsets.h"
#include "platform/unicode.h"

namespace tavra {
namespace {

TEST(Charsets, SingleByteSetsDifferWhereTheyShould) {
  const char16_t* w1250 = singleByteTable(Charset::Windows1250);
  const char16_t* w1252 = singleByteTable(Charset::Windows1252);
  const char16_t* latin2 = singleByteTable(Charset::Iso8859_2);
  ASSERT_TRUE(w1250 && w1252 && latin2);
  Charset named = Charset::Windows1250;
  EXPECT_TRUE(charsetByName(" ISO-8859-1 ", named));
  EXPECT_EQ(named, Charset::Windows1252) << "read as its superset";
  EXPECT_EQ(w1250[0x8A], u'Š');
  EXPECT_EQ(latin2[0xA9], u'Š');
  EXPECT_EQ(w1252[0x8A], u'Š');
  EXPECT_EQ(w1250[0xF8], u'ř');
  EXPECT_EQ(latin2[0xF8], u'ř');
  EXPECT_EQ(w1252[0xF8], u'ø');
  EXPECT_EQ(latin2[0xB1], u'ą');
  EXPECT_EQ(w1250[0xB9], u'ą');
  EXPECT_EQ(w1252[0x80], u'€');
  // Bytes a set leaves undefined are no characters.
  EXPECT_EQ(w1250[0x81], kReplacementCharacter);
  EXPECT_EQ(w1252[0x9D], kReplacementCharacter);
}

// The character the system's converter reads from one byte of `set`; U+FFFD for a byte it
// calls no character.
char32_t systemReading(iconv_t converter, unsigned char byte) {
  char in = char(byte);
  char32_t out = 0;
  char* from = &in;
  char* to = reinterpret_cast<char*>(&out);
  std::size_t inLeft = 1, outLeft = sizeof out;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &from, &inLeft, &to, &outLeft) == std::size_t(-1)) return kReplacementCharacter;
  return outLeft == 0 ? out : kReplacementCharacter;
}

TEST(Charsets, EveryByteOfTheSingleByteSetsReadsAsTheSystemsConverterReadsIt) {
  const std::pair<Charset, const char*> sets[] = {
      {Charset::Windows1250, "CP1250"}, {Charset::Windows1252, "CP1252"}, {Charset::Iso8859_2, "ISO-8859-2"}};
  for (const auto& [set, name] : sets) {
    iconv_t converter = iconv_open("UTF-32LE", name);
    ASSERT_NE(converter, iconv_t(-1)) << name << ": errno " << errno;
    const char16_t* table = singleByteTable(set);
    ASSERT_NE(table, nullptr) << name;
    for (int byte = 0; byte < 256; ++byte) {
      const char32_t expected = systemReading(converter, static_cast<unsigned char>(byte));
      EXPECT_EQ(char32_t(table[byte]), expected) << name << " byte 0x" << std::hex << byte;
    }
    iconv_close(converter);
  }
}

TEST(Charsets, TextIsWrittenInTheSetAndWhatItLacksBecomesTheReplacement) {
  EXPECT_EQ(encodeText("Žalm – €5", Charset::Windows1250), "\x8E" "alm \x96 \x80" "5");
  EXPECT_EQ(encodeText("Žalm Ωμ", Charset::Iso8859_2), "\xAE" "alm ??");
  EXPECT_EQ(encodeText("Søren", Charset::Windows1252), "S\xF8ren");
  EXPECT_EQ(encodeText("Žalm", Charset::Utf8), "Žalm");
  EXPECT_EQ(encodeText("A€", Charset::Utf16BE), std::string("\0A\x20\xAC", 4));
  EXPECT_EQ(encodeText("A\xFF", Charset::Windows1250), "A?");
}

TEST(Unicode, ConversionsKeepEveryCharacterAndReplaceWhatIsBroken) {
  const std::string text = "Žluť — Ωμέγα Жук \U0001F600";
  EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(text)), text);
  EXPECT_EQ(utf8ToUtf16("a\xC3(b\xFF"), u"a\uFFFD(b\uFFFD");
  EXPECT_EQ(utf16ToUtf8(std::u16string(u"x") + char16_t(0xD800) + u"y"), "x\uFFFDy");
  std::string out;
  appendUtf8(out, 0xDC00);
  appendUtf8(out, 0x110000);
  EXPECT_EQ(out, "\uFFFD\uFFFD");
}

TEST(Unicode, CaseFoldingPairsTheLettersOfEuropeanAlphabets) {
  const std::u16string upper = u"AZÀÞŠŽĽŇŤĚŘŮŐŰΑΩΆΈΏАЯЁЂ", lower = u"azàþšžľňťěřůőűαωάέώаяёђ";
  ASSERT_EQ(upper.size(), lower.size());
  for (std::size_t i = 0; i < upper.size(); ++i) {
    EXPECT_EQ(foldCase(upper[i]), char32_t(lower[i])) << i;
    EXPECT_EQ(upperCase(lower[i]), char32_t(upper[i])) << i;
  }
  for (char32_t other : {U'1', U'×', U'÷', U'ß', U'€', U'中'}) {
    EXPECT_EQ(foldCase(other), other);
    EXPECT_EQ(upperCase(other), other);
  }
  EXPECT_EQ(upperCaseUtf8("čšž.gif"), "ČŠŽ.GIF");
}

}  // namespace
}  // namespace tavra
