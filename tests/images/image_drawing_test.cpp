#include "html/images/image_drawing.h"

#include <gtest/gtest.h>

#include "html/images/placeholder_images.h"
#include "platform/fixed_canvas.h"

namespace tavra {
namespace {

TEST(ImageDrawing, TransparentBitmapLeavesTheCanvasWhereTheMaskIsSet) {
  FixedCanvas canvas(8, 8, 0xFF0000);  // blue page (0x00BBGGRR)
  Bitmap picture(2, 2);
  picture.pixels = {0x111111, 0x222222, 0x333333, 0x444444};
  Mask mask(2, 2);
  mask.bits = {0, 1, 1, 0};
  Bitmap kept = picture;
  DrawTransparentBitmap(canvas, picture, mask, 4, 4, 2, 2);
  EXPECT_EQ(picture.pixels, kept.pixels);
  const Bitmap& out = canvas.image();
  EXPECT_EQ(out.at(2, 2), 0x111111u);
  EXPECT_EQ(out.at(3, 3), 0x111111u);
  EXPECT_EQ(out.at(4, 2), 0x0000FFu);
  EXPECT_EQ(out.at(5, 3), 0x0000FFu);
  EXPECT_EQ(out.at(2, 4), 0x0000FFu);
  EXPECT_EQ(out.at(5, 5), 0x444444u);
  EXPECT_EQ(out.at(6, 6), 0x0000FFu);
}

TEST(ImageDrawing, AlternateTextWrapsAtBlanksWhileLinesFit) {
  FixedCanvas canvas(100, 100);
  // 11-pixel font: every character 5 wide, line height 11, ascent 9; the box holds 8.
  canvas.setFont(canvas.fonts().createFont({"Arial", 8}));
  WrapTextInRect(canvas, 10, 20, 50, 50, u"  one two three four");
  ASSERT_EQ(canvas.texts().size(), 2u);
  EXPECT_EQ(canvas.texts()[0].text, "one two");
  EXPECT_EQ(canvas.texts()[0].x, 10);
  EXPECT_EQ(canvas.texts()[0].baseline, 29);
  EXPECT_EQ(canvas.texts()[1].text, "three");
  EXPECT_EQ(canvas.texts()[1].baseline, 40);

  canvas.clearRecords();
  WrapTextInRect(canvas, 10, 20, 50, 60, u"one two three four");
  ASSERT_EQ(canvas.texts().size(), 3u);
  EXPECT_EQ(canvas.texts()[2].text, "four");
  EXPECT_EQ(canvas.texts()[2].baseline, 51);

  // A word longer than the box stands on its own line, clipped.
  canvas.clearRecords();
  WrapTextInRect(canvas, 0, 0, 20, 50, u"unbreakable x");
  ASSERT_EQ(canvas.texts().size(), 2u);
  EXPECT_EQ(canvas.texts()[0].text, "unbreakable");
  EXPECT_EQ(canvas.image().at(22, 3), 0xFFFFFFu);
}

TEST(ImageDrawing, BorderColoursFollowThePageAndTheDirection) {
  FixedCanvas canvas(10, 10, clWhite);
  Draw3DBorder(clWhite, canvas, 1, 1, 6, 6, true);
  EXPECT_EQ(canvas.pixel(3, 1), 0xC0C0C0u);  // top: silver on a white page
  EXPECT_EQ(canvas.pixel(1, 3), 0xC0C0C0u);
  EXPECT_EQ(canvas.pixel(5, 3), resolveColor(clBtnShadow));
  EXPECT_EQ(canvas.pixel(3, 5), resolveColor(clBtnShadow));
  EXPECT_EQ(canvas.pixel(3, 3), 0xFFFFFFu);
  Draw3DBorder(clWindow, canvas, 1, 1, 6, 6, false);
  EXPECT_EQ(canvas.pixel(3, 1), resolveColor(clBtnShadow));
  EXPECT_EQ(canvas.pixel(3, 5), 0xC0C0C0u);
  Draw3DBorder(0x00FFFF, canvas, 1, 1, 6, 6, true);
  EXPECT_EQ(canvas.pixel(3, 1), resolveColor(clBtnHighlight));
}

TEST(Placeholders, SizesMaskAndCursorHotSpots) {
  EXPECT_EQ(PendingImage().width, 16);
  EXPECT_EQ(PendingImage().height, 16);
  const Bitmap& broken = BrokenImage();
  ASSERT_EQ(broken.width, 16);
  ASSERT_EQ(broken.height, 16);
  const Mask& mask = BrokenImageMask();
  std::uint32_t corner = broken.at(0, 15);
  int transparent = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      EXPECT_EQ(mask.at(x, y), broken.at(x, y) == corner);
      transparent += mask.at(x, y);
    }
  EXPECT_GT(transparent, 0);
  EXPECT_LT(transparent, 256);

  const CursorPicture& hand = HandCursor();
  EXPECT_EQ(hand.hotX, 13);
  EXPECT_EQ(hand.hotY, 9);
  EXPECT_EQ(hand.mask.at(13, 9), 0);   // the finger tip is drawn
  EXPECT_EQ(hand.mask.at(13, 8), 1);   // nothing above it
  const CursorPicture& beam = IBeamCursor();
  EXPECT_EQ(beam.hotX, 15);
  EXPECT_EQ(beam.hotY, 12);
  EXPECT_EQ(beam.image.at(15, 12), 0x000000u);
  EXPECT_EQ(beam.mask.at(15, 12), 0);
  EXPECT_EQ(beam.image.width, 32);
}

}  // namespace
}  // namespace tavra
