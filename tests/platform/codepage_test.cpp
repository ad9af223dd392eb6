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
