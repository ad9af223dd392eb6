#pragma once
// The canvas over a QPainter (a widget on screen or an offscreen QImage). Fonts are
// toolkit fonts whose advances are read once into the byte table; text is drawn glyph by
// glyph at those integer advances, without kerning, so what is drawn is exactly as wide
// as what was measured.

#include <QFont>
#include <QRawFont>
#include <array>
#include <vector>

#include "platform/canvas.h"

class QPainter;

namespace tavra {

class QtFont : public CanvasFont {
 public:
  explicit QtFont(const FontSpec& face);

  const QFont& qfont() const { return qfont_; }
  const QRawFont& rawFont() const { return raw_; }
  quint32 glyph(unsigned char c) const { return glyphs_[c]; }

  // The family drawn for a face name: the metric-compatible families for the classic
  // faces, the name itself otherwise (the font configuration finds a substitute).
  static QString familyFor(const std::string& faceName);

 protected:
  int readAdvance(unsigned char c) const override;

 private:
  QFont qfont_;
  QRawFont raw_;
  std::array<quint32, 256> glyphs_{};
};

// Fonts of the toolkit, cached by their request; install with setFontEngine once a
// QGuiApplication exists.
class QtFontEngine : public FontEngine {
 public:
  FontPtr createFont(const FontSpec& face) override;

 private:
  std::vector<FontPtr> cache_;
};

class PainterCanvas : public Canvas {
 public:
  // `painter` must be active on a device of `width` x `height` pixels.
  PainterCanvas(QPainter& painter, int width, int height);

  int surfaceWidth() const override { return width_; }
  int surfaceHeight() const override { return height_; }

 protected:
  void doText(int x, int baseline, std::string_view text, const Rect* opaqueRect) override;
  void doFillRect(const Rect& r, std::uint32_t rgb) override;
  void doLine(Point from, Point to) override;
  void doRectangle(const Rect& r) override;
  void doEllipse(const Rect& r) override;
  void doPolygon(const std::vector<Point>& points, bool outline, bool fill, std::uint32_t fillRgb) override;
  void doInvertRect(const Rect& r) override;
  void doBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src, RasterOp op) override;
  void doMask(const Rect& dest, const Mask& mask, const Rect& src, RasterOp op, std::uint32_t zeroRgb,
              std::uint32_t oneRgb) override;

 private:
  void prepare();
  void usePen();
  void useBrush();
  std::shared_ptr<const QtFont> qtFont();

  QPainter& painter_;
  int width_;
  int height_;
};

}  // namespace tavra
