// The test-side PNG writer: the library's own encoder, so that the reader is checked
// against files it did not write itself.

#include <png.h>

#include <csetjmp>
#include <stdexcept>

#include "images/encoders.h"

namespace tavra::test {

namespace {

void appendToString(png_structp png, png_bytep data, png_size_t count) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), count);
}

void noFlush(png_structp) {}

// One row of samples, big-endian, the most significant bits of a byte first.
std::string packPngRow(const PngSpec& d, int y) {
  const std::size_t perRow = std::size_t(pngChannels(d.colourType)) * std::size_t(d.width);
  std::string row((perRow * std::size_t(d.bitDepth) + 7) / 8, '\0');
  for (std::size_t i = 0; i < perRow; ++i) {
    const unsigned v = d.samples.at(std::size_t(y) * perRow + i);
    if (d.bitDepth == 16) {
      row[2 * i] = char(v >> 8), row[2 * i + 1] = char(v & 0xFF);
    } else {
      const std::size_t bit = i * std::size_t(d.bitDepth);
      row[bit / 8] = char(row[bit / 8] | (v << (8 - d.bitDepth - int(bit % 8))));
    }
  }
  return row;
}

struct WriteParts {
  png_bytepp rows;
  png_colorp palette;
  int paletteSize;
  png_bytep paletteAlpha;
  int paletteAlphaSize;
  png_color_16* transparentColour;
};

// The library's errors jump back here; no object with a destructor lives in this frame.
bool writeAll(png_structp png, png_infop info, const PngSpec& d, const WriteParts& parts) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, png_uint_32(d.width), png_uint_32(d.height), d.bitDepth, d.colourType,
               d.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (parts.paletteSize > 0) png_set_PLTE(png, info, parts.palette, parts.paletteSize);
  if (parts.paletteAlphaSize > 0 || parts.transparentColour)
    png_set_tRNS(png, info, parts.paletteAlpha, parts.paletteAlphaSize, parts.transparentColour);
  png_set_compression_level(png, d.compressionLevel);
  png_set_compression_buffer_size(png, d.chunkBytes);
  png_write_info(png, info);
  png_write_image(png, parts.rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

int pngChannels(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;
  }
}

std::string encodePng(const PngSpec& d) {
  std::vector<std::string> rows;
  std::vector<png_bytep> rowPointers;
  for (int y = 0; y < d.height; ++y) rows.push_back(packPngRow(d, y));
  for (std::string& row : rows) rowPointers.push_back(reinterpret_cast<png_bytep>(row.data()));
  std::vector<png_color> palette;
  for (std::uint32_t c : d.palette) palette.push_back({png_byte(c >> 16), png_byte(c >> 8), png_byte(c)});
  std::vector<png_byte> paletteAlpha(d.paletteAlpha.begin(), d.paletteAlpha.end());
  png_color_16 transparent{};
  if (d.transparentColour.size() == 1) transparent.gray = d.transparentColour[0];
  if (d.transparentColour.size() == 3)
    transparent.red = d.transparentColour[0], transparent.green = d.transparentColour[1],
    transparent.blue = d.transparentColour[2];

  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, appendToString, noFlush);
  const WriteParts parts{rowPointers.data(),  palette.data(),
                         int(palette.size()), paletteAlpha.data(),
                         int(paletteAlpha.size()), d.transparentColour.empty() ? nullptr : &transparent};
  const bool written = writeAll(png, info, d, parts);
  png_destroy_write_struct(&png, &info);
  if (!written) throw std::runtime_error("encodePng: the description is not a valid PNG");
  return out;
}

}  // namespace tavra::test
