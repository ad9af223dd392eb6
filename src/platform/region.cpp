#include "platform/region.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tavra {

namespace {

int clampCoordinate(int v) { return std::clamp(v, -Region::MaxCoordinate, Region::MaxCoordinate); }

}  // namespace

Region Region::Rectangle(int left, int top, int right, int bottom) {
  Region r;
  r.left_ = clampCoordinate(std::min(left, right));
  r.right_ = clampCoordinate(std::max(left, right));
  r.top_ = clampCoordinate(std::min(top, bottom));
  r.bottom_ = clampCoordinate(std::max(top, bottom));
  r.shape_ = r.empty() ? Shape::Empty : Shape::Rectangle;
  return r;
}

Region Region::Ellipse(int left, int top, int right, int bottom) {
  Region r = Rectangle(left, top, right, bottom);
  if (r.shape_ != Shape::Empty) r.shape_ = Shape::Ellipse;
  return r;
}

Region Region::Polygon(const std::vector<RegionPoint>& points) {
  Region r;
  if (points.size() < 3) return r;
  r.points_.reserve(points.size());
  r.left_ = r.top_ = MaxCoordinate;
  r.right_ = r.bottom_ = -MaxCoordinate;
  for (RegionPoint p : points) {
    p.x = clampCoordinate(p.x);
    p.y = clampCoordinate(p.y);
    r.points_.push_back(p);
    r.left_ = std::min(r.left_, p.x);
    r.right_ = std::max(r.right_, p.x);
    r.top_ = std::min(r.top_, p.y);
    r.bottom_ = std::max(r.bottom_, p.y);
  }
  r.shape_ = r.empty() ? Shape::Empty : Shape::Polygon;
  if (r.shape_ == Shape::Empty) r.points_.clear();
  return r;
}

bool Region::empty() const { return left_ >= right_ || top_ >= bottom_; }

bool Region::Contains(int x, int y) const {
  if (shape_ == Shape::Empty || x < left_ || x >= right_ || y < top_ || y >= bottom_) return false;
  switch (shape_) {
    case Shape::Rectangle:
      return true;
    case Shape::Ellipse:
      return ellipseContains(x, y);
    case Shape::Polygon:
      return polygonContains(x, y);
    case Shape::Empty:
      break;
  }
  return false;
}

// A pixel belongs to the ellipse when its centre lies inside the ellipse inscribed in the
// box [left, right) x [top, bottom), the way the rectangle is the pixels whose centres lie
// inside it. A circle of radius r around a pixel, boxed (x - r, y - r, x + r + 1,
// y + r + 1), thus holds the pixels whose offsets satisfy dx^2 + dy^2 <= r^2 + r. In
// doubled coordinates every term is an integer and the test is exact.
bool Region::ellipseContains(int x, int y) const {
  const std::int64_t a = std::int64_t(right_) - left_;  // twice the semi-axes
  const std::int64_t b = std::int64_t(bottom_) - top_;
  const std::int64_t u = 2 * std::int64_t(x) + 1 - (std::int64_t(left_) + right_);
  const std::int64_t v = 2 * std::int64_t(y) + 1 - (std::int64_t(top_) + bottom_);
  // (u/a)^2 + (v/b)^2 <= 1, arranged so that no term passes 64 bits: a, b < 2^16 and
  // |u| < a, |v| < b inside the box.
  const std::uint64_t uu = std::uint64_t(u * u), vv = std::uint64_t(v * v);
  const std::uint64_t aa = std::uint64_t(a * a), bb = std::uint64_t(b * b);
  return uu * bb <= aa * (bb - vv);
}

// The winding number of the pixel's point. Each edge counts over the half-open span
// [upper y, lower y) and only where it passes strictly right of the point, so points on
// left and top edges are inside and points on right and bottom edges outside, as for a
// rectangle.
bool Region::polygonContains(int x, int y) const {
  int winding = 0;
  const std::size_t n = points_.size();
  for (std::size_t i = 0; i < n; ++i) {
    RegionPoint a = points_[i];
    RegionPoint b = points_[(i + 1) % n];
    if (a.y == b.y) continue;
    int direction = 1;
    if (a.y > b.y) {
      std::swap(a, b);
      direction = -1;
    }
    if (y < a.y || y >= b.y) continue;
    // The edge's x at y exceeds x  <=>  (a.x - x)(b.y - a.y) + (y - a.y)(b.x - a.x) > 0.
    const std::int64_t side = (std::int64_t(a.x) - x) * (std::int64_t(b.y) - a.y) +
                              (std::int64_t(y) - a.y) * (std::int64_t(b.x) - a.x);
    if (side > 0) winding += direction;
  }
  return winding != 0;
}

}  // namespace tavra
