#include <gtest/gtest.h>

#include "html/images/image_cache.h"
#include "html/images/image_loading.h"
#include "layout_fixtures.h"

namespace tavra::testing {
namespace {

class FailingBlock : public TSectionBase {
 public:
  int LayoutSection(Canvas&, int, IndentManager&, int&, int&) override {
    throw EProcessError("Příliš mnoho sloupců");
  }
};

class FakeAnimation : public AnimatedPicture {
 public:
  explicit FakeAnimation(Rect rect) : rect_(rect) {}
  void RestartAnimation() override { ++restarts; }
  void Animate() override { ++frames; }
  Rect AnimatedRect() const override { return rect_; }
  int restarts = 0;
  int frames = 0;

 private:
  Rect rect_;
};

// A 2 x 2 picture as a 24-bit BMP file.
std::string tinyBmp() {
  std::string b(54 + 16, '\0');
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
  };
  b[0] = 'B', b[1] = 'M';
  put32(2, std::uint32_t(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, 2);
  put32(22, 2);
  b[26] = 1, b[28] = 24;
  return b;
}

TEST(Document, SectionTopAndFindSectionAtTheEnds) {
  DocFixture f;
  FixedCanvas c(200, 100);
  EXPECT_EQ(f.layout(c, 200), 0);
  EXPECT_EQ(f.doc.SectionTopY(0), 0);
  EXPECT_EQ(f.doc.SectionTopY(5), 0);
  int top = -1, index = -1;
  EXPECT_EQ(f.doc.FindSectionAtY(0, top, index), nullptr);

  TSection& a = f.text("a");
  auto& space = f.add(std::make_unique<TParagraphSpace>());
  TSection& b = f.text("b");
  EXPECT_EQ(f.layout(c, 200), 2 * kLine12 + 14);
  EXPECT_EQ(f.doc.SectionTopY(0), 0);
  EXPECT_EQ(f.doc.SectionTopY(1), kLine12);
  EXPECT_EQ(f.doc.SectionTopY(2), kLine12 + 14);
  EXPECT_EQ(f.doc.SectionTopY(50), kLine12 + 14);
  EXPECT_EQ(f.doc.FindSectionAtY(0, top, index), &a);
  EXPECT_EQ(f.doc.FindSectionAtY(kLine12, top, index), &space);
  EXPECT_EQ(top, kLine12);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(f.doc.FindSectionAtY(2 * kLine12 + 13, top, index), &b);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(f.doc.FindSectionAtY(2 * kLine12 + 14, top, index), nullptr);
  EXPECT_EQ(b.TopY, kLine12 + 14);
  EXPECT_EQ(b.FirstCharPos, 1);
  EXPECT_EQ(f.doc.CellCharCount, 2);
}

TEST(Document, ProcessErrorIsReportedToTheHostOnceAndTheBlockDropped) {
  DocFixture f;
  f.text("before");
  TSectionBase& failing = f.add(std::make_unique<FailingBlock>());
  TSection& after = f.text("after");
  FixedCanvas c(200, 100);
  EXPECT_EQ(f.layout(c, 200), 2 * kLine12);
  EXPECT_EQ(f.host.Problems, std::vector<std::string>{"Příliš mnoho sloupců"});
  EXPECT_EQ(f.host.Dropped, std::vector<const TSectionBase*>{&failing});
  EXPECT_EQ(f.doc.Count(), 2);
  EXPECT_EQ(after.TopY, kLine12);
  EXPECT_EQ(f.layout(c, 200), 2 * kLine12);
  EXPECT_EQ(f.host.Problems.size(), 1u);
}

TEST(Document, AnimationTimerRunsWithAnimatedPicturesAndKeepsItsPhaseAcrossPaints) {
  DocFixture f;
  f.text("x");
  FixedCanvas c(100, 40);
  CountingTimer& timer = *f.host.Timers.at(0);
  EXPECT_EQ(f.doc.AnimationTimer->interval(), 50);
  EXPECT_FALSE(f.doc.AnimationTimer->enabled());
  f.layout(c, 100);
  EXPECT_FALSE(f.doc.AnimationTimer->enabled());

  FakeAnimation shown({0, 0, 10, 10}), below({0, 500, 10, 510});
  f.doc.AnimatedImages = {&shown, &below};
  f.layout(c, 100);
  EXPECT_TRUE(f.doc.AnimationTimer->enabled());
  EXPECT_EQ(shown.restarts, 1);
  // Paints leave the timer alone: a frame comes due however often the window paints.
  const int changes = timer.Changes;
  for (int i = 0; i < 5; ++i) f.paint(c, i);
  EXPECT_EQ(timer.Changes, changes);

  // Only pictures in the band the host shows advance.
  f.doc.SetVisibleBand(0, 40);
  f.doc.AnimationTimer->fire();
  EXPECT_EQ(shown.frames, 1);
  EXPECT_EQ(below.frames, 0);
  f.doc.SetVisibleBand(480, 520);
  f.doc.AnimationTimer->fire();
  EXPECT_EQ(shown.frames, 1);
  EXPECT_EQ(below.frames, 1);

  f.doc.ClearDocument();
  EXPECT_TRUE(f.doc.AnimatedImages.empty());
  f.layout(c, 100);
  EXPECT_FALSE(f.doc.AnimationTimer->enabled());
}

TEST(Document, ControlsStandWhereLayoutPlacedThemWhileTheyAreInView) {
  DocFixture f;
  FakeControl inText(40, 20), elsewhere(30, 10);
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  block->AppendText(u"ab");
  block->AddControl(&inText);
  TSection& s = f.add(std::move(block));
  f.doc.FormControls = {&inText, &elsewhere};
  FixedCanvas c(200, 100);
  f.layout(c, 200);
  // The control stands on the baseline: 20 + descent 4 - 18 above the text row.
  EXPECT_EQ(s.Lines[0].SpaceBefore, 20 + kDescent12 - kLine12);
  ASSERT_TRUE(inText.HasPlace);
  EXPECT_FALSE(elsewhere.HasPlace);
  const int top = s.Lines[0].SpaceBefore + kLine12 - kDescent12 - 20;
  EXPECT_EQ(inText.DocLeft, 2 * kAdvance12);
  EXPECT_EQ(inText.DocTop, top);

  // The host shows the band from y 0 with the document's left edge at x 7.
  f.doc.SetVisibleBand(0, 100);
  f.doc.ShowControls(7, 0);
  EXPECT_TRUE(inText.visible);
  EXPECT_EQ(inText.shownX, 7 + 2 * kAdvance12);
  EXPECT_EQ(inText.shownY, top);
  EXPECT_FALSE(elsewhere.visible);
  // Painting moves no window.
  inText.shownX = -1;
  f.paint(c);
  EXPECT_EQ(inText.shownX, -1);

  // Scrolled out of view: hidden; with the focus in a control, moved away instead.
  f.doc.SetVisibleBand(60, 160);
  f.doc.ShowControls(7, 60);
  EXPECT_FALSE(inText.visible);
  elsewhere.focused = true;
  f.doc.ShowControls(7, 60);
  EXPECT_TRUE(inText.visible);
  EXPECT_EQ(inText.shownX, -4000);
}

TEST(Document, DocumentFontsRefreshEveryRun) {
  DocFixture f;
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  block->AppendText(u"plain ");
  TMyFont red = f.font;
  red.SetColor(0x0000FF);
  TUrlTarget link;
  link.Assign("x.htm", "");
  block->ChangeLink(attrHref, f.doc, red, link);
  block->AppendText(u"link");
  block->ChangeFont(f.doc, red);
  TSection& s = f.add(std::move(block));
  TMyFont fixed = f.font;
  fixed.Fixed = true;
  fixed.NormalSize = 24;
  s.ChangeFont(f.doc, fixed);
  s.AppendText(u"big");

  f.host.BackgroundChanges = 0;
  f.doc.SetDocumentFonts("Arial", std::string(40, 'C'), 10, 0x111111, 0x222222, 0x333333);
  EXPECT_EQ(f.doc.PreFontName.size(), 33u);
  EXPECT_EQ(f.host.BackgroundChanges, 1);
  EXPECT_EQ(f.doc.BackgroundColor, 0x333333u);
  EXPECT_EQ(s.FontRuns[0].TheFont->Color(), 0x111111u | kPaletteRelative);
  EXPECT_EQ(s.FontRuns[1].TheFont->Color(), 0x222222u | kPaletteRelative);
  EXPECT_EQ(s.FontRuns[2].TheFont->Color(), 0x222222u | kPaletteRelative);  // still in the link
  EXPECT_EQ(s.FontRuns[0].TheFont->Name(), "Arial");
  EXPECT_EQ(s.FontRuns[0].TheFont->Size(), 10);
  EXPECT_EQ(s.FontRuns[2].TheFont->Name(), f.doc.PreFontName);
  EXPECT_EQ(s.FontRuns[2].TheFont->Size(), 20);
  // Metrics follow: 20 points are 27 pixels, a line of 27 + 3.
  EXPECT_EQ(s.FontRuns[2].FontHeight, 27 + 27 / 8);
  EXPECT_EQ(s.NumberFont.Color(), 0x111111u | kPaletteRelative);
}

TEST(Document, ClearDocumentEmptiesEverythingAndGivesTheBackgroundBack) {
  DocFixture f;
  f.text("a");
  f.doc.ImageMaps.Add(std::make_unique<TMapItem>());
  f.doc.MissingImages.push_back({"X.GIF", nullptr});
  const std::string picture = tinyBmp();
  std::string stream = picture;
  f.host.OnImageRequest = [&](const std::string&, std::string*& out) { out = &stream; };
  f.doc.SetBackgroundImageName("clear-test-back.bmp");
  const Bitmap* background = f.doc.BackgroundImage();
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->width, 2);
  const int entry = ImageCache().IndexOf("clear-test-back.bmp");
  ASSERT_GE(entry, 0);
  EXPECT_EQ(ImageCache().Item(entry).InUseCount, 1);
  f.doc.ClearDocument();
  EXPECT_EQ(f.doc.Count(), 0);
  EXPECT_EQ(f.doc.ImageMaps.Count(), 0);
  EXPECT_TRUE(f.doc.MissingImages.empty());
  EXPECT_EQ(f.doc.BackgroundBitmap, nullptr);
  EXPECT_EQ(ImageCache().Item(ImageCache().IndexOf("clear-test-back.bmp")).InUseCount, 0);

  // A picture the host delivers later is asked for once and waits in MissingImages.
  int asked = 0;
  f.host.OnImageRequest = [&](const std::string&, std::string*& out) {
    ++asked;
    out = &PendingImageStream();
  };
  f.doc.SetBackgroundImageName("later.gif");
  EXPECT_EQ(f.doc.BackgroundImage(), nullptr);
  EXPECT_EQ(f.doc.BackgroundImage(), nullptr);
  EXPECT_EQ(asked, 1);
  ASSERT_EQ(f.doc.MissingImages.size(), 1u);
  EXPECT_EQ(f.doc.MissingImages[0].Name, "later.gif");
}

}  // namespace
}  // namespace tavra::testing
