#include "platform/codepage.h"

#include <gtest/gtest.h>

using namespace tavra;

TEST(Codepage, CzechLettersRoundTripThroughUtf8) {
  const std::string czech = "Příliš žluťoučký kůň úpěl ďábelské ódy";
  std::string bytes = cp1250::fromUtf8(czech);
  EXPECT_EQ(bytes.size(), 38u);  // one byte per letter
  EXPECT_EQ(std::uint8_t(bytes[1]), 0xF8);  // ř
  EXPECT_EQ(std::uint8_t(bytes[7]), 0x9E);  // ž
  EXPECT_EQ(cp1250::toUtf8(bytes), czech);
}

TEST(Codepage, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  EXPECT_EQ(cp1250::fromUtf8(cp1250::toUtf8(all)), all);
  EXPECT_EQ(cp1250::fromUtf16(cp1250::toUtf16(all)), all);
  EXPECT_EQ(cp1250::toUnicode(0x80), u'\u20AC');
  EXPECT_EQ(cp1250::toUnicode(0x81), u'\u0081');  // undefined byte kept as its C1 control
}

TEST(Codepage, UnmappableAndMalformedInputBecomesTheReplacement) {
  EXPECT_EQ(cp1250::fromUtf8("a\xE2\x82"), "a?");      // truncated sequence
  EXPECT_EQ(cp1250::fromUtf8("\xFF" "b"), "?b");        // invalid lead byte
  EXPECT_EQ(cp1250::fromUtf8("日本", '#'), "##");       // not in the code page
  EXPECT_EQ(cp1250::fromUtf16(u"\U0001F600x"), "?x");   // surrogate pair
}

TEST(Codepage, OneCaseMapPairsTheLettersOfTheCodePage) {
  // Every Czech letter with its capital, and letters of the code page's other languages.
  const std::string lower = cp1250::fromUtf8("aáčďéěíňóřšťúůýžľĺŕąćęłńśźżőűöüşţđăâîß");
  const std::string upper = cp1250::fromUtf8("AÁČĎÉĚÍŇÓŘŠŤÚŮÝŽĽĹŔĄĆĘŁŃŚŹŻŐŰÖÜŞŢĐĂÂÎß");
  ASSERT_EQ(lower.size(), upper.size());
  for (std::size_t i = 0; i < lower.size(); ++i) {
    const auto l = std::uint8_t(lower[i]), u = std::uint8_t(upper[i]);
    EXPECT_EQ(cp1250::toLower(u), l) << i;
    EXPECT_EQ(cp1250::toUpper(l), u) << i;
  }
  // Whatever is not a letter keeps its byte: digits, signs, the multiplication sign.
  for (char c : cp1250::fromUtf8("09 .,;×÷§©«»°€")) {
    EXPECT_EQ(cp1250::toLower(std::uint8_t(c)), std::uint8_t(c));
    EXPECT_EQ(cp1250::toUpper(std::uint8_t(c)), std::uint8_t(c));
  }
  // A round trip through both cases returns every letter.
  for (int b = 0; b < 256; ++b) {
    if (cp1250::toLower(std::uint8_t(b)) != b) {
      EXPECT_EQ(cp1250::toUpper(cp1250::toLower(std::uint8_t(b))), b) << b;
    }
  }
}
