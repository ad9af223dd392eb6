#pragma once
// Pictures inside the engine: 32-bit pixels and 1-bit masks, independent of any toolkit.

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace tavra {


// The largest picture we agree to decode: a file may claim any size, and the pixels
// would be allocated before a single one is read. Larger pictures count as failed loads.
constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = 64'000'000;
inline bool pictureSizeAllowed(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

// Pixels are 0x00RRGGBB, top row first (the layout the toolkit's RGB32 images use, so a
// bitmap crosses to the screen without conversion). Note that document colours are
// 0x00BBGGRR; convert with rgbFromColorRef / colorRefFromRgb.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  // Empty for an opaque picture; else one value a pixel, 0 transparent to 255 opaque, the
  // colour not multiplied by it. Only readers of pictures with transparency of their own
  // fill it, so that an opaque picture costs what it always did.
  std::vector<std::uint8_t> alpha;

  Bitmap() = default;
  Bitmap(int w, int h, std::uint32_t fill = 0)
      : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}

  bool empty() const { return width <= 0 || height <= 0; }
  bool hasAlpha() const { return !alpha.empty() && alpha.size() == pixels.size(); }
  std::uint32_t& at(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
  std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

// A 1-bit mask, one byte per pixel for simple, fast access: 1 = set (in the GDI sense
// of a monochrome bitmap, set means white, i.e. "transparent" in an image mask).
struct Mask {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bits;

  Mask() = default;
  Mask(int w, int h, std::uint8_t fill = 0)
      : width(w), height(h), bits(std::size_t(w) * std::size_t(h), fill) {}

  bool empty() const { return width <= 0 || height <= 0; }
  std::uint8_t& at(int x, int y) { return bits[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
  std::uint8_t at(int x, int y) const { return bits[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

// Raster transfer from `src` (its `srcRect`) onto `dest` (its `destRect`), stretched by
// dropping or repeating pixels when the sizes differ; clipped to both bitmaps.
void transferBitmap(Bitmap& dest, const Rect& destRect, const Bitmap& src, const Rect& srcRect, RasterOp op);
// A mask as a colour source, the way a monochrome bitmap meets a colour one: clear bits
// become black and set bits white.
void transferMask(Bitmap& dest, const Rect& destRect, const Mask& src, const Rect& srcRect, RasterOp op);
// Mask-to-mask transfer (one bit per pixel on both sides), unstretched.
void transferMask(Mask& dest, int x, int y, const Mask& src, RasterOp op);
void fillBitmap(Bitmap& dest, const Rect& area, std::uint32_t rgb);
void fillMask(Mask& dest, const Rect& area, std::uint8_t value);
// The part of `src` at `area` (clipped; zeros outside `src`).
Bitmap copyArea(const Bitmap& src, const Rect& area);
Mask copyArea(const Mask& src, const Rect& area);

// Set where the pixel equals `rgb` (compared without the top byte).
Mask maskOfColour(const Bitmap& picture, std::uint32_t rgb);
Mask invertedMask(const Mask& mask);
// Makes the pixels under set mask bits black (picture AND NOT mask); sizes must match.
void clearMaskedPixels(Bitmap& picture, const Mask& mask);

}  // namespace tavra
