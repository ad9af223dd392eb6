#include "html/images/gif_decoder.h"

#include <bit>
#include <cstring>

namespace tavra {

std::size_t readSubBlocks(std::string_view data, std::size_t pos, std::vector<std::uint8_t>* out) {
  while (pos < data.size()) {
    std::size_t length = static_cast<std::uint8_t>(data[pos++]);
    if (length == 0) return pos;
    std::size_t available = std::min(length, data.size() - pos);
    if (out) out->insert(out->end(), data.begin() + std::ptrdiff_t(pos), data.begin() + std::ptrdiff_t(pos + available));
    pos += available;
  }
  return data.size();
}

namespace {

// Least significant bit first, as GIF packs its codes.
class CodeReader {
 public:
  explicit CodeReader(const std::vector<std::uint8_t>& bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  // -1 when the data are used up.
  int next(int width) {
    if (bits_ < width) {
      // As many whole bytes as fit: one refill serves several codes.
      if constexpr (std::endian::native == std::endian::little) {
        if (end_ - p_ >= 8) {
          std::uint64_t bytes;
          std::memcpy(&bytes, p_, 8);
          buffer_ |= bytes << bits_;
          p_ += (63 - bits_) >> 3;
          bits_ |= 56;
          return take(width);
        }
      }
      while (bits_ <= 56 && p_ != end_) {
        buffer_ |= std::uint64_t(*p_++) << bits_;
        bits_ += 8;
      }
      if (bits_ < width) return -1;
    }
    return take(width);
  }

 private:
  int take(int width) {
    int code = int(buffer_ & ((1u << width) - 1u));
    buffer_ >>= width;
    bits_ -= width;
    return code;
  }

  const std::uint8_t* p_;
  const std::uint8_t* end_;
  std::uint64_t buffer_ = 0;
  int bits_ = 0;
};

// Room past the decoded pixels for the longest string a code can stand for and the copy's
// overshoot: strings are copied in 8-byte pieces.
constexpr std::size_t kSlack = 4096 + 8;

// Copies n bytes that lie wholly before `to`, 8 at a time; bytes past n are scratch.
inline void copyString(std::uint8_t* to, const std::uint8_t* from, std::size_t n) {
  for (std::size_t i = 0; i < n; i += 8) std::memcpy(to + i, from + i, 8);
}

}  // namespace

LzwDecoder::LzwDecoder() = default;

LzwDecoder::~LzwDecoder() = default;

bool LzwDecoder::decode(int codeSize, const std::vector<std::uint8_t>& codes, std::size_t count) {
  decoded_ = 0;
  if (!codeSizeAccepted(codeSize)) return false;
  // Table entries hold 32-bit positions; the picture budget keeps frames far below that.
  if (count > 0xFFFFFFFFu - kLiterals - kSlack) return false;
  if (capacity_ < kLiterals + count + kSlack) {
    buffer_.reset();
    buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(kLiterals + count + kSlack);
    capacity_ = kLiterals + count + kSlack;
  }
  std::uint8_t* const base = buffer_.get();
  const int clear = 1 << codeSize, end = clear + 1;
  for (int i = 0; i < clear; ++i) {
    // Wider code sizes give values past a byte; the frame keeps their low byte.
    base[i] = std::uint8_t(i);
    start_[i] = std::uint32_t(i);
    length_[i] = 1;
  }

  CodeReader reader(codes);
  int width = codeSize + 1, limit = clear * 2, nextFree = clear + 2;
  bool afterClear = true;
  // Positions in the buffer: the next pixel's, and where the previous code's string starts.
  const std::size_t last = kLiterals + count;
  std::size_t pos = kLiterals, previous = 0, previousLength = 0;

  while (pos < last) {
    const int code = reader.next(width);
    if (code < 0 || code == end) break;
    if (code == clear) {
      width = codeSize + 1, limit = clear * 2, nextFree = clear + 2;
      afterClear = true;
      continue;
    }
    std::size_t length;
    if (code < nextFree) {
      length = length_[code];
      copyString(base + pos, base + start_[code], length);
    } else if (afterClear) {
      // The first code after a clear must be a plain pixel value.
      break;
    } else {
      // Not yet in the table (or past it, which is read the same way): the previous string
      // followed by its own first pixel.
      length = previousLength + 1;
      copyString(base + pos, base + previous, previousLength);
      base[pos + previousLength] = base[previous];
    }
    if (!afterClear && nextFree < 4096) {
      // The new entry is the previous string and this one's first pixel, which follow
      // each other in the buffer.
      start_[nextFree] = std::uint32_t(previous);
      length_[nextFree] = std::uint16_t(previousLength + 1);
      ++nextFree;
      if (nextFree >= limit && limit < 4096) limit *= 2, ++width;
    }
    afterClear = false;
    previous = pos, previousLength = length;
    pos += length;
  }
  decoded_ = std::min(pos, last) - kLiterals;
  return true;
}

bool LzwDecoder::decode(int codeSize, const std::vector<std::uint8_t>& codes, const LzwTarget& target) {
  const std::size_t count = target.width > 0 && target.height > 0 ? std::size_t(target.width) * std::size_t(target.height) : 0;
  if (!decode(codeSize, codes, count)) return false;
  forEachDecodedRow(pixels(), decoded(), target.width, target.height, target.interlaced,
                    [&](int row, const std::uint8_t* from, int n) {
                      const std::size_t at = std::size_t(row) * std::size_t(target.width);
                      std::memcpy(target.indices + at, from, std::size_t(n));
                      if (target.mask)
                        for (int x = 0; x < n; ++x) target.mask[at + std::size_t(x)] = from[x] == target.transparentIndex;
                    });
  return true;
}

}  // namespace tavra
