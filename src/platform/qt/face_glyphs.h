#pragma once
// Which glyph draws each character in a family and style, at every size: a glyph of the
// family's own face, or, where that face lacks the character, a glyph of the face the
// toolkit's own text layout falls back to. Glyph numbers do not change with the size, so
// a page of many scripts looks each character up once for all the sizes it uses.

#include <QFont>
#include <QRawFont>
#include <array>
#include <unordered_map>
#include <vector>

namespace tavra {

struct FaceGlyph {
  quint32 index = 0;
  int face = -1;  // -1: the family's own face; else the fallback face of that number
};

class FaceGlyphs {
 public:
  // `own` is the family's face at any size; `font` asks the toolkit for its fallbacks.
  FaceGlyphs(QRawFont own, QFont font);

  FaceGlyph glyph(char32_t c);
  // The fallback faces found so far, at the size they were found.
  const std::vector<QRawFont>& fallbacks() const { return fallbacks_; }

 private:
  // A page of many scripts can want many faces; past a few, the box of the family's own
  // face has to do.
  static constexpr std::size_t MaxFallbackFaces = 16;
  static constexpr quint32 UnknownGlyph = 0xFFFFFFFF;

  FaceGlyph lookUp(char32_t c);
  FaceGlyph fallbackGlyph(char32_t c);

  QRawFont own_;
  QFont font_;
  std::array<FaceGlyph, 256> first_;
  std::unordered_map<char32_t, FaceGlyph> others_;
  std::vector<QRawFont> fallbacks_;
};

}  // namespace tavra
