#pragma once
// A screen region of one shape, with the point test of a filled region of the Windows
// graphics system: a pixel belongs to the region when filling the shape would paint it.
// Rectangles and polygons keep their left and top edges and lose their right and bottom
// edges; an ellipse holds the pixels whose centres lie inside it.

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
  // The ellipse inscribed in Rectangle(left, top, right, bottom).
  static Region Ellipse(int left, int top, int right, int bottom);
  // The polygon through the points, closed back to the first, filled by the winding rule.
  // A pixel (x, y) is inside when the point (x, y) is, points on left and top edges
  // included, points on right and bottom edges not.
  static Region Polygon(const std::vector<RegionPoint>& points);

  bool Contains(int x, int y) const;
  // True when no pixel can belong to the region (its bounding box is empty).
  bool empty() const;

  // Coordinates are kept within this range, as a 16-bit graphics system keeps them; larger
  // values from documents are clamped.
  static constexpr int MaxCoordinate = 32767;

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
