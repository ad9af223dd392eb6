#include "html/images/image_obj.h"

#include <gtest/gtest.h>
#include <png.h>

#include "common/recording_host.h"
#include "html/document/fonts.h"
#include "html/images/placeholder_images.h"
#include "html/document/section_list.h"
#include "images/encoders.h"
#include "platform/fixed_canvas.h"
#include "platform/unicode.h"

namespace tavra {
namespace {

TAttributeList attributes(std::initializer_list<std::pair<Symbol, std::string>> items) {
  TAttributeList list;
  for (const auto& [sym, text] : items) {
    std::int32_t value = 0;
    if (!ParseInteger(text, value)) value = 0;
    list.Add(sym, value, text);
  }
  return list;
}

std::string solidBmp(const std::string& name, int w, int h, std::uint32_t colour) {
  std::vector<std::vector<std::uint32_t>> rows(std::size_t(h), std::vector<std::uint32_t>(std::size_t(w), colour));
  return test::writeScratchFile(name, test::writeBmp({.width = w, .height = h, .bits = 24, .body = test::packRows(rows, 24)}));
}

class InlineImages : public ::testing::Test {
 protected:
  void SetUp() override { ImageCache().Clear(); }
  void TearDown() override { ImageCache().Clear(); }

  std::unique_ptr<TImageObj> sized(TAttributeList attrs, int available = 400) {
    auto image = std::make_unique<TImageObj>(0, attrs);
    image->SizeImage(doc, canvas, available, run);
    return image;
  }

  testing::RecordingHost host;
  TSectionList doc{host};
  FixedCanvas canvas{300, 200};
  TFontObj run{TMyFont(), 0};
};

TEST_F(InlineImages, AttributesAsWritten) {
  TImageObj image(7, attributes({{attrSrc, "a.gif"}, {attrAlt, "Logo"}, {attrAlign, "absmiddle"}, {attrBorder, "0"},
                                 {attrWidth, " 50% "}, {attrHeight, "0"}, {attrHspace, "-30"}, {attrUsemap, " #nav "},
                                 {attrIsmap, ""}, {attrTransp, ""}}));
  EXPECT_EQ(image.Pos, 7);
  EXPECT_EQ(image.Source, "a.gif");
  EXPECT_EQ(utf16ToUtf8(image.AltText), "Logo");
  EXPECT_EQ(image.ImgAlign, iaMiddle);
  EXPECT_TRUE(image.NoBorder);
  EXPECT_TRUE(image.WidthIsPercent);
  EXPECT_EQ(image.SpecWidth, 50);
  EXPECT_EQ(image.SpecHeight, 1);
  EXPECT_EQ(image.HSpace, 20);
  EXPECT_TRUE(image.UsesMap);
  EXPECT_EQ(image.MapName, "NAV");
  EXPECT_TRUE(image.IsMap);
  EXPECT_EQ(image.Transparent, 1);

  EXPECT_EQ(TImageObj(0, attributes({{attrAlign, "center"}})).ImgAlign, iaBottom);
  EXPECT_EQ(TImageObj(0, attributes({{attrAlign, "Left"}})).ImgAlign, iaLeft);
  EXPECT_EQ(TImageObj(0, attributes({{attrUsemap, "#"}})).MapName, "#");
  TImageObj odd(0, attributes({{attrWidth, "150%"}}));
  EXPECT_FALSE(odd.WidthIsPercent);
  EXPECT_EQ(odd.SpecWidth, 0);
  EXPECT_EQ(TImageObj(0, attributes({})).HSpace, 5);
  TImageObj huge(0, attributes({{attrWidth, "2147483647"}, {attrHeight, "99999999"}}));
  EXPECT_EQ(huge.SpecWidth, kMaxPictureSide);
  EXPECT_EQ(huge.SpecHeight, kMaxPictureSide);
}

TEST_F(InlineImages, SizeFollowsThePictureAndWidthOrHeight) {
  std::string path = solidBmp("wide.bmp", 200, 50, 0x336699);
  auto byWidth = sized(attributes({{attrSrc, path}, {attrWidth, "100"}}));
  EXPECT_EQ(byWidth->ImageWidth, 100);
  EXPECT_EQ(byWidth->ImageHeight, 25);
  EXPECT_TRUE(byWidth->SizeFixed);
  auto byHeight = sized(attributes({{attrSrc, path}, {attrHeight, "10"}}));
  EXPECT_EQ(byHeight->ImageWidth, 40);
  auto natural = sized(attributes({{attrSrc, path}}));
  EXPECT_EQ(natural->OuterWidth, 200);
  EXPECT_EQ(natural->OuterHeight, 50);

  auto percent = sized(attributes({{attrSrc, path}, {attrWidth, "50%"}}), 400);
  EXPECT_EQ(percent->ImageWidth, 200);
  EXPECT_EQ(percent->ImageHeight, 50);
  EXPECT_FALSE(percent->SizeFixed);
  percent->SizeImage(doc, canvas, 300, run);
  EXPECT_EQ(percent->ImageWidth, 150);

  // All four images share one cache entry.
  ASSERT_EQ(ImageCache().Count(), 1);
  EXPECT_EQ(ImageCache().Item(0).InUseCount, 4);
  byWidth.reset();
  EXPECT_EQ(ImageCache().Item(0).InUseCount, 3);
}

TEST_F(InlineImages, MissingPictureShowsTheBrokenPlaceholderSizedForItsText) {
  auto image = sized(attributes({{attrSrc, test::scratchFolder() + "absent.bmp"}, {attrAlt, "Logo"}}));
  EXPECT_EQ(image->PictureBitmap(), &BrokenImage());
  EXPECT_EQ(image->PictureMask(), &BrokenImageMask());
  EXPECT_EQ(image->Transparent, 1);
  // Arial 8 on the fixed canvas: 11 pixels, 5 per character.
  EXPECT_EQ(image->ImageWidth, 4 * 5 + 26);
  EXPECT_EQ(image->ImageHeight, 24);
  EXPECT_FALSE(image->SizeFixed);

  auto fixed = sized(attributes({{attrSrc, "nothing"}, {attrWidth, "60"}, {attrHeight, "30"}}));
  EXPECT_EQ(fixed->ImageWidth, 60);
  EXPECT_EQ(fixed->ImageHeight, 30);
  EXPECT_TRUE(fixed->SizeFixed);

  doc.ImagesOn = false;
  auto off = sized(attributes({{attrSrc, solidBmp("off.bmp", 5, 5, 0)}}));
  EXPECT_EQ(off->PictureBitmap(), nullptr);
  EXPECT_EQ(off->ImageWidth, 26);
  EXPECT_EQ(ImageCache().Count(), 0);
}

TEST_F(InlineImages, AnImageThatNeverHeldAnEntryReleasesNothing) {
  std::string path = solidBmp("shared.bmp", 4, 4, 0);
  auto holder = sized(attributes({{attrSrc, path}}));
  doc.ImagesOn = false;
  sized(attributes({{attrSrc, path}})).reset();
  std::make_unique<TImageObj>(0, attributes({{attrSrc, path}})).reset();
  ASSERT_EQ(ImageCache().Count(), 1);
  EXPECT_EQ(ImageCache().Item(0).InUseCount, 1);
}

TEST_F(InlineImages, BorderOnlyInsideALinkAndInTheLinkColour) {
  std::string path = solidBmp("framed.bmp", 10, 10, 0x00FF00);
  TFontObj link(TMyFont(), 0);
  link.UrlTarget.URL = "next.htm";
  link.TheFont->SetColor(0x0000FF);  // red (0x00BBGGRR)
  auto framed = std::make_unique<TImageObj>(0, attributes({{attrSrc, path}}));
  framed->SizeImage(doc, canvas, 400, link);
  EXPECT_TRUE(framed->HasBorder);
  EXPECT_EQ(framed->OuterWidth, 12);
  framed->DrawImage(canvas, 20, link, 40, 0);
  // Bottom-aligned: the frame spans 28..39 with the picture inside, moved by one.
  EXPECT_EQ(canvas.pixel(20, 28), 0x0000FFu);
  EXPECT_EQ(canvas.pixel(31, 39), 0x0000FFu);
  EXPECT_EQ(canvas.pixel(21, 29), 0x00FF00u);
  framed->Place(20, link, 40, 0);
  EXPECT_EQ(framed->PictureLeft, 21);
  EXPECT_EQ(framed->PictureTop, 29);

  auto plain = std::make_unique<TImageObj>(0, attributes({{attrSrc, path}, {attrBorder, "0"}}));
  plain->SizeImage(doc, canvas, 400, link);
  EXPECT_FALSE(plain->HasBorder);
  EXPECT_EQ(plain->OuterWidth, 10);
  auto outside = sized(attributes({{attrSrc, path}, {attrBorder, "2"}}));
  EXPECT_FALSE(outside->HasBorder);
}

TEST_F(InlineImages, PicturesTheHostDeliversLaterWaitAsPending) {
  int asked = 0;
  host.OnImageRequest = [&](const std::string&, std::string*& stream) {
    ++asked;
    stream = &PendingImageStream();
  };
  auto first = sized(attributes({{attrSrc, "later.bmp"}}));
  auto second = sized(attributes({{attrSrc, "LATER.bmp"}}));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(first->PictureBitmap(), &PendingImage());
  EXPECT_EQ(second->PictureBitmap(), &PendingImage());
  ASSERT_EQ(doc.MissingImages.size(), 2u);
  EXPECT_EQ(doc.MissingImages[0].Image, first.get());
  EXPECT_EQ(doc.MissingImages[1].Image, second.get());
}

TEST_F(InlineImages, AnimatedGifsAreCopiedForEveryImageButTheFirst) {
  test::GifFrameSpec f{.width = 2, .height = 1, .indices = {1, 2}, .control = true, .delay = 5};
  test::GifSpec desc{.width = 2, .height = 1, .globalTable = {0, 0xFF0000, 0x00FF00, 0}, .frames = {f, f}};
  std::string path = test::writeScratchFile("anim.gif", test::encodeGif(desc));
  auto first = sized(attributes({{attrSrc, path}}));
  auto second = sized(attributes({{attrSrc, path}}));
  ASSERT_NE(first->PictureGif(), nullptr);
  ASSERT_NE(second->PictureGif(), nullptr);
  EXPECT_FALSE(first->PictureGif()->IsCopy);
  EXPECT_TRUE(second->PictureGif()->IsCopy);
  EXPECT_EQ(first->PictureGif(), ImageCache().Item(0).ImageGif.get());
  EXPECT_EQ(doc.AnimatedImages, (std::vector<AnimatedPicture*>{first.get(), second.get()}));
  EXPECT_EQ(first->ImageWidth, 2);

  EXPECT_TRUE(second->PictureGif()->SharesFramesWith(*first->PictureGif()));
  EXPECT_TRUE(second->PictureGif()->ShowAllowed());
  second->DrawImage(canvas, 5, run, 20, 0);
  EXPECT_EQ(canvas.image().at(5, 19), 0xFF0000u);
  second->RestartAnimation();
  EXPECT_TRUE(second->PictureGif()->Playing());
  EXPECT_FALSE(first->PictureGif()->Playing());
  doc.AnimatedImages.clear();
}

TEST_F(InlineImages, APngIsBlendedOverThePageAndCountsItsAlphaInTheBudget) {
  // Opaque white, half transparent black, and transparent red; drawn twice as wide.
  test::PngSpec picture{.width = 3, .height = 1, .colourType = PNG_COLOR_TYPE_RGB_ALPHA,
                        .samples = {255, 255, 255, 255, 0, 0, 0, 128, 255, 0, 0, 0}};
  const std::string path = test::writeScratchFile("blend.png", test::encodePng(picture));
  auto image = sized(attributes({{attrSrc, path}, {attrWidth, "6"}}));
  ASSERT_NE(image->PictureBitmap(), nullptr);
  EXPECT_EQ(image->Transparent, trPng);
  EXPECT_EQ(image->PictureMask(), nullptr);
  EXPECT_EQ(ImageCache().Bytes(), 3 * 5);
  canvas.fillRect({0, 0, 300, 200}, ColorRef(0x4080C0));  // 0x00BBGGRR: red 0xC0, green 0x80, blue 0x40
  image->DrawImage(canvas, 10, run, 20, 0);
  const int top = 20 - image->ImageHeight;
  const std::vector<ColorRef> expected = {0xFFFFFF, 0xFFFFFF, 0x204060, 0x204060, 0x4080C0, 0x4080C0};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas.pixel(10 + x, top), expected[std::size_t(x)]) << x;
  EXPECT_EQ(canvas.pixel(16, top), ColorRef(0x4080C0));
}

TEST_F(InlineImages, BackgroundFetchTakesOnlyPlainBitmaps) {
  std::string path = solidBmp("page.bmp", 3, 3, 0xABCDEF);
  doc.SetBackgroundImageName(path);
  const Bitmap* background = doc.BackgroundImage();
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->at(1, 1), 0xABCDEFu);
  EXPECT_EQ(ImageCache().Item(0).InUseCount, 1);
  doc.ClearDocument();
  EXPECT_EQ(ImageCache().Item(0).InUseCount, 0);

  host.OnImageRequest = [](const std::string&, std::string*& stream) { stream = &PendingImageStream(); };
  doc.SetBackgroundImageName("later.bmp");
  EXPECT_EQ(doc.BackgroundImage(), nullptr);
  ASSERT_EQ(doc.MissingImages.size(), 1u);
  EXPECT_EQ(doc.MissingImages[0].Image, nullptr);
}

}  // namespace
}  // namespace tavra
