#include "html/images/png_reader.h"

#include <cstring>
#include <new>

#include <png.h>

namespace tavra {

namespace {

// The library reads through this, never past the end of the data: a read that would go
// past it is an error of the library like any other.
struct MemorySource {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
  std::size_t pos = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (count > source->size - source->pos) png_error(png, "data cut short");
  std::memcpy(out, source->data + source->pos, count);
  source->pos += count;
}

// A fatal error jumps back to the one frame below that called into the library; only the
// library's own C frames lie between, and no object with a destructor lives in that
// frame. Nothing is printed: a broken picture shows as broken, not as console noise.
void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void onWarning(png_structp, png_const_charp) {}

// Deflate gives at most 1032 bytes for one, so a picture whose unpacked rows are larger
// than that many times the file is a lie; a small picture is always allowed, so that a
// cut-off file still shows what it has. The check comes before any pixel is allocated.
bool fillableBy(std::int64_t rowsBytes, std::size_t dataBytes) {
  constexpr std::int64_t kAlwaysFillable = std::int64_t(1) << 20;
  constexpr std::int64_t kDeflateMaxRatio = 1032;
  return rowsBytes <= kAlwaysFillable + std::int64_t(dataBytes) * kDeflateMaxRatio;
}

// The largest ancillary chunk we keep, and how many of them: text and profiles of a
// hostile file may not grow without bound.
constexpr png_alloc_size_t kMaxChunkBytes = png_alloc_size_t(8) << 20;
constexpr png_uint_32 kMaxAncillaryChunks = 256;

struct Session {
  png_structp png = nullptr;
  png_infop info = nullptr;
  MemorySource source;
  int rowsRead = 0;  // calls of png_read_row that came back, over all passes
};

// Asks the library for 8-bit B, G, R, A samples whatever the file holds, so that every
// colour type lands in one layout.
void requestBgra(png_structp png, png_infop info) {
  const int colourType = png_get_color_type(png, info);
  const int depth = png_get_bit_depth(png, info);
  const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (hasTrns) png_set_tRNS_to_alpha(png);
  if (depth == 16) png_set_scale_16(png);
  if (!(colourType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
  if (!(colourType & PNG_COLOR_MASK_ALPHA) && !hasTrns) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(png);
}

// Everything that touches the library runs here, under one setjmp. `out` belongs to the
// caller; its pixels, zero (transparent) at first, take the B, G, R, A bytes of each
// pixel as the library writes them. True when at least one row arrived.
bool decodeInto(Session& s, Bitmap& out) {
  if (setjmp(png_jmpbuf(s.png))) return s.rowsRead > 0;
  png_set_user_limits(s.png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_cache_max(s.png, kMaxAncillaryChunks);
  png_set_chunk_malloc_max(s.png, kMaxChunkBytes);
  png_set_option(s.png, PNG_SKIP_sRGB_CHECK_PROFILE, PNG_OPTION_ON);
  png_set_read_fn(s.png, &s.source, readFromMemory);
  png_read_info(s.png, s.info);

  const png_uint_32 width = png_get_image_width(s.png, s.info);
  const png_uint_32 height = png_get_image_height(s.png, s.info);
  const std::int64_t bitsPerPixel = std::int64_t(png_get_channels(s.png, s.info)) * png_get_bit_depth(s.png, s.info);
  const std::int64_t rowsBytes = std::int64_t(height) * (1 + (std::int64_t(width) * bitsPerPixel + 7) / 8);
  if (!pictureSizeAllowed(width, height) || !fillableBy(rowsBytes, s.source.size)) return false;

  requestBgra(s.png, s.info);
  const int passes = png_set_interlace_handling(s.png);
  png_read_update_info(s.png, s.info);
  if (png_get_rowbytes(s.png, s.info) != std::size_t(width) * 4) return false;

  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.pixels.assign(std::size_t(width) * std::size_t(height), 0);
  for (int pass = 0; pass < passes; ++pass)
    for (int y = 0; y < out.height; ++y) {
      png_read_row(s.png, reinterpret_cast<png_bytep>(&out.at(0, y)), nullptr);
      ++s.rowsRead;
    }
  return true;
}

// The B, G, R, A bytes in place become 0x00RRGGBB pixels and the alpha plane, which is
// kept only when some pixel is not opaque.
void splitAlpha(Bitmap& picture) {
  const std::size_t count = picture.pixels.size();
  auto* bytes = reinterpret_cast<const unsigned char*>(picture.pixels.data());
  bool opaque = true;
  for (std::size_t i = 0; i < count && opaque; ++i) opaque = bytes[4 * i + 3] == 0xFF;
  if (!opaque) picture.alpha.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* p = bytes + 4 * i;
    const std::uint8_t a = p[3];
    const std::uint32_t rgb = (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
    if (!opaque) picture.alpha[i] = a;
    picture.pixels[i] = rgb;
  }
}

}  // namespace

std::optional<Bitmap> decodePng(std::string_view data) {
  if (data.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(data.data()), 0, 8) != 0) return std::nullopt;
  Session s;
  s.source = {reinterpret_cast<const unsigned char*>(data.data()), data.size(), 0};
  s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
  if (!s.png) return std::nullopt;
  s.info = png_create_info_struct(s.png);
  if (!s.info) {
    png_destroy_read_struct(&s.png, nullptr, nullptr);
    return std::nullopt;
  }
  Bitmap out;
  bool decoded = false;
  try {
    decoded = decodeInto(s, out);
  } catch (const std::bad_alloc&) {
    // Only the pixel allocation throws, while the library still holds its state.
  }
  png_destroy_read_struct(&s.png, &s.info, nullptr);
  if (!decoded || out.empty()) return std::nullopt;
  try {
    splitAlpha(out);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  return out;
}

}  // namespace tavra
