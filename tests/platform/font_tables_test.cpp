#include "platform/font_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace tavra {
namespace {

std::string be16(unsigned v) { return {char(v >> 8), char(v & 0xFF)}; }

std::string head(unsigned unitsPerEm) { return std::string(18, '\0') + be16(unitsPerEm) + std::string(34, '\0'); }
std::string hhea(unsigned count) { return std::string(34, '\0') + be16(count); }
std::string hmtx(std::initializer_list<unsigned> advances) {
  std::string out;
  for (unsigned a : advances) out += be16(a) + be16(0);
  return out;
}

TEST(DesignAdvances, ScaledToThePixelSizeWithTheLastAdvanceForTheRest) {
  auto advances = DesignAdvances::read(head(2048), hhea(3), hmtx({0, 1024, 1229}));
  ASSERT_TRUE(advances);
  EXPECT_EQ(advances->advance(0, 16), 0);
  EXPECT_EQ(advances->advance(1, 16), 8);
  EXPECT_EQ(advances->advance(1, 13), 7);    // 6.5 rounds up
  EXPECT_EQ(advances->advance(2, 20), 12);   // 12.0009...
  EXPECT_EQ(advances->advance(500, 20), 12);  // past the table: the last advance
  // Entries after numberOfHMetrics hold side bearings only and are not advances.
  auto shortTable = DesignAdvances::read(head(1000), hhea(1), hmtx({500, 900}));
  ASSERT_TRUE(shortTable);
  EXPECT_EQ(shortTable->advance(1, 10), 5);
}

TEST(DesignAdvances, ShortOrInconsistentTablesAreRefused) {
  EXPECT_FALSE(DesignAdvances::read("", hhea(1), hmtx({1})));
  EXPECT_FALSE(DesignAdvances::read(head(2048).substr(0, 19), hhea(1), hmtx({1})));
  EXPECT_FALSE(DesignAdvances::read(head(2048), hhea(1).substr(0, 35), hmtx({1})));
  EXPECT_FALSE(DesignAdvances::read(head(2048), hhea(0), hmtx({1})));
  EXPECT_FALSE(DesignAdvances::read(head(2048), hhea(3), hmtx({1, 2})));  // fewer entries than counted
  EXPECT_FALSE(DesignAdvances::read(head(2048), hhea(2), hmtx({1, 2}).substr(0, 7)));
  EXPECT_FALSE(DesignAdvances::read(head(0), hhea(1), hmtx({1})));
  EXPECT_FALSE(DesignAdvances::read(head(65535), hhea(1), hmtx({1})));
  EXPECT_TRUE(DesignAdvances::read(head(16), hhea(65535), std::string(4 * 65535, '\1')));
}

}  // namespace
}  // namespace tavra
