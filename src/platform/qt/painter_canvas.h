#pragma once
// The canvas over a QPainter (a widget on screen or an offscreen QImage). Fonts are
// toolkit fonts whose advances are read once per character; text is drawn glyph by glyph
// at those integer advances, without kerning or shaping, so what is drawn is exactly as
// wide as what was measured. A character the face lacks is drawn, and measured, in the
// face the toolkit falls back to.

#include <QRawFont>
#include <array>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/canvas.h"
#include "platform/font_cache.h"
#include "platform/font_tables.h"
#include "platform/qt/face_glyphs.h"

class QPainter;

namespace tavra {

class QtFont : public CanvasFont {
 public:
  // What the fonts of one face at one size share, whatever name or lines they were asked
  // with: the face at that size, its fallback faces at that size, the advance pages.
  struct SizedFace {
    QRawFont raw;
    std::vector<QRawFont> fallbacks;
    std::shared_ptr<AdvancePages> pages = std::make_shared<AdvancePages>();
  };

  // `sized` holds the toolkit face of the request's family and style at the request's
  // size; `advances` its design advances, if the face has them; `glyphs` the glyphs of the
  // face, shared by all its sizes.
  QtFont(const FontSpec& face, std::shared_ptr<SizedFace> sized, std::shared_ptr<const DesignAdvances> advances,
         std::shared_ptr<FaceGlyphs> glyphs);

  FaceGlyph glyph(char32_t c) const { return glyphs_->glyph(c); }
  // The font's own face (-1) or a fallback face, at the font's size.
  const QRawFont& rawFont(int face = -1) const;
  int underlinePosition() const { return underlinePosition_; }
  int strikeOutPosition() const { return strikeOutPosition_; }
  int lineThickness() const { return lineThickness_; }

  // The family drawn for a face name: the metric-compatible families for the classic
  // faces, the name itself otherwise (the font configuration finds a substitute).
  static QString familyFor(const std::string& faceName);

 protected:
  int readAdvance(char32_t c) const override;

 private:
  std::shared_ptr<SizedFace> sized_;
  const QRawFont& raw_;
  std::shared_ptr<const DesignAdvances> designAdvances_;
  std::shared_ptr<FaceGlyphs> glyphs_;
  int underlinePosition_ = 1;
  int strikeOutPosition_ = 1;
  int lineThickness_ = 1;
};

// Fonts of the toolkit, cached by their request; usable once a QGuiApplication exists.
class QtFontEngine : public FontEngine {
 public:
  FontPtr createFont(const FontSpec& face) override;
  // The families and styles matched so far.
  std::size_t faceCount() const { return faces_.size(); }
  // The faces at a size that the fonts made so far share.
  std::size_t sizedFaceCount() const { return sizedFaces_.size(); }

 private:
  struct Face {
    QRawFont raw;
    std::shared_ptr<const DesignAdvances> advances;
    std::shared_ptr<FaceGlyphs> glyphs;
  };
  // The face of a family and style. The first request of a family and style asks the
  // font configuration; other sizes are copies of that face at another size, which
  // spares the matching every new toolkit font costs. Families that the configuration
  // answers with one face share that face's glyphs and advances.
  const Face& faceFor(const FontSpec& request, int pixelSize);
  const Face& realFace(const QRawFont& raw, bool bold, bool italic, int pixelSize);
  std::shared_ptr<QtFont::SizedFace> sizedFace(const Face& face, int pixelSize);

  // Families matched by the font configuration; past this many, others get the serif
  // face. The map then grows by at most its four styles.
  static constexpr std::size_t MaxFaces = 128;
  // Faces at a size kept for fonts still to come; past this many the list starts afresh
  // (fonts made keep theirs).
  static constexpr std::size_t MaxSizedFaces = 1024;

  FontCache cache_;
  std::map<std::tuple<QString, bool, bool>, Face> faces_;
  // By the face's own family and style name, weight, slant, and the style asked for.
  std::map<std::tuple<QString, QString, int, int, bool, bool>, Face> realFaces_;
  std::map<std::pair<const FaceGlyphs*, int>, std::shared_ptr<QtFont::SizedFace>> sizedFaces_;
};

// The toolkit's fonts of this process: the font database behind them is one per process.
QtFontEngine& toolkitFonts();

class PainterCanvas : public Canvas {
 public:
  // `painter` must be active on a device of `width` x `height` pixels; the canvas's own
  // default font comes from `fonts`.
  PainterCanvas(QPainter& painter, int width, int height, FontEngine& fonts = toolkitFonts());

  FontEngine& fonts() const override { return fonts_; }

  int surfaceWidth() const override { return width_; }
  int surfaceHeight() const override { return height_; }

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
  void prepare();
  void usePen();
  void useBrush();
  std::shared_ptr<const QtFont> qtFont();

  QPainter& painter_;
  FontEngine& fonts_;
  int width_;
  int height_;
};

}  // namespace tavra
