#include "platform/qt/painter_canvas.h"

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>

#include "platform/unicode.h"

namespace tavra {

namespace {

QColor qcolor(std::uint32_t rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

QPainter::CompositionMode compositionFor(RasterOp op) {
  switch (op) {
    case RasterOp::Copy: return QPainter::CompositionMode_Source;
    case RasterOp::And: return QPainter::RasterOp_SourceAndDestination;
    case RasterOp::Or: return QPainter::RasterOp_SourceOrDestination;
    case RasterOp::Xor: return QPainter::RasterOp_SourceXorDestination;
  }
  return QPainter::CompositionMode_SourceOver;
}

QRect qrect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// Pixels of `image` (0x00RRGGBB) as an opaque toolkit image.
QImage toQImage(const std::uint32_t* pixels, int width, int height) {
  QImage img(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    const std::uint32_t* src = pixels + std::size_t(y) * std::size_t(width);
    for (int x = 0; x < width; ++x) line[x] = 0xFF000000u | src[x];
  }
  return img;
}

}  // namespace

QString QtFont::familyFor(const std::string& faceName) {
  QString name = QString::fromStdString(faceName).trimmed();
  if (name.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0) return "Liberation Serif";
  if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) return "Liberation Sans";
  if (name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) return "Liberation Mono";
  if (name.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0) return "Liberation Mono";
  return name;
}

QtFont::QtFont(const FontSpec& face, std::shared_ptr<SizedFace> sized, std::shared_ptr<const DesignAdvances> advances,
               std::shared_ptr<FaceGlyphs> glyphs)
    : sized_(std::move(sized)), raw_(sized_->raw), designAdvances_(std::move(advances)), glyphs_(std::move(glyphs)) {
  spec_ = face;
  sharePages(sized_->pages);
  const int pixelSize = std::max(1, face.pixelSize());
  if (raw_.isValid()) {
    metrics_.ascent = qRound(raw_.ascent());
    metrics_.descent = qRound(raw_.descent());
    metrics_.externalLeading = std::max(0, qRound(raw_.leading()));
    metrics_.aveCharWidth = qRound(raw_.averageCharWidth());
    lineThickness_ = std::max(1, qRound(raw_.lineThickness()));
    underlinePosition_ = qRound(raw_.underlinePosition());
  } else {
    // Without any font installed nothing can be drawn; the layout still needs a line.
    metrics_.ascent = pixelSize * 4 / 5;
    metrics_.descent = pixelSize - metrics_.ascent;
    metrics_.aveCharWidth = std::max(1, pixelSize / 2);
  }
  metrics_.height = metrics_.ascent + metrics_.descent;
  metrics_.overhang = 0;
  strikeOutPosition_ = std::max(1, metrics_.ascent / 3);
}

const QRawFont& QtFont::rawFont(int face) const {
  if (face < 0) return raw_;
  const std::vector<QRawFont>& found = glyphs_->fallbacks();
  std::vector<QRawFont>& sizedFallbacks = sized_->fallbacks;
  while (sizedFallbacks.size() <= std::size_t(face) && sizedFallbacks.size() < found.size()) {
    QRawFont sized = found[sizedFallbacks.size()];
    sized.setPixelSize(raw_.pixelSize());
    sizedFallbacks.push_back(std::move(sized));
  }
  return sizedFallbacks[std::size_t(face)];
}

// The advance of the glyph that is drawn for the character, so that what is drawn is
// exactly as wide as what was measured, fallback faces included. Text is set with the
// advances the face was designed with, as the toolkit does under light hinting.
int QtFont::readAdvance(char32_t c) const {
  if (c < 32) return 0;  // control characters have no glyph worth drawing
  if (!raw_.isValid()) return metrics_.aveCharWidth;
  const FaceGlyph g = glyph(c);
  if (g.face < 0 && designAdvances_) return designAdvances_->advance(g.index, raw_.pixelSize());
  QPointF advance;
  if (!rawFont(g.face).advancesForGlyphIndexes(&g.index, &advance, 1, QRawFont::UseDesignMetrics)) return 0;
  return qRound(advance.x());
}

const QtFontEngine::Face& QtFontEngine::faceFor(const FontSpec& request, int pixelSize) {
  QString family = QtFont::familyFor(request.name);
  const bool bold = request.style & fsBold;
  const bool italic = request.style & fsItalic;
  auto known = faces_.find({family, bold, italic});
  // Matching a family costs the font configuration a search of its own; a document
  // naming thousands of them gets the serif face for every family past the bound.
  if (known == faces_.end() && faces_.size() >= MaxFaces) {
    family = QtFont::familyFor("Times New Roman");
    known = faces_.find({family, bold, italic});
  }
  if (known == faces_.end()) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false);
    known = faces_.emplace(std::make_tuple(family, bold, italic), realFace(QRawFont::fromFont(font), bold, italic, pixelSize))
                .first;
  }
  return known->second;
}

// Fallbacks are asked of the face's own family, so that which face draws a character the
// face lacks does not hang on which name of the face a page used first.
const QtFontEngine::Face& QtFontEngine::realFace(const QRawFont& raw, bool bold, bool italic, int pixelSize) {
  const auto key = std::make_tuple(raw.familyName(), raw.styleName(), raw.weight(), int(raw.style()), bold, italic);
  if (auto known = realFaces_.find(key); known != realFaces_.end()) return known->second;
  QFont font(raw.familyName());
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setItalic(italic);
  font.setKerning(false);
  Face face{raw, nullptr, std::make_shared<FaceGlyphs>(raw, font)};
  if (raw.isValid()) {
    auto table = [&](const char* tag) {
      const QByteArray data = raw.fontTable(tag);
      return std::string(data.constData(), std::size_t(data.size()));
    };
    if (auto advances = DesignAdvances::read(table("head"), table("hhea"), table("hmtx")))
      face.advances = std::make_shared<const DesignAdvances>(std::move(*advances));
  }
  return realFaces_.emplace(key, std::move(face)).first->second;
}

std::shared_ptr<QtFont::SizedFace> QtFontEngine::sizedFace(const Face& face, int pixelSize) {
  const auto key = std::make_pair(face.glyphs.get(), pixelSize);
  if (auto known = sizedFaces_.find(key); known != sizedFaces_.end()) return known->second;
  if (sizedFaces_.size() >= MaxSizedFaces) sizedFaces_.clear();
  auto sized = std::make_shared<QtFont::SizedFace>();
  sized->raw = face.raw;
  sized->raw.setPixelSize(pixelSize);
  sizedFaces_.emplace(key, sized);
  return sized;
}

FontPtr QtFontEngine::createFont(const FontSpec& face) {
  return cache_.find(face, [&]() -> FontPtr {
    const int pixelSize = std::max(1, face.pixelSize());
    const Face& known = faceFor(face, pixelSize);
    return std::make_shared<QtFont>(face, sizedFace(known, pixelSize), known.advances, known.glyphs);
  });
}

QtFontEngine& toolkitFonts() {
  static QtFontEngine engine;
  return engine;
}

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height, FontEngine& fonts)
    : painter_(painter), fonts_(fonts), width_(width), height_(height) {}

void PainterCanvas::prepare() {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setClipRect(qrect(deviceClip()));
}

void PainterCanvas::usePen() {
  if (state().penStyle == PenStyle::Null) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  QPen pen(qcolor(pixelFromColor(state().penColor)));
  pen.setWidth(state().penWidth > 1 ? state().penWidth : 0);
  pen.setStyle(state().penStyle == PenStyle::Dash  ? Qt::DashLine
               : state().penStyle == PenStyle::Dot ? Qt::DotLine
                                                   : Qt::SolidLine);
  painter_.setPen(pen);
}

void PainterCanvas::useBrush() {
  if (state().brushNull)
    painter_.setBrush(Qt::NoBrush);
  else
    painter_.setBrush(qcolor(pixelFromColor(state().brushColor)));
}

std::shared_ptr<const QtFont> PainterCanvas::qtFont() {
  auto qt = std::dynamic_pointer_cast<const QtFont>(font());
  if (qt) return qt;
  // A font made by another engine: draw its request with a toolkit font.
  return std::static_pointer_cast<const QtFont>(toolkitFonts().createFont(font()->face()));
}

void PainterCanvas::doText(int x, int baseline, std::u16string_view text, const Rect* opaqueRect) {
  prepare();
  if (opaqueRect) painter_.fillRect(qrect(opaqueRect->intersected(deviceClip())), qcolor(pixelFromColor(bkColor())));
  if (text.empty()) return;
  // Positions follow the advances of the font the text was measured with; each face the
  // characters need draws its own run.
  const CanvasFont& measured = *font();
  auto f = qtFont();
  struct Run {
    QList<quint32> glyphs;
    QList<QPointF> positions;
  };
  std::vector<Run> runs(1);  // the font's own face first, then its fallback faces
  int pen = x;
  std::size_t i = 0;
  while (i < text.size()) {
    const char32_t c = nextUtf16(text, i);
    if (c >= 32) {
      const FaceGlyph g = f->glyph(c);
      const std::size_t run = std::size_t(g.face + 1);
      if (run >= runs.size()) runs.resize(run + 1);
      runs[run].glyphs.append(g.index);
      runs[run].positions.append(QPointF(pen, baseline));
    }
    pen += measured.advance(c);
  }
  QColor colour = qcolor(pixelFromColor(textColor()));
  painter_.setPen(colour);
  for (std::size_t r = 0; r < runs.size(); ++r) {
    if (runs[r].glyphs.isEmpty()) continue;
    QGlyphRun run;
    run.setRawFont(f->rawFont(int(r) - 1));
    run.setGlyphIndexes(runs[r].glyphs);
    run.setPositions(runs[r].positions);
    painter_.drawGlyphRun(QPointF(0, 0), run);
  }
  // Lines are drawn here, over exactly the measured extent.
  unsigned style = f->face().style;
  if (style & fsUnderline)
    painter_.fillRect(QRect(x, baseline + f->underlinePosition(), pen - x, f->lineThickness()), colour);
  if (style & fsStrikeOut)
    painter_.fillRect(QRect(x, baseline - f->strikeOutPosition(), pen - x, f->lineThickness()), colour);
}

void PainterCanvas::doFillRect(const Rect& r, std::uint32_t rgb) {
  prepare();
  painter_.fillRect(qrect(r), qcolor(rgb));
}

void PainterCanvas::doLine(Point from, Point to) {
  prepare();
  usePen();
  // The end point is not drawn; for straight lines that is exact.
  Point end = to;
  if (from.y == to.y && from.x != to.x)
    end.x += from.x < to.x ? -1 : 1;
  else if (from.x == to.x && from.y != to.y)
    end.y += from.y < to.y ? -1 : 1;
  else if (from == to)
    return;
  painter_.drawLine(from.x, from.y, end.x, end.y);
}

void PainterCanvas::doRectangle(const Rect& r) {
  prepare();
  if (!state().brushNull) {
    int inset = state().penStyle == PenStyle::Null ? 0 : 1;
    painter_.fillRect(QRect(r.left + inset, r.top + inset, r.width() - 2 * inset, r.height() - 2 * inset),
                      qcolor(pixelFromColor(state().brushColor)));
  }
  if (state().penStyle == PenStyle::Null) return;
  usePen();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void PainterCanvas::doEllipse(const Rect& r) {
  prepare();
  usePen();
  useBrush();
  painter_.drawEllipse(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void PainterCanvas::doPolygon(const std::vector<Point>& points, bool outline, bool fill, std::uint32_t fillRgb) {
  prepare();
  QPolygon poly;
  for (const Point& p : points) poly << QPoint(p.x, p.y);
  if (outline)
    usePen();
  else
    painter_.setPen(Qt::NoPen);
  if (fill)
    painter_.setBrush(qcolor(fillRgb));
  else
    painter_.setBrush(Qt::NoBrush);
  painter_.drawPolygon(poly, Qt::WindingFill);
}

void PainterCanvas::doInvertRect(const Rect& r) {
  prepare();
  painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter_.fillRect(qrect(r), Qt::black);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PainterCanvas::doBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src, RasterOp op) {
  prepare();
  QImage img(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height,
             bitmap.width * 4, QImage::Format_RGB32);
  painter_.setCompositionMode(compositionFor(op));
  painter_.drawImage(qrect(dest), img, qrect(src));
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PainterCanvas::doBlendBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& src) {
  // Only the pixels that land inside the clip cross to the toolkit, picked as the fixed
  // canvas picks them: a large picture shown small, or mostly out of view, costs what is
  // shown, never a copy of the whole picture.
  const Rect d = dest.intersected(deviceClip());
  if (d.isEmpty() || src.isEmpty()) return;
  QImage img(d.width(), d.height(), QImage::Format_ARGB32);
  if (img.isNull()) return;
  img.fill(Qt::transparent);
  std::vector<int> columns(std::size_t(d.width()));
  for (int x = d.left; x < d.right; ++x)
    columns[std::size_t(x - d.left)] = src.left + int(std::int64_t(x - dest.left) * src.width() / dest.width());
  for (int y = d.top; y < d.bottom; ++y) {
    const int sy = src.top + int(std::int64_t(y - dest.top) * src.height() / dest.height());
    if (sy < 0 || sy >= bitmap.height) continue;
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y - d.top));
    const std::size_t row = std::size_t(sy) * std::size_t(bitmap.width);
    for (int x = 0; x < d.width(); ++x) {
      const int sx = columns[std::size_t(x)];
      if (sx >= 0 && sx < bitmap.width)
        line[x] = (QRgb(bitmap.alpha[row + std::size_t(sx)]) << 24) | bitmap.pixels[row + std::size_t(sx)];
    }
  }
  prepare();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.drawImage(QPoint(d.left, d.top), img);
}

void PainterCanvas::doMask(const Rect& dest, const Mask& mask, const Rect& src, RasterOp op, std::uint32_t zeroRgb,
                           std::uint32_t oneRgb) {
  std::vector<std::uint32_t> pixels(mask.bits.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = mask.bits[i] ? oneRgb : zeroRgb;
  QImage img = toQImage(pixels.data(), mask.width, mask.height);
  prepare();
  painter_.setCompositionMode(compositionFor(op));
  painter_.drawImage(qrect(dest), img, qrect(src));
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace tavra
