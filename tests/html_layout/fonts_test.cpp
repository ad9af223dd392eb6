#include <gtest/gtest.h>

#include "layout_fixtures.h"

namespace tavra::testing {
namespace {

TEST(FontRuns, ChangeFontWithoutTextBetweenKeepsOneRun) {
  DocFixture f;
  TSection s(0, alLeft, nullptr, f.font, fsItalic);
  EXPECT_EQ(s.FontRuns[0].TheFont->Style(), unsigned(fsItalic));
  EXPECT_EQ(s.NumberFont.Style(), unsigned(fsItalic));
  s.AppendText(u"abc");
  TMyFont small = f.font;
  small.SetSize(8);
  s.ChangeFont(f.doc, f.font);
  s.ChangeFont(f.doc, small, fsBold);
  ASSERT_EQ(s.FontRuns.Count(), 2);
  EXPECT_EQ(s.FontRuns[1].Pos, 3);
  EXPECT_EQ(s.FontRuns[1].TheFont->Size(), 8);
  EXPECT_EQ(s.FontRuns[1].TheFont->Style(), unsigned(fsBold));
  // 8 points are 11 pixels: height 11 + leading 1, descent 2.
  EXPECT_EQ(s.FontRuns[1].FontHeight, 12);
  EXPECT_EQ(s.FontRuns[1].TextHeight, 11);
  int descent = 0;
  EXPECT_EQ(s.FontRuns[1].GetHeight(descent), 12);
  EXPECT_EQ(descent, 2);
  s.AppendText(u"defg");
  s.ChangeFont(f.doc, f.font);
  s.AppendText(u"h");

  int overhang = -1, index = -1;
  EXPECT_EQ(s.FontRuns.FontAtPos(3, overhang)->face().size, 8);
  EXPECT_EQ(s.FontRuns.FontAtPos(2, overhang)->face().size, 12);
  EXPECT_EQ(overhang, 2);  // the italic run
  EXPECT_EQ(s.FontRuns.FontAtPos(500, overhang)->face().size, 12);
  EXPECT_EQ(&s.FontRuns.RunAtPos(7, index), &s.FontRuns[2]);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(s.FontRuns.CharsToNextRun(0, s.CharCount), 3);
  EXPECT_EQ(s.FontRuns.CharsToNextRun(4, s.CharCount), 3);
  EXPECT_EQ(s.FontRuns.CharsToNextRun(7, s.CharCount), 1);
}

TEST(FontRuns, SizesFollowTheDocumentSizeAndScriptModes) {
  DocFixture f;
  f.doc.FontSize = 10;
  TMyFont big = f.font;
  big.SetHtmlSize(f.doc, 24);
  EXPECT_EQ(big.NormalSize, 24);
  EXPECT_EQ(big.Size(), 20);
  TSection s(0, alLeft, nullptr, f.font);
  s.AppendText(u"x");
  s.ChangeFont(f.doc, big, 0, smSuperscript);
  EXPECT_EQ(s.FontRuns.Last().TheFont->NormalSize, 18);
  EXPECT_EQ(s.FontRuns.Last().TheFont->Size(), 15);
  EXPECT_EQ(s.FontRuns.Last().ScriptMode, smSuperscript);

  EXPECT_EQ(FontSizes[2], 12);
  EXPECT_EQ(PreFontSizes[6], 30);
  EXPECT_EQ(HeadingSizes[0], 24);

  TMyFont copy;
  copy.Assign(big);
  EXPECT_EQ(copy.NormalSize, 24);
  TMyFont face;
  face.AssignFace(big);
  EXPECT_EQ(face.NormalSize, 12);
  EXPECT_EQ(face.Size(), 20);
}

TEST(FontRuns, MulDivRoundsToNearest) {
  EXPECT_EQ(MulDiv(14, 10, 12), 12);
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(1, 1, 3), 0);
  EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

}  // namespace
}  // namespace tavra::testing
