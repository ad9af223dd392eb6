#pragma once
// Test-side writers of picture files, so that every case is built from a description
// rather than read from opaque fixtures: a GIF writer with its own LZW encoder, a BMP
// writer, JPEG and PNG writers over the libraries' compressors, and a scratch folder.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The descriptions below are written as designated initializers that name only what a
// case sets; GCC 12 warns about every member left to its default, which is the point.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tavra::test {

struct GifFrameSpec {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<std::uint8_t> indices;  // width * height, rows top to bottom
  bool interlaced = false;
  std::vector<std::uint32_t> localTable;  // 0x00RRGGBB; empty: none
  bool control = false;                   // write a graphic control extension
  int disposal = 0;
  int delay = 0;  // hundredths of a second
  bool transparent = false;
  std::uint8_t transparentIndex = 0;
  int codeSize = 0;      // 0: from the table size
  int subBlockSize = 255;
  std::string comment;   // written before the frame when not empty
};

struct GifSpec {
  int width = 0, height = 0;
  std::vector<std::uint32_t> globalTable;  // empty: none
  bool version89 = true;
  int loopCount = -1;  // the looping application block; -1: none
  std::vector<GifFrameSpec> frames;
  bool trailer = true;
};

// LZW codes for `indices`, packed least significant bit first (no sub-blocks).
std::vector<std::uint8_t> lzwEncode(const std::vector<std::uint8_t>& indices, int codeSize);
std::string encodeGif(const GifSpec& desc);
// Pixels in the order an interlaced frame stores its rows.
std::vector<std::uint8_t> interlaceRows(const std::vector<std::uint8_t>& indices, int width, int height);

// A bitmap file: 14-byte file header, an information header of `infoSize` bytes (12 or
// at least 40), the masks when given for a 40-byte header, the palette, then `body`.
struct BmpSpec {
  int infoSize = 40;
  int width = 0, height = 0;  // a negative height is stored as given (top-down)
  int bits = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::vector<std::uint32_t> masks;    // bit fields
  std::uint32_t coloursUsed = 0;
  std::string body;
  int offBitsAdjust = 0;  // added to the true pixel offset (lying headers)
};
std::string writeBmp(const BmpSpec& desc);
// Rows packed at `bits` per pixel (1, 4, 8 palette indices; 16, 24, 32 values), each
// padded to 4 bytes, in the given row order.
std::string packRows(const std::vector<std::vector<std::uint32_t>>& rows, int bits);

// A baseline JPEG of the picture (0x00RRGGBB, or grey levels in the low byte).
std::string encodeJpeg(int width, int height, const std::vector<std::uint32_t>& pixels, bool greyscale,
                       int quality = 95);

// A PNG through the library's writer. `samples` hold width * height * channels values of
// `bitDepth` bits each in the file's order (grey; grey, alpha; red, green, blue; red,
// green, blue, alpha; or palette indices), rows top to bottom.
struct PngSpec {
  int width = 0, height = 0;
  int colourType = 0;  // PNG_COLOR_TYPE_*
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<std::uint16_t> samples;
  std::vector<std::uint32_t> palette;            // 0x00RRGGBB
  std::vector<std::uint8_t> paletteAlpha;        // tRNS of a palette picture
  std::vector<std::uint16_t> transparentColour;  // tRNS of a grey (one value) or RGB (three) picture
  int compressionLevel = 6;
  std::size_t chunkBytes = 8192;  // the most picture data in one IDAT chunk
};
std::string encodePng(const PngSpec& desc);
// Samples a pixel of the colour type has.
int pngChannels(int colourType);

// A fresh folder under the system's temporary folder, removed at the end of the process.
std::string scratchFolder();
std::string writeScratchFile(const std::string& name, const std::string& bytes);

}  // namespace tavra::test
