#include "html/images/image_loading.h"

#include <algorithm>
#include <new>

#include "html/images/bmp_reader.h"
#include "html/images/display_palette.h"
#include "html/images/jpeg_reader.h"
#include "platform/ascii.h"
#include "platform/file_system.h"

namespace tavra {

namespace {

std::uint8_t byteAt(std::string_view d, std::size_t i) { return static_cast<std::uint8_t>(d[i]); }

std::string readPrefix(const std::string& path, std::size_t count) {
  try {
    return readRegularFilePrefix(path, count);
  } catch (const InOutError&) {
    return {};
  }
}

std::uint32_t bigEndian32(std::string_view d, std::size_t i) {
  return (std::uint32_t(byteAt(d, i)) << 24) | (std::uint32_t(byteAt(d, i + 1)) << 16) |
         (std::uint32_t(byteAt(d, i + 2)) << 8) | byteAt(d, i + 3);
}

std::uint32_t rgbAt(std::string_view d, std::size_t i) {
  return (std::uint32_t(byteAt(d, i)) << 16) | (std::uint32_t(byteAt(d, i + 1)) << 8) | byteAt(d, i + 2);
}

std::string lowerExtension(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return ascii::lower(std::string_view(path).substr(dot));
}

std::unique_ptr<Bitmap> decodeBitmapData(std::string_view data) {
  switch (ImageFormatOf(data)) {
    case ifBmp:
      if (auto bmp = readBmp(data)) return std::make_unique<Bitmap>(std::move(*bmp));
      return nullptr;
    case ifJpeg: {
      JpegOptions options;
      if (ColourDepth() <= 8) {
        options.format = JpegPixelFormat::Bits8;
        options.palette = DisplayPalette();
      }
      if (auto jpeg = decodeJpeg(data, options)) return std::make_unique<Bitmap>(std::move(*jpeg));
      return nullptr;
    }
    default:
      return nullptr;
  }
}

}  // namespace

int ImageFormatOf(std::string_view b) {
  if (b.size() >= 5 && b.substr(0, 4) == "GIF8") return b[4] == '9' ? ifGif89 : ifGif87;
  if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return ifBmp;
  if (b.size() >= 4 && byteAt(b, 0) == 0x89 && b.substr(1, 3) == "PNG") return ifPng;
  if (b.size() >= 2 && byteAt(b, 0) == 0xFF && byteAt(b, 1) == 0xD8) return ifJpeg;
  return ifUnknown;
}

int FileImageFormat(const std::string& path) { return ImageFormatOf(readPrefix(path, 11)); }

bool ReadFileBytes(const std::string& path, std::string& out, std::size_t limit) {
  try {
    out = readRegularFile(path, limit);
    return true;
  } catch (const InOutError&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

std::unique_ptr<Bitmap> LoadBitmapFile(const std::string& path, bool toDisplay) {
  try {
    int format = FileImageFormat(path);
    if (format != ifBmp && format != ifJpeg) return nullptr;
    std::string data;
    if (!ReadFileBytes(path, data)) return nullptr;
    auto bitmap = decodeBitmapData(data);
    if (bitmap && toDisplay) *bitmap = ToDisplayBitmap(std::move(*bitmap));
    return bitmap;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

std::unique_ptr<Bitmap> LoadImageFromFile(const std::string& path, TransparencyKind& transparency,
                                          std::unique_ptr<Mask>& mask) {
  mask.reset();
  try {
    openRegularFile(path);
  } catch (const InOutError&) {
    return nullptr;
  }
  std::string ext = lowerExtension(path);
  std::uint32_t colour = 0;
  if (ext == ".gif" && GifTransparentColour(path, colour))
    transparency = trGif;
  else if (ext == ".png" && PngTransparentColour(path, colour))
    transparency = trPng;

  if (transparency == trNone) return LoadBitmapFile(path, true);
  auto raw = LoadBitmapFile(path, false);
  if (!raw) return nullptr;
  mask = transparency == trCorner ? MakeImageMask(*raw, false, 0) : MakeImageMask(*raw, true, colour);
  if (!mask) return nullptr;
  try {
    return std::make_unique<Bitmap>(ToDisplayBitmap(std::move(*raw)));
  } catch (const std::bad_alloc&) {
    mask.reset();
    return nullptr;
  }
}

std::unique_ptr<Bitmap> LoadImageFromStream(const std::string* stream, TransparencyKind& transparency,
                                            std::unique_ptr<Mask>& mask) {
  mask.reset();
  if (!stream || stream->size() < 20) return nullptr;
  int format = ImageFormatOf(*stream);
  if (format != ifBmp && format != ifJpeg) return nullptr;
  if (format == ifJpeg) transparency = trNone;
  try {
    auto bitmap = decodeBitmapData(*stream);
    if (!bitmap) return nullptr;
    if (transparency == trCorner) mask = MakeImageMask(*bitmap, false, 0);
    *bitmap = ToDisplayBitmap(std::move(*bitmap));
    return bitmap;
  } catch (const std::bad_alloc&) {
    mask.reset();
    return nullptr;
  }
}

std::unique_ptr<Mask> MakeImageMask(const Bitmap& picture, bool colourGiven, std::uint32_t colour) {
  if (picture.empty()) return nullptr;
  if (!colourGiven) colour = picture.at(0, picture.height - 1);
  return std::make_unique<Mask>(maskOfColour(picture, colour));
}

bool GifTransparentColour(const std::string& path, std::uint32_t& colour) {
  std::string d = readPrefix(path, 790);
  if (ImageFormatOf(d) != ifGif89 || d.size() < 13) return false;
  std::uint8_t flags = byteAt(d, 10);
  if (!(flags & 0x80)) return false;
  std::size_t table = 13, block = table + (std::size_t(3) << ((flags & 7) + 1));
  if (block + 7 > d.size() || byteAt(d, block) != 0x21 || byteAt(d, block + 1) != 0xF9) return false;
  if (!(byteAt(d, block + 3) & 1)) return false;
  std::size_t entry = table + 3 * std::size_t(byteAt(d, block + 6));
  if (entry + 3 > block) return false;
  colour = rgbAt(d, entry);
  return true;
}

bool PngTransparentColour(const std::string& path, std::uint32_t& colour) {
  const std::string d = readPrefix(path, kPngProbeBytes);
  if (d.size() < 8 || ImageFormatOf(d) != ifPng) return false;
  bool sawPalette = false;
  std::uint32_t firstColour = 0;
  int colourType = -1;
  std::size_t pos = 8;
  while (pos + 8 <= d.size()) {
    const std::uint32_t length = bigEndian32(d, pos);
    const std::string_view type = std::string_view(d).substr(pos + 4, 4);
    const std::size_t data = pos + 8;
    if (type == "IEND" || type == "IDAT") return false;
    if (type == "IHDR") {
      if (length < 13 || data + 13 > d.size()) return false;
      colourType = byteAt(d, data + 9);
      if (colourType != 3) return false;
    } else if (type == "PLTE") {
      if (length < 3 || data + 3 > d.size()) return false;
      firstColour = rgbAt(d, data);
      sawPalette = true;
    } else if (type == "tRNS" && colourType == 3) {
      if (length < 1 || data + 1 > d.size()) return false;
      if (byteAt(d, data) < 127 && sawPalette) {
        colour = firstColour;
        return true;
      }
    }
    if (std::uint64_t(length) + 4 > d.size() - data) return false;
    pos = data + length + 4;
  }
  return false;
}

std::string& PendingImageStream() {
  static std::string marker;
  return marker;
}

}  // namespace tavra
