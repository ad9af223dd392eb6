#include "html/images/image_loading.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "html/images/display_palette.h"
#include "html/images/gif_image.h"
#include "images/encoders.h"
#include "common/hang_watchdog.h"

namespace tavra {
namespace {

using test::writeScratchFile;

std::string pngChunk(const std::string& type, const std::string& data) {
  std::string s;
  for (int shift : {24, 16, 8, 0}) s += char((data.size() >> shift) & 0xFF);
  return s + type + data + std::string(4, '\0');
}

std::string pngFile(int colourType, const std::string& afterHeader) {
  std::string ihdr = std::string("\0\0\0\x10\0\0\0\x10\x08", 9) + char(colourType) + std::string(3, '\0');
  return std::string("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", ihdr) + afterHeader + pngChunk("IEND", "");
}

// A 3 x 2 bitmap file whose lower-left pixel is blue.
std::string smallBmp() {
  using Rows = std::vector<std::vector<std::uint32_t>>;
  Rows bottomUp = {{0x0000FF, 0xFF0000, 0x0000FF}, {0x00FF00, 0x0000FF, 0xFFFFFF}};
  return test::writeBmp({.width = 3, .height = 2, .bits = 24, .body = test::packRows(bottomUp, 24)});
}

TEST(ImageLoading, FormatsByTheirFirstBytes) {
  EXPECT_EQ(ImageFormatOf("GIF89a..."), ifGif89);
  EXPECT_EQ(ImageFormatOf("GIF87a..."), ifGif87);
  EXPECT_EQ(ImageFormatOf("GIF8x"), ifGif87);
  EXPECT_EQ(ImageFormatOf("BMxx"), ifBmp);
  EXPECT_EQ(ImageFormatOf("\x89PNG\r\n"), ifPng);
  EXPECT_EQ(ImageFormatOf("\xFF\xD8\xFF"), ifJpeg);
  EXPECT_EQ(ImageFormatOf("GIF8"), ifUnknown);
  EXPECT_EQ(ImageFormatOf("B"), ifUnknown);
  EXPECT_EQ(ImageFormatOf("<html>"), ifUnknown);
  EXPECT_EQ(FileImageFormat(writeScratchFile("format.bin", smallBmp())), ifBmp);
  EXPECT_EQ(FileImageFormat(test::scratchFolder() + "absent.bmp"), ifUnknown);
}

TEST(ImageLoading, BitmapFilesLoadAndOtherFormatsDoNot) {
  auto bmp = LoadBitmapFile(writeScratchFile("small.bmp", smallBmp()), true);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->at(0, 1), 0x0000FFu);
  std::vector<std::uint32_t> grey(64, 0x808080);
  auto jpeg = LoadBitmapFile(writeScratchFile("grey.jpg", test::encodeJpeg(8, 8, grey, false)), true);
  ASSERT_TRUE(jpeg);
  EXPECT_EQ(jpeg->width, 8);
  test::GifSpec gif{.width = 1, .height = 1, .globalTable = {0, 0xFF}, .frames = {{.width = 1, .height = 1, .indices = {1}}}};
  EXPECT_FALSE(LoadBitmapFile(writeScratchFile("still.gif", test::encodeGif(gif)), true));
  EXPECT_FALSE(LoadBitmapFile(writeScratchFile("p.png", pngFile(2, "")), true));
  EXPECT_FALSE(LoadBitmapFile(test::scratchFolder() + "absent.bmp", true));
}

TEST(ImageLoading, CornerTransparencyMasksExactlyTheLowerLeftColour) {
  std::string path = writeScratchFile("corner.bmp", smallBmp());
  TransparencyKind kind = trCorner;
  std::unique_ptr<Mask> mask;
  auto bmp = LoadImageFromFile(path, kind, mask);
  ASSERT_TRUE(bmp);
  ASSERT_TRUE(mask);
  EXPECT_EQ(kind, trCorner);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(mask->at(x, y), bmp->at(x, y) == 0x0000FF) << x << "," << y;

  kind = trNone;
  ASSERT_TRUE(LoadImageFromFile(path, kind, mask));
  EXPECT_FALSE(mask);
  EXPECT_FALSE(LoadImageFromFile(test::scratchFolder() + "absent.bmp", kind, mask));
}

TEST(ImageLoading, GifTransparentColourLooksOnlyAtTheFirstBlock) {
  test::GifFrameSpec f{.width = 1, .height = 1, .indices = {1}, .control = true, .transparent = true,
                       .transparentIndex = 2};
  test::GifSpec desc{.width = 1, .height = 1, .globalTable = {0, 0x111111, 0xABCDEF, 0}, .frames = {f}};
  std::uint32_t colour = 0;
  EXPECT_TRUE(GifTransparentColour(writeScratchFile("t.gif", test::encodeGif(desc)), colour));
  EXPECT_EQ(colour, 0xABCDEFu);
  desc.version89 = false;
  EXPECT_FALSE(GifTransparentColour(writeScratchFile("t87.gif", test::encodeGif(desc)), colour));
  desc.version89 = true;
  desc.frames[0].comment = "first";
  EXPECT_FALSE(GifTransparentColour(writeScratchFile("tc.gif", test::encodeGif(desc)), colour));
  desc.frames[0].comment.clear();
  desc.frames[0].transparent = false;
  EXPECT_FALSE(GifTransparentColour(writeScratchFile("to.gif", test::encodeGif(desc)), colour));
  // A transparent index past a two-colour table.
  desc.globalTable = {0, 0x111111};
  desc.frames[0].transparent = true;
  desc.frames[0].transparentIndex = 200;
  EXPECT_FALSE(GifTransparentColour(writeScratchFile("tx.gif", test::encodeGif(desc)), colour));
}

TEST(ImageLoading, PngsKeepTheirAlphaAndOpaqueOnesTakeTheCornerMask) {
  // An opaque red pixel and a half transparent blue one; an opaque picture, blue in the
  // lower-left corner and once more.
  const std::string alpha = test::encodePng(
      {.width = 2, .height = 1, .colourType = PNG_COLOR_TYPE_RGB_ALPHA, .samples = {255, 0, 0, 255, 0, 0, 255, 128}});
  const std::string opaque = test::encodePng(
      {.width = 2, .height = 2, .colourType = PNG_COLOR_TYPE_RGB, .samples = {0, 0, 255, 9, 9, 9, 0, 0, 255, 7, 7, 7}});
  for (bool fromFile : {true, false}) {
    auto load = [&](const std::string& png, TransparencyKind& kind, std::unique_ptr<Mask>& mask) {
      std::string stream = png;
      return fromFile ? LoadImageFromFile(writeScratchFile("load.png", png), kind, mask)
                      : LoadImageFromStream(&stream, kind, mask);
    };
    TransparencyKind kind = trCorner;
    std::unique_ptr<Mask> mask;
    auto picture = load(alpha, kind, mask);
    ASSERT_TRUE(picture);
    EXPECT_EQ(kind, trPng);
    EXPECT_FALSE(mask);
    EXPECT_EQ(picture->pixels, (std::vector<std::uint32_t>{0xFF0000, 0x0000FF}));
    EXPECT_EQ(picture->alpha, (std::vector<std::uint8_t>{255, 128}));
    kind = trCorner;
    picture = load(opaque, kind, mask);
    ASSERT_TRUE(picture && mask);
    EXPECT_FALSE(picture->hasAlpha());
    EXPECT_EQ(kind, trCorner);
    EXPECT_EQ(mask->bits, (std::vector<std::uint8_t>{1, 0, 1, 0}));
  }
}

TEST(ImageLoading, StreamsGiveBmpAndJpegAndJpegNeverGetsAMask) {
  std::unique_ptr<Mask> mask;
  TransparencyKind kind = trCorner;
  std::string bmp = smallBmp();
  ASSERT_TRUE(LoadImageFromStream(&bmp, kind, mask));
  ASSERT_TRUE(mask);
  EXPECT_EQ(mask->at(0, 1), 1);

  std::string jpeg = test::encodeJpeg(8, 8, std::vector<std::uint32_t>(64, 0x336699), false);
  kind = trCorner;
  auto picture = LoadImageFromStream(&jpeg, kind, mask);
  ASSERT_TRUE(picture);
  EXPECT_EQ(kind, trNone);
  EXPECT_FALSE(mask);

  std::string tiny = bmp.substr(0, 19);
  EXPECT_FALSE(LoadImageFromStream(&tiny, kind, mask));
  EXPECT_FALSE(LoadImageFromStream(nullptr, kind, mask));
  std::string png = pngFile(3, "");
  EXPECT_FALSE(LoadImageFromStream(&png, kind, mask));
}

TEST(ImageLoading, FifosAndDevicesAreNoPictures) {
  // Each of these would block for good, or read without end, if opened as a plain file.
  std::string fifo = std::filesystem::temp_directory_path().string() + "/tavra-img-" + std::to_string(::getpid());
  for (const char* ext : {".gif", ".png", ".jpg"}) {
    std::string path = fifo + ext;
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    for (const std::string& p : {path, std::string("/dev/zero")}) {
      tavra::testing::HangWatchdog watchdog(p == path ? "a FIFO named as a picture (" + p + ")" : "the device " + p);
      TransparencyKind transparency = trNone;
      std::unique_ptr<Mask> mask;
      EXPECT_EQ(LoadImageFromFile(p, transparency, mask), nullptr) << p;
      EXPECT_EQ(LoadBitmapFile(p, true), nullptr) << p;
      EXPECT_EQ(FileImageFormat(p), ifUnknown) << p;
      std::uint32_t colour = 0;
      EXPECT_FALSE(GifTransparentColour(p, colour)) << p;
      std::string data;
      EXPECT_FALSE(ReadFileBytes(p, data)) << p;
    }
    ::unlink(path.c_str());
  }
}

TEST(ImageLoading, MaskOfAGivenColour) {
  Bitmap b(2, 2);
  b.pixels = {1, 2, 2, 3};
  auto mask = MakeImageMask(b, true, 2);
  ASSERT_TRUE(mask);
  EXPECT_EQ(mask->bits, (std::vector<std::uint8_t>{0, 1, 1, 0}));
  EXPECT_FALSE(MakeImageMask(Bitmap(), false, 0));
}

TEST(DisplayPalette, CubeGreysAndStaticColours) {
  PaletteTable p = BuildDisplayPalette();
  EXPECT_EQ(p[0], 0x000000u);
  EXPECT_EQ(p[9], 0xA6CAF0u);
  // Red varies fastest, blue slowest; levels 55, 115, 165, 205, 235, 255.
  EXPECT_EQ(p[10], 0x373737u);
  EXPECT_EQ(p[11], 0x733737u);
  EXPECT_EQ(p[16], 0x377337u);
  EXPECT_EQ(p[46], 0x373773u);
  EXPECT_EQ(p[224], 0xEBFFFFu);  // the last cube entry: white is left out
  EXPECT_EQ(p[225], 0x878787u);  // greys 135 .. 250
  EXPECT_EQ(p[248], 0xFAFAFAu);
  EXPECT_EQ(p[249], 0xFF0000u);
  EXPECT_EQ(p[255], 0xFFFFFFu);
  EXPECT_EQ(std::count(p.begin(), p.end(), 0xFFFFFFu), 1);
  EXPECT_EQ(NearestPaletteIndex(p, 0x3A3636), 10);
}

TEST(DisplayPalette, ScreenDepthDecidesWhetherPicturesAreMapped) {
  SetScreenDepth(4);
  EXPECT_EQ(ColourDepth(), 4);
  EXPECT_EQ(DisplayPalette(), nullptr);
  SetScreenDepth(8);
  ASSERT_NE(DisplayPalette(), nullptr);
  Bitmap b(2, 1);
  b.pixels = {0x3A3636, 0xFE0101};
  EXPECT_EQ(ToDisplayBitmap(b).pixels, (std::vector<std::uint32_t>{0x373737, 0xFF0000}));
  // GIF frames take the nearest palette colours as well.
  test::GifSpec gif{.width = 1, .height = 1, .globalTable = {0, 0x3A3636}, .frames = {{.width = 1, .height = 1, .indices = {1}}}};
  TGIFImage image;
  ASSERT_TRUE(image.LoadFromStream(test::encodeGif(gif)));
  EXPECT_EQ(image.ImageDC().at(0, 0), 0x373737u);
  SetScreenDepth(32);
  EXPECT_EQ(ColourDepth(), 24);
  EXPECT_EQ(DisplayPalette(), nullptr);
  EXPECT_EQ(ToDisplayBitmap(b).pixels, b.pixels);
}

}  // namespace
}  // namespace tavra
