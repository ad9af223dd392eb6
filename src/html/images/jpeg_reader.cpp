#include "html/images/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

namespace tavra {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. We jump
// back to the one frame below that called into the library; only the library's own C
// frames lie between, and no object with a destructor lives in that frame, so the jump
// skips nothing that needs cleaning up. Warnings are dropped rather than printed.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

void onFatalError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void onOutputMessage(j_common_ptr) {}

struct Session {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
};

void startSession(Session& s, std::string_view data) {
  s.cinfo.err = jpeg_std_error(&s.err.pub);
  s.err.pub.error_exit = onFatalError;
  s.err.pub.output_message = onOutputMessage;
  jpeg_create_decompress(&s.cinfo);
  jpeg_mem_src(&s.cinfo, reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
}

JpegInfo infoOf(const jpeg_decompress_struct& cinfo) {
  return {static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height),
          cinfo.jpeg_color_space == JCS_GRAYSCALE};
}

bool readInfo(Session& s, std::string_view data, JpegInfo& info) {
  startSession(s, data);
  if (setjmp(s.err.jump)) {
    jpeg_destroy_decompress(&s.cinfo);
    return false;
  }
  jpeg_read_header(&s.cinfo, TRUE);
  info = infoOf(s.cinfo);
  jpeg_destroy_decompress(&s.cinfo);
  return true;
}

std::uint32_t pack(unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; }

// Turns one decoded scan line into pixels.
void convertRow(const jpeg_decompress_struct& cinfo, const JSAMPLE* in, std::uint32_t* out, bool adobeInverted) {
  int width = static_cast<int>(cinfo.output_width);
  if (cinfo.quantize_colors) {
    for (int x = 0; x < width; ++x) {
      unsigned i = in[x];
      if (cinfo.out_color_components == 1)
        out[x] = cinfo.colormap[0][i] * 0x010101u;
      else
        out[x] = pack(cinfo.colormap[0][i], cinfo.colormap[1][i], cinfo.colormap[2][i]);
    }
  } else if (cinfo.out_color_space == JCS_GRAYSCALE) {
    for (int x = 0; x < width; ++x) out[x] = in[x] * 0x010101u;
  } else if (cinfo.out_color_space == JCS_CMYK) {
    for (int x = 0; x < width; ++x, in += 4) {
      unsigned c = in[0], m = in[1], y = in[2], k = in[3];
      if (!adobeInverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
      out[x] = pack(c * k / 255, m * k / 255, y * k / 255);
    }
  } else {
    for (int x = 0; x < width; ++x, in += 3) out[x] = pack(in[0], in[1], in[2]);
  }
}

// Everything that touches the library after the header runs here, under one setjmp.
// The most pixels `bytes` of data can describe: every 8 x 8 block of a component takes
// at least one bit. A small picture is always allowed, so that a cut-off file still
// shows what it has; a few header bytes cannot claim hundreds of megabytes.
bool fillableBy(std::int64_t area, std::size_t bytes) {
  constexpr std::int64_t kAlwaysFillable = std::int64_t(1) << 20;
  constexpr std::int64_t kPixelsPerByte = 64 * 8;
  return area <= kAlwaysFillable + std::int64_t(bytes) * kPixelsPerByte;
}

// `out` belongs to the caller; its storage is sized before the first row is read.
bool decodeInto(Session& s, std::string_view data, const JpegOptions& options, Bitmap& out) {
  startSession(s, data);
  if (setjmp(s.err.jump)) {
    jpeg_destroy_decompress(&s.cinfo);
    return false;
  }
  jpeg_decompress_struct& cinfo = s.cinfo;
  jpeg_read_header(&cinfo, TRUE);
  if (!pictureSizeAllowed(cinfo.image_width, cinfo.image_height) ||
      !fillableBy(std::int64_t(cinfo.image_width) * cinfo.image_height, data.size())) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
  bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  if (options.format == JpegPixelFormat::Bits8 && !grey && !cmyk) {
    cinfo.quantize_colors = TRUE;
    cinfo.two_pass_quantize = FALSE;
    cinfo.dither_mode = JDITHER_NONE;
    if (options.palette) {
      JSAMPARRAY map = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, 256, 3);
      for (int i = 0; i < 256; ++i) {
        std::uint32_t c = (*options.palette)[std::size_t(i)];
        map[0][i] = JSAMPLE((c >> 16) & 0xFF), map[1][i] = JSAMPLE((c >> 8) & 0xFF), map[2][i] = JSAMPLE(c & 0xFF);
      }
      cinfo.colormap = map;
      cinfo.actual_number_of_colors = 256;
    } else {
      cinfo.desired_number_of_colors = 256;
    }
  }
  jpeg_start_decompress(&cinfo);
  out.width = static_cast<int>(cinfo.output_width);
  out.height = static_cast<int>(cinfo.output_height);
  out.pixels.assign(std::size_t(out.width) * std::size_t(out.height), 0);
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * JDIMENSION(cinfo.output_components), 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    int y = static_cast<int>(cinfo.output_scanline);
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) break;
    convertRow(cinfo, row[0], &out.at(0, y), cinfo.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

std::optional<JpegInfo> readJpegInfo(std::string_view data) {
  Session s{};
  JpegInfo info;
  if (data.empty() || !readInfo(s, data, info)) return std::nullopt;
  return info;
}

std::optional<Bitmap> decodeJpeg(std::string_view data, const JpegOptions& options) {
  Session s{};
  Bitmap out;
  if (data.empty()) return std::nullopt;
  try {
    if (!decodeInto(s, data, options, out) || out.empty()) return std::nullopt;
  } catch (const std::bad_alloc&) {
    // Only the pixel allocation throws, while the library still holds the picture.
    jpeg_destroy_decompress(&s.cinfo);
    return std::nullopt;
  }
  return out;
}

}  // namespace tavra
