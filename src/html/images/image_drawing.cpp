#include "html/images/image_drawing.h"

namespace tavra {

void DrawTransparentBitmap(Canvas& canvas, const Bitmap& picture, const Mask& mask, int destWidth, int destHeight,
                           int x, int y) {
  if (picture.empty() || destWidth <= 0 || destHeight <= 0) return;
  Rect dest{x, y, x + destWidth, y + destHeight};
  Bitmap cleared = picture;
  clearMaskedPixels(cleared, mask);
  canvas.save();
  canvas.setBkColor(clWhite);
  canvas.setTextColor(clBlack);
  // Clear the opaque area, then paint the picture (black where transparent) into it.
  canvas.drawMask(dest, mask, {0, 0, mask.width, mask.height}, RasterOp::And);
  canvas.drawBitmap(dest, cleared, {0, 0, picture.width, picture.height}, RasterOp::Or);
  canvas.restore();
}

void WrapTextInRect(Canvas& canvas, int left, int top, int right, int bottom, const std::u16string& text) {
  const int lineHeight = canvas.fontMetrics().height;
  const int ascent = canvas.fontMetrics().ascent;
  const Rect box{left, top, right, bottom};
  auto drawLine = [&](std::u16string line, int y) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    canvas.extTextOut(left, y + ascent, etoClipped, box, line);
  };
  std::size_t pos = 0;
  std::u16string line;
  int y = top;
  for (;;) {
    while (pos < text.size() && text[pos] <= ' ') ++pos;
    if (pos >= text.size()) break;
    std::size_t blank = text.find(' ', pos);
    std::u16string word = text.substr(pos, blank == std::u16string::npos ? std::u16string::npos : blank - pos);
    pos = blank == std::u16string::npos ? text.size() : blank;
    if (!line.empty() && canvas.textWidth(line + word) > right - left) {
      drawLine(line, y);
      y += lineHeight;
      line = word + u" ";
      if (y + lineHeight > bottom) return;
    } else {
      line += word + u" ";
    }
  }
  if (!line.empty() && y + lineHeight <= bottom) drawLine(line, y);
}

void Draw3DBorder(ColorRef pageBackground, Canvas& canvas, int left, int top, int right, int bottom, bool raised) {
  if (right <= left || bottom <= top) return;
  bool whitePage = (resolveColor(pageBackground) & 0xFFFFFF) == 0xFFFFFF;
  ColorRef light = whitePage ? ColorRef(0xC0C0C0) : clBtnHighlight;
  ColorRef dark = clBtnShadow;
  ColorRef topLeft = raised ? light : dark;
  ColorRef bottomRight = raised ? dark : light;
  canvas.fillRect({left, top, right, top + 1}, topLeft);
  canvas.fillRect({left, top, left + 1, bottom}, topLeft);
  canvas.fillRect({right - 1, top, right, bottom}, bottomRight);
  canvas.fillRect({left, bottom - 1, right, bottom}, bottomRight);
}

}  // namespace tavra
