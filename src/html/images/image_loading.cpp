#include "html/images/image_loading.h"

#include <algorithm>
#include <new>

#include "html/images/bmp_reader.h"
#include "html/images/display_palette.h"
#include "html/images/jpeg_reader.h"
#include "html/images/png_reader.h"
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
    case ifPng:
      if (auto png = decodePng(data)) return std::make_unique<Bitmap>(std::move(*png));
      return nullptr;
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
    if (format != ifBmp && format != ifJpeg && format != ifPng) return nullptr;
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
  if (ext == ".gif" && GifTransparentColour(path, colour)) transparency = trGif;

  if (transparency == trNone) {
    auto bitmap = LoadBitmapFile(path, true);
    if (bitmap && bitmap->hasAlpha()) transparency = trPng;
    return bitmap;
  }
  auto raw = LoadBitmapFile(path, false);
  if (!raw) return nullptr;
  if (raw->hasAlpha()) {
    transparency = trPng;
  } else {
    mask = transparency == trCorner ? MakeImageMask(*raw, false, 0) : MakeImageMask(*raw, true, colour);
    if (!mask) return nullptr;
  }
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
  if (format != ifBmp && format != ifJpeg && format != ifPng) return nullptr;
  if (format == ifJpeg) transparency = trNone;
  try {
    auto bitmap = decodeBitmapData(*stream);
    if (!bitmap) return nullptr;
    if (bitmap->hasAlpha())
      transparency = trPng;
    else if (transparency == trCorner)
      mask = MakeImageMask(*bitmap, false, 0);
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

std::string& PendingImageStream() {
  static std::string marker;
  return marker;
}

}  // namespace tavra
