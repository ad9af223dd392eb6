// Damaged pictures: every cut and many random changes of valid files must give a
// picture that is consistent in itself, or none; never a crash or a runaway allocation.

#include <gtest/gtest.h>
#include <png.h>

#include <random>

#include "html/images/byte_view.h"
#include "html/images/gif_image.h"
#include "images/encoders.h"
#include "html/images/bmp_reader.h"
#include "html/images/jpeg_reader.h"
#include "html/images/png_reader.h"

namespace tavra {
namespace {

void expectConsistent(const Bitmap& b) {
  EXPECT_TRUE(pictureSizeAllowed(b.width, b.height));
  EXPECT_EQ(b.pixels.size(), std::size_t(b.width) * std::size_t(b.height));
  EXPECT_TRUE(b.alpha.empty() || b.hasAlpha());
}

void expectConsistent(TGIFImage& gif) {
  EXPECT_LE(gif.FrameCount(), TGIFImage::kMaxFrames);
  for (int i = 1; i <= gif.FrameCount(); ++i) {
    const TFrame& f = gif.Frame(i);
    EXPECT_LE(f.Left + f.Width, gif.Width());
    EXPECT_LE(f.Top + f.Height, gif.Height());
    EXPECT_EQ(f.Bitmap.pixels.size(), std::size_t(f.Width) * std::size_t(f.Height));
  }
  // A picture without frames composes nothing.
  const std::size_t composed = gif.FrameCount() > 0 ? std::size_t(gif.Width()) * std::size_t(gif.Height()) : 0;
  EXPECT_EQ(gif.ImageDC().pixels.size(), composed);
  for (int i = 0; i < 3; ++i) gif.SetFrameIndex(gif.FrameIndex() + 1);
}

std::string sampleGif() {
  test::GifSpec desc{.width = 6, .height = 5, .globalTable = {0, 0xFF0000, 0x00FF00, 0x0000FF}, .loopCount = 2};
  std::vector<std::uint8_t> px(30);
  for (int i = 0; i < 30; ++i) px[std::size_t(i)] = std::uint8_t(i % 4);
  for (int disposal = 0; disposal < 4; ++disposal)
    desc.frames.push_back({.left = disposal, .top = 1, .width = 3, .height = 3, .indices = {px.begin(), px.begin() + 9},
                           .interlaced = disposal == 1, .control = true, .disposal = disposal,
                           .transparent = disposal % 2 == 0, .transparentIndex = 2, .comment = "c"});
  desc.frames.push_back({.width = 6, .height = 5, .indices = px, .localTable = {0x111111, 0x222222, 0x333333, 0x444444}});
  return test::encodeGif(desc);
}

std::string sampleBmp(int bits, std::uint32_t compression, const std::string& body) {
  std::vector<std::uint32_t> palette(std::size_t(1) << std::min(bits, 8), 0x808080);
  return test::writeBmp({.width = 7, .height = 3, .bits = bits, .compression = compression,
                         .palette = bits <= 8 ? palette : std::vector<std::uint32_t>{}, .body = body});
}

std::vector<std::string> sampleBmps() {
  std::vector<std::vector<std::uint32_t>> rows(3, std::vector<std::uint32_t>{1, 0, 1, 1, 0, 1, 0});
  std::vector<std::string> out;
  for (int bits : {1, 4, 8, 16, 24, 32}) out.push_back(sampleBmp(bits, 0, test::packRows(rows, bits)));
  out.push_back(sampleBmp(8, 1, std::string("\x05\x01\x00\x03\x01\x02\x03\x00\x00\x02\x01\x01\x00\x00\x00\x01", 16)));
  out.push_back(sampleBmp(4, 2, std::string("\x05\x12\x00\x03\x45\x60\x00\x00\x00\x01", 10)));
  return out;
}

// An interlaced palette picture with transparency and a 16-bit one with an alpha channel.
std::vector<std::string> samplePngs() {
  std::vector<std::uint16_t> indices(9 * 7), rgba16(5 * 3 * 4);
  for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = std::uint16_t(i % 3);
  for (std::size_t i = 0; i < rgba16.size(); ++i) rgba16[i] = std::uint16_t(i * 4099);
  return {test::encodePng({.width = 9, .height = 7, .colourType = PNG_COLOR_TYPE_PALETTE, .interlaced = true,
                           .samples = indices, .palette = {0xFF0000, 0x00FF00, 0x0000FF}, .paletteAlpha = {0, 200}}),
          test::encodePng({.width = 5, .height = 3, .colourType = PNG_COLOR_TYPE_RGB_ALPHA, .bitDepth = 16,
                           .samples = rgba16})};
}

TEST(DamagedPictures, EveryCutOfAGifABmpAndAPng) {
  std::string gif = sampleGif();
  for (std::size_t n = 0; n <= gif.size(); ++n) {
    TGIFImage image;
    if (image.LoadFromStream(gif.substr(0, n))) expectConsistent(image);
  }
  for (const std::string& bmp : sampleBmps())
    for (std::size_t n = 0; n <= bmp.size(); ++n)
      if (auto b = readBmp(bmp.substr(0, n))) expectConsistent(*b);
  for (const std::string& png : samplePngs())
    for (std::size_t n = 0; n <= png.size(); ++n)
      if (auto b = decodePng(png.substr(0, n))) expectConsistent(*b);
}

TEST(DamagedPictures, RandomlyChangedBytes) {
  std::mt19937 random(2024);
  auto mutate = [&](std::string s) {
    int changes = 1 + int(random() % 6);
    for (int i = 0; i < changes; ++i) s[random() % s.size()] = char(random() & 0xFF);
    return s;
  };
  std::string gif = sampleGif();
  std::vector<std::string> bmps = sampleBmps();
  std::vector<std::string> pngs = samplePngs();
  std::vector<std::uint32_t> pixels(256);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint32_t(i * 0x010203u);
  std::string jpeg = test::encodeJpeg(16, 16, pixels, false);
  for (int round = 0; round < 400; ++round) {
    TGIFImage image;
    if (image.LoadFromStream(mutate(gif))) expectConsistent(image);
    if (auto b = readBmp(mutate(bmps[std::size_t(round) % bmps.size()]))) expectConsistent(*b);
    if (auto b = decodeJpeg(mutate(jpeg))) expectConsistent(*b);
    if (auto b = decodePng(mutate(pngs[std::size_t(round) % pngs.size()]))) expectConsistent(*b);
  }
}

}  // namespace
}  // namespace tavra

namespace tavra {
namespace {

TEST(ByteView, ReadsLittleEndianAndNothingBeyondTheData) {
  const std::string bytes("\x01\x02\x03\x04\x05", 5);
  ByteView view(bytes);
  EXPECT_EQ(view.u16(0), 0x0201);
  EXPECT_EQ(view.u32(1), 0x05040302u);
  // Past the end every byte reads as 0, also from an offset far beyond it.
  EXPECT_EQ(view.u32(3), 0x00000504u);
  EXPECT_EQ(view.u8(5), 0);
  EXPECT_EQ(view.u16(std::size_t(-1)), 0);
  EXPECT_TRUE(view.has(1, 4));
  EXPECT_FALSE(view.has(2, 4));
  EXPECT_FALSE(view.has(std::size_t(-1), 2));
}

}  // namespace
}  // namespace tavra
