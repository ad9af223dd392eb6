#include "platform/bitmap.h"

#include <algorithm>

#include "platform/canvas.h"

namespace tavra {

namespace {

inline std::uint32_t apply(RasterOp op, std::uint32_t dest, std::uint32_t src) {
  switch (op) {
    case RasterOp::Copy: return src;
    case RasterOp::And: return dest & src;
    case RasterOp::Or: return dest | src;
    case RasterOp::Xor: return dest ^ src;
  }
  return src;
}

// Walks the destination pixels of a (possibly stretched) transfer, clipped to the
// destination and the source, and hands each destination/source pair to `visit`.
template <typename Visit>
void forEachMapped(int destW, int destH, const Rect& destRect, int srcW, int srcH, const Rect& srcRect, Visit visit) {
  int dw = destRect.width(), dh = destRect.height();
  int sw = srcRect.width(), sh = srcRect.height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  int x0 = std::max(destRect.left, 0), x1 = std::min(destRect.right, destW);
  int y0 = std::max(destRect.top, 0), y1 = std::min(destRect.bottom, destH);
  if (x0 >= x1 || y0 >= y1) return;
  std::vector<int> columns(std::size_t(x1 - x0));
  for (int x = x0; x < x1; ++x)
    columns[std::size_t(x - x0)] = srcRect.left + int(std::int64_t(x - destRect.left) * sw / dw);
  for (int y = y0; y < y1; ++y) {
    int sy = srcRect.top + int(std::int64_t(y - destRect.top) * sh / dh);
    if (sy < 0 || sy >= srcH) continue;
    for (int x = x0; x < x1; ++x) {
      int sx = columns[std::size_t(x - x0)];
      if (sx >= 0 && sx < srcW) visit(x, y, sx, sy);
    }
  }
}

}  // namespace

void transferBitmap(Bitmap& dest, const Rect& destRect, const Bitmap& src, const Rect& srcRect, RasterOp op) {
  forEachMapped(dest.width, dest.height, destRect, src.width, src.height, srcRect,
                [&](int x, int y, int sx, int sy) { dest.at(x, y) = apply(op, dest.at(x, y), src.at(sx, sy)); });
}

void transferMask(Bitmap& dest, const Rect& destRect, const Mask& src, const Rect& srcRect, RasterOp op) {
  forEachMapped(dest.width, dest.height, destRect, src.width, src.height, srcRect, [&](int x, int y, int sx, int sy) {
    dest.at(x, y) = apply(op, dest.at(x, y), src.at(sx, sy) ? 0xFFFFFFu : 0u);
  });
}

void transferMask(Mask& dest, int x, int y, const Mask& src, RasterOp op) {
  Rect area{x, y, x + src.width, y + src.height};
  forEachMapped(dest.width, dest.height, area, src.width, src.height, {0, 0, src.width, src.height},
                [&](int dx, int dy, int sx, int sy) {
                  dest.at(dx, dy) = std::uint8_t(apply(op, dest.at(dx, dy), src.at(sx, sy)) & 1u);
                });
}

void fillBitmap(Bitmap& dest, const Rect& area, std::uint32_t rgb) {
  int x0 = std::max(area.left, 0), x1 = std::min(area.right, dest.width);
  int y0 = std::max(area.top, 0), y1 = std::min(area.bottom, dest.height);
  for (int y = y0; y < y1; ++y) std::fill_n(&dest.at(x0, y), std::max(x1 - x0, 0), rgb);
}

void fillMask(Mask& dest, const Rect& area, std::uint8_t value) {
  int x0 = std::max(area.left, 0), x1 = std::min(area.right, dest.width);
  int y0 = std::max(area.top, 0), y1 = std::min(area.bottom, dest.height);
  for (int y = y0; y < y1; ++y) std::fill_n(&dest.at(x0, y), std::max(x1 - x0, 0), value);
}

Bitmap copyArea(const Bitmap& src, const Rect& area) {
  Bitmap out(std::max(area.width(), 0), std::max(area.height(), 0));
  transferBitmap(out, {0, 0, out.width, out.height}, src, area, RasterOp::Copy);
  return out;
}

Mask copyArea(const Mask& src, const Rect& area) {
  Mask out(std::max(area.width(), 0), std::max(area.height(), 0));
  transferMask(out, -area.left, -area.top, src, RasterOp::Copy);
  return out;
}

Mask maskOfColour(const Bitmap& picture, std::uint32_t rgb) {
  Mask mask(picture.width, picture.height);
  rgb &= 0xFFFFFF;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) mask.bits[i] = (picture.pixels[i] & 0xFFFFFF) == rgb;
  return mask;
}

Mask invertedMask(const Mask& mask) {
  Mask out = mask;
  for (auto& b : out.bits) b = b ? 0 : 1;
  return out;
}

void clearMaskedPixels(Bitmap& picture, const Mask& mask) {
  if (picture.width != mask.width || picture.height != mask.height) return;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i)
    if (mask.bits[i]) picture.pixels[i] = 0;
}

}  // namespace tavra
