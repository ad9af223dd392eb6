#pragma once
// A canvas with fixed, simple metrics that draws into a `Bitmap`, so that layout and
// paint rules can be checked to the pixel without a display.
//
// Metrics of a font of pixel size p (FontSpec::pixelSize): every character advances
// p / 2; ascent = p - p / 4, descent = p / 4, height = p, external leading = p / 8;
// italic fonts have an overhang of p / 8, others none. A glyph other than the blank is
// drawn as a solid box in the text colour from x to x + advance - 2 (one column left
// free) and from baseline - ascent to baseline - 1. Underline is the row baseline + 1.

#include <map>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/font_cache.h"

namespace tavra {

class FixedFont : public CanvasFont {
 public:
  explicit FixedFont(const FontSpec& face);

 protected:
  int readAdvance(char32_t c) const override;
};

class FixedFontEngine : public FontEngine {
 public:
  FontPtr createFont(const FontSpec& face) override;

 private:
  FontCache cache_;
};

class FixedCanvas : public Canvas {
 public:
  // One text drawing call, in device coordinates, as the canvas received it.
  struct TextRecord {
    int x = 0;
    int baseline = 0;
    std::string text;  // UTF-8
    ColorRef color = 0;  // resolved
    FontSpec font;
    bool opaque = false;
    ColorRef bkColor = 0;  // resolved; meaningful when opaque
  };

  FixedCanvas(int width, int height, ColorRef background = clWhite);

  FontEngine& fonts() const override { return fixedFontEngine(); }
  int surfaceWidth() const override { return image_.width; }
  int surfaceHeight() const override { return image_.height; }

  const Bitmap& image() const { return image_; }
  // The pixel as a 0x00BBGGRR colour, so tests compare with document colours.
  ColorRef pixel(int x, int y) const { return colorRefFromRgb(image_.at(x, y) & 0xFFFFFF); }
  const std::vector<TextRecord>& texts() const { return texts_; }
  void clearRecords() { texts_.clear(); }

 protected:
  void doText(int x, int baseline, std::u16string_view text, const Rect* opaqueRect) override;
  void doFillRect(const Rect& r, std::uint32_t rgb) override;
  void doLine(Point from, Point to) override;
  void doRectangle(const Rect& r) override;
  void doEllipse(const Rect& r) override;
  void doPolygon(const std::vector<Point>& points, bool outline, bool fill, std::uint32_t fillRgb) override;
  void doInvertRect(const Rect& r) override;
  void doBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src, RasterOp op) override;
  void doBlendBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src) override;
  void doMask(const Rect& dest, const Mask& mask, const Rect& src, RasterOp op, std::uint32_t zeroRgb,
              std::uint32_t oneRgb) override;

 private:
  void plot(int x, int y, std::uint32_t rgb);
  // Calls `visit` with each surface pixel under `dest` (clipped) and the pixel of `bitmap`
  // that a stretched transfer from its `src` puts there.
  template <typename Visit>
  void forEachSourcePixel(const Rect& dest, const Bitmap& bitmap, const Rect& src, Visit visit);
  void plotPen(int x, int y);
  void fill(const Rect& r, std::uint32_t rgb);

  Bitmap image_;
  std::vector<TextRecord> texts_;
};

}  // namespace tavra
