// Table layout on the fixed-metrics canvas: grids, column widths, row heights, captions,
// alignment and floating, nesting, and the column limit.

#include <gtest/gtest.h>

#include <climits>
#include <numeric>
#include <string>
#include <vector>

#include "html_layout/table_fixtures.h"
#include "platform/unicode.h"

namespace tavra::testing {
namespace {

int Sum(const ThtmlTable& t) { return std::accumulate(t.Widths, t.Widths + t.NumCols, 0); }

TEST(TableLayout, HalfWidthTableFillsItsTargetToThePixel) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  auto table = f.NewTable({Pct(attrWidth, 50)}, nullptr, alCenter);
  TCellList& row = f.Row(*table);
  // Each cell: minimum 16 ("bb") and maximum 32 ("a bb"), plus 2 * padding + spacing.
  for (int i = 0; i < 3; ++i) f.Cell(row, "a bb");
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 600);

  ASSERT_EQ(t.NumCols, 3);
  // 300 wide less the spacing; the columns grow alike and the first takes the rounding.
  EXPECT_EQ(Sum(t), 298);
  EXPECT_EQ(t.Widths[0], 100);
  EXPECT_EQ(t.Widths[1], 99);
  EXPECT_EQ(t.Widths[2], 99);
  EXPECT_EQ(t.GridWidth, 300);
  EXPECT_EQ(t.TableWidth, 300);
  EXPECT_EQ(t.TableLeft, 150);
  EXPECT_EQ(t.GridLeft, 150);
  EXPECT_EQ(t.Rows[0].RowHeight, kLine12 + 4);
  EXPECT_EQ(t.ContentHeight, kLine12 + 4 + 2);
  EXPECT_EQ(t.Rows[0][1].CellWd, 99);
  // Content starts behind spacing and padding.
  EXPECT_EQ(TableFixture::Block(t.Rows[0][0]).TopY, 3);
}

TEST(TableLayout, WidthPercentagesOutside1To100AreIgnored) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  std::vector<ThtmlTable*> tables;
  const auto addTable = [&](std::initializer_list<Attr> attrs) {
    auto table = f.NewTable(attrs);
    f.Cell(f.Row(*table), "a bb");
    tables.push_back(&f.AddTable(std::move(table)));
  };
  addTable({});
  for (int percent : {150, 0, -20, 100, 50}) addTable({Pct(attrWidth, percent)});
  addTable({Num(attrWidth, 200), Pct(attrWidth, 500)});
  f.layout(canvas, 600);

  // Without a usable WIDTH a table is as wide as its content wants, not wider than the window.
  const int natural = tables[0]->TableWidth;
  EXPECT_LT(natural, 100);
  for (std::size_t i = 1; i <= 3; ++i) EXPECT_EQ(tables[i]->TableWidth, natural) << i;
  EXPECT_EQ(tables[4]->TableWidth, 600);
  EXPECT_EQ(tables[5]->TableWidth, 300);
  EXPECT_EQ(tables[6]->TableWidth, 200);
}

TEST(TableLayout, ThirtyColumnsLayOutAndThirtyOneAreDroppedWithOneMessage) {
  {
    TableFixture f;
    FixedCanvas canvas(600, 100);
    f.text("before");
    auto table = f.NewTable();
    TCellList& row = f.Row(*table);
    for (int i = 0; i < 30; ++i) f.Cell(row, "x");
    ThtmlTable& t = f.AddTable(std::move(table));
    f.text("after");
    f.layout(canvas, 600);
    EXPECT_TRUE(f.host.Problems.empty());
    ASSERT_EQ(f.doc.Count(), 3);
    EXPECT_EQ(t.NumCols, 30);
    EXPECT_EQ(t.GridWidth, 2 + 30 * 12);
  }
  // 31 columns by cells, by one wide span, and by a row span pushing a full row over.
  for (int variant = 0; variant < 3; ++variant) {
    SCOPED_TRACE(variant);
    TableFixture f;
    FixedCanvas canvas(600, 100);
    f.text("before");
    auto table = f.NewTable();
    TCellList& row = f.Row(*table);
    if (variant == 0) {
      for (int i = 0; i < 31; ++i) f.Cell(row, "x");
    } else if (variant == 1) {
      f.Cell(row, "x", {Num(attrColspan, 31)});
    } else {
      f.Cell(row, "x", {Num(attrRowspan, 2)});
      for (int i = 0; i < 29; ++i) f.Cell(row, "x");
      TCellList& next = f.Row(*table);
      for (int i = 0; i < 30; ++i) f.Cell(next, "y");
    }
    f.AddTable(std::move(table));
    TSection& after = f.text("after");
    f.layout(canvas, 600);
    ASSERT_EQ(f.host.Problems.size(), 1u);
    EXPECT_EQ(f.host.Problems[0], "Table has too many Columns");
    ASSERT_EQ(f.doc.Count(), 2);
    EXPECT_EQ(&f.doc[1], &after);
    EXPECT_EQ(after.TopY, kLine12);
    f.layout(canvas, 600);
    EXPECT_EQ(f.host.Problems.size(), 1u);
  }
}

TEST(TableLayout, NestedTableWithTooManyColumnsLeavesOnlyItsCell) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  auto outer = f.NewTable();
  TCellList& row = f.Row(*outer);
  TCellObj& holder = f.Cell(row, "kept");
  auto inner = f.NewTable({}, holder.Cell.get());
  f.Cell(f.Row(*inner), "x", {Num(attrColspan, 31)});
  holder.Cell->AddSection(std::move(inner));
  f.AddText(*holder.Cell, "too");
  f.Cell(row, "ok");
  ThtmlTable& t = f.AddTable(std::move(outer));
  f.layout(canvas, 600);
  ASSERT_EQ(f.host.Problems.size(), 1u);
  EXPECT_EQ(f.host.Problems[0], "Table has too many Columns");
  ASSERT_EQ(f.doc.Count(), 1);
  ASSERT_EQ(holder.Cell->Count(), 2);
  EXPECT_EQ(utf16ToUtf8(TableFixture::Block(holder, 1).Text), "too");
  EXPECT_EQ(t.CharCount, 4 + 3 + 2);
}

TEST(TableLayout, RowSpanIsCutToTheRowsLeftAndShortRowsStayShort) {
  TableFixture f;
  FixedCanvas canvas(600, 200);
  auto table = f.NewTable();
  TCellList& r0 = f.Row(*table);
  f.Cell(r0, "a");
  f.Cell(r0, "b");
  f.Cell(r0, "c");
  TCellList& r1 = f.Row(*table);
  TCellObj& d = f.Cell(r1, "d", {Num(attrRowspan, 5)});
  f.Cell(r1, "e");
  TCellList& r2 = f.Row(*table);
  TCellObj& last = f.Cell(r2, "f");
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 600);

  EXPECT_EQ(t.NumCols, 3);
  EXPECT_EQ(d.RowSpan, 2);
  EXPECT_EQ(r1.Count(), 2);  // not padded to the full width
  ASSERT_EQ(r2.Count(), 2);  // the span's placeholder, then "f" in the second column
  EXPECT_EQ(r2[0].ColSpan, 0);
  EXPECT_EQ(&r2[1], &last);
  EXPECT_EQ(d.CellHt, 2 * 22);
  EXPECT_EQ(r1.RowSpanHeight, 44);
  // Centred in two rows: (44 - 18 - 4) / 2 below the top of its box.
  EXPECT_EQ(TableFixture::Block(d).TopY, 22 + 3 + 11);
  EXPECT_EQ(t.ContentHeight, 3 * 22 + 2);
}

TEST(TableLayout, RowSpanGrowsTheSpannedRowsEvenlyWithTheRestInTheLast) {
  TableFixture f;
  FixedCanvas canvas(600, 200);
  auto table = f.NewTable();
  TCellList& r0 = f.Row(*table);
  TCellObj& tall = f.Cell(r0, "x", {Num(attrRowspan, 2), Num(attrHeight, 61)});
  f.Cell(r0, "a");
  TCellList& r1 = f.Row(*table);
  f.Cell(r1, "b");
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 600);
  // Needed: 61 - 2 padding, + 4 = 63 over rows of 22 + 22: 19 more, 9 and 10.
  EXPECT_EQ(t.Rows[0].RowHeight, 31);
  EXPECT_EQ(t.Rows[1].RowHeight, 32);
  EXPECT_EQ(tall.CellHt, 63);
}

TEST(TableLayout, BorderSpacingAndPaddingLimits) {
  TableFixture f;
  EXPECT_EQ(f.NewTable({Num(attrBorder, 1)})->CellSpacing, 4);
  EXPECT_TRUE(f.NewTable({Num(attrBorder, 1)})->HasBorder);
  EXPECT_EQ(f.NewTable({Num(attrBorder, 0)})->CellSpacing, 2);
  EXPECT_EQ(f.NewTable({Num(attrCellspacing, 10), Num(attrBorder, 1)})->CellSpacing, 12);
  EXPECT_EQ(f.NewTable({Num(attrCellspacing, -3)})->CellSpacing, 2);
  EXPECT_EQ(f.NewTable({Num(attrCellspacing, 1000)})->CellSpacing, 40);
  EXPECT_EQ(f.NewTable({Num(attrCellpadding, 1000)})->CellPadding, 50);
  EXPECT_EQ(f.NewTable({Num(attrCellpadding, -1)})->CellPadding, 1);
  EXPECT_EQ(f.NewTable({Num(attrHspace, -12)})->HSpace, 12);
  EXPECT_EQ(f.NewTable({Num(attrHspace, 99)})->HSpace, 20);
  auto aligned = f.NewTable({Text(attrAlign, "cEnTeR")});
  EXPECT_EQ(aligned->Align, alCenter);
  EXPECT_FALSE(aligned->Floats);
  EXPECT_EQ(f.NewTable({Text(attrAlign, "middle")}, nullptr, alRight)->Align, alRight);
}

TEST(TableLayout, NarrowTableIsCentredUnderItsCaptionAtTopOrBottom) {
  for (bool top : {true, false}) {
    SCOPED_TRACE(top);
    TableFixture f;
    FixedCanvas canvas(600, 100);
    auto table = f.NewTable();
    TSection& caption = f.AddText(*table->Caption->Cell, "Captionwordlong", alCenter);
    table->CaptionAtTop = top;
    TCellObj& cell = f.Cell(f.Row(*table), "ab");
    ThtmlTable& t = f.AddTable(std::move(table));
    f.layout(canvas, 600);

    EXPECT_EQ(t.Widths[0], 20);
    EXPECT_EQ(t.GridWidth, 22);
    EXPECT_EQ(t.CaptionMinWidth, 120);
    EXPECT_EQ(t.TableWidth, 120);
    EXPECT_EQ(t.GridLeft, (120 - 22) / 2);
    EXPECT_EQ(t.CaptionHeight, kLine12);
    EXPECT_EQ(t.GridHeight, 24);
    EXPECT_EQ(t.ContentHeight, kLine12 + 24);
    EXPECT_EQ(caption.TopY, top ? 0 : 24);
    EXPECT_EQ(TableFixture::Block(cell).TopY, top ? kLine12 + 3 : 3);
    // Characters: top caption, cells, bottom caption.
    EXPECT_EQ(caption.FirstCharPos, top ? 0 : 2);
    EXPECT_EQ(TableFixture::Block(cell).FirstCharPos, top ? 15 : 0);
    EXPECT_EQ(t.CharCount, 17);
  }
}

TEST(TableLayout, FloatingTableLetsTheNextParagraphFlowBesideIt) {
  {
    TableFixture f;
    FixedCanvas canvas(600, 100);
    f.text("before");
    auto table = f.NewTable({Text(attrAlign, "left")});
    f.Cell(f.Row(*table), "ab");
    ThtmlTable& t = f.AddTable(std::move(table));
    TSection& after = f.text("after");
    int height = f.layout(canvas, 600);

    EXPECT_EQ(t.ContentHeight, 0);
    EXPECT_EQ(t.PaintHeight, 24);
    EXPECT_EQ(t.TableLeft, 0);
    EXPECT_EQ(after.TopY, kLine12);
    // Table width, the gap beside it and one pixel.
    EXPECT_EQ(after.Lines[0].LineIndent, 22 + 5 + 1);
    EXPECT_EQ(height, kLine12 + 24);
  }
  {
    TableFixture f;
    FixedCanvas canvas(600, 100);
    auto table = f.NewTable({Text(attrAlign, "RIGHT"), Num(attrHspace, 10)});
    f.Cell(f.Row(*table), "ab");
    ThtmlTable& t = f.AddTable(std::move(table));
    f.text("after");
    f.layout(canvas, 600);
    EXPECT_EQ(t.TableLeft, 600 - 22);
    EXPECT_EQ(t.GridLeft, 600 - 22);
    EXPECT_EQ(f.doc.Indents.RightLimitAt(0), 600 - 22 - 10 - 1);
    EXPECT_EQ(f.doc.Indents.RightLimitAt(24), 600);
  }
}

TEST(TableLayout, PixelAndPercentCellsMixed) {
  {  // Pixel cells without a table width: plain measures, a pixel cell is fixed.
    TableFixture f;
    FixedCanvas canvas(600, 100);
    auto table = f.NewTable();
    TCellList& row = f.Row(*table);
    f.Cell(row, "ab", {Num(attrWidth, 100)});
    f.Cell(row, "x y z");
    ThtmlTable& t = f.AddTable(std::move(table));
    f.layout(canvas, 600);
    EXPECT_TRUE(t.HasPixelWidthCells);
    EXPECT_EQ(t.Widths[0], 104);
    EXPECT_EQ(t.Widths[1], 44);
  }
  {  // A table width: a percentage, a pixel width as its share, the rest to the free column.
    TableFixture f;
    FixedCanvas canvas(600, 100);
    auto table = f.NewTable({Num(attrWidth, 400)});
    TCellList& row = f.Row(*table);
    f.Cell(row, "ab", {Pct(attrWidth, 50)});
    f.Cell(row, "cd", {Num(attrWidth, 100)});
    f.Cell(row, "e f");
    ThtmlTable& t = f.AddTable(std::move(table));
    f.layout(canvas, 600);
    EXPECT_EQ(t.Percents[1], 251);
    EXPECT_EQ(t.Widths[0], 199);
    EXPECT_EQ(t.Widths[1], 100);
    EXPECT_EQ(t.Widths[2], 99);
    EXPECT_EQ(t.GridWidth, 400);
  }
  {  // No table width: the table takes the width its shares need.
    TableFixture f;
    FixedCanvas canvas(600, 100);
    auto table = f.NewTable();
    TCellList& row = f.Row(*table);
    f.Cell(row, "ab", {Pct(attrWidth, 25)});
    f.Cell(row, "cd ef");
    ThtmlTable& t = f.AddTable(std::move(table));
    f.layout(canvas, 600);
    EXPECT_EQ(t.Widths[0], 20);
    EXPECT_EQ(t.Widths[1], 60);
    EXPECT_EQ(t.GridWidth, 82);
  }
  {  // Shares that do not fit are scaled down until the columns without share fit too.
    TableFixture f;
    FixedCanvas canvas(200, 100);
    auto table = f.NewTable();
    TCellList& row = f.Row(*table);
    f.Cell(row, "a a a a", {Pct(attrWidth, 50)});
    f.Cell(row, "b b b b", {Pct(attrWidth, 40)});
    f.Cell(row, "cccccccccc");
    ThtmlTable& t = f.AddTable(std::move(table));
    f.layout(canvas, 200);
    EXPECT_EQ(t.Widths[0], 64);
    EXPECT_EQ(t.Widths[1], 51);
    EXPECT_EQ(t.Widths[2], 84);
  }
  {  // A wide share without table width is held to the target.
    TableFixture f;
    FixedCanvas canvas(200, 100);
    auto table = f.NewTable();
    TCellList& row = f.Row(*table);
    f.Cell(row, "a a a a a a a a a a a a a a a a a a a a", {Pct(attrWidth, 80)});
    f.Cell(row, "bb");
    ThtmlTable& t = f.AddTable(std::move(table));
    f.layout(canvas, 200);
    EXPECT_EQ(t.Widths[0], 158);
    EXPECT_EQ(t.Widths[1], 20);
  }
}

TEST(TableLayout, SharesOverTheTableWidthShrinkButNotBelowAMinimum) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  auto table = f.NewTable({Num(attrWidth, 200)});
  TCellList& row = f.Row(*table);
  f.Cell(row, "aaaaaaaaaaaa", {Pct(attrWidth, 60)});
  f.Cell(row, "b", {Pct(attrWidth, 60)});
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 600);
  // 119 each is 40 too many; the first would fall below its minimum of 100 and is held
  // there, the second gives the rest.
  EXPECT_EQ(t.Widths[0], 100);
  EXPECT_EQ(t.Widths[1], 98);
  EXPECT_EQ(t.GridWidth, 200);
}

TEST(TableLayout, SpanningCellWidensItsColumns) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  auto table = f.NewTable();
  TCellObj& wide = f.Cell(f.Row(*table), "aaaaaaaaaa", {Num(attrColspan, 2)});
  TCellList& r1 = f.Row(*table);
  f.Cell(r1, "b");
  f.Cell(r1, "c");
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 600);
  EXPECT_EQ(t.Rows[0].Count(), 2);
  EXPECT_EQ(t.Widths[0], 42);
  EXPECT_EQ(t.Widths[1], 42);
  EXPECT_EQ(wide.CellWd, 84);
}

TEST(TableLayout, SpanOverColumnsThatNeedNothingSharesItsWidthEqually) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  auto table = f.NewTable();
  TCellList& row = f.Row(*table);
  f.Cell(row, "x", {Num(attrWidth, 30)});
  TCellObj& wide = f.Cell(row, "abcdefgh", {Num(attrColspan, 2)});
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 600);
  // Plain measures (a pixel cell, no table width); the span's columns have no other cells.
  EXPECT_EQ(t.Widths[0], 34);
  EXPECT_EQ(t.Widths[1], 34);
  EXPECT_EQ(t.Widths[2], 34);
  EXPECT_EQ(wide.CellWd, 68);
}

TEST(TableLayout, VerticalAlignmentInATallRow) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  auto table = f.NewTable();
  TCellList& row = f.Row(*table);
  TCellObj& tall = f.Cell(row, "x");
  f.AddText(*tall.Cell, "y");
  f.AddText(*tall.Cell, "z");
  TCellObj& top = f.Cell(row, "t", {}, 0);
  TCellObj& middle = f.Cell(row, "m", {}, 1);
  TCellObj& bottom = f.Cell(row, "b", {}, 2);
  ThtmlTable& t = f.AddTable(std::move(table));
  f.layout(canvas, 600);
  EXPECT_EQ(t.Rows[0].RowHeight, 3 * kLine12 + 4);
  EXPECT_EQ(TableFixture::Block(tall).TopY, 3);
  EXPECT_EQ(TableFixture::Block(top).TopY, 3);
  EXPECT_EQ(middle.VIndent, 18);
  EXPECT_EQ(TableFixture::Block(middle).TopY, 3 + 18);
  EXPECT_EQ(bottom.VIndent, 36);
  EXPECT_EQ(TableFixture::Block(bottom).TopY, 3 + 36);
}

TEST(TableLayout, NestedTableIsMeasuredThroughItsCell) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  auto outer = f.NewTable();
  TCellObj& holder = f.Cell(f.Row(*outer), "");
  auto inner = f.NewTable({}, holder.Cell.get());
  TCellList& row = f.Row(*inner);
  TCellObj& a = f.Cell(row, "ab");
  f.Cell(row, "cd");
  ThtmlTable& in = *inner;
  holder.Cell->AddSection(std::move(inner));
  ThtmlTable& out = f.AddTable(std::move(outer));

  int mn = 0, mx = 0;
  in.MeasureWidths(canvas, mn, mx);
  EXPECT_EQ(mn, 42);
  EXPECT_EQ(mx, 42);

  f.layout(canvas, 600);
  EXPECT_EQ(out.Widths[0], 46);
  EXPECT_EQ(out.GridWidth, 48);
  EXPECT_EQ(in.Widths[0], 20);
  EXPECT_EQ(in.Widths[1], 20);
  EXPECT_EQ(in.TopY, 3);
  EXPECT_EQ(TableFixture::Block(a).TopY, 6);
  EXPECT_EQ(out.ContentHeight, 24 + 4 + 2);
}

// Nested tables keep what one layout of the document found for a width; the next layout,
// at another width, must come out as if the document were laid out for the first time.
TEST(TableLayout, RelayoutAtAnotherWidthMatchesAFirstLayout) {
  struct Nested : TableFixture {
    ThtmlTable* in = nullptr;
    TCellObj* wrapped = nullptr;
    Nested() {
      auto outer = NewTable({Num(attrBorder, 1)});
      TCellList& row = Row(*outer);
      Cell(row, "left column text");
      TCellObj& holder = Cell(row, "");
      auto inner = NewTable({Num(attrBorder, 1)}, holder.Cell.get());
      TCellList& innerRow = Row(*inner);
      wrapped = &Cell(innerRow, "words that wrap when the table is narrow");
      Cell(innerRow, "more words");
      in = inner.get();
      holder.Cell->AddSection(std::move(inner));
      AddTable(std::move(outer));
      text("after the table");
    }
  };
  Nested twice, once;
  FixedCanvas wide(600, 300), narrowAgain(260, 300), narrow(260, 300);
  twice.layout(wide, 600);
  twice.paint(wide);
  const int heightAgain = twice.layout(narrowAgain, 260);
  const int height = once.layout(narrow, 260);
  EXPECT_EQ(heightAgain, height);
  EXPECT_GT(height, 3 * 18);  // the narrow inner cell wraps
  EXPECT_EQ(twice.in->Widths[0], once.in->Widths[0]);
  EXPECT_EQ(twice.in->TopY, once.in->TopY);
  EXPECT_EQ(TableFixture::Block(*twice.wrapped).TopY, TableFixture::Block(*once.wrapped).TopY);
  twice.paint(narrowAgain);
  once.paint(narrow);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 260; ++x) ASSERT_EQ(narrowAgain.pixel(x, y), narrow.pixel(x, y)) << x << "," << y;
}

TEST(TableLayout, MeasureWidthsHonoursTableWidthAndCaption) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  auto pixel = f.NewTable({Num(attrWidth, 200)});
  f.Cell(f.Row(*pixel), "ab");
  int mn = 0, mx = 0;
  pixel->MeasureWidths(canvas, mn, mx);
  EXPECT_EQ(mn, 200);
  EXPECT_EQ(mx, 200);

  auto captioned = f.NewTable({Pct(attrWidth, 10)});
  f.AddText(*captioned->Caption->Cell, "Captionwordlong");
  f.Cell(f.Row(*captioned), "ab cd");
  captioned->MeasureWidths(canvas, mn, mx);
  EXPECT_EQ(mn, 120);
  EXPECT_EQ(mx, 120);

  auto plain = f.NewTable();
  TCellList& row = f.Row(*plain);
  f.Cell(row, "ab", {Num(attrWidth, 50)});
  f.Cell(row, "cd ef");
  plain->MeasureWidths(canvas, mn, mx);
  EXPECT_EQ(mn, 54 + 20 + 2);
  EXPECT_EQ(mx, 54 + 44 + 2);
}

TEST(TableLayout, BackgroundsComeFromCellRowTableAndParentCell) {
  TableFixture f;
  FixedCanvas canvas(600, 100);
  auto table = f.NewTable({Text(attrBgcolor, "red")});
  TCellList& r0 = f.Row(*table, {Text(attrBgcolor, "lime")});
  TCellObj& own = f.Cell(r0, "a", {Text(attrBgcolor, "blue")});
  TCellObj& fromRow = f.Cell(r0, "b");
  TCellObj& fromTable = f.Cell(f.Row(*table), "c");
  TCellObj& holder = f.Cell(f.Row(*table), "");
  auto inner = f.NewTable({}, holder.Cell.get());
  TCellObj& innerCell = f.Cell(f.Row(*inner), "d");
  ThtmlTable& in = *inner;
  holder.Cell->AddSection(std::move(inner));
  f.AddTable(std::move(table));
  f.layout(canvas, 600);

  EXPECT_EQ(own.Cell->BackgroundColor & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(fromRow.Cell->BackgroundColor & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(fromTable.Cell->BackgroundColor & 0xFFFFFF, 0x0000FFu);
  EXPECT_TRUE(in.HasBgColor);
  ASSERT_TRUE(innerCell.Cell->HasBackground);
  EXPECT_EQ(innerCell.Cell->BackgroundColor & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(fromTable.Cell->BackgroundColor & kPaletteRelative, kPaletteRelative);
}

TEST(TableLayout, AbsurdAttributesNeitherCrashNorAllocateUnboundedly) {
  TableFixture f;
  FixedCanvas canvas(600, 200);
  auto wide = f.NewTable();
  TCellObj& huge = f.Cell(f.Row(*wide), "x", {Num(attrColspan, 100000)});
  EXPECT_EQ(huge.ColSpan, 100000);
  f.AddTable(std::move(wide));

  auto odd = f.NewTable({Num(attrWidth, -5), Num(attrCellpadding, INT_MAX), Num(attrHspace, INT_MIN),
                         Num(attrCellspacing, INT_MAX)});
  TCellList& r0 = f.Row(*odd);
  TCellObj& negative = f.Cell(r0, "ab", {Num(attrWidth, -5), Num(attrRowspan, 100000)});
  f.Cell(r0, "cd", {Pct(attrWidth, 500), Num(attrHeight, INT_MAX)});
  for (int i = 0; i < 2000; ++i) f.Cell(f.Row(*odd), "r");
  ThtmlTable& o = f.AddTable(std::move(odd));

  auto big = f.NewTable({Num(attrWidth, INT_MAX)});
  f.Cell(f.Row(*big), "ab", {Num(attrWidth, INT_MAX)});
  ThtmlTable& b = f.AddTable(std::move(big));
  auto bigPercent = f.NewTable({Pct(attrWidth, INT_MAX)});
  f.Cell(f.Row(*bigPercent), "ab");
  ThtmlTable& bp = f.AddTable(std::move(bigPercent));

  f.layout(canvas, 600);
  EXPECT_EQ(f.host.Problems.size(), 1u);
  ASSERT_EQ(f.doc.Count(), 3);
  EXPECT_EQ(o.CellPadding, 50);
  EXPECT_EQ(o.CellSpacing, 40);
  EXPECT_EQ(o.HSpace, 20);
  EXPECT_EQ(negative.SpecWd, 0);
  EXPECT_EQ(negative.RowSpan, 2001);
  EXPECT_EQ(o.Rows[1].Count(), 2);
  EXPECT_FALSE(o.Rows[0][1].WdIsPercent);
  EXPECT_LE(o.TableWidth, 600);
  EXPECT_GT(o.ContentHeight, 0);
  EXPECT_LE(b.GridWidth, 32000 + b.CellSpacing);
  EXPECT_LE(bp.GridWidth, 600);
  f.paint(canvas);
}

}  // namespace
}  // namespace tavra::testing
