#include "html/images/bmp_reader.h"

#include <gtest/gtest.h>

#include "images/encoders.h"

namespace tavra {
namespace {

using test::BmpSpec;
using test::packRows;
using test::writeBmp;
using Rows = std::vector<std::vector<std::uint32_t>>;

// Rows are given top to bottom; a bottom-up file stores them the other way round.
Rows bottomUp(Rows rows) { return Rows(rows.rbegin(), rows.rend()); }

void expectPixels(const std::optional<Bitmap>& b, const Rows& top) {
  ASSERT_TRUE(b.has_value());
  ASSERT_EQ(b->height, int(top.size()));
  ASSERT_EQ(b->width, int(top[0].size()));
  for (int y = 0; y < b->height; ++y)
    for (int x = 0; x < b->width; ++x) EXPECT_EQ(b->at(x, y), top[std::size_t(y)][std::size_t(x)]) << x << "," << y;
}

const std::vector<std::uint32_t> kPalette16 = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                               0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

TEST(BmpReader, PaletteDepthsBottomUpWithRowPadding) {
  // Width 5 leaves padding in every row at every depth.
  Rows indices4 = {{1, 2, 3, 4, 5}, {15, 14, 13, 12, 11}, {0, 7, 0, 7, 9}};
  Rows indices1 = {{1, 0, 1, 1, 0}, {0, 0, 0, 0, 1}, {1, 1, 1, 1, 1}};
  for (int bits : {4, 8}) {
    std::vector<std::uint32_t> palette = kPalette16;
    if (bits == 8) palette.resize(256, 0x123456);
    auto bmp = readBmp(writeBmp({.width = 5, .height = 3, .bits = bits, .palette = palette,
                                 .body = packRows(bottomUp(indices4), bits)}));
    Rows expected = indices4;
    for (auto& row : expected)
      for (auto& v : row) v = kPalette16[v];
    SCOPED_TRACE(bits);
    expectPixels(bmp, expected);
  }
  auto mono = readBmp(writeBmp({.width = 5, .height = 3, .bits = 1, .palette = {0x102030, 0xA0B0C0},
                                .body = packRows(bottomUp(indices1), 1)}));
  Rows expected = indices1;
  for (auto& row : expected)
    for (auto& v : row) v = v ? 0xA0B0C0 : 0x102030;
  expectPixels(mono, expected);
}

TEST(BmpReader, DirectColourDepthsAndTopDown) {
  Rows rgb = {{0xFF0000, 0x00FF00, 0x0000FF}, {0x123456, 0xFFFFFF, 0x000000}};
  expectPixels(readBmp(writeBmp({.width = 3, .height = 2, .bits = 24, .body = packRows(bottomUp(rgb), 24)})), rgb);
  expectPixels(readBmp(writeBmp({.width = 3, .height = -2, .bits = 24, .body = packRows(rgb, 24)})), rgb);
  expectPixels(readBmp(writeBmp({.width = 3, .height = 2, .bits = 32, .body = packRows(bottomUp(rgb), 32)})), rgb);

  // 16 bits without masks are 5-5-5; each channel scales 0..31 to 0..255.
  Rows words = {{0x7C00, 0x03E0, 0x001F}, {0x0421, 0x7FFF, 0x0000}};
  auto scale = [](std::uint32_t v) { return v * 255 / 31; };
  Rows expected = {{0xFF0000, 0x00FF00, 0x0000FF}, {scale(1) << 16 | scale(1) << 8 | scale(1), 0xFFFFFF, 0}};
  expectPixels(readBmp(writeBmp({.width = 3, .height = 2, .bits = 16, .body = packRows(bottomUp(words), 16)})),
               expected);
}

TEST(BmpReader, BitFieldsAfterOrInsideTheHeader) {
  // 5-6-5 masks after a 40-byte header.
  Rows words = {{0xF800, 0x07E0, 0x001F, 0xFFFF}};
  Rows expected = {{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}};
  expectPixels(readBmp(writeBmp({.width = 4, .height = 1, .bits = 16, .compression = 3,
                                 .masks = {0xF800, 0x07E0, 0x001F}, .body = packRows(words, 16)})),
               expected);
  // Blue-green-red order in a 108-byte header, 32 bits; a 10-bit channel keeps its top 8.
  Rows values = {{0x000000FF, 0x0000FF00, 0x3FF00000}};
  Rows expected32 = {{0xFF0000, 0x00FF00, 0x0000FF}};
  expectPixels(readBmp(writeBmp({.infoSize = 108, .width = 3, .height = 1, .bits = 32, .compression = 3,
                                 .masks = {0x000000FF, 0x0000FF00, 0x3FF00000}, .body = packRows(values, 32)})),
               expected32);
}

TEST(BmpReader, OldCoreHeaderWithThreeBytePalette) {
  Rows indices = {{0, 1}, {1, 0}};
  auto bmp = readBmp(writeBmp({.infoSize = 12, .width = 2, .height = 2, .bits = 1, .palette = {0x00FF00, 0x0000FF},
                               .body = packRows(bottomUp(indices), 1)}));
  expectPixels(bmp, {{0x00FF00, 0x0000FF}, {0x0000FF, 0x00FF00}});
}

TEST(BmpReader, RunLengthEightBits) {
  std::vector<std::uint32_t> palette(256, 0);
  for (std::uint32_t i = 0; i < 256; ++i) palette[i] = i * 0x010101;
  // Bottom row: a run of 3 of colour 9 and a literal 1,2,3 (padded); end of line.
  // Next row: delta 2 right, run of 2 of colour 7; end of line. Top row: run 6 of 5; end.
  std::string rle = std::string("\x03\x09", 2) + std::string("\x00\x03\x01\x02\x03\x00", 6) +
                    std::string("\x00\x00", 2) + std::string("\x00\x02\x02\x00", 4) + std::string("\x02\x07", 2) +
                    std::string("\x00\x00", 2) + std::string("\x06\x05", 2) + std::string("\x00\x01", 2);
  auto bmp = readBmp(writeBmp({.width = 6, .height = 3, .bits = 8, .compression = 1, .palette = palette, .body = rle}));
  auto g = [](std::uint32_t v) { return v * 0x010101; };
  expectPixels(bmp, {{g(5), g(5), g(5), g(5), g(5), g(5)},
                     {0, 0, g(7), g(7), 0, 0},
                     {g(9), g(9), g(9), g(1), g(2), g(3)}});

  // Data that stop early leave the rest black.
  auto cut = readBmp(writeBmp({.width = 6, .height = 3, .bits = 8, .compression = 1, .palette = palette,
                               .body = rle.substr(0, 2)}));
  expectPixels(cut, {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {g(9), g(9), g(9), 0, 0, 0}});
}

TEST(BmpReader, RunLengthFourBits) {
  // A run of 5 alternating colours 1 and 2, then a literal of 3 nibbles 4,5,6 (2 bytes,
  // padded to 4 with the escape), end of picture.
  std::string rle = std::string("\x05\x12", 2) + std::string("\x00\x03\x45\x60", 4) + std::string("\x00\x01", 2);
  auto bmp = readBmp(writeBmp({.width = 8, .height = 1, .bits = 4, .compression = 2, .palette = kPalette16, .body = rle}));
  const auto& p = kPalette16;
  expectPixels(bmp, {{p[1], p[2], p[1], p[2], p[1], p[4], p[5], p[6]}});
}

TEST(BmpReader, BadHeadersAndShortData) {
  Rows rgb = {{0xFF0000, 0x00FF00}};
  std::string good = writeBmp({.width = 2, .height = 1, .bits = 24, .body = packRows(rgb, 24)});
  ASSERT_TRUE(readBmp(good));
  // Pixel rows the file does not hold.
  EXPECT_FALSE(readBmp(good.substr(0, good.size() - 1)));
  // Cut inside the headers.
  EXPECT_FALSE(readBmp(good.substr(0, 20)));
  EXPECT_FALSE(readBmp(""));
  EXPECT_FALSE(readBmp("BM"));
  // A pixel offset past the end of the file.
  EXPECT_FALSE(readBmp(writeBmp({.width = 2, .height = 1, .bits = 24, .body = packRows(rgb, 24), .offBitsAdjust = 100})));
  // Depths and compressions that do not go together.
  EXPECT_FALSE(readBmp(writeBmp({.width = 2, .height = 1, .bits = 7, .body = std::string(8, '\0')})));
  EXPECT_FALSE(readBmp(writeBmp({.width = 2, .height = 1, .bits = 24, .compression = 1, .body = std::string(8, '\0')})));
  EXPECT_FALSE(readBmp(writeBmp({.width = 2, .height = 1, .bits = 24, .compression = 4, .body = std::string(8, '\0')})));
  // Sizes that are empty, negative in width, or past the budget claim no memory.
  EXPECT_FALSE(readBmp(writeBmp({.width = 0, .height = 1, .bits = 24, .body = std::string(8, '\0')})));
  EXPECT_FALSE(readBmp(writeBmp({.width = -2, .height = 1, .bits = 24, .body = std::string(8, '\0')})));
  EXPECT_FALSE(readBmp(writeBmp({.width = 20000, .height = 1, .bits = 24, .body = std::string(8, '\0')})));
  EXPECT_FALSE(readBmp(writeBmp({.width = 10000, .height = 10000, .bits = 1, .compression = 0, .palette = {0, 1},
                                 .body = std::string(8, '\0')})));
  EXPECT_FALSE(readBmp(writeBmp({.width = 2, .height = INT32_MIN, .bits = 24, .body = std::string(8, '\0')})));
  // A palette that the file cuts short.
  std::string cutPalette = writeBmp({.width = 1, .height = 1, .bits = 8, .palette = std::vector<std::uint32_t>(256, 0)});
  EXPECT_FALSE(readBmp(cutPalette.substr(0, 14 + 40 + 100)));
}

TEST(BmpReader, AlphaOf32BitPixelsWhenItSaysSomething) {
  // The top byte of plain 32-bit pixels, rows stored bottom-up.
  Rows argb = {{0xFFFF0000, 0x8000FF00}, {0x000000FF, 0x40123456}};
  auto plain = readBmp(writeBmp({.width = 2, .height = 2, .bits = 32, .body = packRows(bottomUp(argb), 32)}));
  expectPixels(plain, {{0xFF0000, 0x00FF00}, {0x0000FF, 0x123456}});
  EXPECT_EQ(plain->alpha, (std::vector<std::uint8_t>{0xFF, 0x80, 0x00, 0x40}));
  // A 124-byte header's alpha mask, here the low byte, and a 40-byte header whose
  // compression names four masks after it.
  Rows rgba = {{0xFF0000FF, 0x00FF0080}};
  for (int infoSize : {124, 40}) {
    auto masked = readBmp(writeBmp({.infoSize = infoSize, .width = 2, .height = 1, .bits = 32,
                                    .compression = infoSize == 40 ? 6u : 3u,
                                    .masks = {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF},
                                    .body = packRows(rgba, 32)}));
    expectPixels(masked, {{0xFF0000, 0x00FF00}});
    EXPECT_EQ(masked->alpha, (std::vector<std::uint8_t>{0xFF, 0x80})) << infoSize;
  }
  // Alpha bits that are all zero, or all opaque, mean no transparency at all.
  for (std::uint32_t top : {0x00000000u, 0xFF000000u}) {
    Rows rows = {{top | 0x102030, top | 0x405060}};
    auto opaque = readBmp(writeBmp({.width = 2, .height = 1, .bits = 32, .body = packRows(rows, 32)}));
    expectPixels(opaque, {{0x102030, 0x405060}});
    EXPECT_FALSE(opaque->hasAlpha());
  }
}

TEST(BmpReader, IndexBeyondAShortPaletteIsBlack) {
  Rows indices = {{0, 1, 200}};
  auto bmp = readBmp(writeBmp({.width = 3, .height = 1, .bits = 8, .palette = {0x111111, 0x222222},
                               .coloursUsed = 2, .body = packRows(indices, 8)}));
  expectPixels(bmp, {{0x111111, 0x222222, 0}});
}

}  // namespace
}  // namespace tavra
