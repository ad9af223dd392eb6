#include "html/images/gif_composition.h"

#include <algorithm>
#include <cstring>

namespace tavra {

namespace {

// Calls `row(pictureOffset, frameOffset, n)` for each row of a frame-sized block at `area`
// that lies inside a picture of width x height: pixel offsets into the picture and into the
// block. Frames lie inside their picture, whose size covers every frame; the clipping
// only keeps a block of another size from reaching outside either.
template <typename Row>
void forEachRow(const Rect& area, int blockWidth, int blockHeight, int width, int height, Row row) {
  const int x0 = std::max(area.left, 0), x1 = std::min({area.right, width, area.left + blockWidth});
  const int y0 = std::max(area.top, 0), y1 = std::min({area.bottom, height, area.top + blockHeight});
  if (x0 >= x1) return;
  for (int y = y0; y < y1; ++y)
    row(std::size_t(y) * std::size_t(width) + std::size_t(x0),
        std::size_t(y - area.top) * std::size_t(blockWidth) + std::size_t(x0 - area.left), std::size_t(x1 - x0));
}

std::uint32_t* dataOf(Bitmap& b) { return b.pixels.data(); }
const std::uint32_t* dataOf(const Bitmap& b) { return b.pixels.data(); }
std::uint8_t* dataOf(Mask& m) { return m.bits.data(); }
const std::uint8_t* dataOf(const Mask& m) { return m.bits.data(); }

// The part of the picture under `area`; what lies outside the picture stays zero.
template <typename Picture>
Picture copyOut(const Picture& picture, const Rect& area) {
  Picture out(std::max(area.width(), 0), std::max(area.height(), 0));
  auto* const to = dataOf(out);
  const auto* const from = dataOf(picture);
  forEachRow(area, out.width, out.height, picture.width, picture.height,
             [&](std::size_t at, std::size_t block, std::size_t n) { std::memcpy(to + block, from + at, n * sizeof *from); });
  return out;
}

// Puts a block of the size of `area` back into the picture.
template <typename Picture>
void copyIn(Picture& picture, const Rect& area, const Picture& block) {
  auto* const to = dataOf(picture);
  const auto* const from = dataOf(block);
  forEachRow(area, block.width, block.height, picture.width, picture.height,
             [&](std::size_t at, std::size_t offset, std::size_t n) { std::memcpy(to + at, from + offset, n * sizeof *to); });
}

}  // namespace

void GifComposition::compose(const TFrame& f, bool anyTransparent) {
  const Rect area = f.area();
  if (f.Disposal == 3) {
    PreviousImage = copyOut(Image, area);
    if (anyTransparent) PreviousMask = copyOut(MaskImage, area);
  }
  std::uint32_t* const image = Image.pixels.data();
  const std::uint32_t* const frame = f.Bitmap.pixels.data();
  if (f.HasTransparency) {
    // Where the frame is transparent the picture stays; elsewhere it takes the frame's
    // pixel (the frame is black where transparent) and stops being transparent.
    std::uint8_t* const mask = MaskImage.bits.data();
    const std::uint8_t* const frameMask = f.MaskBitmap.bits.data();
    forEachRow(area, f.Width, f.Height, Image.width, Image.height, [&](std::size_t at, std::size_t block, std::size_t n) {
      for (std::size_t x = 0; x < n; ++x) {
        const std::uint8_t m = frameMask[block + x];
        mask[at + x] = std::uint8_t(mask[at + x] & m & 1u);
        image[at + x] = (image[at + x] & (m ? 0xFFFFFFu : 0u)) ^ frame[block + x];
      }
    });
    return;
  }
  if (anyTransparent) fillMask(MaskImage, area, 0);
  copyIn(Image, area, f.Bitmap);
}

void GifComposition::dispose(const TFrame& f, bool anyTransparent) {
  const Rect area = f.area();
  if (f.Disposal == 2) {
    if (anyTransparent) fillMask(MaskImage, area, 1);
    fillBitmap(Image, area, 0);
  } else if (f.Disposal == 3) {
    if (anyTransparent) copyIn(MaskImage, area, PreviousMask);
    copyIn(Image, area, PreviousImage);
  }
}

}  // namespace tavra
