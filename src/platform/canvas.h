#pragma once
// The drawing seam: everything the HTML engine, the pictures and the labels draw goes
// through `Canvas`, in the terms of the platform the engine was designed on (fonts with
// text metrics, baseline text, pens and brushes, raster operations). Text is UTF-16.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/geometry.h"

namespace tavra {

// The plain 0x00BBGGRR value that is drawn: system colours resolved (classic scheme),
// the palette flag dropped.
ColorRef resolveColor(ColorRef color);
// The same colour as a 0x00RRGGBB pixel of `Bitmap`.
inline std::uint32_t pixelFromColor(ColorRef color) { return rgbFromColorRef(resolveColor(color)); }

enum FontStyle : unsigned {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};

// What a font is asked for. `size` is in points at 96 pixels per inch, so the character
// (em) height in pixels is size * 96 / 72 rounded.
struct FontSpec {
  std::string name = "Times New Roman";  // UTF-8
  int size = 12;
  unsigned style = 0;  // FontStyle bits
  std::uint8_t charset = 1;

  int pixelSize() const;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontMetrics {
  int height = 0;  // ascent + descent
  int ascent = 0;
  int descent = 0;
  int externalLeading = 0;
  int overhang = 0;
  int aveCharWidth = 0;
};

// A realised font: its metrics and the advance of each character, each read once, so
// that measuring is a table walk. Advances are kept in pages of 256 characters, made when
// a character of the page is first measured: a document uses few of them.
class CanvasFont {
 public:
  virtual ~CanvasFont() = default;

  const FontSpec& face() const { return spec_; }
  const FontMetrics& metrics() const { return metrics_; }
  int advance(char32_t c) const {
    if (c < 256) {
      const int a = firstPage_[c];
      return a >= 0 ? a : (firstPage_[c] = readAdvance(c));
    }
    return pagedAdvance(c);
  }
  // The advance of the unit at `i` of `count` units: a surrogate pair counts at its first
  // unit and nothing at its second, so that a sum over units is the text's width.
  int unitAdvance(const char16_t* text, int i, int count) const {
    const char16_t u = text[i];
    return (u & 0xF800) == 0xD800 ? surrogateAdvance(text, i, count) : advance(u);
  }
  // Sum of the advances plus the overhang, as the original platform reports an extent. A
  // surrogate pair counts as its one character.
  int textWidth(const char16_t* text, int count) const;
  int textWidth(std::u16string_view text) const { return textWidth(text.data(), static_cast<int>(text.size())); }

 protected:
  CanvasFont() { firstPage_.fill(UnreadAdvance); }
  // Entries left at UnreadAdvance are read on first use: reading a toolkit font's advances
  // loads its glyphs, and most fonts of a document use few characters.
  static constexpr int UnreadAdvance = -1;
  virtual int readAdvance(char32_t) const { return 0; }

  using Page = std::array<int, 256>;
  // The pages beyond the first, by c / 256. Fonts whose every advance is the same (one face
  // at one size asked for under several names or styles of line) may share them: a page of
  // many scripts in many names then reads each character once.
  struct AdvancePages {
    std::vector<std::unique_ptr<Page>> pages;
  };
  void sharePages(std::shared_ptr<AdvancePages> pages) { pages_ = std::move(pages); }

  FontSpec spec_;
  FontMetrics metrics_;

 private:
  int pagedAdvance(char32_t c) const;
  int surrogateAdvance(const char16_t* text, int i, int count) const;
  mutable Page firstPage_;
  mutable std::shared_ptr<AdvancePages> pages_;
};

using FontPtr = std::shared_ptr<const CanvasFont>;

// Where realised fonts come from. A document's fonts come from its host; a canvas names
// the engine of its own default font.
class FontEngine {
 public:
  virtual ~FontEngine() = default;
  virtual FontPtr createFont(const FontSpec& face) = 0;
};

// Fixed, simple metrics that need no toolkit (fixed_canvas.h says which): the fonts of
// tests and of documents built by hand. Stateless but for its cache, so one serves all.
FontEngine& fixedFontEngine();

enum class BkMode { Transparent, Opaque };

enum class PenStyle { Solid, Dash, Dot, Null };

// Options of extTextOut.
enum TextOutOption : unsigned {
  etoOpaque = 1,   // fill the rectangle with the background colour first
  etoClipped = 2,  // draw nothing outside the rectangle
};

// All coordinates are logical: device = logical - window origin. Clip rectangles are
// given and reported in logical coordinates too.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // The engine of the canvas's own fonts; its default font comes from there.
  virtual FontEngine& fonts() const = 0;

  // --- state; save/restore keep all of it (font, colours, pen, brush, clip, origin)
  void setFont(FontPtr font);
  const FontPtr& font() const { return state_.font; }
  const FontMetrics& fontMetrics() const;
  void setTextColor(ColorRef c) { state_.textColor = c; }
  ColorRef textColor() const { return state_.textColor; }
  void setBkColor(ColorRef c) { state_.bkColor = c; }
  ColorRef bkColor() const { return state_.bkColor; }
  void setBkMode(BkMode m) { state_.bkMode = m; }
  BkMode bkMode() const { return state_.bkMode; }
  void setPen(ColorRef color, int width = 1, PenStyle style = PenStyle::Solid);
  void setBrush(ColorRef color) { state_.brushColor = color, state_.brushNull = false; }
  void setBrushNull() { state_.brushNull = true; }
  void setWindowOrg(int x, int y) { state_.orgX = x, state_.orgY = y; }
  Point windowOrg() const { return {state_.orgX, state_.orgY}; }

  // Clip: the whole surface when none is set.
  void setClipRect(const Rect& r);
  void intersectClipRect(const Rect& r);
  Rect clipRect() const;
  void resetClip() { state_.hasClip = false; }
  void save() { saved_.push_back(state_); }
  void restore();

  // Size of the surface in device pixels.
  virtual int surfaceWidth() const = 0;
  virtual int surfaceHeight() const = 0;

  // --- text (current font; the baseline is at y)
  int textWidth(std::u16string_view text) const;
  void textOut(int x, int y, std::u16string_view text);
  void extTextOut(int x, int y, unsigned options, const Rect& rect, std::u16string_view text);

  // --- shapes: outline with the pen, interior with the brush
  void fillRect(const Rect& r, ColorRef color);
  void moveTo(int x, int y) { curX_ = x, curY_ = y; }
  // A line from the current position up to but excluding (x, y), which becomes current.
  void lineTo(int x, int y);
  void rectangle(const Rect& r);
  void ellipse(const Rect& r);
  void polygon(const std::vector<Point>& points);
  // Fills the polygon's interior in `color` without outline (region fill).
  void fillPolygon(const std::vector<Point>& points, ColorRef color);
  // Inverts every pixel of the rectangle.
  void invertRect(const Rect& r);

  // --- bitmap transfers; stretched when `dest` and `src` differ in size. A bitmap with
  // an alpha plane copied (RasterOp::Copy) is blended over what the canvas holds.
  void drawBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src, RasterOp op = RasterOp::Copy);
  void drawBitmap(int x, int y, const Bitmap& bitmap, RasterOp op = RasterOp::Copy);
  // A monochrome source becomes colour as on the original platform: clear bits take the
  // text colour, set bits the background colour (black and white when painting masks).
  void drawMask(const Rect& dest, const Mask& mask, const Rect& src, RasterOp op);
  void drawMask(int x, int y, const Mask& mask, RasterOp op);

 protected:
  struct State {
    FontPtr font;
    ColorRef textColor = clBlack;
    ColorRef bkColor = clWhite;
    BkMode bkMode = BkMode::Opaque;
    ColorRef penColor = clBlack;
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    ColorRef brushColor = clWhite;
    bool brushNull = false;
    bool hasClip = false;
    Rect clip;  // device coordinates
    int orgX = 0;
    int orgY = 0;
  };

  const State& state() const { return state_; }
  // Device clip: the clip rectangle or the surface.
  Rect deviceClip() const;

  // Implementations draw in device coordinates, inside deviceClip(); colours resolved.
  virtual void doText(int x, int baseline, std::u16string_view text, const Rect* opaqueRect) = 0;
  virtual void doFillRect(const Rect& r, std::uint32_t rgb) = 0;
  virtual void doLine(Point from, Point to) = 0;
  virtual void doRectangle(const Rect& r) = 0;
  virtual void doEllipse(const Rect& r) = 0;
  virtual void doPolygon(const std::vector<Point>& points, bool outline, bool fill, std::uint32_t fillRgb) = 0;
  virtual void doInvertRect(const Rect& r) = 0;
  virtual void doBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src, RasterOp op) = 0;
  // `bitmap` has an alpha plane; stretched and clipped as doBitmap does.
  virtual void doBlendBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src) = 0;
  // `zeroRgb` and `oneRgb` are the colours of clear and set bits.
  virtual void doMask(const Rect& dest, const Mask& mask, const Rect& src, RasterOp op, std::uint32_t zeroRgb,
                      std::uint32_t oneRgb) = 0;

 private:
  void ensureFont() const;
  mutable State state_;
  std::vector<State> saved_;
  int curX_ = 0;
  int curY_ = 0;
};

}  // namespace tavra
