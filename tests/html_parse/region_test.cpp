#include "platform/region.h"

#include <gtest/gtest.h>

#include <string>

using namespace tavra;

namespace {

// The region's pixels in [0, w) x [0, h) as rows of '#' and '.'.
std::string picture(const Region& r, int w, int h) {
  std::string s;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s += r.Contains(x, y) ? '#' : '.';
    s += '\n';
  }
  return s;
}

int count(const Region& r, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += r.Contains(x, y);
  return n;
}

}  // namespace

TEST(Region, RectangleKeepsLeftAndTopEdgesOnly) {
  Region r = Region::Rectangle(2, 1, 5, 3);
  EXPECT_EQ(picture(r, 7, 4),
            ".......\n"
            "..###..\n"
            "..###..\n"
            ".......\n");
  EXPECT_EQ(picture(Region::Rectangle(5, 3, 2, 1), 7, 4), picture(r, 7, 4));  // corners swapped
  EXPECT_TRUE(Region::Rectangle(3, 3, 3, 9).empty());
  EXPECT_FALSE(Region::Rectangle(3, 3, 3, 9).Contains(3, 4));
  EXPECT_FALSE(Region().Contains(0, 0));
}

TEST(Region, EllipseHoldsThePixelsWhoseCentresLieInside) {
  // A circle boxed (x - r, y - r, x + r + 1, y + r + 1): symmetric around its pixel.
  EXPECT_EQ(picture(Region::Ellipse(0, 0, 1, 1), 3, 3),
            "#..\n"
            "...\n"
            "...\n");
  EXPECT_EQ(picture(Region::Ellipse(0, 0, 3, 3), 4, 4),
            "###.\n"
            "###.\n"
            "###.\n"
            "....\n");
  EXPECT_EQ(picture(Region::Ellipse(0, 0, 5, 5), 6, 6),
            ".###..\n"
            "#####.\n"
            "#####.\n"
            "#####.\n"
            ".###..\n"
            "......\n");
  // An even box keeps its edge rows and columns and loses the corners.
  EXPECT_EQ(picture(Region::Ellipse(0, 0, 4, 4), 5, 5),
            ".##..\n"
            "####.\n"
            "####.\n"
            ".##..\n"
            ".....\n");
  // A flat ellipse: the full middle row, narrower rows above and below.
  EXPECT_EQ(picture(Region::Ellipse(0, 0, 9, 3), 10, 3),
            ".#######..\n"
            "#########.\n"
            ".#######..\n");
  // The largest box still computes exactly.
  Region big = Region::Ellipse(-Region::MaxCoordinate, -Region::MaxCoordinate,
                               Region::MaxCoordinate, Region::MaxCoordinate);
  EXPECT_TRUE(big.Contains(0, 0));
  EXPECT_TRUE(big.Contains(-Region::MaxCoordinate, -1));
  EXPECT_FALSE(big.Contains(-Region::MaxCoordinate, -Region::MaxCoordinate));
}

TEST(Region, PolygonFollowsTheRectangleEdgeRule) {
  // The polygon of a rectangle's corners is that rectangle.
  Region square = Region::Polygon({{2, 1}, {5, 1}, {5, 3}, {2, 3}});
  EXPECT_EQ(picture(square, 7, 4), picture(Region::Rectangle(2, 1, 5, 3), 7, 4));
  // Walking the other way round changes nothing.
  EXPECT_EQ(picture(Region::Polygon({{2, 1}, {2, 3}, {5, 3}, {5, 1}}), 7, 4), picture(square, 7, 4));

  // A right triangle: its legs are a top and a left edge (inside), its slope a right
  // edge (outside).
  Region triangle = Region::Polygon({{0, 0}, {4, 0}, {0, 4}});
  EXPECT_EQ(picture(triangle, 5, 5),
            "####.\n"
            "###..\n"
            "##...\n"
            "#....\n"
            ".....\n");
  // The same triangle facing right: its slope is a left edge and is inside.
  EXPECT_EQ(picture(Region::Polygon({{4, 0}, {4, 4}, {0, 0}}), 5, 5),
            "####.\n"
            ".###.\n"
            "..##.\n"
            "...#.\n"
            ".....\n");
  EXPECT_EQ(count(Region::Polygon({{0, 0}, {10, 0}, {0, 10}}), -1, -1, 12, 12), 55);

  EXPECT_TRUE(Region::Polygon({{0, 0}, {5, 5}}).empty());
  EXPECT_FALSE(Region::Polygon({{0, 0}, {5, 0}, {9, 0}}).Contains(1, 0));  // no area
}

TEST(Region, PolygonUsesTheWindingRule) {
  // A five-pointed star drawn in one stroke crosses itself; its centre is wound twice
  // and so inside (the alternate rule would leave it out).
  Region star = Region::Polygon({{50, 0}, {79, 90}, {2, 35}, {97, 35}, {21, 90}});
  EXPECT_TRUE(star.Contains(50, 50));
  EXPECT_TRUE(star.Contains(50, 10));   // in a point
  EXPECT_FALSE(star.Contains(10, 10));  // outside
  EXPECT_FALSE(star.Contains(50, 85));  // between the two lower points

  // Two overlapping squares in one outline, both wound the same way: the overlap stays.
  Region twice = Region::Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                                  {5, 5}, {15, 5}, {15, 15}, {5, 15}, {5, 5}});
  EXPECT_TRUE(twice.Contains(7, 7));
  EXPECT_TRUE(twice.Contains(12, 12));
  EXPECT_FALSE(twice.Contains(12, 2));
}
