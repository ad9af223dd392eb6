#include <gtest/gtest.h>

#include "html/images/gif_image.h"
#include "images/encoders.h"
#include "platform/fixed_canvas.h"

namespace tavra {
namespace {

using test::encodeGif;
using test::GifFrameSpec;
using test::GifSpec;

constexpr std::uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF;

GifFrameSpec frame(int left, int w, std::vector<std::uint8_t> indices, int disposal = 0, bool transparent = false,
                   int delay = 0) {
  GifFrameSpec f;
  f.left = left, f.width = w, f.height = 1, f.indices = std::move(indices);
  f.control = true, f.disposal = disposal, f.transparent = transparent, f.transparentIndex = 3, f.delay = delay;
  return f;
}

// Frame 1 paints the row red; frame 2 puts green and a transparent pixel at 1..2;
// frame 3 is one transparent pixel at 2. What frame 3 shows depends on how frame 2 goes.
GifSpec threeFrames(int secondDisposal) {
  return {.width = 4, .height = 1, .globalTable = {0, R, G, B},
          .frames = {frame(0, 4, {1, 1, 1, 1}), frame(1, 2, {2, 3}, secondDisposal, true), frame(2, 1, {3}, 0, true)}};
}

TEST(GifAnimation, DisposalDecidesWhatTheNextFrameIsComposedOver) {
  struct Case {
    int disposal;
    std::vector<std::uint32_t> image;
    std::vector<std::uint8_t> mask;
  };
  const Case cases[] = {
      {0, {R, G, R, R}, {0, 0, 0, 0}},  // none: frame 2 stays
      {1, {R, G, R, R}, {0, 0, 0, 0}},  // leave
      {2, {R, 0, 0, R}, {0, 1, 1, 0}},  // background: the area becomes transparent
      {3, {R, R, R, R}, {0, 0, 0, 0}},  // previous: what lay under frame 2 returns
      {6, {R, 0, 0, R}, {0, 1, 1, 0}},  // 4..7 behave as background
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.disposal);
    TGIFImage gif;
    ASSERT_TRUE(gif.LoadFromStream(encodeGif(threeFrames(c.disposal))));
    EXPECT_EQ(gif.ImageDC().pixels, (std::vector<std::uint32_t>{R, R, R, R}));
    gif.SetFrameIndex(2);
    EXPECT_EQ(gif.ImageDC().pixels, (std::vector<std::uint32_t>{R, G, R, R}));
    EXPECT_EQ(gif.MaskDC().bits, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    gif.SetFrameIndex(3);
    EXPECT_EQ(gif.ImageDC().pixels, c.image);
    EXPECT_EQ(gif.MaskDC().bits, c.mask);
  }
}

TEST(GifAnimation, FrameIndexWrapsBothWays) {
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(threeFrames(1))));
  gif.SetFrameIndex(9);
  EXPECT_EQ(gif.FrameIndex(), 1);
  gif.SetFrameIndex(0);
  EXPECT_EQ(gif.FrameIndex(), 3);
}

class Clocked : public ::testing::Test {
 protected:
  // Ticks every millisecond up to `until`; returns how often the picture changed.
  int run(TGIFImage& gif, std::int64_t until) {
    int changes = 0;
    while (now < until) {
      ++now;
      if (gif.TimerTick(now)) ++changes;
    }
    return changes;
  }

  std::int64_t now = 1000;
};

GifSpec twoFrames(int delay, int loopCount) {
  return {.width = 2, .height = 1, .globalTable = {0, R, G, B}, .loopCount = loopCount,
          .frames = {frame(0, 2, {1, 1}, 0, false, delay), frame(0, 2, {2, 2}, 0, false, delay)}};
}

TEST_F(Clocked, TwoFramesWithoutLoopingBlockPlayOnceAndStopOnTheLast) {
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(twoFrames(10, -1))));
  gif.SetPlaying(true, now);
  EXPECT_EQ(gif.CurrentInterval(), 100);
  int changes = 0;
  auto tick = [&] { changes += gif.TimerTick(now) ? 1 : 0; };
  now += 99;
  tick();
  EXPECT_EQ(changes, 0);
  now += 1;  // the first tick only starts timing
  tick();
  EXPECT_EQ(gif.FrameIndex(), 1);
  now += 100;
  tick();
  EXPECT_EQ(gif.FrameIndex(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(gif.ImageDC().pixels, (std::vector<std::uint32_t>{G, G}));
  now += 100;
  tick();
  EXPECT_FALSE(gif.Playing());
  EXPECT_EQ(gif.FrameIndex(), 2);
  EXPECT_EQ(run(gif, now + 1000), 0);
}

TEST_F(Clocked, LoopCountThreeRunsThreeTimesAndZeroForever) {
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(twoFrames(0, 3))));
  gif.SetPlaying(true, now);
  EXPECT_EQ(gif.CurrentInterval(), 1);  // delay 0 advances on every tick
  // 1 -> 2 in the first pass, then two more passes of 2 -> 1 -> 2.
  EXPECT_EQ(run(gif, now + 100), 5);
  EXPECT_FALSE(gif.Playing());
  EXPECT_EQ(gif.FrameIndex(), 2);

  TGIFImage endless;
  ASSERT_TRUE(endless.LoadFromStream(encodeGif(twoFrames(0, 0))));
  endless.SetPlaying(true, now);
  EXPECT_EQ(run(endless, now + 1000), 999);
  EXPECT_TRUE(endless.Playing());
}

TEST_F(Clocked, NothingAdvancesUnlessPlayingAndDecoded) {
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(twoFrames(0, 0))));
  EXPECT_EQ(run(gif, now + 50), 0);
  TGIFImage scanned;
  ASSERT_TRUE(scanned.ScanStream(encodeGif(twoFrames(0, 0))));
  scanned.SetPlaying(true, now);
  EXPECT_EQ(run(scanned, now + 50), 0);
}

TEST(GifAnimation, CopiesAnimateOnTheirOwn) {
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(threeFrames(2))));
  gif.SetFrameIndex(2);
  gif.SetFrameIndex(3);
  auto copy = TGIFImage::CreateCopy(gif);
  EXPECT_TRUE(copy->IsCopy);
  EXPECT_FALSE(gif.IsCopy);
  EXPECT_EQ(copy->FrameIndex(), 1);
  EXPECT_EQ(copy->ImageDC().pixels, (std::vector<std::uint32_t>{R, R, R, R}));
  copy->SetFrameIndex(2);
  EXPECT_EQ(copy->ImageDC().pixels, (std::vector<std::uint32_t>{R, G, R, R}));
  EXPECT_EQ(gif.ImageDC().pixels, (std::vector<std::uint32_t>{R, 0, 0, R}));
  EXPECT_EQ(gif.FrameIndex(), 3);
}

TEST(GifAnimation, FirstFramePicturesAreCopiesOfFrameOne) {
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(threeFrames(0))));
  ASSERT_NE(gif.FirstFrameBitmap(), nullptr);
  EXPECT_EQ(gif.FirstFrameBitmap()->pixels, (std::vector<std::uint32_t>{R, R, R, R}));
  EXPECT_EQ(gif.FirstFrameMask(), nullptr);  // frame 1 is opaque

  GifSpec desc{.width = 2, .height = 1, .globalTable = {0, R, G, B}, .frames = {frame(0, 2, {3, 2}, 0, true)}};
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(desc)));
  ASSERT_NE(gif.FirstFrameMask(), nullptr);
  EXPECT_EQ(gif.FirstFrameMask()->bits, (std::vector<std::uint8_t>{1, 0}));
  EXPECT_EQ(gif.FirstFrameBitmap()->pixels, (std::vector<std::uint32_t>{0, G}));
}

TEST(GifAnimation, DrawStretchesOpaquePicturesOntoTheCanvas) {
  GifSpec desc{.width = 2, .height = 1, .globalTable = {0, R, G, B}, .frames = {frame(0, 2, {1, 2})}};
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(desc)));
  FixedCanvas canvas(10, 10, clWhite);
  gif.SetShowAllowed(false);
  gif.Draw(canvas, 2, 4, 1, 3);
  EXPECT_EQ(canvas.image().at(3, 1), 0xFFFFFFu);
  gif.SetShowAllowed(true);
  gif.Draw(canvas, 2, 4, 1, 3);
  for (int y = 1; y < 3; ++y) {
    EXPECT_EQ(canvas.image().at(3, y), R);
    EXPECT_EQ(canvas.image().at(4, y), R);
    EXPECT_EQ(canvas.image().at(5, y), G);
    EXPECT_EQ(canvas.image().at(6, y), G);
  }
  EXPECT_EQ(canvas.image().at(7, 1), 0xFFFFFFu);
  EXPECT_EQ(canvas.image().at(3, 3), 0xFFFFFFu);
}

TEST(GifAnimation, TransparentPartsShowWhatTheCanvasHolds) {
  // Index 3 is transparent: the left pixel shows what lies behind.
  GifSpec keep{.width = 2, .height = 1, .globalTable = {0, R, G, B}, .frames = {frame(0, 2, {3, 2}, 1, true)}};
  TGIFImage gif;
  ASSERT_TRUE(gif.LoadFromStream(encodeGif(keep)));
  FixedCanvas canvas(10, 4, clWhite);
  canvas.fillRect({0, 0, 10, 4}, 0xFF0000);  // the page: blue (0x00BBGGRR)
  gif.Draw(canvas, 1, 2, 0, 0);
  EXPECT_EQ(canvas.image().at(0, 0), B);
  EXPECT_EQ(canvas.image().at(1, 0), G);
  // Drawing changes nothing of the picture: the same draw again gives the same pixels.
  gif.Draw(canvas, 1, 2, 0, 0);
  EXPECT_EQ(canvas.image().at(0, 0), B);
  EXPECT_EQ(canvas.image().at(1, 0), G);

  // Drawn far larger than the canvas: clipped to it.
  canvas.fillRect({0, 0, 10, 4}, 0x00FF00);
  gif.Draw(canvas, 16000, 16000, 0, 0);
  EXPECT_EQ(canvas.image().at(0, 0), G);
  EXPECT_EQ(canvas.image().at(9, 3), G);
}

}  // namespace
}  // namespace tavra
