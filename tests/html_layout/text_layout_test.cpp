#include <gtest/gtest.h>

#include "layout_fixtures.h"
#include "platform/unicode.h"

namespace tavra::testing {
namespace {

TEST(TextBuilding, SpacesAtJoinsAreDroppedAndEmptyBlocksGetOneSpace) {
  DocFixture f;
  TSection s(0, alLeft, nullptr, f.font);
  s.AppendText(u" a ");
  s.AppendText(u" b");
  EXPECT_EQ(utf16ToUtf8(s.Text), "a b");
  EXPECT_EQ(s.CharCount, 3);
  s.AppendText(u"");
  EXPECT_EQ(s.CharCount, 3);

  TSection floats(0, alLeft, nullptr, f.font);
  floats.AddImage(std::make_unique<FakeImage>(20, 20, iaLeft), &f.doc);
  floats.AppendText(u" text");
  EXPECT_EQ(utf16ToUtf8(floats.Text), std::string(1, ImageMarker) + "text");

  TSection inlineImage(0, alLeft, nullptr, f.font);
  inlineImage.AddImage(std::make_unique<FakeImage>(20, 20), &f.doc);
  inlineImage.AppendText(u" text");
  EXPECT_EQ(utf16ToUtf8(inlineImage.Text), std::string(1, ImageMarker) + " text");

  TSection empty(0, alCenter, nullptr, f.font);
  EXPECT_EQ(empty.CloseSection(), alCenter);
  EXPECT_EQ(utf16ToUtf8(empty.Text), " ");
  EXPECT_EQ(empty.CharCount, 1);

  TSection big(0, alLeft, nullptr, f.font);
  big.AppendText(std::u16string(20000, u'x'));
  big.AppendText(u"yy");  // the block reaches past the limit once
  EXPECT_EQ(big.CharCount, 20002);
  big.AppendText(u"zz");
  EXPECT_EQ(big.CharCount, 20002);

  TPreFormated pre(0, alLeft, nullptr, f.font);
  pre.AppendText(u"  keep");
  EXPECT_EQ(utf16ToUtf8(pre.Text), "  keep");
}

TEST(TextLayout, LinesBreakAtSpacesWithinTheWidth) {
  DocFixture f;
  TSection& s = f.text("aaaa bbbb cccc");
  FixedCanvas c(200, 100);
  int height = f.layout(c, 10 * kAdvance12);
  ASSERT_EQ(s.Lines.size(), 2u);
  EXPECT_EQ(lineText(s, 0), "aaaa bbbb ");
  EXPECT_EQ(lineText(s, 1), "cccc");
  EXPECT_EQ(s.Lines[0].LineHt, kLine12);
  EXPECT_EQ(s.Lines[0].Descent, kDescent12);
  EXPECT_EQ(height, 2 * kLine12);
  EXPECT_EQ(s.ContentHeight, 2 * kLine12);

  // A run of spaces at the break stays on the line it ends.
  DocFixture g;
  TSection& t = g.text("aaaa   bbbb");
  g.layout(c, 5 * kAdvance12);
  ASSERT_EQ(t.Lines.size(), 2u);
  EXPECT_EQ(lineText(t, 0), "aaaa   ");
  EXPECT_EQ(lineText(t, 1), "bbbb");
}

TEST(TextLayout, WordWiderThanTheLineOverflowsOnALineOfItsOwn) {
  DocFixture f;
  TSection& s = f.text("ab " + std::string(15, 'w') + " cd");
  FixedCanvas c(200, 100);
  f.layout(c, 10 * kAdvance12);
  ASSERT_EQ(s.Lines.size(), 3u);
  EXPECT_EQ(lineText(s, 0), "ab ");
  EXPECT_EQ(lineText(s, 1), std::string(15, 'w') + " ");
  EXPECT_EQ(lineText(s, 2), "cd");

  // Even one character wider than the line takes a line.
  DocFixture g;
  TSection& t = g.text("abc");
  g.layout(c, 3);
  ASSERT_EQ(t.Lines.size(), 1u);
  EXPECT_EQ(t.Lines[0].Ln, 3);
}

TEST(TextLayout, BreakFallsBeforeAnImageThatDoesNotFit) {
  DocFixture f;
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  block->AppendText(u"abc");
  block->AddImage(std::make_unique<FakeImage>(40, 30), &f.doc);
  block->AppendText(u"de");
  TSection& s = f.add(std::move(block));
  FixedCanvas c(200, 100);
  f.layout(c, 50);
  ASSERT_EQ(s.Lines.size(), 2u);
  EXPECT_EQ(lineText(s, 0), "abc");
  EXPECT_EQ(s.Lines[1].Start, 3);
  // A bottom-aligned image 30 high stands on the baseline: 30 + descent 4 - 18 above.
  EXPECT_EQ(s.Lines[1].SpaceBefore, 30 + kDescent12 - kLine12);
  EXPECT_EQ(s.ContentHeight, kLine12 + 30 + kDescent12);
  EXPECT_EQ(s.TextWidth(3, 3, false), 40 + 2 * kAdvance12);
}

TEST(TextLayout, AlignmentCentresAndRightAlignsTheTrimmedLine) {
  FixedCanvas c(300, 200);
  DocFixture f;
  TSection& centre = f.text("abcd ", alCenter);
  TSection& right = f.text("abcd", alRight);
  TSection& wideRight = f.text(std::string(15, 'x'), alRight);
  TSection& wideCentre = f.text(std::string(15, 'x'), alCenter);
  f.layout(c, 100);
  EXPECT_EQ(centre.Lines[0].LineIndent, (100 - 32) / 2);
  EXPECT_EQ(right.Lines[0].LineIndent, 100 - 32 - 1);
  EXPECT_EQ(wideRight.Lines[0].LineIndent, 100 - 120 - 1);
  EXPECT_EQ(wideCentre.Lines[0].LineIndent, 0);
}

TEST(TextLayout, LeftFloatIndentsTextAndClearMovesBelowIt) {
  DocFixture f;
  auto first = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  auto* image = static_cast<FakeImage*>(first->AddImage(std::make_unique<FakeImage>(50, 40, iaLeft), &f.doc));
  first->AppendText(u"xxx");
  TSection& s1 = f.add(std::move(first));
  TSection& beside = f.text("yyy");
  TSection& cleared = f.text("zzz");
  TAttributeList attrs;
  attrs.Add(attrClear, 0, "ALL");
  cleared.ApplyClear(attrs);
  EXPECT_EQ(cleared.ClearMode, 3);

  FixedCanvas c(300, 200);
  int height = f.layout(c, 300);
  EXPECT_EQ(image->sizings, 1);
  EXPECT_EQ(image->lastAvailable, 300);
  EXPECT_EQ(image->FloatX, 0);
  EXPECT_EQ(s1.Lines[0].LineIndent, 50 + 5);  // outer width plus HSpace
  EXPECT_EQ(s1.ContentHeight, kLine12);
  EXPECT_EQ(s1.PaintHeight, 40);
  EXPECT_EQ(beside.Lines[0].LineIndent, 55);
  // The float covers y 0..39; the cleared block starts at 36 and its text at 40.
  ASSERT_EQ(cleared.Lines.size(), 2u);
  EXPECT_EQ(cleared.Lines[0].Ln, 0);
  EXPECT_EQ(cleared.Lines[0].LineHt, 40 - 2 * kLine12);
  EXPECT_EQ(cleared.Lines[1].LineIndent, 0);
  EXPECT_EQ(height, 40 + kLine12);

  TAttributeList right;
  right.Add(attrClear, 0, "Right");
  cleared.ApplyClear(right);
  EXPECT_EQ(cleared.ClearMode, 2);
}

TEST(TextLayout, FloatInTheMiddleOfALineIsPlacedBelowIt) {
  DocFixture f;
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  block->AppendText(u"ab ");
  auto* image = static_cast<FakeImage*>(block->AddImage(std::make_unique<FakeImage>(50, 40, iaRight), &f.doc));
  block->AppendText(u"cd");
  TSection& s = f.add(std::move(block));
  TSection& after = f.text("e");
  FixedCanvas c(300, 200);
  f.layout(c, 300);
  ASSERT_EQ(s.Lines.size(), 1u);
  EXPECT_EQ(s.Lines[0].LinePaintHt, kLine12 + 40);
  EXPECT_EQ(image->FloatX, 300 - 50);
  // The next block's line is beside the float, which reaches from y 18 to 58.
  EXPECT_EQ(after.Lines[0].LineIndent, 0);
  EXPECT_EQ(f.doc.Indents.RightLimitAt(kLine12), 300 - 55);
  EXPECT_EQ(f.doc.Indents.RightLimitAt(kLine12 + 40), 300);
}

TEST(TextLayout, ListItemsIndent35PixelsPerLevel) {
  DocFixture f;
  TSection& top = f.text("top");
  auto& one = f.add(std::make_unique<TUListItem>(1, nullptr, f.font));
  one.AppendText(u"one");
  auto& two = f.add(std::make_unique<TOListItem>(2, nullptr, f.font, 'a', 3));
  two.AppendText(u"two");
  TSection& back = f.text("back");
  FixedCanvas c(300, 200);
  f.layout(c, 300);
  EXPECT_EQ(top.Lines[0].LineIndent, 0);
  EXPECT_EQ(one.Lines[0].LineIndent, 35);
  EXPECT_EQ(one.FirstLineLeft, 35);
  EXPECT_EQ(two.Lines[0].LineIndent, 70);
  EXPECT_EQ(two.LevelIndent, 70);
  EXPECT_EQ(back.Lines[0].LineIndent, 0);
  EXPECT_EQ(two.ListKind, lkNumbered);
  EXPECT_EQ(two.ItemNumber, 3);
}

TEST(TextLayout, ListMarkersNumberInFiveStyles) {
  EXPECT_EQ(TSection::ItemLabel(7, '1'), u"7.");
  EXPECT_EQ(TSection::ItemLabel(3, 'a'), u"c.");
  EXPECT_EQ(TSection::ItemLabel(30, 'A'), u"Z.");
  EXPECT_EQ(TSection::ItemLabel(25, 'i'), u"xx.");
  EXPECT_EQ(TSection::ItemLabel(4, 'I'), u"IV.");
  EXPECT_EQ(TSection::ItemLabel(14, 'i'), u"xiv.");
  EXPECT_EQ(TSection::ItemLabel(12, 'x'), u"12.");
}

TEST(TextLayout, MeasureWidthsGivesLongestWordAndWholeText) {
  DocFixture f;
  auto block = std::make_unique<TSection>(1, alLeft, nullptr, f.font);
  block->AppendText(u"ab abcde a");
  block->AddImage(std::make_unique<FakeImage>(30, 10, iaLeft), &f.doc);
  TSection& s = f.add(std::move(block));
  FixedCanvas c(10, 10);
  int mn = 0, mx = 0;
  s.MeasureWidths(c, mn, mx);
  EXPECT_EQ(mx, (30 + 5) + 10 * kAdvance12 + 35);
  EXPECT_EQ(mn, 5 * kAdvance12 + (30 + 5) + 35);
}

}  // namespace
}  // namespace tavra::testing

namespace tavra::testing {
namespace {

// Any text at any width, stray marker bytes included, breaks into lines that cover it.
TEST(TextLayout, LinesCoverEveryCharacterForAnyTextAndWidth) {
  unsigned seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
  };
  const char alphabet[] = {'a', 'b', ' ', ' ', ImageMarker, ControlMarker, '\x8E', 'x'};
  for (int round = 0; round < 200; ++round) {
    DocFixture f;
    std::string text;
    int length = int(next() % 120) + 1;
    for (int i = 0; i < length; ++i) text += alphabet[next() % sizeof(alphabet)];
    TSection& s = f.text(text, int(next() % 3) + 1, int(next() % 3));
    FixedCanvas c(10, 10);
    int width = int(next() % 200) - 20;
    f.layout(c, width);
    int covered = 0;
    for (const LineRec& line : s.Lines) {
      ASSERT_EQ(line.Start, covered);
      ASSERT_GE(line.Ln, 1);
      covered += line.Ln;
    }
    ASSERT_EQ(covered, s.CharCount) << round;
  }
}

}  // namespace
}  // namespace tavra::testing
