#pragma once
// The one way the picture readers read a file's bytes: little-endian numbers at an offset,
// with every read bounded by the data. A read past the end gives 0, so a reader that
// forgot a size check reads zeros, never memory beyond the file.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tavra {

class ByteView {
 public:
  explicit ByteView(std::string_view data) : d_(data) {}

  std::size_t size() const { return d_.size(); }
  // Whether `n` bytes from `pos` lie inside the data.
  bool has(std::size_t pos, std::size_t n) const { return pos <= d_.size() && n <= d_.size() - pos; }
  std::uint8_t u8(std::size_t pos) const { return at(pos, 0); }
  std::uint16_t u16(std::size_t pos) const { return std::uint16_t(at(pos, 0) | (at(pos, 1) << 8)); }
  std::uint32_t u32(std::size_t pos) const {
    return std::uint32_t(at(pos, 0)) | (std::uint32_t(at(pos, 1)) << 8) | (std::uint32_t(at(pos, 2)) << 16) |
           (std::uint32_t(at(pos, 3)) << 24);
  }

 private:
  // The byte `k` after `pos`, without ever adding the two where the sum could wrap.
  std::uint8_t at(std::size_t pos, std::size_t k) const {
    return pos < d_.size() && k < d_.size() - pos ? static_cast<std::uint8_t>(d_[pos + k]) : 0;
  }

  std::string_view d_;
};

}  // namespace tavra
