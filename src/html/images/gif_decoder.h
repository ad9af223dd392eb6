#pragma once
// The byte-level pieces of GIF reading: data sub-blocks and the LZW decoding of one
// frame's pixels into colour indices.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
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
// straddling two sub-blocks reads as any other). The tables and the pixel buffer are
// reused from frame to frame.
class LzwDecoder {
 public:
  LzwDecoder();
  ~LzwDecoder();
  LzwDecoder(const LzwDecoder&) = delete;
  LzwDecoder& operator=(const LzwDecoder&) = delete;

  // Code sizes 1 to 11 are accepted; any other value fails the frame (the tables hold
  // 4096 codes, so a larger size could not be decoded).
  static bool codeSizeAccepted(int codeSize) { return codeSize >= 1 && codeSize <= 11; }

  // Decodes up to `count` pixels, in the order the data give them, into pixels(); false
  // for a code size not accepted. decoded() tells how many the data reached.
  bool decode(int codeSize, const std::vector<std::uint8_t>& codes, std::size_t count);
  const std::uint8_t* pixels() const { return buffer_ ? buffer_.get() + kLiterals : nullptr; }
  std::size_t decoded() const { return decoded_; }

  // Decodes into the target's rows; pixels that the data do not reach stay as they were.
  bool decode(int codeSize, const std::vector<std::uint8_t>& codes, const LzwTarget& target);

 private:
  // The buffer starts with the pixel values of the codes below the clear code, so that
  // every code of the table is a string copied from within the buffer.
  static constexpr std::size_t kLiterals = 2048;
  // Every code's string lies in the buffer: where it starts, how long it is.
  std::uint32_t start_[4096];
  std::uint16_t length_[4096];
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t decoded_ = 0;
};

// Calls `place(row, pixels, n)` for each row the decoded pixels reach, in data order:
// `row` is where the row lies in the frame (interlaced frames store theirs in four passes:
// every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1), `n` the
// number of its pixels decoded, the whole width except perhaps for the last.
template <typename Place>
void forEachDecodedRow(const std::uint8_t* pixels, std::size_t decoded, int width, int height, bool interlaced,
                       Place place) {
  if (width <= 0) return;
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  int pass = 0, row = 0;
  for (std::size_t at = 0; at < decoded && row < height; at += std::size_t(width)) {
    place(row, pixels + at, int(std::min<std::size_t>(std::size_t(width), decoded - at)));
    if (!interlaced) {
      ++row;
      continue;
    }
    row += kStep[pass];
    while (row >= height && pass < 3) row = kStart[++pass];
  }
}

}  // namespace tavra
