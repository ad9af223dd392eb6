#pragma once
// A screen region of one shape, with the point test of a filled GDI region: a pixel
// belongs to the region when the fill of the shape would paint it. Edges follow the
// top-left rule: left and top edges are inside, right and bottom edges outside.

#include <vector>

namespace tavra {

struct RegionPoint {
  int x = 0;
  int y = 0;
};

class Region {
 public:
  // The empty region.
  Region() = default;

  // The pixels x in [left, right), y in [top, bottom); corners in any order.
  static Region Rectangle(int left, int top, int right, int bottom);
  // The ellipse inscribed in the pixels of Rectangle(left, top, right, bottom): its
  // outermost pixels are the first and last column and row of that rectangle.
  static Region Ellipse(int left, int top, int right, int bottom);
  // The polygon through the points, closed back to the first, filled by the winding rule.
  static Region Polygon(const std::vector<RegionPoint>& points);

  bool Contains(int x, int y) const;
  bool empty() const;

 private:
  enum class Shape { Empty, Rectangle, Ellipse, Polygon };
  Shape shape_ = Shape::Empty;
  // Bounding box: pixels x in [left_, right_), y in [top_, bottom_).
  int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
  std::vector<RegionPoint> points_;

  bool ellipseContains(int x, int y) const;
  bool polygonContains(int x, int y) const;
};

}  // namespace tavra
