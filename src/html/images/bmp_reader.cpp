#include "html/images/bmp_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "html/images/byte_view.h"

namespace tavra {

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (!m) return;
    while (!((m >> shift) & 1u)) ++shift;
    std::uint32_t v = m >> shift;
    while (v) ++bits, v >>= 1;
  }
  std::uint32_t value(std::uint32_t pixel) const {
    if (!bits) return 0;
    std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return v >> (bits - 8);
    return v * 255u / ((1u << bits) - 1u);
  }
};

struct Header {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = kRgb;
  std::array<std::uint32_t, 3> masks{};
  std::uint32_t alphaMask = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::size_t pixelOffset = 0;
};

bool validDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::optional<Header> readHeader(const ByteView& d) {
  if (!d.has(0, 18) || d.u8(0) != 'B' || d.u8(1) != 'M') return std::nullopt;
  Header h;
  std::uint32_t offBits = d.u32(10);
  std::uint32_t infoSize = d.u32(14);
  std::size_t paletteEntrySize = 4;
  std::uint32_t coloursUsed = 0;
  std::size_t afterHeader = 14 + std::size_t(infoSize);
  if (infoSize == 12) {
    if (!d.has(14, 12)) return std::nullopt;
    h.width = d.u16(18);
    h.height = d.u16(20);
    h.bitCount = d.u16(24);
    paletteEntrySize = 3;
  } else if (infoSize >= 40 && d.has(14, infoSize)) {
    auto rawHeight = static_cast<std::int32_t>(d.u32(22));
    if (rawHeight == std::numeric_limits<std::int32_t>::min()) return std::nullopt;
    h.width = static_cast<std::int32_t>(d.u32(18));
    h.topDown = rawHeight < 0;
    h.height = h.topDown ? -rawHeight : rawHeight;
    h.bitCount = d.u16(28);
    h.compression = d.u32(30);
    coloursUsed = d.u32(46);
    if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
      std::size_t at = 14 + 40;
      if (infoSize < 52) {
        std::size_t maskBytes = h.compression == kAlphaBitFields ? 16 : 12;
        if (!d.has(at, maskBytes)) return std::nullopt;
        afterHeader += maskBytes;
      }
      for (int i = 0; i < 3; ++i) h.masks[std::size_t(i)] = d.u32(at + 4 * std::size_t(i));
      // The alpha mask follows the colour masks in headers of 56 bytes and more, and
      // after a 40-byte header only with the compression that names it.
      if (infoSize >= 56 || (infoSize < 52 && h.compression == kAlphaBitFields)) h.alphaMask = d.u32(at + 12);
      h.compression = kBitFields;
    }
  } else {
    return std::nullopt;
  }

  if (!validDepth(h.bitCount) || !pictureSizeAllowed(h.width, h.height)) return std::nullopt;
  bool fits = h.compression == kRgb || (h.compression == kRle8 && h.bitCount == 8 && !h.topDown) ||
              (h.compression == kRle4 && h.bitCount == 4 && !h.topDown) ||
              (h.compression == kBitFields && (h.bitCount == 16 || h.bitCount == 32));
  if (!fits) return std::nullopt;
  if (h.compression == kRgb && h.bitCount == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
  if (h.compression == kRgb && h.bitCount == 32) {
    h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    h.alphaMask = 0xFF000000;
  }

  if (h.bitCount <= 8) {
    std::uint32_t full = 1u << h.bitCount;
    std::uint32_t count = coloursUsed && coloursUsed < full ? coloursUsed : full;
    if (!d.has(afterHeader, count * paletteEntrySize)) return std::nullopt;
    h.palette.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      std::size_t at = afterHeader + i * paletteEntrySize;
      h.palette[i] = (std::uint32_t(d.u8(at + 2)) << 16) | (std::uint32_t(d.u8(at + 1)) << 8) | d.u8(at);
    }
    afterHeader += count * paletteEntrySize;
  }
  h.pixelOffset = offBits ? offBits : afterHeader;
  if (h.pixelOffset > d.size()) return std::nullopt;
  return h;
}

std::uint32_t paletteColour(const Header& h, unsigned index) {
  return index < h.palette.size() ? h.palette[index] : 0;
}

bool readUncompressed(const ByteView& d, const Header& h, Bitmap& out) {
  std::int64_t stride = (std::int64_t(h.bitCount) * h.width + 31) / 32 * 4;
  if (stride * h.height > std::int64_t(d.size() - h.pixelOffset)) return false;
  Channel r(h.masks[0]), g(h.masks[1]), b(h.masks[2]), a(out.hasAlpha() ? h.alphaMask : 0);
  for (int row = 0; row < h.height; ++row) {
    std::size_t at = h.pixelOffset + std::size_t(row) * std::size_t(stride);
    const int y = h.topDown ? row : h.height - 1 - row;
    std::uint32_t* line = &out.at(0, y);
    std::uint8_t* alphaLine = a.bits ? &out.alpha[std::size_t(y) * std::size_t(h.width)] : nullptr;
    switch (h.bitCount) {
      case 1:
      case 4:
      case 8: {
        int perByte = 8 / h.bitCount;
        unsigned valueMask = (1u << h.bitCount) - 1u;
        for (int x = 0; x < h.width; ++x) {
          unsigned byte = d.u8(at + std::size_t(x / perByte));
          int shift = 8 - h.bitCount * (x % perByte + 1);
          line[x] = paletteColour(h, (byte >> shift) & valueMask);
        }
        break;
      }
      case 16:
      case 32: {
        bool wide = h.bitCount == 32;
        for (int x = 0; x < h.width; ++x) {
          std::uint32_t px = wide ? d.u32(at + 4 * std::size_t(x)) : d.u16(at + 2 * std::size_t(x));
          line[x] = (r.value(px) << 16) | (g.value(px) << 8) | b.value(px);
          if (alphaLine) alphaLine[x] = std::uint8_t(a.value(px));
        }
        break;
      }
      default:
        for (int x = 0; x < h.width; ++x) {
          std::size_t p = at + 3 * std::size_t(x);
          line[x] = (std::uint32_t(d.u8(p + 2)) << 16) | (std::uint32_t(d.u8(p + 1)) << 8) | d.u8(p);
        }
    }
  }
  return true;
}

// Run-length data: pairs of (count, colour) or escapes (0: end of line, 1: end of
// picture, 2: move right and up, n >= 3: n literal pixels, padded to a 16-bit boundary).
void readRunLength(const ByteView& d, const Header& h, Bitmap& out) {
  bool four = h.compression == kRle4;
  std::int64_t x = 0, row = 0;
  auto put = [&](unsigned index) {
    if (x >= 0 && x < h.width && row < h.height) out.at(int(x), h.height - 1 - int(row)) = paletteColour(h, index);
    ++x;
  };
  std::size_t pos = h.pixelOffset;
  while (d.has(pos, 2) && row < h.height) {
    unsigned count = d.u8(pos), value = d.u8(pos + 1);
    pos += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) put(four ? (i % 2 ? value & 15u : value >> 4) : value);
    } else if (value == 0) {
      x = 0, ++row;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (!d.has(pos, 2)) break;
      x += d.u8(pos), row += d.u8(pos + 1);
      pos += 2;
    } else {
      std::size_t bytes = four ? (value + 1) / 2 : value;
      for (unsigned i = 0; i < value && d.has(pos + (four ? i / 2 : i), 1); ++i) {
        unsigned byte = d.u8(pos + (four ? i / 2 : i));
        put(four ? (i % 2 ? byte & 15u : byte >> 4) : byte);
      }
      pos += bytes + (bytes & 1);
    }
  }
}

// Most writers leave the alpha bits of a pixel zero, as the format long said they were
// unused: a plane that is all zero means no transparency, as does one that is all opaque.
void keepMeaningfulAlpha(Bitmap& picture) {
  const auto& a = picture.alpha;
  const bool allZero = std::all_of(a.begin(), a.end(), [](std::uint8_t v) { return v == 0; });
  const bool allOpaque = std::all_of(a.begin(), a.end(), [](std::uint8_t v) { return v == 0xFF; });
  if (allZero || allOpaque) picture.alpha = {};
}

}  // namespace

std::optional<Bitmap> readBmp(std::string_view data) {
  ByteView d(data);
  auto header = readHeader(d);
  if (!header) return std::nullopt;
  Bitmap out(header->width, header->height);
  if (header->compression == kRle8 || header->compression == kRle4) {
    readRunLength(d, *header, out);
    return out;
  }
  if (header->alphaMask && header->bitCount >= 16) out.alpha.assign(out.pixels.size(), 0);
  if (!readUncompressed(d, *header, out)) return std::nullopt;
  keepMeaningfulAlpha(out);
  return out;
}

}  // namespace tavra
