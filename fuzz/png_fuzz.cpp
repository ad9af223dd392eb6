// Any bytes as a PNG: decoded, drawn over a page, and loaded through the stream loader of
// the image fetch.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "html/images/image_loading.h"
#include "html/images/png_reader.h"
#include "platform/fixed_canvas.h"

using namespace tavra;

namespace {

constexpr std::uint64_t kFuzzPixels = std::uint64_t(1) << 22;

std::uint32_t bigEndian32(std::string_view d, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<std::uint8_t>(d[at + i]);
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // A few header bytes may ask for the whole picture budget, which is honoured but takes
  // seconds to fill under the sanitizers; the search stays with smaller pictures.
  if (bytes.size() >= 24 && std::uint64_t(bigEndian32(bytes, 16)) * bigEndian32(bytes, 20) > kFuzzPixels) return 0;

  auto picture = decodePng(bytes);
  if (picture) {
    const std::size_t count = std::size_t(picture->width) * std::size_t(picture->height);
    if (picture->pixels.size() != count || (picture->hasAlpha() && picture->alpha.size() != count)) __builtin_trap();
    FixedCanvas canvas(48, 48, 0x30C080);
    canvas.drawBitmap({-3, 5, 40, 47}, *picture, {0, 0, picture->width, picture->height});
  }

  std::string stream(bytes);
  TransparencyKind transparency = trCorner;
  std::unique_ptr<Mask> mask;
  LoadImageFromStream(&stream, transparency, mask);
  return 0;
}
