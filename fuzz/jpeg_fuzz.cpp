// Any bytes as a JPEG: the header, 24-bit and 8-bit decoding (with the library's colours
// and with a given palette), and the stream loader of the image fetch.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "html/images/image_loading.h"
#include "html/images/jpeg_reader.h"

using namespace tavra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto info = readJpegInfo(bytes);
  // A few header bytes may ask for the whole picture budget, which is honoured but takes
  // seconds to fill under the sanitizers; the search stays with smaller pictures.
  if (!info || std::int64_t(info->width) * info->height > (std::int64_t(1) << 22)) return 0;

  auto full = decodeJpeg(bytes);
  if (full && full->pixels.size() != std::size_t(full->width) * std::size_t(full->height)) __builtin_trap();
  decodeJpeg(bytes, {JpegPixelFormat::Bits8, nullptr});
  static const std::array<std::uint32_t, 256> palette = [] {
    std::array<std::uint32_t, 256> p{};
    for (std::size_t i = 0; i < p.size(); ++i) p[i] = std::uint32_t(i * 0x010203u) & 0xFFFFFFu;
    return p;
  }();
  decodeJpeg(bytes, {JpegPixelFormat::Bits8, &palette});

  std::string stream(bytes);
  TransparencyKind transparency = trCorner;
  std::unique_ptr<Mask> mask;
  LoadImageFromStream(&stream, transparency, mask);
  return 0;
}
