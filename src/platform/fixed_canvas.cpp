#include "platform/fixed_canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/unicode.h"

namespace tavra {

namespace {

std::uint32_t applyOp(std::uint32_t dst, std::uint32_t src, RasterOp op) {
  switch (op) {
    case RasterOp::Copy: return src & 0xFFFFFF;
    case RasterOp::And: return dst & src & 0xFFFFFF;
    case RasterOp::Or: return (dst | src) & 0xFFFFFF;
    case RasterOp::Xor: return (dst ^ src) & 0xFFFFFF;
  }
  return dst;
}

// Maps destination offset `d` of `destLen` onto `srcLen` source pixels (nearest, as a
// stretched transfer that deletes or repeats rows and columns).
int sourceIndex(int d, int destLen, int srcLen) {
  return static_cast<int>(static_cast<long long>(d) * srcLen / destLen);
}

}  // namespace

FixedFont::FixedFont(const FontSpec& face) {
  spec_ = face;
  int p = face.pixelSize();
  metrics_.ascent = p - p / 4;
  metrics_.descent = p / 4;
  metrics_.height = p;
  metrics_.externalLeading = p / 8;
  metrics_.overhang = (face.style & fsItalic) ? p / 8 : 0;
  metrics_.aveCharWidth = p / 2;
}

int FixedFont::readAdvance(char32_t) const { return metrics_.aveCharWidth; }

FontPtr FixedFontEngine::createFont(const FontSpec& face) {
  return cache_.find(face, [&]() -> FontPtr { return std::make_shared<FixedFont>(face); });
}

FixedCanvas::FixedCanvas(int width, int height, ColorRef background)
    : image_(std::max(0, width), std::max(0, height), pixelFromColor(background)) {}

void FixedCanvas::plot(int x, int y, std::uint32_t rgb) {
  if (deviceClip().contains(x, y)) image_.at(x, y) = rgb;
}

void FixedCanvas::plotPen(int x, int y) {
  std::uint32_t rgb = pixelFromColor(state().penColor);
  int w = state().penWidth;
  for (int dy = 0; dy < w; ++dy)
    for (int dx = 0; dx < w; ++dx) plot(x - w / 2 + dx, y - w / 2 + dy, rgb);
}

void FixedCanvas::fill(const Rect& r, std::uint32_t rgb) {
  Rect d = r.intersected(deviceClip());
  for (int y = d.top; y < d.bottom; ++y)
    for (int x = d.left; x < d.right; ++x) image_.at(x, y) = rgb;
}

void FixedCanvas::doText(int x, int baseline, std::u16string_view text, const Rect* opaqueRect) {
  const CanvasFont& f = *font();
  std::uint32_t fg = pixelFromColor(textColor());
  TextRecord rec{x, baseline, utf16ToUtf8(text), resolveColor(textColor()), f.face(), opaqueRect != nullptr,
                 resolveColor(bkColor())};
  texts_.push_back(std::move(rec));
  if (opaqueRect) fill(*opaqueRect, pixelFromColor(bkColor()));
  const FontMetrics& m = f.metrics();
  int pen = x;
  std::size_t i = 0;
  while (i < text.size()) {
    const char32_t ch = nextUtf16(text, i);
    const int adv = f.advance(ch);
    if (ch != ' ' && adv > 1) fill({pen, baseline - m.ascent, pen + adv - 1, baseline}, fg);
    pen += adv;
  }
  if (f.face().style & fsUnderline) fill({x, baseline + 1, pen, baseline + 2}, fg);
  if (f.face().style & fsStrikeOut) fill({x, baseline - m.ascent / 2, pen, baseline - m.ascent / 2 + 1}, fg);
}

void FixedCanvas::doFillRect(const Rect& r, std::uint32_t rgb) { fill(r, rgb); }

void FixedCanvas::doLine(Point from, Point to) {
  if (state().penStyle == PenStyle::Null) return;
  int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
  int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
  int err = dx + dy;
  int x = from.x, y = from.y;
  while (x != to.x || y != to.y) {
    plotPen(x, y);
    int e2 = 2 * err;
    if (e2 >= dy) err += dy, x += sx;
    if (e2 <= dx) err += dx, y += sy;
  }
}

void FixedCanvas::doRectangle(const Rect& r) {
  bool outline = state().penStyle != PenStyle::Null;
  int inset = outline ? 1 : 0;
  if (!state().brushNull)
    fill({r.left + inset, r.top + inset, r.right - inset, r.bottom - inset}, pixelFromColor(state().brushColor));
  if (!outline) return;
  std::uint32_t pen = pixelFromColor(state().penColor);
  fill({r.left, r.top, r.right, r.top + 1}, pen);
  fill({r.left, r.bottom - 1, r.right, r.bottom}, pen);
  fill({r.left, r.top, r.left + 1, r.bottom}, pen);
  fill({r.right - 1, r.top, r.right, r.bottom}, pen);
}

void FixedCanvas::doEllipse(const Rect& r) {
  // Pixel centres inside the ellipse are interior; those whose 4-neighbour falls outside
  // form the outline.
  double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  double rx = r.width() / 2.0, ry = r.height() / 2.0;
  auto inside = [&](int x, int y) {
    double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
  };
  bool outline = state().penStyle != PenStyle::Null;
  std::uint32_t pen = pixelFromColor(state().penColor), brush = pixelFromColor(state().brushColor);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      if (!inside(x, y)) continue;
      bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      if (edge && outline)
        plot(x, y, pen);
      else if (!state().brushNull)
        plot(x, y, brush);
    }
}

void FixedCanvas::doPolygon(const std::vector<Point>& points, bool outline, bool fillIt, std::uint32_t fillRgb) {
  if (fillIt && points.size() >= 3) {
    int top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    Rect clip = deviceClip();
    top = std::max(top, clip.top);
    bottom = std::min(bottom, clip.bottom);
    std::vector<double> xs;
    for (int y = top; y < bottom; ++y) {
      double sy = y + 0.5;
      xs.clear();
      for (std::size_t i = 0; i < points.size(); ++i) {
        Point a = points[i], b = points[(i + 1) % points.size()];
        if ((a.y <= sy) != (b.y <= sy)) xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / double(b.y - a.y));
      }
      std::sort(xs.begin(), xs.end());
      for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
        int x0 = static_cast<int>(std::ceil(xs[i] - 0.5)), x1 = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
        fill({x0, y, x1, y + 1}, fillRgb);
      }
    }
  }
  if (outline)
    for (std::size_t i = 0; i < points.size(); ++i) doLine(points[i], points[(i + 1) % points.size()]);
}

void FixedCanvas::doInvertRect(const Rect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) image_.at(x, y) = ~image_.at(x, y) & 0xFFFFFF;
}

template <typename Visit>
void FixedCanvas::forEachSourcePixel(const Rect& dest, const Bitmap& bitmap, const Rect& src, Visit visit) {
  Rect d = dest.intersected(deviceClip());
  for (int y = d.top; y < d.bottom; ++y) {
    int sy = src.top + sourceIndex(y - dest.top, dest.height(), src.height());
    if (sy < 0 || sy >= bitmap.height) continue;
    for (int x = d.left; x < d.right; ++x) {
      int sx = src.left + sourceIndex(x - dest.left, dest.width(), src.width());
      if (sx < 0 || sx >= bitmap.width) continue;
      visit(image_.at(x, y), sx, sy);
    }
  }
}

void FixedCanvas::doBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src, RasterOp op) {
  forEachSourcePixel(dest, bitmap, src, [&](std::uint32_t& pixel, int sx, int sy) {
    pixel = applyOp(pixel, bitmap.at(sx, sy), op);
  });
}

// Each channel src * a + dest * (255 - a), over 255 rounded to nearest, so that tests can
// tell every blended pixel in advance.
void FixedCanvas::doBlendBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src) {
  forEachSourcePixel(dest, bitmap, src, [&](std::uint32_t& pixel, int sx, int sy) {
    const std::uint32_t a = bitmap.alpha[std::size_t(sy) * std::size_t(bitmap.width) + std::size_t(sx)];
    const std::uint32_t over = bitmap.at(sx, sy), under = pixel;
    std::uint32_t out = 0;
    for (int shift : {16, 8, 0}) {
      const std::uint32_t s = (over >> shift) & 0xFF, u = (under >> shift) & 0xFF;
      out |= ((s * a + u * (255 - a) + 127) / 255) << shift;
    }
    pixel = out;
  });
}

void FixedCanvas::doMask(const Rect& dest, const Mask& mask, const Rect& src, RasterOp op, std::uint32_t zeroRgb,
                         std::uint32_t oneRgb) {
  Rect d = dest.intersected(deviceClip());
  for (int y = d.top; y < d.bottom; ++y) {
    int sy = src.top + sourceIndex(y - dest.top, dest.height(), src.height());
    if (sy < 0 || sy >= mask.height) continue;
    for (int x = d.left; x < d.right; ++x) {
      int sx = src.left + sourceIndex(x - dest.left, dest.width(), src.width());
      if (sx < 0 || sx >= mask.width) continue;
      image_.at(x, y) = applyOp(image_.at(x, y), mask.at(sx, sy) ? oneRgb : zeroRgb, op);
    }
  }
}

}  // namespace tavra
