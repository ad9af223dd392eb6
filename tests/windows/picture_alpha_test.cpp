// Pictures with an alpha plane on the toolkit's canvas and as a document's background:
// blended over what lies beneath, within the toolkit's own rounding.

#include <png.h>

#include <cstdlib>

#include "images/encoders.h"
#include "viewer_fixture.h"

namespace tavra::test {
namespace {

constexpr QRgb kPage = 0xFFC08040;
// Half black over the page, each channel rounded.
constexpr QRgb kHalfBlack = 0xFF604020;

void expectNear(QRgb shown, QRgb expected, const std::string& where) {
  for (int shift : {16, 8, 0})
    EXPECT_LE(std::abs(int((shown >> shift) & 0xFF) - int((expected >> shift) & 0xFF)), 1)
        << where << ": " << std::hex << shown << " for " << expected;
}

TEST(PainterCanvasAlpha, ABitmapWithAlphaIsBlendedOverTheImageWhenStretched) {
  Bitmap picture(3, 1);
  picture.pixels = {0xFFFFFF, 0x000000, 0xFF0000};
  picture.alpha = {255, 128, 0};
  QImage image(8, 2, QImage::Format_RGB32);
  image.fill(kPage);
  {
    QPainter painter(&image);
    PainterCanvas canvas(painter, 8, 2);
    canvas.drawBitmap({1, 0, 7, 2}, picture, {0, 0, 3, 1});
  }
  const QRgb expected[8] = {kPage, 0xFFFFFFFF, 0xFFFFFFFF, kHalfBlack, kHalfBlack, kPage, kPage, kPage};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 8; ++x) expectNear(image.pixel(x, y), expected[x], std::to_string(x) + "," + std::to_string(y));
}

TEST_F(ViewerTest, ASeeThroughBackgroundPictureLiesOverThePageColour) {
  // A 2 x 2 tile: opaque white, half transparent black, and two transparent pixels.
  write("tile.png", encodePng({.width = 2, .height = 2, .colourType = PNG_COLOR_TYPE_RGB_ALPHA,
                               .samples = {255, 255, 255, 255, 0, 0, 0, 128, 0, 0, 0, 0, 255, 0, 0, 0}}));
  viewer.SetViewImages(true);
  viewer.LoadFromFile(write("page.htm", "<html><body bgcolor=\"#C08040\" background=\"tile.png\"></body></html>"));
  const QImage shown = viewer.PaintPanel()->grab().toImage();
  for (int y = 20; y < 24; ++y)
    for (int x = 20; x < 24; ++x) {
      const QRgb expected = y % 2 ? kPage : x % 2 ? kHalfBlack : 0xFFFFFFFF;
      expectNear(shown.pixel(x, y), expected, std::to_string(x) + "," + std::to_string(y));
    }
}

}  // namespace
}  // namespace tavra::test
