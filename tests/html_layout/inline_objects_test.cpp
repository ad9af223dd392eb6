#include <gtest/gtest.h>

#include "layout_fixtures.h"

namespace tavra::testing {
namespace {

TEST(InlineObjects, ImageAlignmentMakesRoomAboveOrBelowTheText) {
  DocFixture f;
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  block->AppendText(u"a");
  block->AddImage(std::make_unique<FakeImage>(10, 40, iaTop), &f.doc);
  block->AppendText(u" b");
  block->AddImage(std::make_unique<FakeImage>(10, 31, iaMiddle), &f.doc);
  TSection& s = f.add(std::move(block));
  FixedCanvas c(200, 100);
  f.layout(c, 200);
  ASSERT_EQ(s.Lines.size(), 1u);
  // TOP: all the extra height below; MIDDLE: 13 of 31 - 18 below, 7 above.
  EXPECT_EQ(s.Lines[0].SpaceAfter, 40 - kLine12);
  EXPECT_EQ(s.Lines[0].SpaceBefore, (31 - kLine12) - (31 - kLine12) / 2);
  EXPECT_EQ(s.ContentHeight, s.Lines[0].SpaceBefore + kLine12 + 40 - kLine12);
  int mn = 0, mx = 0;
  s.MeasureWidths(c, mn, mx);
  EXPECT_EQ(mn, 10);  // images end words: the widest piece is an image
  EXPECT_EQ(mx, 3 * kAdvance12 + 20);
}

TEST(InlineObjects, ImageMapsAndImageInputsAnswerLinkTests) {
  DocFixture f;
  auto map = std::make_unique<TMapItem>();
  map->MapName = "NAV";
  TAttributeList area;
  area.Add(attrHref, 0, "left.htm");
  area.Add(attrShape, 0, "rect");
  area.Add(attrCoords, 0, "0,0,9,29");
  map->AddArea(area);
  f.doc.ImageMaps.Add(std::move(map));

  FakeControl submit(0, 0);
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  auto mapped = std::make_unique<FakeImage>(40, 30);
  mapped->UsesMap = true;
  mapped->MapName = "NAV";
  block->AddImage(std::move(mapped), &f.doc);
  auto input = std::make_unique<FakeImage>(20, 30);
  input->FormControl = &submit;
  block->AddImage(std::move(input), &f.doc);
  f.add(std::move(block));
  FixedCanvas c(200, 60);
  f.layout(c, 200);
  f.paint(c);

  InlineControl* control = nullptr;
  TUrlTarget target;
  ASSERT_TRUE(f.doc.LinkAtPoint(c, 5, 10, control, target));
  EXPECT_EQ(target.URL, "left.htm");
  EXPECT_FALSE(f.doc.LinkAtPoint(c, 20, 10, control, target));  // in the image, outside every area
  ASSERT_TRUE(f.doc.LinkAtPoint(c, 45, 10, control, target));
  EXPECT_EQ(control, &submit);
}

TEST(InlineObjects, FloatsAtTheLineStartAreDrawnBesideTheirLine) {
  DocFixture f;
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  auto* left = static_cast<FakeImage*>(block->AddImage(std::make_unique<FakeImage>(20, 30, iaLeft), &f.doc));
  auto* right = static_cast<FakeImage*>(block->AddImage(std::make_unique<FakeImage>(20, 30, iaRight), &f.doc));
  block->AppendText(u"text");
  TSection& s = f.add(std::move(block));
  FixedCanvas c(200, 60);
  f.layout(c, 200);
  f.paint(c);
  EXPECT_EQ(s.Lines[0].LineIndent, 25);
  EXPECT_EQ(left->PictureLeft, 0);
  EXPECT_EQ(left->PictureTop, 0);
  EXPECT_EQ(right->PictureLeft, 180);
  EXPECT_EQ(c.pixel(0, 0), ColorRef(0x00FF00));
  EXPECT_EQ(c.pixel(199, 29), ColorRef(0x00FF00));
  EXPECT_EQ(s.PaintHeight, 30);
  EXPECT_EQ(f.doc.Indents.RightLimitAt(0), 200 - 25);
}

}  // namespace
}  // namespace tavra::testing
