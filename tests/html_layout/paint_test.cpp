#include <gtest/gtest.h>

#include "layout_fixtures.h"
#include "platform/unicode.h"

namespace tavra::testing {
namespace {

constexpr int kBaseline = kLine12 - kDescent12;  // of a first line at y 0

TEST(TextPaint, SelectionIsInverseForExactlyTheSelectedCharacters) {
  DocFixture f;
  f.text("abcdefgh");
  FixedCanvas c(200, 40);
  f.layout(c, 200);
  f.paint(c, 0, 2, 5);

  ASSERT_EQ(c.texts().size(), 3u);
  EXPECT_EQ(c.texts()[0].text, "ab");
  EXPECT_FALSE(c.texts()[0].opaque);
  EXPECT_EQ(c.texts()[1].text, "cde");
  EXPECT_EQ(c.texts()[1].x, 2 * kAdvance12);
  EXPECT_TRUE(c.texts()[1].opaque);
  EXPECT_EQ(c.texts()[1].bkColor, clBlack);
  EXPECT_EQ(c.texts()[1].color, clWhite);
  EXPECT_EQ(c.texts()[2].text, "fgh");
  EXPECT_FALSE(c.texts()[2].opaque);

  int glyphRow = kBaseline - 1, descentRow = kBaseline + 2;
  EXPECT_EQ(c.pixel(1, glyphRow), clBlack);      // unselected glyph
  EXPECT_EQ(c.pixel(7, glyphRow), clWhite);      // and the gap after it
  EXPECT_EQ(c.pixel(17, glyphRow), clWhite);     // selected glyph in the background colour
  EXPECT_EQ(c.pixel(23, glyphRow), clBlack);     // on the text colour
  EXPECT_EQ(c.pixel(15, descentRow), clWhite);
  EXPECT_EQ(c.pixel(16, descentRow), clBlack);
  EXPECT_EQ(c.pixel(39, descentRow), clBlack);
  EXPECT_EQ(c.pixel(40, descentRow), clWhite);
  EXPECT_EQ(c.pixel(41, glyphRow), clBlack);
}

TEST(TextPaint, RunsAreDrawnWithTheirFontsOverhangAndScriptOffsets) {
  DocFixture f;
  TMyFont italic = f.font;
  italic.SetStyle(fsItalic);
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, italic);
  block->AppendText(u"ab");
  TMyFont small = f.font;
  small.SetSize(10);
  block->ChangeFont(f.doc, small, fsBold);
  block->AppendText(u"cd");
  block->ChangeFont(f.doc, f.font, 0, smSuperscript);
  block->AppendText(u"e");
  block->ChangeFont(f.doc, f.font, 0, smSubscript);
  block->AppendText(u"f");
  TSection& s = f.add(std::move(block));
  FixedCanvas c(200, 40);
  f.layout(c, 200);
  f.paint(c);

  EXPECT_EQ(s.FontRuns.Count(), 4);
  EXPECT_EQ(s.FontRuns[2].TheFont->NormalSize, 9);
  EXPECT_EQ(s.FontRuns[2].TheFont->Size(), 9);
  ASSERT_EQ(c.texts().size(), 4u);
  const auto& t = c.texts();
  // The italic run (overhang 2) starts 1 pixel left and advances by its plain extent.
  EXPECT_EQ(t[0].x, -1);
  EXPECT_EQ(t[0].baseline, kBaseline);
  EXPECT_EQ(t[1].x, 2 * kAdvance12);
  EXPECT_EQ(t[1].font.size, 10);
  EXPECT_EQ(t[1].font.style, unsigned(fsBold));
  EXPECT_EQ(t[2].x, 2 * kAdvance12 + 2 * 6);
  // 9 points are 12 pixels: font height 12 + 1, raised by a third of it.
  EXPECT_EQ(t[2].baseline, kBaseline - 13 / 3);
  EXPECT_EQ(t[3].x, 2 * kAdvance12 + 2 * 6 + 6);
  EXPECT_EQ(t[3].baseline, kBaseline + 3 / 2 + 1);
  EXPECT_EQ(s.TextWidth(0, 6, false), 16 + 12 + 6 + 6);
}

TEST(TextPaint, ListMarkersAreNumbersRightOfTheIndentAndColouredBullets) {
  DocFixture f;
  auto& numbered = f.add(std::make_unique<TOListItem>(1, nullptr, f.font, 'I', 4));
  numbered.AppendText(u"one");
  auto& bullet1 = f.add(std::make_unique<TUListItem>(1, nullptr, f.font));
  bullet1.AppendText(u"two");
  auto& bullet2 = f.add(std::make_unique<TUListItem>(2, nullptr, f.font));
  bullet2.AppendText(u"three");
  auto& none = f.add(std::make_unique<TUListItem>(1, nullptr, f.font));
  none.NoBullet = true;
  none.AppendText(u"four");
  auto& definition = f.add(std::make_unique<TDListItem>(1, nullptr, f.font));
  definition.AppendText(u"five");
  FixedCanvas c(300, 120);
  f.layout(c, 300);
  f.paint(c);

  ASSERT_GE(c.texts().size(), 2u);
  EXPECT_EQ(c.texts()[0].text, "IV.");
  EXPECT_EQ(c.texts()[0].x, 35 - 5 - 3 * kAdvance12);
  EXPECT_EQ(c.texts()[0].baseline, kBaseline);
  EXPECT_FALSE(c.texts()[0].opaque);
  EXPECT_EQ(c.texts()[1].x, 35);

  // A 5-pixel disc centred 8 pixels left of the indent, in the middle of the row.
  int middle1 = kLine12 + kLine12 / 2;
  EXPECT_EQ(c.pixel(35 - 8, middle1), ColorRef(0x800000));
  EXPECT_EQ(c.pixel(35 - 10, middle1), ColorRef(0x800000));
  EXPECT_EQ(c.pixel(35 - 11, middle1), clWhite);
  EXPECT_EQ(c.pixel(35 - 5, middle1), clWhite);
  EXPECT_EQ(c.pixel(70 - 8, 2 * kLine12 + kLine12 / 2), ColorRef(0x000080));
  for (int row = 3; row < 5; ++row)
    for (int x = 0; x < 35; ++x) ASSERT_EQ(c.pixel(x, row * kLine12 + kLine12 / 2), clWhite) << x;

  // On a custom background the bullet is an outline in the text colour.
  DocFixture g;
  g.doc.BackgroundColor = 0x00C0FF;
  g.doc.FontColor = 0x0000FF;
  auto& item = g.add(std::make_unique<TUListItem>(1, nullptr, g.font));
  item.AppendText(u"x");
  FixedCanvas d(100, 40);
  g.layout(d, 100);
  g.paint(d);
  EXPECT_EQ(d.pixel(35 - 10, kLine12 / 2), ColorRef(0x0000FF));
  EXPECT_EQ(d.pixel(35 - 8, kLine12 / 2), clWhite);
}

TEST(TextPaint, PreformattedLinesNeverWrapAndWidenTheDocument) {
  DocFixture f;
  auto pre = std::make_unique<TPreFormated>(0, alLeft, nullptr, f.font);
  pre->AppendText(std::u16string(30, u'p') + u" " + std::u16string(10, u'q'));
  TPreFormated& p = f.add(std::move(pre));
  f.add(std::make_unique<TPreFormated>(0, alLeft, nullptr, f.font));
  FixedCanvas c(100, 60);
  int scrollWidth = 0;
  int height = f.layout(c, 100, &scrollWidth);
  ASSERT_EQ(p.Lines.size(), 1u);
  EXPECT_EQ(scrollWidth, 41 * kAdvance12);
  EXPECT_EQ(height, 2 * kLine12);  // the empty line got a space and keeps its height
  int mn = 0, mx = 0;
  p.MeasureWidths(c, mn, mx);
  EXPECT_EQ(mx, 41 * kAdvance12);
  EXPECT_EQ(mn, 41 * kAdvance12);
  p.AppendText(std::u16string(100, u'r'));
  p.MeasureWidths(c, mn, mx);
  EXPECT_EQ(mn, 500);
}

TEST(TextPaint, BlocksOutsideTheClipAreNotDrawnAndScrollingShiftsText) {
  DocFixture f;
  f.text("first");
  f.text("second");
  FixedCanvas c(200, 40);
  f.layout(c, 200);
  f.doc.PaintDocument(PaintContext{{0, 1, 200, 10}, kLine12}, c, 2000, 0, 0);
  ASSERT_EQ(c.texts().size(), 1u);
  EXPECT_EQ(c.texts()[0].text, "second");
  EXPECT_EQ(c.texts()[0].baseline, kBaseline);
}

}  // namespace
}  // namespace tavra::testing
