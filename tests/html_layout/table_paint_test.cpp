// Table painting to the pixel on the fixed-metrics canvas, and the routing of points and
// character positions to captions and cells.

#include <gtest/gtest.h>

#include <string>

#include "html_layout/table_fixtures.h"
#include "platform/unicode.h"

namespace tavra::testing {
namespace {

constexpr ColorRef kRed = 0x0000FF, kBlue = 0xFF0000, kLime = 0x00FF00, kYellow = 0x00FFFF;
constexpr ColorRef kSilver = 0xC0C0C0;
const ColorRef kShadow = resolveColor(clBtnShadow);

TEST(TablePaint, BorderFramesCellsAndLeavesEmptyCellsBare) {
  TableFixture f;
  FixedCanvas canvas(100, 40);
  auto table = f.NewTable({Num(attrBorder, 1), Text(attrBgcolor, "red")});
  TCellList& row = f.Row(*table);
  f.Cell(row, "ab");
  TCellObj& empty = f.Cell(row, "");
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 100);
  f.paint(canvas);

  ASSERT_EQ(t.Widths[0], 22);
  ASSERT_EQ(t.Widths[1], 6);
  ASSERT_EQ(t.GridWidth, 32);
  ASSERT_EQ(t.ContentHeight, 28);
  // Raised grid frame: light left and top (silver on a white page), dark right and bottom.
  EXPECT_EQ(canvas.pixel(0, 0), kSilver);
  EXPECT_EQ(canvas.pixel(31, 0), kSilver);
  EXPECT_EQ(canvas.pixel(0, 27), kSilver);
  EXPECT_EQ(canvas.pixel(0, 15), kSilver);
  EXPECT_EQ(canvas.pixel(31, 1), kShadow);
  EXPECT_EQ(canvas.pixel(31, 27), kShadow);
  EXPECT_EQ(canvas.pixel(15, 27), kShadow);
  EXPECT_EQ(canvas.pixel(32, 15), clWhite);
  // Sunken cell frame one pixel outside the box (4..21, 4..23).
  EXPECT_EQ(canvas.pixel(3, 10), kShadow);
  EXPECT_EQ(canvas.pixel(10, 3), kShadow);
  EXPECT_EQ(canvas.pixel(22, 10), kSilver);
  EXPECT_EQ(canvas.pixel(10, 24), kSilver);
  // The box is filled; text is black on it.
  EXPECT_EQ(canvas.pixel(4, 4), kRed);
  EXPECT_EQ(canvas.pixel(21, 23), kRed);
  EXPECT_EQ(canvas.pixel(6, 10), clBlack);
  // Spacing and the empty cell show the page: no background, no frame.
  EXPECT_EQ(canvas.pixel(23, 10), clWhite);
  EXPECT_EQ(canvas.pixel(25, 3), clWhite);
  EXPECT_EQ(canvas.pixel(26, 10), clWhite);
  EXPECT_EQ(canvas.pixel(26, 24), clWhite);
  EXPECT_TRUE(empty.Cell->HasBackground);
}

TEST(TablePaint, BorderColourFillsTheSpacingAndEmptyCells) {
  TableFixture f;
  FixedCanvas canvas(60, 40);
  auto table = f.NewTable({Text(attrBordercolor, "blue")});
  TCellList& row = f.Row(*table);
  f.Cell(row, "ab");
  f.Cell(row, "");
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 60);
  f.paint(canvas);

  ASSERT_EQ(t.GridWidth, 26);
  ASSERT_EQ(t.ContentHeight, 24);
  EXPECT_EQ(canvas.pixel(0, 0), kBlue);
  EXPECT_EQ(canvas.pixel(1, 10), kBlue);
  EXPECT_EQ(canvas.pixel(20, 10), kBlue);
  EXPECT_EQ(canvas.pixel(10, 22), kBlue);
  EXPECT_EQ(canvas.pixel(25, 23), kBlue);
  EXPECT_EQ(canvas.pixel(23, 10), kBlue);  // the empty cell is not cut out
  EXPECT_EQ(canvas.pixel(2, 2), clWhite);
  EXPECT_EQ(canvas.pixel(19, 21), clWhite);
  EXPECT_EQ(canvas.pixel(26, 10), clWhite);
  EXPECT_EQ(canvas.pixel(10, 24), clWhite);
}

TEST(TablePaint, RowsOutsideTheClipAreSkipped) {
  TableFixture f;
  FixedCanvas canvas(60, 80);
  auto table = f.NewTable({Text(attrBgcolor, "red"), Text(attrBordercolor, "blue")});
  for (int i = 0; i < 3; ++i) f.Cell(f.Row(*table), "ab");
  f.AddTable(std::move(table));
  f.layout(canvas, 60);
  f.doc.PaintDocument(PaintContext{{0, 50, 60, 80}}, canvas, 2000, 0, 0);

  EXPECT_EQ(canvas.pixel(5, 5), clWhite);
  EXPECT_EQ(canvas.pixel(5, 30), clWhite);
  EXPECT_EQ(canvas.pixel(2, 47), kRed);
  EXPECT_EQ(canvas.pixel(0, 48), clWhite);
  EXPECT_EQ(canvas.pixel(0, 49), kBlue);
}

TEST(TablePaint, NestedTablePaintsInsideItsCellAndScrolls) {
  for (int scroll : {0, 4}) {
    SCOPED_TRACE(scroll);
    TableFixture f;
    FixedCanvas canvas(100, 60);
    auto outer = f.NewTable();
    TCellObj& holder = f.Cell(f.Row(*outer), "", {Text(attrBgcolor, "yellow")});
    auto inner = f.NewTable({}, holder.Cell.get());
    TCellList& row = f.Row(*inner);
    f.Cell(row, "ab", {Text(attrBgcolor, "blue")});
    f.Cell(row, "cd", {Text(attrBgcolor, "lime")});
    holder.Cell->AddSection(std::move(inner));
    f.AddTable(std::move(outer));
    f.layout(canvas, 100);
    f.paint(canvas, scroll);

    // Outer cell box (2..45, 2..27); inner table at (3, 3) with boxes (5..22, 5..24) and
    // (25..42, 5..24).
    EXPECT_EQ(canvas.pixel(1, 10), clWhite);
    EXPECT_EQ(canvas.pixel(2, 6 - scroll), kYellow);
    EXPECT_EQ(canvas.pixel(24, 10), kYellow);
    EXPECT_EQ(canvas.pixel(45, 27 - scroll), kYellow);
    EXPECT_EQ(canvas.pixel(46, 10), clWhite);
    EXPECT_EQ(canvas.pixel(5, 5 - scroll), kBlue);
    EXPECT_EQ(canvas.pixel(22, 24 - scroll), kBlue);
    EXPECT_EQ(canvas.pixel(42, 24 - scroll), kLime);
    EXPECT_EQ(canvas.pixel(43, 10), kYellow);
    EXPECT_EQ(canvas.pixel(10, 25 - scroll), kYellow);
  }
}

struct HitFixture : TableFixture {
  FixedCanvas canvas{100, 80};
  ThtmlTable* table = nullptr;
  TUrlTarget link;

  explicit HitFixture(bool captionAtTop) {
    link.URL = "next.htm";
    auto t = NewTable();
    AddText(*t->Caption->Cell, "cap", alCenter);
    t->CaptionAtTop = captionAtTop;
    TCellList& r0 = Row(*t);
    Cell(r0, "ab");
    Cell(r0, "cd");
    TCellList& r1 = Row(*t);
    Cell(r1, "ef");
    TCellObj& linked = Cell(r1, "");
    auto block = std::make_unique<TSection>(0, alLeft, &link, font);
    block->AppendText(u"gh");
    linked.Cell->AddSection(std::move(block));
    table = &AddTable(std::move(t));
    layout(canvas, 100);
    paint(canvas);
  }
};

TEST(TableHitTest, PointsFindCaptionAndCellsAndNothingInTheSpacing) {
  HitFixture f(true);
  ThtmlTable& t = *f.table;
  ASSERT_EQ(t.CaptionHeight, kLine12);
  ASSERT_EQ(t.GridWidth, 42);
  bool inside = false;
  int lineHeight = 0, lineTop = 0, caretX = 0;

  // Second half of "c" of "cd": content origin (23, 21); "c" covers 23..30.
  EXPECT_EQ(t.PointToCharPos(f.canvas, 28, 25, inside, lineHeight, lineTop, caretX), 6);
  EXPECT_TRUE(inside);
  EXPECT_EQ(caretX, 31);
  EXPECT_EQ(lineTop, 21);
  EXPECT_EQ(lineHeight, kLine12);
  // The caption is centred over 42 pixels: "cap" starts at 9.
  EXPECT_EQ(t.PointToCharPos(f.canvas, 10, 5, inside, lineHeight, lineTop, caretX), 0);
  EXPECT_EQ(lineTop, 0);
  EXPECT_EQ(t.PointToCharPos(f.canvas, 21, 25, inside, lineHeight, lineTop, caretX), -1);
  EXPECT_EQ(t.PointToCharPos(f.canvas, 50, 25, inside, lineHeight, lineTop, caretX), -1);
  EXPECT_EQ(t.PointToCharPos(f.canvas, 10, 63, inside, lineHeight, lineTop, caretX), -1);

  InlineControl* control = nullptr;
  TUrlTarget target;
  EXPECT_TRUE(t.LinkAtPoint(f.canvas, 25, 45, control, target));
  EXPECT_EQ(target.URL, "next.htm");
  EXPECT_FALSE(t.LinkAtPoint(f.canvas, 5, 45, control, target));
  InlineImage* image = nullptr;
  int ix = 0, iy = 0;
  EXPECT_FALSE(t.ImageAtPoint(25, 45, image, ix, iy));
}

TEST(TableHitTest, CharacterOperationsGoCaptionCellsInOrder) {
  for (bool top : {true, false}) {
    SCOPED_TRACE(top);
    HitFixture f(top);
    ThtmlTable& t = *f.table;
    ASSERT_EQ(t.CharCount, 11);
    int cells = top ? 3 : 0, caption = top ? 0 : 8;

    char16_t ch = 0;
    TSectionBase* block = nullptr;
    EXPECT_TRUE(t.CharAtPos(cells + 4, ch, block));
    EXPECT_EQ(ch, 'e');
    EXPECT_TRUE(t.CharAtPos(caption + 1, ch, block));
    EXPECT_EQ(ch, 'a');
    EXPECT_FALSE(t.CharAtPos(11, ch, block));
    EXPECT_FALSE(t.CharAtPos(-1, ch, block));

    EXPECT_EQ(t.SearchText(0, u"gh", true), cells + 6);
    EXPECT_EQ(t.SearchText(0, u"c", true), top ? 0 : cells + 2);
    EXPECT_EQ(t.SearchText(0, u"CAP", false), caption);
    EXPECT_EQ(t.SearchText(0, u"zz", true), -1);

    int y = 0, x = 0;
    EXPECT_TRUE(t.CharPosToPoint(f.canvas, cells + 4, y, x));
    EXPECT_EQ(y, (top ? kLine12 : 0) + 22 + 3);
    EXPECT_FALSE(t.CharPosToPoint(f.canvas, 11, y, x));

    std::u16string copied;
    t.CopySelectedText(0, 11, copied);
    std::string cellsText = "ab\r\ncd\r\nef\r\ngh\r\n";
    EXPECT_EQ(utf16ToUtf8(copied), top ? "cap\r\n" + cellsText : cellsText + "cap\r\n");
  }
}

TEST(TableHitTest, ImagesInCellsAreFoundWhereLayoutPlacedThem) {
  TableFixture f;
  FixedCanvas canvas(100, 80);
  f.text("above");
  auto table = f.NewTable();
  TCellList& row = f.Row(*table);
  f.Cell(row, "ab");
  TCellObj& holder = f.Cell(row, "x ");
  auto* image = static_cast<FakeImage*>(
      TableFixture::Block(holder).AddImage(std::make_unique<FakeImage>(10, 10), holder.Cell.get()));
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 100);

  InlineImage* found = nullptr;
  int ix = 0, iy = 0;
  // The picture stands in the second cell, after "x ".
  EXPECT_EQ(image->PictureLeft, t.GridX + t.Widths[0] + t.CellSpacing + t.CellPadding + 2 * kAdvance12);
  ASSERT_TRUE(t.ImageAtPoint(image->PictureLeft + 3, image->PictureTop + 4 - t.TopY, found, ix, iy));
  EXPECT_EQ(found, image);
  EXPECT_EQ(ix, 3);
  EXPECT_EQ(iy, 4);
  EXPECT_FALSE(t.ImageAtPoint(image->PictureLeft + 3, 0, found, ix, iy));
}

}  // namespace
}  // namespace tavra::testing
