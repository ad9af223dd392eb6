#include "html/images/png_reader.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cmath>

#include "images/encoders.h"
#include "platform/fixed_canvas.h"

namespace tavra {
namespace {

using test::PngSpec;

constexpr std::uint32_t kPage = 0x3080C0;  // the coloured page the pictures are drawn over

// Samples that reach both ends of their range and many values between, alpha included.
std::vector<std::uint16_t> pattern(const PngSpec& d, unsigned limit) {
  const std::size_t pixels = std::size_t(d.width) * std::size_t(d.height);
  std::vector<std::uint16_t> out(pixels * std::size_t(test::pngChannels(d.colourType)));
  const unsigned top = d.bitDepth == 16 ? 255 : (1u << d.bitDepth) - 1;
  for (std::size_t i = 0; i < out.size(); ++i) {
    unsigned v = (i * 37 + i / 5) % (std::min(top, limit) + 1);
    if (i % 11 == 0) v = std::min(top, limit);
    // 16-bit samples are whole multiples of 257, so that 8 bits hold them exactly.
    out[i] = std::uint16_t(d.bitDepth == 16 ? v * 257 : v);
  }
  return out;
}

PngSpec described(PngSpec d) {
  d.samples = pattern(d, d.colourType == PNG_COLOR_TYPE_PALETTE ? unsigned(d.palette.size()) - 1 : 0xFFFF);
  return d;
}

struct Expected {
  std::uint32_t rgb;
  unsigned alpha;
};

// What the pixel of the description is: samples scaled to 8 bits, with its transparency.
Expected expectedPixel(const PngSpec& d, int x, int y) {
  const int n = test::pngChannels(d.colourType);
  const std::size_t at = (std::size_t(y) * std::size_t(d.width) + std::size_t(x)) * std::size_t(n);
  auto eight = [&](int k) {
    unsigned v = d.samples[at + std::size_t(k)];
    return d.bitDepth == 16 ? v / 257 : v * 255 / ((1u << d.bitDepth) - 1);
  };
  if (d.colourType == PNG_COLOR_TYPE_PALETTE) {
    unsigned i = d.samples[at];
    return {d.palette[i], i < d.paletteAlpha.size() ? d.paletteAlpha[i] : 255u};
  }
  const bool colour = n >= 3;
  const std::uint32_t rgb = colour ? (eight(0) << 16 | eight(1) << 8 | eight(2)) : eight(0) * 0x010101u;
  if (n == 2 || n == 4) return {rgb, eight(n - 1)};
  bool keyed = !d.transparentColour.empty();
  for (std::size_t k = 0; k < d.transparentColour.size(); ++k)
    keyed = keyed && d.samples[at + k] == d.transparentColour[k];
  return {rgb, keyed ? 0u : 255u};
}

std::uint32_t over(std::uint32_t rgb, unsigned alpha, std::uint32_t page) {
  std::uint32_t out = 0;
  for (int shift : {16, 8, 0}) {
    double s = (rgb >> shift) & 0xFF, p = (page >> shift) & 0xFF;
    out |= std::uint32_t(std::lround((s * alpha + p * (255 - alpha)) / 255.0)) << shift;
  }
  return out;
}

// Draws the picture at (2, 2) over the page and compares every pixel, the page's border too.
void expectDrawnOverThePage(const PngSpec& d, const Bitmap& picture) {
  FixedCanvas canvas(d.width + 4, d.height + 4, colorRefFromRgb(kPage));
  canvas.drawBitmap(2, 2, picture);
  for (int y = 0; y < d.height + 4; ++y)
    for (int x = 0; x < d.width + 4; ++x) {
      bool inside = x >= 2 && y >= 2 && x < d.width + 2 && y < d.height + 2;
      Expected e = inside ? expectedPixel(d, x - 2, y - 2) : Expected{kPage, 0};
      ASSERT_EQ(canvas.image().at(x, y), over(e.rgb, e.alpha, kPage)) << x << "," << y;
    }
}

TEST(PngReader, EveryColourTypeAndDepthBlendsOverTheColouredPage) {
  const std::vector<std::uint32_t> palette = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000};
  const std::vector<PngSpec> cases = {
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_GRAY},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 2, .transparentColour = {1}},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 16},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_GRAY_ALPHA},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_GRAY_ALPHA, .bitDepth = 16, .interlaced = true},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_PALETTE, .palette = palette,
       .paletteAlpha = {0, 128, 255, 7}},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_PALETTE, .bitDepth = 4, .interlaced = true,
       .palette = palette},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_RGB, .transparentColour = {92, 129, 166}},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_RGB, .bitDepth = 16, .interlaced = true},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_RGB_ALPHA},
      {.width = 13, .height = 9, .colourType = PNG_COLOR_TYPE_RGB_ALPHA, .bitDepth = 16},
      {.width = 1, .height = 1, .colourType = PNG_COLOR_TYPE_RGB_ALPHA, .interlaced = true},
  };
  for (const PngSpec& c : cases) {
    SCOPED_TRACE(testing::Message() << "colour type " << c.colourType << ", " << c.bitDepth << " bits"
                                    << (c.interlaced ? ", interlaced" : ""));
    const PngSpec d = described(c);
    auto picture = decodePng(test::encodePng(d));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->width, d.width);
    ASSERT_EQ(picture->height, d.height);
    expectDrawnOverThePage(d, *picture);
    // The alpha plane is there exactly when some pixel is not opaque.
    bool seeThrough = false;
    for (int y = 0; y < d.height; ++y)
      for (int x = 0; x < d.width; ++x) seeThrough = seeThrough || expectedPixel(d, x, y).alpha < 255;
    EXPECT_EQ(picture->hasAlpha(), seeThrough);
  }
}

TEST(PngReader, ACutFileKeepsTheRowsItHoldsAndTheRestShowsThePage) {
  PngSpec d = described({.width = 64, .height = 64, .colourType = PNG_COLOR_TYPE_RGB, .compressionLevel = 0,
                         .chunkBytes = 1024});
  const std::string png = test::encodePng(d);
  auto picture = decodePng(png.substr(0, png.size() * 3 / 4));
  ASSERT_TRUE(picture);
  ASSERT_TRUE(picture->hasAlpha());
  for (int x = 0; x < d.width; ++x) {
    for (int y = 0; y < 32; ++y) {
      ASSERT_EQ(picture->at(x, y), expectedPixel(d, x, y).rgb) << x << "," << y;
      ASSERT_EQ(picture->alpha[std::size_t(y) * 64 + std::size_t(x)], 255) << x << "," << y;
    }
    ASSERT_EQ(picture->alpha[63 * 64 + std::size_t(x)], 0) << x;
  }
  // Cut before the first row, inside the header, or not a PNG at all.
  EXPECT_FALSE(decodePng(png.substr(0, 60)));
  EXPECT_FALSE(decodePng(png.substr(0, 20)));
  EXPECT_FALSE(decodePng(""));
  EXPECT_FALSE(decodePng("\x89PNG\r\n\x1A\n"));
  EXPECT_FALSE(decodePng(std::string("GIF89a") + png.substr(6)));
}

// The file with another size written into its header, the header's checksum made right.
std::string withSize(std::string png, std::uint32_t width, std::uint32_t height) {
  for (int i = 0; i < 4; ++i) {
    png[std::size_t(16 + i)] = char(width >> (24 - 8 * i));
    png[std::size_t(20 + i)] = char(height >> (24 - 8 * i));
  }
  const auto crc = std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17));
  for (int i = 0; i < 4; ++i) png[std::size_t(29 + i)] = char(crc >> (24 - 8 * i));
  return png;
}

TEST(PngReader, HostileSizesAreRefusedBeforeAnythingIsAllocated) {
  const std::string png = test::encodePng(described({.width = 2, .height = 2, .colourType = PNG_COLOR_TYPE_GRAY}));
  ASSERT_TRUE(decodePng(withSize(png, 2, 2)));
  EXPECT_FALSE(decodePng(withSize(png, kMaxPictureSide + 1, 1)));
  EXPECT_FALSE(decodePng(withSize(png, 1, kMaxPictureSide + 1)));
  EXPECT_FALSE(decodePng(withSize(png, kMaxPictureSide, kMaxPictureSide)));  // past the picture budget
  EXPECT_FALSE(decodePng(withSize(png, 8000, 8000)));                        // more than the data can fill
}

}  // namespace
}  // namespace tavra
