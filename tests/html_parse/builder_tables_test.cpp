// Tables as the builder reads them: rows, cells, captions, text between rows.

#include <gtest/gtest.h>

#include "builder_fixture.h"
#include "platform/fixed_canvas.h"

namespace tavra::test {
namespace {

const ThtmlTable& onlyTable(const TCell& cell) {
  const ThtmlTable* table = findBlock<const ThtmlTable>(cell);
  if (!table) throw std::runtime_error("no table");
  return *table;
}

TEST(BuilderTables, ParagraphSpacesInCells) {
  Parsed p("<table><tr><td><p>x<p>y</td><td>\n<p>\n<p>z</td></tr></table>");
  EXPECT_EQ(p.blocks(), "T'' X1");
  const ThtmlTable& t = onlyTable(p.doc);
  ASSERT_EQ(t.Rows[0].Count(), 2);
  EXPECT_EQ(describe(cellAt(t, 0, 0)), "T'x' P T'y'");
  EXPECT_EQ(describe(cellAt(t, 0, 1)), "T'z'");
}

TEST(BuilderTables, ImplicitRowsAndTextBetweenRows) {
  Parsed p("<table><td>1<td>2</table>");
  const ThtmlTable& t = onlyTable(p.doc);
  ASSERT_EQ(t.Rows.Count(), 1);
  ASSERT_EQ(t.Rows[0].Count(), 2);
  EXPECT_EQ(describe(cellAt(t, 0, 0)), "T'1'");
  EXPECT_EQ(describe(cellAt(t, 0, 1)), "T'2'");

  Parsed q("a<table><tr><td>1</td></tr>between<tr><td>2</td></tr></table>b");
  EXPECT_EQ(q.blocks(), "T'a' T'between' X2 T'b'");
  const ThtmlTable& u = q.block<ThtmlTable>(2);
  EXPECT_EQ(describe(cellAt(u, 1, 0)), "T'2'");

  // End tags without their starts and stray tags between cells are ignored.
  Parsed r("<table></td><b><tr><td>x</tr></tr><td>y</table>");
  const ThtmlTable& v = onlyTable(r.doc);
  ASSERT_EQ(v.Rows.Count(), 2);
  EXPECT_EQ(describe(cellAt(v, 1, 0)), "T'y'");
}

TEST(BuilderTables, HeaderCellsBoldAndCentredUnlessAligned) {
  Parsed p("<table><tr><th>h</th><td>d</td><th align=left>l</th></tr>"
           "<tr align=right><th>r</th><td>s</td></tr></table>");
  const ThtmlTable& t = onlyTable(p.doc);
  auto first = [&](int row, int col) -> const TSection& {
    return dynamic_cast<const TSection&>(cellAt(t, row, col)[0]);
  };
  EXPECT_EQ(first(0, 0).Alignment, alCenter);
  EXPECT_TRUE(first(0, 0).FontRuns[0].TheFont->Style() & fsBold);
  EXPECT_EQ(first(0, 1).Alignment, alLeft);
  EXPECT_FALSE(first(0, 1).FontRuns[0].TheFont->Style() & fsBold);
  EXPECT_EQ(first(0, 2).Alignment, alLeft);
  EXPECT_TRUE(first(0, 2).FontRuns[0].TheFont->Style() & fsBold);
  EXPECT_EQ(first(1, 0).Alignment, alRight);
  EXPECT_EQ(first(1, 1).Alignment, alRight);
}

TEST(BuilderTables, VerticalAlignmentFromRowAndCell) {
  Parsed p("<table><tr valign=top><td>a<td valign=Bottom>b<td valign=weird>c</tr>"
           "<tr><td>d<td valign=baseline>e</table>");
  const ThtmlTable& t = onlyTable(p.doc);
  EXPECT_EQ(t.Rows[0][0].VAlign, 0);
  EXPECT_EQ(t.Rows[0][1].VAlign, 2);
  EXPECT_EQ(t.Rows[0][2].VAlign, 0);
  EXPECT_EQ(t.Rows[1][0].VAlign, 1);
  EXPECT_EQ(t.Rows[1][1].VAlign, 0);
}

TEST(BuilderTables, Captions) {
  Parsed p("<table><caption align=bottom>cap</caption><tr><td>x</table>");
  const ThtmlTable& t = onlyTable(p.doc);
  EXPECT_FALSE(t.CaptionAtTop);
  EXPECT_EQ(describe(*t.Caption->Cell), "T'cap'");
  EXPECT_EQ(dynamic_cast<const TSection&>((*t.Caption->Cell)[0]).Alignment, alCenter);
  EXPECT_EQ(describe(cellAt(t, 0, 0)), "T'x'");
  EXPECT_TRUE(onlyTable(Parsed("<table><caption>c</caption></table>").doc).CaptionAtTop);
}

TEST(BuilderTables, FormattingAndLinksDoNotLeakOutOfTables) {
  Parsed p("<b><a href=x.htm>l<table><tr><td><font size=7>big<i>it</table>after");
  EXPECT_EQ(p.blocks(), "T'l' X1 T'after'");
  const ThtmlTable& t = p.block<ThtmlTable>(1);
  const TSection& cell = dynamic_cast<const TSection&>(cellAt(t, 0, 0)[0]);
  int index = 0;
  EXPECT_EQ(cell.FontRuns.RunAtPos(0, index).UrlTarget.URL, "");
  EXPECT_EQ(cell.FontRuns.RunAtPos(0, index).TheFont->NormalSize, 36);
  EXPECT_FALSE(cell.FontRuns.RunAtPos(0, index).TheFont->Style() & fsBold);  // TD clears bold
  const TFontObj& after = p.block<TSection>(2).FontRuns[0];
  EXPECT_EQ(after.UrlTarget.URL, "");
  EXPECT_EQ(after.TheFont->NormalSize, 12);
  EXPECT_EQ(after.TheFont->Style(), unsigned(fsBold));
}

TEST(BuilderTables, NestedTablesAndTablesInLists) {
  Parsed p("<table><tr><td>a<table><tr><td>b</table>c</table>");
  const ThtmlTable& outer = onlyTable(p.doc);
  EXPECT_EQ(describe(cellAt(outer, 0, 0)), "T'a' X1 T'c'");

  Parsed q("<ul><li>item<table><tr><td>x</table></ul>");
  EXPECT_EQ(q.blocks(), "T'' U'item' X1");
  EXPECT_EQ(q.block<ThtmlTable>(2).ListLevel, 1);
}

}  // namespace
}  // namespace tavra::test

namespace tavra::test {
namespace {

// A table dropped by layout takes its anchors with it: the document says which block
// leaves before it is freed, and anchors that point into it can be forgotten.
TEST(BuilderTables, DroppedTableReportsItsBlockSoAnchorsIntoItCanBeForgotten) {
  std::string row;
  for (int c = 0; c < 31; ++c) row += "<td>c" + std::to_string(c) + "</td>";
  Parsed p("<a name=before>Before</a><table><tr><td><a name=inside>In</a></td>" + row.substr(11) +
           "</tr></table><a name=after>After</a>");
  ASSERT_EQ(p.anchors.count("INSIDE"), 1u);
  const TSection* inside = p.anchors["INSIDE"];

  p.host.OnBlockDropped = [&](const TSectionBase& block) {
    EXPECT_TRUE(block.Contains(inside));
    EXPECT_FALSE(block.Contains(p.anchors["BEFORE"]));
  };
  FixedCanvas canvas(800, 600);
  int scrollWidth = 0, chars = 0;
  p.doc.LayoutDocument(canvas, 0, 800, scrollWidth, chars);

  EXPECT_EQ(p.host.Problems, std::vector<std::string>{"Table has too many Columns"});
  EXPECT_EQ(p.host.Dropped.size(), 1u);
  EXPECT_EQ(p.blocks().find('X'), std::string::npos);
}

}  // namespace
}  // namespace tavra::test
