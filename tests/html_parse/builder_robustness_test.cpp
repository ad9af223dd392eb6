// Files, errors, deep nesting and random markup: the builder keeps what it read and
// neither crashes nor grows without bound.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>

#include "builder_fixture.h"
#include "html/parse/builder_state.h"
#include "platform/file_system.h"
#include "platform/fixed_canvas.h"
#include "platform/unicode.h"

namespace tavra::test {
namespace {

std::string writeTemp(const std::string& name, const std::string& content) {
  std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

// Blocks in a cell and in every table cell below it.
long countBlocks(const TCell& cell) {
  long n = cell.Count();
  for (int i = 0; i < cell.Count(); ++i)
    if (auto* table = dynamic_cast<const ThtmlTable*>(&cell[i])) {
      n += countBlocks(*table->Caption->Cell);
      for (int r = 0; r < table->Rows.Count(); ++r)
        for (int c = 0; c < table->Rows[r].Count(); ++c) n += countBlocks(*table->Rows[r][c].Cell);
    }
  return n;
}

// How deep tables nest, following the last cell of the first row of each.
int tableDepth(const TCell& cell) {
  const TCell* at = &cell;
  int depth = 0;
  while (const ThtmlTable* table = findBlock<const ThtmlTable>(*at)) {
    ++depth;
    if (table->Rows.Count() == 0 || table->Rows[0].Count() == 0) break;
    at = &cellAt(*table, 0, table->Rows[0].Count() - 1);
  }
  return depth;
}

int layoutAndPaint(TSectionList& doc) {
  FixedCanvas canvas(800, 600);
  int scrollWidth = 0, chars = 0;
  int height = doc.LayoutDocument(canvas, 0, 800, scrollWidth, chars);
  doc.PaintDocument(PaintContext{{0, 0, 800, 600}}, canvas, 2000, 0, 0);
  return height;
}

std::string repeat(const std::string& s, int n) {
  std::string out;
  out.reserve(s.size() * std::size_t(n));
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(BuilderErrors, OpenCommentRaisedFromMemoryQuietInFiles) {
  const std::string html = "a<p>b<i>c<!-- never closed";  // c is read together with the comment
  Parsed p;
  EXPECT_THROW(p.parse(html), EParseError);
  EXPECT_EQ(p.blocks(), "T'a' P T'b'");  // what was read reached the document

  Parsed f;
  std::string path = writeTemp("builder_open_comment.htm", html);
  EXPECT_NO_THROW(f.results = ParseHtmlFile(f.doc, f.anchors, path));
  EXPECT_EQ(f.blocks(), "T'a' P T'b'");
  std::remove(path.c_str());

  EXPECT_THROW(ParseHtmlFile(f.doc, f.anchors, ::testing::TempDir() + "no/such/file.htm"),
               InOutError);
}

TEST(BuilderErrors, TableCutShortKeepsItsCellsAndAnchors) {
  Parsed f;
  std::string path = writeTemp("builder_cut_table.htm", "x<table><tr><td>1<td><a name=in>cell<b>lost<!-- open");
  f.results = ParseHtmlFile(f.doc, f.anchors, path);
  std::remove(path.c_str());
  EXPECT_EQ(f.blocks(), "T'x' X1");
  const ThtmlTable& table = f.block<ThtmlTable>(1);
  ASSERT_EQ(table.Rows[0].Count(), 2);
  EXPECT_EQ(describe(cellAt(table, 0, 1)), "T'cell'");
  ASSERT_EQ(f.anchors.count("IN"), 1u);
  EXPECT_EQ(f.anchors.at("IN"), &dynamic_cast<TSection&>(cellAt(table, 0, 1)[0]));
}

TEST(BuilderFiles, HtmlFileAcrossBufferBoundariesAndPlainText) {
  std::string body;
  for (int i = 0; i < 500; ++i) body += "<p>para " + std::to_string(i);
  Parsed f;
  std::string path = writeTemp("builder_long.htm", "<title>T</title>" + body);
  f.results = ParseHtmlFile(f.doc, f.anchors, path);
  std::remove(path.c_str());
  EXPECT_EQ(f.results.ParsedTitle, "T");
  ASSERT_EQ(f.doc.Count(), 1 + 2 * 500);
  EXPECT_EQ(utf16ToUtf8(f.block<TSection>(2 * 500).Text), "para 499");

  Parsed t;
  path = writeTemp("builder_plain.txt", "line <b>1</b> &amp;\r\n\n\tend");
  t.results = ParseTextFile(t.doc, t.anchors, path);
  std::remove(path.c_str());
  EXPECT_EQ(t.blocks(), "T'' F'line <b>1</b> &amp;' F' ' F' end'");
  EXPECT_TRUE(t.block<TPreFormated>(1).FontRuns[0].TheFont->Fixed);
}

TEST(BuilderNesting, HundredThousandNestedTablesStopAtTheBound) {
  Parsed p(repeat("<table><tr><td>", 100000) + "deep");
  EXPECT_EQ(tableDepth(p.doc), MaxHtmlNesting);
  EXPECT_LE(countBlocks(p.doc), 4 * 100000L);
}

TEST(BuilderBudget, ADocumentOfLineBreaksEndsAtTheBlockBudget) {
  // Each break is a block of several hundred bytes: 8 MB of them took 1.3 GB.
  Parsed p(repeat("<br>", HtmlBuilder::MaxBlocks + 1000) + "after");
  EXPECT_LE(p.doc.Count(), HtmlBuilder::MaxBlocks + 1);  // the block under way is kept
  EXPECT_GT(p.doc.Count(), HtmlBuilder::MaxBlocks - 10);
  EXPECT_EQ(p.blocks().find("after"), std::string::npos);
}

TEST(BuilderNesting, HundredThousandNestedListsAndBlocksStopAtTheBound) {
  Parsed lists(repeat("<ul><li>x", 100000));
  int deepest = 0;
  for (int i = 0; i < lists.doc.Count(); ++i)
    if (auto* item = dynamic_cast<const TUListItem*>(&lists.doc[i])) deepest = std::max(deepest, item->ListLevel);
  EXPECT_EQ(deepest, MaxHtmlNesting);

  Parsed blocks(repeat("<center><div align=right>", 50000) + "x" + repeat("</div></center>", 50000));
  EXPECT_GT(blocks.doc.Count(), 0);

  // Lists and blocks inside tables: the common bound holds for all of them together.
  Parsed mixed(repeat("<ol><li><center><blockquote><table><tr><td>", 30000) + "y");
  EXPECT_GT(tableDepth(mixed.doc), 10);
  EXPECT_LE(4 * tableDepth(mixed.doc), MaxHtmlNesting);
  Parsed inLists(repeat("<ol><li><center><blockquote>", 30000) + repeat("<table><tr><td>", 30000));
  EXPECT_EQ(tableDepth(inLists.doc), 0);  // the lists and blocks used the whole depth
}

TEST(BuilderNesting, DeepestAllowedNestingLaysOutAndPaints) {
  // Two cells a level: laying out a table lays out its cells twice, and without keeping
  // what the first time found, 200 levels would take 2^200 layouts.
  Parsed tables(repeat("<table border=1><tr><td>left<td>", MaxHtmlNesting + 5) + "deep");
  EXPECT_EQ(tableDepth(tables.doc), MaxHtmlNesting);
  EXPECT_GT(layoutAndPaint(tables.doc), 0);

  Parsed lists(repeat("<ol><li>x", MaxHtmlNesting) + repeat("<center>c", MaxHtmlNesting));
  EXPECT_GT(layoutAndPaint(lists.doc), 0);

  // Tables at the bottom of the deepest lists and blocks.
  constexpr int kTables = 20;
  Parsed all(repeat("<ul><li><div align=center>", MaxHtmlNesting / 2 - kTables) +
             repeat("<table><tr><td>", kTables) + "x");
  EXPECT_EQ(tableDepth(all.doc), kTables);
  EXPECT_GT(layoutAndPaint(all.doc), 0);
}

// Markup drawn at random from the tag vocabulary, with attributes, references, text and
// broken pieces.
std::string randomMarkup(std::size_t size, unsigned seed) {
  static const char* const tags[] = {
      "p", "/p", "b", "/b", "i", "h1", "/h1", "h3", "br", "hr", "a href=x.htm", "a name=n", "/a", "ul", "/ul",
      "ol type=i start=3", "li", "dl", "dt", "dd", "/dl", "table border", "/table", "tr", "/tr", "td", "th",
      "/td", "caption", "pre", "/pre", "center", "/center", "div align=right", "/div", "font size=+2",
      "font size=9 color=red", "/font", "big", "small", "/big", "basefont size=6", "tt", "/tt", "sub", "sup",
      "form", "/form", "input type=radio", "select", "option selected", "/select", "textarea", "/textarea",
      "map name=m", "area shape=poly coords=1,2,3", "/map", "img src=x.gif", "body bgcolor=red", "title",
      "/title", "blockquote", "/blockquote", "address", "/address", "h", "/h", "script", "/script", "x"};
  static const char* const text[] = {"word ", "&amp;", "&#65;", "&nbsp", "<", ">", "\n", "  ", "&#999999;",
                                     "\"", "'", "=", "<!-- c -->", "\x01"};
  std::mt19937 rng(seed);
  std::string out;
  out.reserve(size + 64);
  while (out.size() < size) {
    unsigned r = rng() % 10;
    if (r < 6) {
      out += '<';
      out += tags[rng() % std::size(tags)];
      if (rng() % 20 == 0) continue;  // a tag without its `>`
      out += '>';
    } else {
      out += text[rng() % std::size(text)];
    }
  }
  return out;
}

TEST(BuilderRandom, RandomMarkupParsesWithBoundedBlocks) {
  // A few megabytes here; the fifty-megabyte run is in the builder benchmark.
  for (unsigned seed = 1; seed <= 3; ++seed) {
    std::string html = randomMarkup(1 << 20, seed);
    Parsed p;
    p.host.OnScript = [](const std::string&, const std::string&) {};
    EXPECT_NO_THROW(p.parse(html));
    EXPECT_GT(p.doc.Count(), 0);
    // Every block stems from at least one tag of three bytes or more.
    EXPECT_LE(countBlocks(p.doc), long(html.size() / 3));
  }
}

}  // namespace
}  // namespace tavra::test
