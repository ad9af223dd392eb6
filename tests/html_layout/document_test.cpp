#include <gtest/gtest.h>

#include "layout_fixtures.h"
#include "platform/message_box.h"

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
  void RestartAnimation() override { ++restarts; }
  void Animate() override { ++frames; }
  int restarts = 0;
  int frames = 0;
};

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

TEST(Document, ProcessErrorIsReportedOnceAndTheBlockDropped) {
  std::vector<MessageBoxRequest> shown;
  auto old = setMessageBoxHandler([&](const MessageBoxRequest& r) {
    shown.push_back(r);
    return MessageResult::Ok;
  });
  DocFixture f;
  f.text("before");
  f.add(std::make_unique<FailingBlock>());
  TSection& after = f.text("after");
  FixedCanvas c(200, 100);
  EXPECT_EQ(f.layout(c, 200), 2 * kLine12);
  setMessageBoxHandler(old);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Příliš mnoho sloupců");
  EXPECT_EQ(shown[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(f.doc.Count(), 2);
  EXPECT_EQ(after.TopY, kLine12);
  EXPECT_EQ(f.layout(c, 200), 2 * kLine12);
  EXPECT_EQ(shown.size(), 1u);
}

TEST(Document, TimerRunsOnlyWithAnimatedPictures) {
  DocFixture f;
  f.text("x");
  FixedCanvas c(100, 40);
  EXPECT_EQ(f.doc.AnimationTimer->interval(), 50);
  EXPECT_FALSE(f.doc.AnimationTimer->enabled());
  f.layout(c, 100);
  EXPECT_FALSE(f.doc.AnimationTimer->enabled());
  f.paint(c);
  EXPECT_FALSE(f.doc.AnimationTimer->enabled());

  FakeAnimation drawn, hidden;
  f.doc.AnimatedImages = {&drawn, &hidden};
  f.layout(c, 100);
  EXPECT_TRUE(f.doc.AnimationTimer->enabled());
  EXPECT_EQ(drawn.restarts, 1);
  drawn.Drawn = hidden.Drawn = true;
  f.paint(c);  // marks both as not drawn; only pictures that paint themselves are drawn
  EXPECT_FALSE(drawn.Drawn);
  EXPECT_TRUE(f.doc.AnimationTimer->enabled());
  drawn.Drawn = true;
  f.doc.AnimationTimer->fire();
  EXPECT_EQ(drawn.frames, 1);
  EXPECT_EQ(hidden.frames, 0);

  f.doc.ClearDocument();
  EXPECT_TRUE(f.doc.AnimatedImages.empty());
  f.layout(c, 100);
  EXPECT_FALSE(f.doc.AnimationTimer->enabled());
}

TEST(Document, ScrollingUnplacesControlsAndPaintHidesThoseNotPlaced) {
  DocFixture f;
  FakeControl inText(40, 20), elsewhere(30, 10);
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  block->AppendText("ab");
  block->AddControl(&inText);
  TSection& s = f.add(std::move(block));
  f.doc.FormControls = {&inText, &elsewhere};
  FixedCanvas c(200, 100);
  f.layout(c, 200);
  EXPECT_FALSE(elsewhere.visible);
  // The control stands on the baseline: 20 + descent 4 - 18 above the text row.
  EXPECT_EQ(s.Lines[0].SpaceBefore, 20 + kDescent12 - kLine12);
  f.paint(c);
  EXPECT_TRUE(inText.Placed);
  EXPECT_EQ(inText.shownX, 2 * kAdvance12);
  EXPECT_EQ(inText.shownY, s.Lines[0].SpaceBefore + kLine12 - kDescent12 - 20);

  f.doc.SetScrollOffset(0);
  EXPECT_TRUE(inText.Placed);
  f.doc.SetScrollOffset(30);
  EXPECT_FALSE(inText.Placed);
  EXPECT_TRUE(f.doc.ScrollOffsetChanged);
  f.doc.PaintDocument(c, {0, 0, 200, 100}, 2000, 0, 0);
  EXPECT_FALSE(f.doc.ScrollOffsetChanged);
  EXPECT_FALSE(inText.visible);

  // With the focus in one of the controls, unplaced ones are moved away, not hidden.
  elsewhere.focused = true;
  inText.visible = true;
  f.doc.SetScrollOffset(60);
  f.doc.PaintDocument(c, {0, 0, 200, 100}, 2000, 0, 0);
  EXPECT_TRUE(inText.visible);
  EXPECT_EQ(inText.shownX, -4000);
}

TEST(Document, DocumentFontsRefreshEveryRun) {
  DocFixture f;
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  block->AppendText("plain ");
  TMyFont red = f.font;
  red.SetColor(0x0000FF);
  TUrlTarget link;
  link.Assign("x.htm", "");
  block->ChangeLink(attrHref, f.doc, red, link);
  block->AppendText("link");
  block->ChangeFont(f.doc, red);
  TSection& s = f.add(std::move(block));
  TMyFont fixed = f.font;
  fixed.Fixed = true;
  fixed.NormalSize = 24;
  s.ChangeFont(f.doc, fixed);
  s.AppendText("big");

  std::vector<ColorRef> backgrounds;
  f.doc.OnBackgroundChange = [&](TSectionList& d) { backgrounds.push_back(d.BackgroundColor); };
  f.doc.SetDocumentFonts("Arial", std::string(40, 'C'), 10, 0x111111, 0x222222, 0x333333);
  EXPECT_EQ(f.doc.PreFontName.size(), 33u);
  ASSERT_EQ(backgrounds.size(), 1u);
  EXPECT_EQ(backgrounds[0], 0x333333u);
  EXPECT_EQ(s.FontRuns[0].TheFont->Color(), 0x111111u | kPaletteRelative);
  EXPECT_EQ(s.FontRuns[1].TheFont->Color(), 0x222222u | kPaletteRelative);
  EXPECT_EQ(s.FontRuns[2].TheFont->Color(), 0x222222u | kPaletteRelative);  // still in the link
  EXPECT_EQ(s.FontRuns[0].TheFont->Name(), "Arial");
  EXPECT_EQ(s.FontRuns[0].TheFont->Size(), 10);
  EXPECT_EQ(s.FontRuns[2].TheFont->Name(), f.doc.PreFontName);
  EXPECT_EQ(s.FontRuns[2].TheFont->Size(), 20);
  // Metrics follow: 20 points are 27 pixels, a line of 27 + 3.
  EXPECT_EQ(s.FontRuns[2].FontHeight, 27 + 27 / 8);
  EXPECT_EQ(s.NumberFont->Color(), 0x111111u | kPaletteRelative);
}

TEST(Document, ClearDocumentEmptiesEverything) {
  DocFixture f;
  f.text("a");
  f.doc.SelFrom = 0;
  f.doc.SelTo = 1;
  f.doc.ImageMaps.Add(std::make_unique<TMapItem>());
  f.doc.MissingImages.push_back({"X.GIF", nullptr});
  std::vector<std::string> released;
  f.doc.ReleaseImage = [&](const std::string& name) { released.push_back(name); };
  Bitmap background(2, 2);
  f.doc.FetchBitmap = [&](const std::string&, bool&) { return &background; };
  f.doc.SetBackgroundImageName("back.bmp");
  EXPECT_EQ(f.doc.BackgroundImage(), &background);
  f.doc.ClearDocument();
  EXPECT_EQ(f.doc.Count(), 0);
  EXPECT_EQ(f.doc.SelTo, 0);
  EXPECT_EQ(f.doc.ImageMaps.Count(), 0);
  EXPECT_TRUE(f.doc.MissingImages.empty());
  EXPECT_EQ(f.doc.BackgroundBitmap, nullptr);
  EXPECT_EQ(released, std::vector<std::string>{"back.bmp"});

  // A picture the host delivers later is tried once and waits in MissingImages.
  f.doc.FetchBitmap = [&](const std::string&, bool& pending) {
    pending = true;
    return nullptr;
  };
  f.doc.SetBackgroundImageName("later.gif");
  EXPECT_EQ(f.doc.BackgroundImage(), nullptr);
  EXPECT_EQ(f.doc.BackgroundImage(), nullptr);
  ASSERT_EQ(f.doc.MissingImages.size(), 1u);
  EXPECT_EQ(f.doc.MissingImages[0].Name, "later.gif");
}

}  // namespace
}  // namespace tavra::testing
