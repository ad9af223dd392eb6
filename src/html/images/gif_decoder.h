#pragma once
// The byte-level pieces of GIF reading: data sub-blocks and the LZW decoding of one
// frame's pixels into colour indices.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tavra {

// Reads a sequence of data sub-blocks (a length byte, then that many bytes) up to the
// zero-length block, appending their bytes to `out` when given. Returns the position after
// the terminator, or the end of the data when it is missing or a block is cut short.
std::size_t readSubBlocks(std::string_view data, std::size_t pos, std::vector<std::uint8_t>* out);

// Where decoded pixels go: one byte per pixel, `width` bytes per row, and optionally a
// mask (one byte per pixel as well) set where the pixel is the transparent index.
struct LzwTarget {
  int width = 0;
  int height = 0;
  bool interlaced = false;
  std::uint8_t* indices = nullptr;
  std::uint8_t* mask = nullptr;
  std::uint8_t transparentIndex = 0;
};

// Decodes the LZW codes in `codes` (the sub-block contents joined, so that a code
// straddling two sub-blocks reads as any other) into the target. Pixels that the data do
// not reach stay as they were. The tables are fixed arrays, reused from frame to frame.
class LzwDecoder {
 public:
  // Code sizes 1 to 11 are accepted; any other value fails the frame (the tables hold
  // 4096 codes, so a larger size could not be decoded).
  static bool codeSizeAccepted(int codeSize) { return codeSize >= 1 && codeSize <= 11; }
  bool decode(int codeSize, const std::vector<std::uint8_t>& codes, const LzwTarget& target);

 private:
  std::uint16_t prefix_[4096];
  std::uint16_t suffix_[4096];
  std::uint16_t stack_[4097];
};

}  // namespace tavra
