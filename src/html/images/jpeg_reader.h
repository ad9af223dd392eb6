#pragma once
// JPEG pictures through libjpeg. A decoding error of the library never escapes as a jump
// through our frames nor ends the program: it is answered with "no picture".

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/bitmap.h"

namespace tavra {

struct JpegInfo {
  int width = 0;
  int height = 0;
  bool greyscale = false;
};

enum class JpegPixelFormat { Bits24, Bits8 };

struct JpegOptions {
  JpegPixelFormat format = JpegPixelFormat::Bits24;
  // With 8-bit output of a colour picture: the 256 colours (0x00RRGGBB) the pixels are
  // mapped to; without one the library chooses the colours itself. Grey pictures keep
  // their grey levels either way.
  const std::array<std::uint32_t, 256>* palette = nullptr;
};

// The header only; nothing when the data are not a JPEG the library accepts.
std::optional<JpegInfo> readJpegInfo(std::string_view data);

// The decoded picture; nothing on any library error or when the picture is larger than
// the picture budget allows. Data cut short after the header decode with the library's
// grey filling where they end.
std::optional<Bitmap> decodeJpeg(std::string_view data, const JpegOptions& options = {});

}  // namespace tavra
