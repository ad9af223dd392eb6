// Any bytes as a bitmap file, read and given a mask from its lower-left pixel unless it
// brings its own alpha.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "html/images/image_loading.h"

using namespace tavra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The stream path recognises the format by its first bytes; give it bitmap data.
  std::string stream = "BM";
  stream.append(reinterpret_cast<const char*>(data), size);
  TransparencyKind transparency = trCorner;
  std::unique_ptr<Mask> mask;
  auto picture = LoadImageFromStream(&stream, transparency, mask);
  if (!picture) return 0;
  // A picture with an alpha plane of its own needs no mask; any other gets one of its size.
  const bool consistent = picture->hasAlpha()
                              ? transparency == trPng && !mask
                              : mask && mask->width == picture->width && mask->height == picture->height;
  if (!consistent) __builtin_trap();
  return 0;
}
