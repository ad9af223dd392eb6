#include "html/images/gif_decoder.h"

#include <algorithm>

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

// Places pixels row by row; interlaced frames take their rows in four passes (every 8th
// row from 0, every 8th from 4, every 4th from 2, every 2nd from 1).
class PixelSink {
 public:
  explicit PixelSink(const LzwTarget& t) : t_(t) { setRow(0); }

  bool done() const { return row_ >= t_.height; }

  void put(std::uint16_t value) {
    auto v = static_cast<std::uint8_t>(value);
    line_[x_] = v;
    if (maskLine_) maskLine_[x_] = v == t_.transparentIndex;
    if (++x_ == t_.width) nextRow();
  }

 private:
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};

  void setRow(int row) {
    row_ = t_.width > 0 ? row : t_.height;
    if (done()) return;
    std::size_t offset = std::size_t(row_) * std::size_t(t_.width);
    line_ = t_.indices + offset;
    maskLine_ = t_.mask ? t_.mask + offset : nullptr;
  }

  void nextRow() {
    x_ = 0;
    if (!t_.interlaced) return setRow(row_ + 1);
    int row = row_ + kStep[pass_];
    while (row >= t_.height && pass_ < 3) row = kStart[++pass_];
    setRow(row);
  }

  const LzwTarget& t_;
  int row_ = 0;
  int x_ = 0;
  int pass_ = 0;
  std::uint8_t* line_ = nullptr;
  std::uint8_t* maskLine_ = nullptr;
};

// Least significant bit first, as GIF packs its codes.
class CodeReader {
 public:
  explicit CodeReader(const std::vector<std::uint8_t>& bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  // -1 when the data are used up.
  int next(int width) {
    while (bits_ < width) {
      if (p_ == end_) return -1;
      buffer_ |= std::uint32_t(*p_++) << bits_;
      bits_ += 8;
    }
    int code = int(buffer_ & ((1u << width) - 1u));
    buffer_ >>= width;
    bits_ -= width;
    return code;
  }

 private:
  const std::uint8_t* p_;
  const std::uint8_t* end_;
  std::uint32_t buffer_ = 0;
  int bits_ = 0;
};

}  // namespace

bool LzwDecoder::decode(int codeSize, const std::vector<std::uint8_t>& codes, const LzwTarget& target) {
  if (!codeSizeAccepted(codeSize)) return false;
  const int clear = 1 << codeSize, end = clear + 1;
  for (int i = 0; i < clear; ++i) prefix_[i] = 0, suffix_[i] = std::uint16_t(i);

  PixelSink sink(target);
  CodeReader reader(codes);
  int width = codeSize + 1, limit = clear * 2, nextFree = clear + 2;
  int previous = -1, first = 0;

  while (!sink.done()) {
    int code = reader.next(width);
    if (code < 0 || code == end) break;
    if (code == clear) {
      width = codeSize + 1, limit = clear * 2, nextFree = clear + 2;
      previous = -1;
      continue;
    }
    if (previous < 0) {
      // The first code after a clear is a plain pixel value.
      if (code > clear) break;
      sink.put(std::uint16_t(code));
      previous = first = code;
      continue;
    }
    int sp = 0, current = code, added = nextFree;
    if (code >= nextFree) {
      // Not yet in the table: the previous string followed by its own first character.
      stack_[sp++] = std::uint16_t(first);
      current = previous;
    }
    while (current > clear && sp < 4096) {
      stack_[sp++] = suffix_[current];
      current = prefix_[current];
    }
    stack_[sp++] = std::uint16_t(current);
    first = current;
    while (sp > 0 && !sink.done()) sink.put(stack_[--sp]);

    if (nextFree < 4096) {
      prefix_[nextFree] = std::uint16_t(previous);
      suffix_[nextFree] = std::uint16_t(first);
      ++nextFree;
      if (nextFree >= limit && limit < 4096) limit *= 2, ++width;
    }
    // A code past the table stood for the string just added under `added`.
    previous = code >= added && added < 4096 ? added : code;
  }
  return true;
}

}  // namespace tavra
