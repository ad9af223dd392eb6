#include <gtest/gtest.h>

#include "layout_fixtures.h"
#include "platform/unicode.h"

namespace tavra::testing {
namespace {

TEST(TextHits, LinkAtPointFindsTheRunUnderThePoint) {
  DocFixture f;
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  block->AppendText(u"hello ");
  TUrlTarget link;
  link.Assign("a.htm", "main");
  block->ChangeLink(attrHref, f.doc, f.font, link);
  block->AppendText(u"world");
  block->ChangeLink(attrName, f.doc, f.font, link);
  block->AppendText(u" end");
  TSection& s = f.add(std::move(block));
  FixedCanvas c(400, 40);
  f.layout(c, 400);
  f.paint(c);
  EXPECT_EQ(s.FontRuns[1].UrlTarget.URL, "a.htm");
  EXPECT_TRUE(s.FontRuns[2].UrlTarget.URL.empty());

  InlineControl* control = nullptr;
  TUrlTarget target;
  EXPECT_TRUE(f.doc.LinkAtPoint(c, 6 * kAdvance12 + 3, 5, control, target));
  EXPECT_EQ(target.URL, "a.htm");
  EXPECT_EQ(target.Target, "main");
  EXPECT_EQ(control, nullptr);
  EXPECT_FALSE(f.doc.LinkAtPoint(c, 3, 5, control, target));
  EXPECT_TRUE(target.URL.empty());
  EXPECT_FALSE(f.doc.LinkAtPoint(c, 11 * kAdvance12 + 1, 5, control, target));
  EXPECT_FALSE(f.doc.LinkAtPoint(c, 6 * kAdvance12 + 3, kLine12 + 1, control, target));
}

TEST(TextHits, ImagesInLinksReportTheLinkWithIsmapCoordinates) {
  DocFixture f;
  auto block = std::make_unique<TSection>(0, alLeft, nullptr, f.font);
  TUrlTarget link;
  link.Assign("map.htm", "");
  block->ChangeLink(attrHref, f.doc, f.font, link);
  auto image = std::make_unique<FakeImage>(40, 30);
  image->IsMap = true;
  block->AddImage(std::move(image), &f.doc);
  f.add(std::move(block));
  FixedCanvas c(200, 60);
  f.layout(c, 200);
  f.paint(c);
  InlineControl* control = nullptr;
  TUrlTarget target;
  ASSERT_TRUE(f.doc.LinkAtPoint(c, 7, 12, control, target));
  EXPECT_EQ(target.URL, "map.htm?7,12");
  InlineImage* hit = nullptr;
  int ix = 0, iy = 0;
  EXPECT_TRUE(f.doc.ImageAtPoint(39, 29, hit, ix, iy));
  EXPECT_EQ(ix, 39);
  EXPECT_FALSE(f.doc.ImageAtPoint(40, 29, hit, ix, iy));
}

TEST(TextHits, PositionsRoundTripBetweenPointsAndCharacters) {
  DocFixture f;
  f.text("top");
  TSection& s = f.text("aaaa bbbb cccc", alCenter);
  FixedCanvas c(200, 100);
  f.layout(c, 10 * kAdvance12);
  f.paint(c);
  ASSERT_EQ(s.Lines.size(), 2u);
  for (int pos = s.FirstCharPos; pos < s.FirstCharPos + s.CharCount; ++pos) {
    int x = 0, y = 0;
    ASSERT_TRUE(f.doc.CharPosToPoint(c, pos, y, x)) << pos;
    bool inside = false;
    int lineHeight = 0, lineTop = 0, caretX = 0;
    TCell* cell = nullptr;
    EXPECT_EQ(f.doc.PointToCharPos(c, x + 1, y + 1, inside, lineHeight, lineTop, caretX, cell), pos);
    EXPECT_TRUE(inside);
    EXPECT_EQ(caretX, x);
    EXPECT_EQ(lineTop, y);
    EXPECT_EQ(lineHeight, kLine12);
    EXPECT_EQ(cell, &f.doc);
    // Past the middle of the character the caret goes after it.
    EXPECT_EQ(f.doc.PointToCharPos(c, x + 5, y + 1, inside, lineHeight, lineTop, caretX, cell), pos + 1);
    EXPECT_EQ(caretX, x + kAdvance12);
    char16_t ch = 0;
    TSectionBase* block = nullptr;
    ASSERT_TRUE(f.doc.CharAtPos(pos, ch, block));
    EXPECT_EQ(ch, s.Text[std::size_t(pos - s.FirstCharPos)]);
    EXPECT_EQ(block, &s);
  }
  // Left of the centred second line: its start, outside the text.
  bool inside = true;
  int lineHeight = 0, lineTop = 0, caretX = 0;
  TCell* cell = nullptr;
  int secondTop = 2 * kLine12;
  EXPECT_EQ(f.doc.PointToCharPos(c, 2, secondTop + 3, inside, lineHeight, lineTop, caretX, cell),
            s.FirstCharPos + 10);
  EXPECT_FALSE(inside);
  EXPECT_EQ(f.doc.PointToCharPos(c, 79, secondTop + 3, inside, lineHeight, lineTop, caretX, cell),
            s.FirstCharPos + 14);
  EXPECT_FALSE(inside);
  int x = 0, y = 0;
  EXPECT_FALSE(f.doc.CharPosToPoint(c, s.FirstCharPos + s.CharCount, y, x));
  EXPECT_EQ(f.doc.PointToCharPos(c, 5, 3 * kLine12, inside, lineHeight, lineTop, caretX, cell), -1);
}

TEST(TextSearch, CaseInsensitiveForEuropeanLettersAndNeverAcrossBlocks) {
  DocFixture f;
  TSection& first = f.text("Hello World");
  TSection& second = f.text("Žluťoučký kůň Ωμέγα Жук");
  FixedCanvas c(400, 60);
  f.layout(c, 400);
  ASSERT_EQ(second.FirstCharPos, first.CharCount);
  EXPECT_EQ(f.doc.SearchText(0, u"world", false), 6);
  EXPECT_EQ(f.doc.SearchText(0, u"world", true), -1);
  EXPECT_EQ(f.doc.SearchText(0, u"World", true), 6);
  EXPECT_EQ(f.doc.SearchText(7, u"world", false), -1);
  EXPECT_EQ(f.doc.SearchText(0, u"KŮŇ", false), second.FirstCharPos + 10);
  EXPECT_EQ(f.doc.SearchText(0, u"KŮŇ", true), -1);
  EXPECT_EQ(f.doc.SearchText(0, u"žLUŤ", false), second.FirstCharPos);
  EXPECT_EQ(f.doc.SearchText(0, u"ΩΜΈΓΑ", false), second.FirstCharPos + 14);
  EXPECT_EQ(f.doc.SearchText(0, u"жук", false), second.FirstCharPos + 20);
  EXPECT_EQ(f.doc.SearchText(0, u"WorldŽ", false), -1);
  EXPECT_EQ(f.doc.SearchText(0, u"o", false), 4);
  EXPECT_EQ(f.doc.SearchText(5, u"o", false), 7);
  EXPECT_EQ(f.doc.SearchText(8, u"O", false), second.FirstCharPos + 4);
  EXPECT_EQ(f.doc.SearchText(second.FirstCharPos + second.CharCount, u"k", false), -1);
}

TEST(TextCopy, SelectedLinesWithIndentSpacesAndLineEnds) {
  DocFixture f;
  auto& item = f.add(std::make_unique<TUListItem>(2, nullptr, f.font));
  item.AppendText(u"abc");
  f.text("aaaa bbbb cccc");
  FixedCanvas c(200, 100);
  f.layout(c, 10 * kAdvance12 + 70);
  ASSERT_EQ(item.Lines[0].LineIndent, 70);
  auto copy = [](const DocFixture& d, int from, int to) {
    std::u16string out;
    d.doc.CopySelectedText(from, to, out);
    return utf16ToUtf8(out);
  };
  EXPECT_EQ(copy(f, 0, 3), "      abc\r\n");

  DocFixture g;
  TSection& t = g.text("aaaa bbbb cccc");
  g.layout(c, 10 * kAdvance12);
  EXPECT_EQ(copy(g, 2, 12), "aa bbbb \r\ncc");
  EXPECT_EQ(copy(g, 0, t.CharCount), "aaaa bbbb \r\ncccc\r\n");
  EXPECT_EQ(copy(g, 0, 0), "");
}

// A character beyond the Basic Multilingual Plane is two UTF-16 units but one character:
// it is measured, broken, hit and copied whole.
TEST(TextBeyondTheBasicPlane, IsMeasuredBrokenHitAndCopiedAsOneCharacter) {
  const std::string clef = "\U0001D11E";  // two units: positions 3-4 and 5-6 below
  DocFixture f;
  TSection& s = f.text("ab " + clef + clef + " cd");
  ASSERT_EQ(s.Text.size(), 10u);
  FixedCanvas c(200, 100);
  // Six characters fit: "ab " and both clefs with their space make the first line.
  f.layout(c, 6 * kAdvance12);
  ASSERT_EQ(s.Lines.size(), 2u);
  EXPECT_EQ(lineText(s, 0), "ab " + clef + clef + " ");
  EXPECT_EQ(lineText(s, 1), "cd");
  f.paint(c);
  ASSERT_FALSE(c.texts().empty());
  EXPECT_EQ(c.texts()[0].text, "ab " + clef + clef + " ");
  // Painted as five glyph boxes and a blank: nothing right of the sixth character.
  EXPECT_EQ(c.pixel(4 * kAdvance12 + 3, 8), clBlack);
  EXPECT_EQ(c.pixel(6 * kAdvance12 + 3, 8), clWhite);

  struct Hit {
    int x;         // a point on the first line
    int position;  // the caret it gives: never between the halves of a pair
    int caretX;
  };
  const Hit hits[] = {{3 * kAdvance12 + 2, 3, 3 * kAdvance12},
                      {3 * kAdvance12 + 6, 5, 4 * kAdvance12},
                      {4 * kAdvance12 + 6, 7, 5 * kAdvance12},
                      {5 * kAdvance12 + 2, 7, 5 * kAdvance12}};
  for (const Hit& h : hits) {
    bool inside = false;
    int lineHeight = 0, lineTop = 0, caretX = 0;
    TCell* cell = nullptr;
    EXPECT_EQ(f.doc.PointToCharPos(c, h.x, 5, inside, lineHeight, lineTop, caretX, cell), h.position) << h.x;
    EXPECT_EQ(caretX, h.caretX) << h.x;
  }
  for (const auto& [position, x] : std::vector<std::pair<int, int>>{{3, 3}, {5, 4}, {7, 5}}) {
    int px = 0, py = 0;
    ASSERT_TRUE(f.doc.CharPosToPoint(c, position, py, px)) << position;
    EXPECT_EQ(px, x * kAdvance12) << position;
  }
  // A selection made of such carets copies whole characters.
  std::u16string copied;
  f.doc.CopySelectedText(5, 7, copied);
  EXPECT_EQ(utf16ToUtf8(copied), clef);
}

}  // namespace
}  // namespace tavra::testing
