#include "html/images/jpeg_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "html/images/display_palette.h"
#include "images/encoders.h"

namespace tavra {
namespace {

constexpr std::uint32_t kQuadrants[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

// 16 x 16 in four solid 8 x 8 quadrants, so that every block is flat and decodes close
// to its colour.
std::vector<std::uint32_t> quadrants() {
  std::vector<std::uint32_t> p(256);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) p[std::size_t(y * 16 + x)] = kQuadrants[(y / 8) * 2 + x / 8];
  return p;
}

bool near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
  return true;
}

TEST(JpegReader, ColourPictureIn24Bits) {
  std::string data = test::encodeJpeg(16, 16, quadrants(), false);
  auto info = readJpegInfo(data);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->width, 16);
  EXPECT_EQ(info->height, 16);
  EXPECT_FALSE(info->greyscale);
  auto b = decodeJpeg(data);
  ASSERT_TRUE(b);
  ASSERT_EQ(b->width, 16);
  for (int q = 0; q < 4; ++q) {
    std::uint32_t px = b->at((q % 2) * 8 + 4, (q / 2) * 8 + 4);
    EXPECT_TRUE(near(px, kQuadrants[q], 12)) << std::hex << px;
  }
}

TEST(JpegReader, GreyscalePictureKeepsItsLevelsInBothOutputs) {
  std::vector<std::uint32_t> levels(64);
  for (int i = 0; i < 64; ++i) levels[std::size_t(i)] = i < 32 ? 40 : 200;
  std::string data = test::encodeJpeg(8, 8, levels, true);
  auto info = readJpegInfo(data);
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->greyscale);
  PaletteTable palette = BuildDisplayPalette();
  for (auto format : {JpegPixelFormat::Bits24, JpegPixelFormat::Bits8}) {
    auto b = decodeJpeg(data, {format, &palette});
    ASSERT_TRUE(b);
    for (std::uint32_t px : b->pixels) EXPECT_EQ(px, (px & 0xFF) * 0x010101u);
    EXPECT_TRUE(near(b->at(3, 1), 40 * 0x010101u, 6));
    EXPECT_TRUE(near(b->at(3, 6), 200 * 0x010101u, 6));
  }
}

TEST(JpegReader, EightBitOutputUsesTheGivenPalette) {
  std::string data = test::encodeJpeg(16, 16, quadrants(), false);
  PaletteTable palette = BuildDisplayPalette();
  auto b = decodeJpeg(data, {JpegPixelFormat::Bits8, &palette});
  ASSERT_TRUE(b);
  std::set<std::uint32_t> allowed(palette.begin(), palette.end());
  for (std::uint32_t px : b->pixels) EXPECT_TRUE(allowed.count(px)) << std::hex << px;
  EXPECT_EQ(b->at(4, 4), 0xFF0000u);
  EXPECT_EQ(b->at(12, 12), 0xFFFFFFu);

  auto own = decodeJpeg(data, {JpegPixelFormat::Bits8, nullptr});
  ASSERT_TRUE(own);
  EXPECT_LE(std::set<std::uint32_t>(own->pixels.begin(), own->pixels.end()).size(), 256u);
}

TEST(JpegReader, DamagedDataGiveNoPictureWithoutEndingTheProgram) {
  std::string data = test::encodeJpeg(16, 16, quadrants(), false);
  EXPECT_FALSE(decodeJpeg(""));
  EXPECT_FALSE(decodeJpeg("\xFF\xD8"));
  EXPECT_FALSE(readJpegInfo(data.substr(0, 30)));
  EXPECT_FALSE(decodeJpeg(data.substr(0, 30)));
  std::string garbage = data.substr(0, 2) + std::string(200, '\x55');
  EXPECT_FALSE(decodeJpeg(garbage));
  // Cut inside the scan: the rows that are there, the rest filled by the library.
  auto cut = decodeJpeg(data.substr(0, data.size() - 40));
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->width, 16);
}

TEST(JpegReader, PictureClaimingMorePixelsThanTheBudgetIsRefused) {
  std::string data = test::encodeJpeg(16, 16, quadrants(), false);
  // The frame header (0xFFC0): length, precision, height, width, each big-endian.
  std::size_t sof = data.find("\xFF\xC0", 0, 2);
  ASSERT_NE(sof, std::string::npos);
  data[sof + 5] = char(0x4E), data[sof + 6] = char(0x20);  // height 20000
  data[sof + 7] = char(0x4E), data[sof + 8] = char(0x20);  // width 20000
  auto info = readJpegInfo(data);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->width, 20000);
  EXPECT_FALSE(decodeJpeg(data));
}

TEST(JpegReader, PictureLargerThanItsDataCanDescribeIsRefused) {
  std::string data = test::encodeJpeg(16, 16, quadrants(), false);
  std::size_t sof = data.find("\xFF\xC0", 0, 2);
  ASSERT_NE(sof, std::string::npos);
  // 8000 x 8000 is within the pixel budget, but a few hundred bytes cannot describe it.
  data[sof + 5] = char(0x1F), data[sof + 6] = char(0x40);
  data[sof + 7] = char(0x1F), data[sof + 8] = char(0x40);
  EXPECT_FALSE(decodeJpeg(data));
  // A megapixel is always allowed: a cut-off file shows what it has.
  data[sof + 5] = char(0x03), data[sof + 6] = char(0xE8);
  data[sof + 7] = char(0x03), data[sof + 8] = char(0xE8);
  EXPECT_TRUE(decodeJpeg(data));
}

}  // namespace
}  // namespace tavra
