#pragma once
// The small shared vocabulary of drawing: points and rectangles, colours as the documents
// write them, multiply-then-divide, and the raster operations of bitmap transfers.

#include <algorithm>
#include <cstdint>

namespace tavra {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as on the original platform.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool isEmpty() const { return right <= left || bottom <= top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  // An empty result keeps the top-left corner of the overlap, collapsed.
  Rect intersected(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    if (r.isEmpty()) r = {r.left, r.top, r.left, r.top};
    return r;
  }
  Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR. The palette-relative flag is accepted and ignored; values with the high
// byte 0x80 name a system colour (the low byte is the index, as on the original platform).
using ColorRef = std::uint32_t;

constexpr ColorRef kPaletteRelative = 0x02000000;
constexpr ColorRef kSystemColorFlag = 0x80000000;

constexpr ColorRef clBlack = 0x000000;
constexpr ColorRef clWhite = 0xFFFFFF;
constexpr ColorRef clScrollBar = kSystemColorFlag | 0;
constexpr ColorRef clBackground = kSystemColorFlag | 1;
constexpr ColorRef clWindow = kSystemColorFlag | 5;
constexpr ColorRef clWindowText = kSystemColorFlag | 8;
constexpr ColorRef clHighlight = kSystemColorFlag | 13;
constexpr ColorRef clHighlightText = kSystemColorFlag | 14;
constexpr ColorRef clBtnFace = kSystemColorFlag | 15;
constexpr ColorRef clBtnShadow = kSystemColorFlag | 16;
constexpr ColorRef clGrayText = kSystemColorFlag | 17;
constexpr ColorRef clBtnText = kSystemColorFlag | 18;
constexpr ColorRef clBtnHighlight = kSystemColorFlag | 20;

inline std::uint32_t rgbFromColorRef(std::uint32_t colorRef) {
  return ((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF);
}
inline std::uint32_t colorRefFromRgb(std::uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// number * numerator / denominator with a 64-bit intermediate, rounded to the nearest
// integer (halves away from zero); -1 when the denominator is 0, as on the original platform.
inline int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long p = static_cast<long long>(number) * numerator;
  bool negative = (p < 0) != (denominator < 0);
  long long a = p < 0 ? -p : p, d = denominator < 0 ? -static_cast<long long>(denominator) : denominator;
  long long q = (a + d / 2) / d;
  return static_cast<int>(negative ? -q : q);
}

// Raster operations of bitmap transfers: destination := source (Copy), destination AND
// source, destination OR source, destination XOR source.
enum class RasterOp { Copy, And, Or, Xor };
constexpr RasterOp SRCCOPY = RasterOp::Copy;
constexpr RasterOp SRCAND = RasterOp::And;
constexpr RasterOp SRCPAINT = RasterOp::Or;
constexpr RasterOp SRCINVERT = RasterOp::Xor;

}  // namespace tavra
