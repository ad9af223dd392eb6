#include "platform/qt/face_glyphs.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>

#include "platform/unicode.h"

namespace tavra {

FaceGlyphs::FaceGlyphs(QRawFont own, QFont font) : own_(std::move(own)), font_(std::move(font)) {
  first_.fill(FaceGlyph{UnknownGlyph, -1});
}

FaceGlyph FaceGlyphs::glyph(char32_t c) {
  if (c < first_.size()) {
    if (first_[c].index == UnknownGlyph) first_[c] = lookUp(c);
    return first_[c];
  }
  auto known = others_.find(c);
  if (known == others_.end()) known = others_.emplace(c, lookUp(c)).first;
  return known->second;
}

FaceGlyph FaceGlyphs::lookUp(char32_t c) {
  if (!own_.isValid()) return {};
  // Lone surrogates and other non-characters are drawn as the replacement character.
  const char32_t drawn = isScalarValue(c) ? c : kReplacementCharacter;
  const QString text = QString::fromUcs4(&drawn, 1);
  quint32 index = 0;
  int count = 1;
  if (own_.glyphIndexesForChars(text.constData(), int(text.size()), &index, &count) && count == 1 && index != 0)
    return {index, -1};
  return fallbackGlyph(drawn);
}

FaceGlyph FaceGlyphs::fallbackGlyph(char32_t c) {
  QTextLayout layout(QString::fromUcs4(&c, 1), font_);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QList<quint32> indexes = run.glyphIndexes();
    if (indexes.isEmpty() || indexes.front() == 0) continue;
    const QRawFont face = run.rawFont();
    auto known = std::find(fallbacks_.begin(), fallbacks_.end(), face);
    if (known == fallbacks_.end()) {
      if (fallbacks_.size() >= MaxFallbackFaces) break;
      known = fallbacks_.insert(fallbacks_.end(), face);
    }
    return {indexes.front(), static_cast<int>(known - fallbacks_.begin())};
  }
  return {};
}

}  // namespace tavra
