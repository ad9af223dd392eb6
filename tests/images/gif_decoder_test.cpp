#include "html/images/gif_decoder.h"

#include <gtest/gtest.h>

#include <random>

#include "html/images/gif_image.h"
#include "images/encoders.h"

namespace tavra {
namespace {

using test::encodeGif;
using test::GifFrameSpec;
using test::GifSpec;

std::vector<std::uint8_t> decodeCodes(int codeSize, std::vector<std::uint8_t> codes, int width, int height,
                                      bool interlaced = false) {
  std::vector<std::uint8_t> pixels(std::size_t(width * height), 0xEE);
  LzwDecoder decoder;
  EXPECT_TRUE(decoder.decode(codeSize, codes, {width, height, interlaced, pixels.data(), nullptr, 0}));
  return pixels;
}

TEST(LzwDecoder, CodeEqualToTheNextFreeCode) {
  // Code size 2: clear 4, end 5, first free 6, 3-bit codes. The codes 4, 1, 6, 5 mean:
  // clear, pixel 1, then 6 which is not yet in the table: "1" plus its own first
  // character, so 1 1 1 in all.
  std::vector<std::uint8_t> codes = {0x8C, 0x0B};  // 100 001 110 101, least significant first
  EXPECT_EQ(decodeCodes(2, codes, 3, 1), (std::vector<std::uint8_t>{1, 1, 1}));
}

TEST(LzwDecoder, CodeWidthGrowsWhenTheNextFreeCodeReachesTheLimit) {
  // Codes 4 0 1 2 at 3 bits; reading 2 makes the next free code 8, so 3 and the end code
  // 5 are read with 4 bits.
  std::vector<std::uint8_t> codes = {0x44, 0x34, 0x05};
  EXPECT_EQ(decodeCodes(2, codes, 4, 1), (std::vector<std::uint8_t>{0, 1, 2, 3}));
}

TEST(LzwDecoder, InterlacedRowsComeInFourPasses) {
  // The n-th row in the data holds the value n; rows land in the order
  // 0, 8, | 4, | 2, 6, | 1, 3, 5, 7, 9 for a ten-row frame.
  std::vector<std::uint8_t> stream;
  for (int n = 0; n < 10; ++n) stream.insert(stream.end(), 2, std::uint8_t(n));
  auto pixels = decodeCodes(4, test::lzwEncode(stream, 4), 2, 10, true);
  const int order[10] = {0, 8, 4, 2, 6, 1, 3, 5, 7, 9};
  for (int n = 0; n < 10; ++n) {
    EXPECT_EQ(pixels[std::size_t(order[n] * 2)], n) << "data row " << n;
    EXPECT_EQ(pixels[std::size_t(order[n] * 2 + 1)], n);
  }
}

TEST(LzwDecoder, DataThatEndEarlyLeaveTheRestAndBadCodeSizesFail) {
  std::vector<std::uint8_t> codes = {0x8C};  // clear, 1, and part of the next code
  auto pixels = decodeCodes(2, codes, 3, 1);
  EXPECT_EQ(pixels, (std::vector<std::uint8_t>{1, 0xEE, 0xEE}));
  std::vector<std::uint8_t> out(4);
  LzwDecoder decoder;
  EXPECT_FALSE(decoder.decode(12, codes, {2, 2, false, out.data(), nullptr, 0}));
  EXPECT_FALSE(decoder.decode(0, codes, {2, 2, false, out.data(), nullptr, 0}));
  EXPECT_TRUE(decoder.decode(11, codes, {2, 2, false, out.data(), nullptr, 0}));
}

std::vector<std::uint32_t> greys(int n) {
  std::vector<std::uint32_t> t;
  for (int i = 0; i < n; ++i) t.push_back(std::uint32_t(i) * 0x010101u);
  return t;
}

GifFrameSpec frameOf(int w, int h, std::vector<std::uint8_t> indices) {
  GifFrameSpec f;
  f.width = w, f.height = h, f.indices = std::move(indices);
  return f;
}

TEST(GifImage, RandomPicturesSurviveEveryCutIntoSubBlocks) {
  std::mt19937 random(7);
  for (int colours : {4, 256}) {
    // Large enough to fill the 4096-code table several times.
    const int w = 157, h = 93;
    std::vector<std::uint8_t> indices(std::size_t(w * h));
    for (auto& v : indices) v = std::uint8_t(random() % unsigned(colours) / (random() % 3 ? 1 : 2));
    for (int blockSize : {1, 2, 7, 255}) {
      GifSpec desc{.width = w, .height = h, .globalTable = greys(colours)};
      desc.frames.push_back(frameOf(w, h, indices));
      desc.frames[0].subBlockSize = blockSize;
      TGIFImage gif;
      ASSERT_TRUE(gif.LoadFromStream(encodeGif(desc)));
      ASSERT_EQ(gif.FrameCount(), 1);
      const Bitmap& b = gif.Frame(1).Bitmap;
      int wrong = 0;
      for (std::size_t i = 0; i < indices.size(); ++i) wrong += b.pixels[i] != indices[i] * 0x010101u;
      EXPECT_EQ(wrong, 0) << colours << " colours, blocks of " << blockSize;
    }
  }
}

TEST(GifImage, InterlacedFrameDecodesToNaturalRowOrder) {
  const int w = 3, h = 19;
  std::vector<std::uint8_t> indices;
  for (int y = 0; y < h; ++y) indices.insert(indices.end(), w, std::uint8_t(y));
  GifSpec desc{.width = w, .height = h, .globalTable = greys(32)};
  desc.frames.push_back(frameOf(w, h, indices));
  desc.frames[0].interlaced = true;
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(desc)));
  EXPECT_TRUE(gif.Frame(1).Interlaced);
  for (int y = 0; y < h; ++y) EXPECT_EQ(gif.ImageDC().at(1, y), std::uint32_t(y) * 0x010101u) << y;
}

TEST(GifImage, LocalTableOverridesGlobalAndTransparencyMakesAMask) {
  GifSpec desc{.width = 2, .height = 2, .globalTable = {0xFF0000, 0x00FF00}};
  desc.frames.push_back(frameOf(2, 2, {0, 1, 1, 0}));
  GifFrameSpec second = frameOf(2, 2, {0, 1, 2, 3});
  second.localTable = {0x112233, 0x445566, 0x778899, 0xAABBCC};
  second.control = true;
  second.transparent = true;
  second.transparentIndex = 2;
  second.comment = "made by hand";
  desc.frames.push_back(second);
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(desc)));
  ASSERT_EQ(gif.FrameCount(), 2);
  EXPECT_TRUE(gif.Animated());
  EXPECT_EQ(gif.Frame(1).Bitmap.pixels, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x00FF00, 0xFF0000}));
  const TFrame& f = gif.Frame(2);
  EXPECT_TRUE(f.HasLocalTable);
  EXPECT_EQ(f.BitsPerPixel, 2);
  EXPECT_EQ(gif.BitsPerPixel(), 2);
  EXPECT_TRUE(f.HasTransparency);
  EXPECT_EQ(f.TransparentColour, 0x778899u);
  EXPECT_EQ(f.Bitmap.pixels, (std::vector<std::uint32_t>{0x112233, 0x445566, 0, 0xAABBCC}));
  EXPECT_EQ(f.MaskBitmap.bits, (std::vector<std::uint8_t>{0, 0, 1, 0}));
  EXPECT_EQ(f.Comment, "made by hand");
  EXPECT_EQ(gif.Frame(1).Comment, "");
  EXPECT_TRUE(gif.AnyTransparent());
}

TEST(GifImage, LoopCountDelayAndDisposalFromTheExtensions) {
  GifSpec desc{.width = 1, .height = 1, .globalTable = greys(2)};
  for (int d = 0; d < 8; ++d) {
    GifFrameSpec f = frameOf(1, 1, {1});
    f.control = true, f.disposal = d, f.delay = d * 7;
    desc.frames.push_back(f);
  }
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(desc)));
  EXPECT_EQ(gif.RepeatLimit(), 1);  // no looping block
  const int expected[8] = {0, 1, 2, 3, 2, 2, 2, 2};
  for (int d = 0; d < 8; ++d) {
    EXPECT_EQ(gif.Frame(d + 1).Disposal, expected[d]) << d;
    EXPECT_EQ(gif.Frame(d + 1).Delay, d * 70);
  }
  for (int loops : {0, 3}) {
    desc.loopCount = loops;
    ASSERT_TRUE(gif.LoadFromStream(encodeGif(desc)));
    EXPECT_EQ(gif.RepeatLimit(), loops);
  }
}

TEST(GifImage, CodeSizeAboveElevenFailsThatFrameOnly) {
  GifSpec desc{.width = 2, .height = 1, .globalTable = greys(4)};
  desc.frames.push_back(frameOf(2, 1, {1, 2}));
  desc.frames.push_back(frameOf(2, 1, {3, 3}));
  desc.frames.push_back(frameOf(2, 1, {0, 0}));
  desc.frames[1].codeSize = 12;
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(desc)));
  EXPECT_EQ(gif.FrameCount(), 1);
  EXPECT_FALSE(gif.Animated());
  EXPECT_EQ(gif.ImageDC().pixels, (std::vector<std::uint32_t>{0x010101, 0x020202}));
  // Scanning sees the same structure.
  TGIFImage scanned;
  ASSERT_TRUE(scanned.ScanStream(encodeGif(desc)));
  EXPECT_EQ(scanned.FrameCount(), 1);
  EXPECT_TRUE(scanned.ImageDC().empty());
}

TEST(GifImage, TruncatedDataKeepEarlierFrames) {
  GifSpec desc{.width = 8, .height = 8, .globalTable = greys(4)};
  desc.frames.push_back(frameOf(8, 8, std::vector<std::uint8_t>(64, 1)));
  std::vector<std::uint8_t> second(64);
  for (int i = 0; i < 64; ++i) second[std::size_t(i)] = std::uint8_t(i % 4);
  desc.frames.push_back(frameOf(8, 8, second));
  std::string full = encodeGif(desc);
  std::string oneFrame = encodeGif({.width = 8, .height = 8, .globalTable = greys(4), .frames = {desc.frames[0]},
                                    .trailer = false});

  TGIFImage gif;
  // Cut a few bytes into the second frame's pixel data.
  ASSERT_TRUE(gif.LoadFromStream(full.substr(0, oneFrame.size() + 14)));
  EXPECT_EQ(gif.FrameCount(), 2);
  EXPECT_EQ(gif.Frame(1).Bitmap.pixels, std::vector<std::uint32_t>(64, 0x010101));
  // Cut inside the second frame's descriptor.
  ASSERT_TRUE(gif.LoadFromStream(full.substr(0, oneFrame.size() + 5)));
  EXPECT_EQ(gif.FrameCount(), 1);
  // Cut before any frame: a picture without frames, which draws nothing.
  ASSERT_TRUE(gif.LoadFromStream(full.substr(0, 13 + 12)));
  EXPECT_EQ(gif.FrameCount(), 0);
  EXPECT_EQ(gif.FirstFrameBitmap(), nullptr);
  // Not a GIF at all.
  EXPECT_FALSE(gif.LoadFromStream("GI"));
  EXPECT_FALSE(gif.LoadFromStream("BM" + full.substr(2)));
  EXPECT_TRUE(gif.NoData());
}

TEST(GifImage, PicturesPastThePixelBudgetFail) {
  GifSpec wide{.width = 20000, .height = 1, .globalTable = greys(2)};
  wide.frames.push_back(frameOf(1, 1, {1}));
  TGIFImage gif;
  EXPECT_FALSE(gif.LoadFromStream(encodeGif(wide)));
  EXPECT_FALSE(gif.ScanStream(encodeGif(wide)));
  // A frame claiming 9000 x 9000 pixels with hardly any data.
  GifSpec big{.width = 1, .height = 1, .globalTable = greys(2)};
  big.frames.push_back(frameOf(9000, 9000, {1}));
  EXPECT_FALSE(gif.LoadFromStream(encodeGif(big)));
  // Many frames that together pass the budget.
  GifSpec many{.width = 4000, .height = 4000, .globalTable = greys(2)};
  for (int i = 0; i < 5; ++i) many.frames.push_back(frameOf(4000, 4000, {1}));
  EXPECT_FALSE(gif.ScanStream(encodeGif(many)));
}

TEST(GifImage, APictureIsNoLargerThanItsDataCanFill) {
  // 8000 x 8000 from a few dozen bytes would take 256 MB before a pixel was read.
  GifSpec screen{.width = 8000, .height = 8000, .globalTable = greys(2)};
  screen.frames.push_back(frameOf(1, 1, {1}));
  TGIFImage gif;
  EXPECT_FALSE(gif.ScanStream(encodeGif(screen)));
  GifSpec frame{.width = 1, .height = 1, .globalTable = greys(2)};
  frame.frames.push_back(frameOf(8000, 8000, {1}));
  EXPECT_FALSE(gif.ScanStream(encodeGif(frame)));
  // A header alone, with no frame at all.
  EXPECT_FALSE(gif.ScanStream(encodeGif(screen).substr(0, 13)));
  // A logical screen of a megapixel around a small frame still shows.
  GifSpec small{.width = 1000, .height = 1000, .globalTable = greys(2)};
  small.frames.push_back(frameOf(1, 1, {1}));
  EXPECT_TRUE(gif.ScanStream(encodeGif(small)));
}

TEST(GifImage, AtMost256FramesAndTheScreenCoversEveryFrame) {
  GifSpec desc{.width = 2, .height = 2, .globalTable = greys(2)};
  for (int i = 0; i < 300; ++i) desc.frames.push_back(frameOf(1, 1, {1}));
  desc.frames[5].left = 6, desc.frames[5].top = 3;
  TGIFImage gif;
  ASSERT_TRUE(gif.ScanStream(encodeGif(desc)));
  EXPECT_EQ(gif.FrameCount(), 256);
  EXPECT_EQ(gif.Width(), 7);
  EXPECT_EQ(gif.Height(), 4);
}

}  // namespace
}  // namespace tavra
