// The document as assistive technology reads it: text in reading order, links with their
// places, characters' rectangles, and the walk through links and controls.

#include <gtest/gtest.h>

#include "html/reading_text.h"
#include "html_parse/builder_fixture.h"
#include "fake_form_widgets.h"
#include "layout_fixtures.h"

namespace tavra::test {
namespace {

struct Laid : Parsed {
  explicit Laid(std::string_view html, int width = 400) : Parsed(html) {
    FixedCanvas canvas(width, 100);
    int scrollWidth = 0, chars = 0;
    doc.LayoutDocument(canvas, 0, width, scrollWidth, chars);
    reading = BuildReadingText(doc);
  }
  std::string text() const { return utf16ToUtf8(reading.Text); }
  ReadingText reading;
};

TEST(ReadingText, BlocksCellsListItemsAndPicturesAreReadInOrder) {
  const struct {
    const char* html;
    const char* text;
  } cases[] = {
      {"<p>One</p><p>Two</p>", "One\nTwo\n"},
      {"<h1>Head</h1>body", "Head\nbody\n"},
      {"<ul><li>a<li>b</ul>", "\xE2\x80\xA2 a\n\xE2\x80\xA2 b\n"},
      {"<ol type=A><li>a<li>b</ol>", "A. a\nB. b\n"},
      {"<table><tr><td>x<td>y<tr><td>z</table>after", "x\ny\nz\nafter\n"},
      {"<table><caption align=bottom>cap</caption><tr><td>x</table>", "x\ncap\n"},
      {"see <img src=\"missing.gif\" alt=\"a cat\"> here", "see a cat here\n"},
      {"no <img src=\"missing.gif\"> alt", "no  alt\n"},
  };
  for (const auto& c : cases) {
    Laid laid(c.html);
    EXPECT_EQ(laid.text(), c.text) << c.html;
  }
}

TEST(ReadingText, PositionsAndOffsetsMapBothWays) {
  Laid laid("<p>ab</p><ul><li>cd</ul>");
  ASSERT_EQ(laid.text(), "ab\n\xE2\x80\xA2 cd\n");
  const int c = int(laid.reading.Text.find(u'c'));
  const int pos = laid.reading.PositionAt(c);
  char16_t ch = 0;
  TSectionBase* block = nullptr;
  ASSERT_TRUE(laid.doc.CharAtPos(pos, ch, block));
  EXPECT_EQ(ch, u'c');
  EXPECT_EQ(laid.reading.OffsetOf(pos), c);
  EXPECT_EQ(laid.reading.PositionAt(2), -1);  // the line end the reading adds
  EXPECT_EQ(laid.reading.PositionAt(c - 1), -1);  // the marker
}

TEST(ReadingText, ALinkIsOneAcrossFontChangesWithARectangleForEachLine) {
  // "Go " then the link: 3 characters in, on the first line.
  Laid laid("<p>Go <a href=\"a.htm\" target=t>to <b>the</b> end</a>, <a href=\"b.htm\">back</a></p>");
  ASSERT_EQ(laid.reading.Links.size(), 2u);
  const ReadingLink& first = laid.reading.Links[0];
  EXPECT_EQ(utf16ToUtf8(laid.reading.LinkText(first)), "to the end");
  EXPECT_EQ(first.Target.URL, "a.htm");
  EXPECT_EQ(first.Target.Target, "t");
  ASSERT_EQ(first.Rects.size(), 1u);
  EXPECT_EQ(first.Rects[0].left, 3 * testing::kAdvance12);
  EXPECT_EQ(first.Rects[0].width(), 10 * testing::kAdvance12);
  Rect e;
  ASSERT_TRUE(laid.reading.CharRect(first.End - 1, e));
  EXPECT_EQ(e.right, first.Rects[0].right);
  EXPECT_EQ(e.top, first.Rects[0].top);
  EXPECT_EQ(e.height(), first.Rects[0].height());
  EXPECT_EQ(utf16ToUtf8(laid.reading.LinkText(laid.reading.Links[1])), "back");

  // Wrapped: 20 characters fit on a line of 160 pixels.
  Laid wrapped("<p>aaaa <a href=\"w.htm\">bbbbbbbbbb cccccccccc</a></p>", 20 * testing::kAdvance12);
  ASSERT_EQ(wrapped.reading.Links.size(), 1u);
  const auto& rects = wrapped.reading.Links[0].Rects;
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_LT(rects[0].top, rects[1].top);
  EXPECT_EQ(rects[1].left, 0);
  EXPECT_EQ(wrapped.reading.LineStarts.size(), 2u);
  EXPECT_EQ(wrapped.reading.LineStarts[1], int(wrapped.reading.Text.find(u'c')));
}

TEST(ReadingText, StopsAreTheLinksAndControlsInReadingOrder) {
  // The factory outlives the document, whose controls tell it when they go.
  testing::FakeFormWidgetFactory widgets;
  Parsed parsed;
  parsed.host.Widgets = &widgets;
  parsed.parse("<a href=\"1.htm\">one</a><form><input name=q><select name=s><option>x</select></form>"
               "<table><tr><td><a href=\"2.htm\">two</a></table><input type=submit>");
  FixedCanvas canvas(400, 100);
  int scrollWidth = 0, chars = 0;
  parsed.doc.LayoutDocument(canvas, 0, 400, scrollWidth, chars);
  const ReadingText reading = BuildReadingText(parsed.doc);
  ASSERT_EQ(reading.Stops.size(), 5u);
  ASSERT_EQ(parsed.doc.FormControls.size(), 3u);
  EXPECT_EQ(reading.Stops[0].Link, 0);
  EXPECT_EQ(reading.Stops[1].Control, parsed.doc.FormControls[0]);
  EXPECT_EQ(reading.Stops[2].Control, parsed.doc.FormControls[1]);
  EXPECT_EQ(reading.Stops[3].Link, 1);
  EXPECT_EQ(reading.Stops[4].Control, parsed.doc.FormControls[2]);
}

// Links to one target are one link only where they are one run of text: not in two blocks
// (also where the second's link starts at the character the first's ended at), not in two
// cells, not with text between.
TEST(ReadingText, LinksToOneTargetInAdjacentBlocksAreKeptApart) {
  const struct {
    const char* html;
    std::vector<std::string> links;
  } cases[] = {
      {"<p><a href=x.htm>ab</a></p><p>cd<a href=x.htm>ef</a></p>", {"ab", "ef"}},
      {"<p><a href=x.htm>ab</a></p><p><a href=x.htm>cd</a></p>", {"ab", "cd"}},
      {"<table><tr><td><a href=x.htm>ab</a><td>cd<a href=x.htm>ef</a></table>", {"ab", "ef"}},
      {"<p><a href=x.htm>ab</a> <a href=x.htm>cd</a></p>", {"ab", "cd"}},
  };
  for (const auto& c : cases) {
    Laid laid(c.html);
    std::vector<std::string> links;
    for (const ReadingLink& link : laid.reading.Links) links.push_back(utf16ToUtf8(laid.reading.LinkText(link)));
    EXPECT_EQ(links, c.links) << c.html;
    EXPECT_EQ(laid.reading.Stops.size(), c.links.size()) << c.html;
  }
}

}  // namespace
}  // namespace tavra::test
