#include "platform/canvas.h"

#include <algorithm>

#include "platform/fixed_canvas.h"
#include "platform/unicode.h"

namespace tavra {

namespace {

// The classic scheme of the original platform, indexed by system colour number.
constexpr ColorRef kSystemColors[] = {
    0xC8D0D4, 0x808000, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0,
};

}  // namespace

ColorRef resolveColor(ColorRef color) {
  if (color & kSystemColorFlag) {
    unsigned index = color & 0xFF;
    return index < std::size(kSystemColors) ? kSystemColors[index] : clBlack;
  }
  return color & 0x00FFFFFF;
}

int FontSpec::pixelSize() const {
  int s = size < 0 ? -size : size;
  return (s * 96 + 36) / 72;
}

FontEngine& fixedFontEngine() {
  static FixedFontEngine fixed;
  return fixed;
}

void Canvas::ensureFont() const {
  if (!state_.font) state_.font = fonts().createFont(FontSpec{});
}

void Canvas::setFont(FontPtr font) { state_.font = std::move(font); }

const FontMetrics& Canvas::fontMetrics() const {
  ensureFont();
  return state_.font->metrics();
}

void Canvas::setPen(ColorRef color, int width, PenStyle style) {
  state_.penColor = color;
  state_.penWidth = std::max(1, width);
  state_.penStyle = style;
}

void Canvas::setClipRect(const Rect& r) {
  state_.clip = r.translated(-state_.orgX, -state_.orgY);
  state_.hasClip = true;
}

void Canvas::intersectClipRect(const Rect& r) {
  state_.clip = deviceClip().intersected(r.translated(-state_.orgX, -state_.orgY));
  state_.hasClip = true;
}

Rect Canvas::clipRect() const { return deviceClip().translated(state_.orgX, state_.orgY); }

Rect Canvas::deviceClip() const {
  Rect surface{0, 0, surfaceWidth(), surfaceHeight()};
  return state_.hasClip ? state_.clip.intersected(surface) : surface;
}

void Canvas::restore() {
  if (saved_.empty()) return;
  state_ = std::move(saved_.back());
  saved_.pop_back();
}

int CanvasFont::textWidth(const char16_t* text, int count) const {
  int w = 0;
  for (int i = 0; i < count; ++i) w += unitAdvance(text, i, count);
  return count > 0 ? w + metrics_.overhang : 0;
}

int CanvasFont::surrogateAdvance(const char16_t* text, int i, int count) const {
  const char16_t u = text[i];
  if (isHighSurrogate(u) && i + 1 < count && isLowSurrogate(text[i + 1]))
    return advance(0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
  if (isLowSurrogate(u) && i > 0 && isHighSurrogate(text[i - 1])) return 0;
  return advance(u);
}

int CanvasFont::pagedAdvance(char32_t c) const {
  const std::size_t index = c >> 8;
  if (!pages_) pages_ = std::make_shared<AdvancePages>();
  std::vector<std::unique_ptr<Page>>& pages = pages_->pages;
  if (index >= pages.size()) pages.resize(index + 1);
  if (!pages[index]) {
    pages[index] = std::make_unique<Page>();
    pages[index]->fill(UnreadAdvance);
  }
  int& a = (*pages[index])[c & 0xFF];
  if (a < 0) a = readAdvance(c);
  return a;
}

int Canvas::textWidth(std::u16string_view text) const {
  ensureFont();
  return state_.font->textWidth(text);
}

void Canvas::textOut(int x, int y, std::u16string_view text) {
  ensureFont();
  if (state_.bkMode == BkMode::Opaque && !text.empty()) {
    const FontMetrics& m = state_.font->metrics();
    Rect cell{x, y - m.ascent, x + state_.font->textWidth(text), y + m.descent};
    extTextOut(x, y, etoOpaque, cell, text);
    return;
  }
  doText(x - state_.orgX, y - state_.orgY, text, nullptr);
}

void Canvas::extTextOut(int x, int y, unsigned options, const Rect& rect, std::u16string_view text) {
  ensureFont();
  Rect device = rect.translated(-state_.orgX, -state_.orgY);
  bool clipped = options & etoClipped;
  if (clipped) {
    save();
    state_.clip = deviceClip().intersected(device);
    state_.hasClip = true;
  }
  const Rect* opaque = (options & etoOpaque) ? &device : nullptr;
  doText(x - state_.orgX, y - state_.orgY, text, opaque);
  if (clipped) restore();
}

void Canvas::fillRect(const Rect& r, ColorRef color) {
  Rect d = r.translated(-state_.orgX, -state_.orgY).intersected(deviceClip());
  if (!d.isEmpty()) doFillRect(d, pixelFromColor(color));
}

void Canvas::lineTo(int x, int y) {
  if (state_.penStyle != PenStyle::Null)
    doLine({curX_ - state_.orgX, curY_ - state_.orgY}, {x - state_.orgX, y - state_.orgY});
  curX_ = x;
  curY_ = y;
}

void Canvas::rectangle(const Rect& r) {
  if (!r.isEmpty()) doRectangle(r.translated(-state_.orgX, -state_.orgY));
}

void Canvas::ellipse(const Rect& r) {
  if (!r.isEmpty()) doEllipse(r.translated(-state_.orgX, -state_.orgY));
}

void Canvas::polygon(const std::vector<Point>& points) {
  if (points.size() < 2) return;
  std::vector<Point> d(points);
  for (Point& p : d) p = {p.x - state_.orgX, p.y - state_.orgY};
  doPolygon(d, state_.penStyle != PenStyle::Null, !state_.brushNull, pixelFromColor(state_.brushColor));
}

void Canvas::fillPolygon(const std::vector<Point>& points, ColorRef color) {
  if (points.size() < 3) return;
  std::vector<Point> d(points);
  for (Point& p : d) p = {p.x - state_.orgX, p.y - state_.orgY};
  doPolygon(d, false, true, pixelFromColor(color));
}

void Canvas::invertRect(const Rect& r) {
  Rect d = r.translated(-state_.orgX, -state_.orgY).intersected(deviceClip());
  if (!d.isEmpty()) doInvertRect(d);
}

void Canvas::drawBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src, RasterOp op) {
  if (dest.isEmpty() || src.intersected({0, 0, bitmap.width, bitmap.height}).isEmpty()) return;
  const Rect device = dest.translated(-state_.orgX, -state_.orgY);
  if (op == RasterOp::Copy && bitmap.hasAlpha())
    doBlendBitmap(device, bitmap, src);
  else
    doBitmap(device, bitmap, src, op);
}

void Canvas::drawBitmap(int x, int y, const Bitmap& bitmap, RasterOp op) {
  drawBitmap({x, y, x + bitmap.width, y + bitmap.height}, bitmap, {0, 0, bitmap.width, bitmap.height}, op);
}

void Canvas::drawMask(const Rect& dest, const Mask& mask, const Rect& src, RasterOp op) {
  if (dest.isEmpty() || src.intersected({0, 0, mask.width, mask.height}).isEmpty()) return;
  doMask(dest.translated(-state_.orgX, -state_.orgY), mask, src, op, pixelFromColor(state_.textColor),
         pixelFromColor(state_.bkColor));
}

void Canvas::drawMask(int x, int y, const Mask& mask, RasterOp op) {
  drawMask({x, y, x + mask.width, y + mask.height}, mask, {0, 0, mask.width, mask.height}, op);
}

}  // namespace tavra
