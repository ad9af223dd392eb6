#pragma once
// Pictures inside the engine: 32-bit pixels and 1-bit masks, independent of any toolkit.

#include <cstdint>
#include <vector>

namespace tavra {

// Pixels are 0x00RRGGBB, top row first (the layout the toolkit's RGB32 images use, so a
// bitmap crosses to the screen without conversion). Note that document colours are
// 0x00BBGGRR; convert with rgbFromColorRef / colorRefFromRgb.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  Bitmap() = default;
  Bitmap(int w, int h, std::uint32_t fill = 0)
      : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}

  bool empty() const { return width <= 0 || height <= 0; }
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

inline std::uint32_t rgbFromColorRef(std::uint32_t colorRef) {
  return ((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF);
}
inline std::uint32_t colorRefFromRgb(std::uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

}  // namespace tavra
