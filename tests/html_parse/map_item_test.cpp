#include "html/links/map_item.h"

#include <gtest/gtest.h>

#include "html/parse/tokenizer.h"
#include "html_parse/tokenizer_test_util.h"

using namespace tavra;

namespace {

// The attributes of one AREA tag, as the tokenizer reads them.
TAttributeList areaAttributes(std::string_view tag) {
  HtmlTokenizer t;
  tavra::test::start(t, tag);
  t.NextSymbol();
  EXPECT_EQ(t.CurrentSymbol, tagArea);
  return t.Attributes;
}

std::string linkAt(const TMapItem& map, int x, int y) {
  TUrlTarget target;
  return map.AreaAt(x, y, target) ? target.URL + "|" + target.Target : "-";
}

}  // namespace

TEST(MapItem, AreasOfTheThreeShapes) {
  TMapItem map;
  map.AddArea(areaAttributes("<area shape=rect coords=\"10,10,19,19\" href=rect.htm>"));
  map.AddArea(areaAttributes("<area shape=circle coords=\"50,50,5\" href=circle.htm target=main>"));
  map.AddArea(areaAttributes("<area shape=POLYGON coords=\"100,0,110,10,100,20,90,10\" href=poly.htm>"));
  ASSERT_EQ(map.Areas.size(), 3u);
  ASSERT_EQ(map.AreaTargets.size(), 3u);

  // The rectangle holds both corner coordinates.
  EXPECT_EQ(linkAt(map, 10, 10), "rect.htm|");
  EXPECT_EQ(linkAt(map, 19, 19), "rect.htm|");
  EXPECT_EQ(linkAt(map, 20, 15), "-");
  EXPECT_EQ(linkAt(map, 9, 15), "-");

  // The circle holds the pixels within its radius.
  EXPECT_EQ(linkAt(map, 50, 50), "circle.htm|main");
  EXPECT_EQ(linkAt(map, 55, 50), "circle.htm|main");
  EXPECT_EQ(linkAt(map, 45, 50), "circle.htm|main");
  EXPECT_EQ(linkAt(map, 50, 45), "circle.htm|main");
  EXPECT_EQ(linkAt(map, 56, 50), "-");
  EXPECT_EQ(linkAt(map, 54, 54), "-");
  EXPECT_EQ(linkAt(map, 53, 54), "circle.htm|main");

  // The diamond.
  EXPECT_EQ(linkAt(map, 100, 10), "poly.htm|");
  EXPECT_EQ(linkAt(map, 100, 1), "poly.htm|");
  EXPECT_EQ(linkAt(map, 100, 0), "-");  // the top vertex is a span of no width
  EXPECT_EQ(linkAt(map, 95, 10), "poly.htm|");
  EXPECT_EQ(linkAt(map, 90, 10), "poly.htm|");   // the left vertex
  EXPECT_EQ(linkAt(map, 110, 10), "-");          // the right vertex
  EXPECT_EQ(linkAt(map, 95, 4), "-");
}

TEST(MapItem, NohrefShadowsTheAreasBelowIt) {
  TMapItem map;
  map.AddArea(areaAttributes("<area coords=\"0,0,9,9\" href=hole.htm nohref>"));
  map.AddArea(areaAttributes("<area coords=\"0,0,99,99\" href=big.htm>"));
  EXPECT_EQ(linkAt(map, 5, 5), "-");
  EXPECT_EQ(linkAt(map, 10, 5), "big.htm|");
  // A later HREF gives the link back: the attributes are applied in order.
  map.AddArea(areaAttributes("<area nohref coords=\"200,0,209,9\" href=back.htm>"));
  EXPECT_EQ(linkAt(map, 205, 5), "back.htm|");
  EXPECT_EQ(linkAt(map, 300, 300), "-");
}

TEST(MapItem, TooFewCoordinatesAddNoArea) {
  TMapItem map;
  map.AddArea(areaAttributes("<area coords=\"1,2,3\" href=a>"));
  map.AddArea(areaAttributes("<area shape=circ coords=\"1,2\" href=a>"));
  map.AddArea(areaAttributes("<area shape=poly coords=\"1,2,3,4,5\" href=a>"));
  map.AddArea(areaAttributes("<area shape=poly href=a>"));
  EXPECT_TRUE(map.Areas.empty());
  EXPECT_TRUE(map.AreaTargets.empty());
}

TEST(MapItem, CoordinateTextIsReadLeniently) {
  TMapItem map;
  // Blanks around the numbers, junk counting as 0, and an odd count for a polygon.
  map.AddArea(areaAttributes("<area coords=\" 5 , x ,15 ,10 \" href=a>"));
  EXPECT_EQ(linkAt(map, 5, 0), "a|");
  EXPECT_EQ(linkAt(map, 15, 10), "a|");
  EXPECT_EQ(linkAt(map, 4, 0), "-");
  map.AddArea(areaAttributes("<area shape=poly coords=\"0,100,20,100,0,120,7\" href=b>"));
  EXPECT_EQ(linkAt(map, 1, 101), "b|");

  // Huge numbers neither overflow nor make the region unusable.
  TMapItem huge;
  huge.AddArea(areaAttributes("<area coords=\"0,0,2147483647,2147483647\" href=h>"));
  huge.AddArea(areaAttributes("<area shape=circle coords=\"0,0,2147483647\" href=c>"));
  EXPECT_EQ(linkAt(huge, 30000, 30000), "h|");
  EXPECT_EQ(linkAt(huge, -30000, 5), "c|");

  // Only the first 201 numbers count.
  std::string many = "<area shape=poly href=p coords=\"0,0,10,0,10,10,0,10";
  for (int i = 0; i < 300; ++i) many += ",0,0";
  TMapItem longList;
  longList.AddArea(areaAttributes(many + "\">"));
  EXPECT_EQ(linkAt(longList, 5, 5), "p|");
}

TEST(UrlTarget, AssignSetsOnlyTheGivenParts) {
  TUrlTarget t;
  EXPECT_TRUE(t.URL.empty());
  EXPECT_TRUE(t.Target.empty());
  t.Assign("a.htm", "frame");
  t.Assign(std::nullopt, "other");
  EXPECT_EQ(t.URL, "a.htm");
  EXPECT_EQ(t.Target, "other");
  t.Assign(std::string("b.htm"), std::nullopt);
  EXPECT_EQ(t.URL, "b.htm");
  EXPECT_EQ(t.Target, "other");
  t.Clear();
  EXPECT_TRUE(t.URL.empty());
  EXPECT_TRUE(t.Target.empty());
}
