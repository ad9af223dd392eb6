#include "images/encoders.h"

#include <jpeglib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unordered_map>

namespace tavra::test {

namespace {

class BitWriter {
 public:
  void put(int code, int width) {
    acc_ |= std::uint32_t(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      out.push_back(std::uint8_t(acc_ & 0xFF));
      acc_ >>= 8;
      bits_ -= 8;
    }
  }
  void flush() {
    if (bits_ > 0) out.push_back(std::uint8_t(acc_ & 0xFF));
    acc_ = 0, bits_ = 0;
  }
  std::vector<std::uint8_t> out;

 private:
  std::uint32_t acc_ = 0;
  int bits_ = 0;
};

void put16(std::string& s, int v) {
  s += char(v & 0xFF);
  s += char((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
  put16(s, int(v & 0xFFFF));
  put16(s, int(v >> 16));
}

int tableBits(std::size_t entries) {
  int bits = 1;
  while ((std::size_t(1) << bits) < entries) ++bits;
  return bits;
}

void putTable(std::string& s, const std::vector<std::uint32_t>& table, int bits) {
  for (std::size_t i = 0; i < (std::size_t(1) << bits); ++i) {
    std::uint32_t c = i < table.size() ? table[i] : 0;
    s += char((c >> 16) & 0xFF);
    s += char((c >> 8) & 0xFF);
    s += char(c & 0xFF);
  }
}

void putSubBlocks(std::string& s, const std::vector<std::uint8_t>& data, int blockSize) {
  for (std::size_t at = 0; at < data.size(); at += std::size_t(blockSize)) {
    std::size_t n = std::min(std::size_t(blockSize), data.size() - at);
    s += char(n);
    s.append(reinterpret_cast<const char*>(data.data()) + at, n);
  }
  s += '\0';
}

}  // namespace

std::vector<std::uint8_t> lzwEncode(const std::vector<std::uint8_t>& px, int codeSize) {
  const int clear = 1 << codeSize, end = clear + 1;
  BitWriter w;
  // The reader's state, mirrored so that every code is written at the width it is read.
  int width = 0, limit = 0, readerFree = 0;
  bool first = true;
  auto resetReader = [&] { width = codeSize + 1, limit = 2 * clear, readerFree = clear + 2, first = true; };
  auto emit = [&](int code) {
    w.put(code, width);
    if (code == clear) return resetReader();
    if (!first && readerFree < 4096 && ++readerFree >= limit && limit < 4096) limit *= 2, ++width;
    first = false;
  };
  std::unordered_map<std::uint32_t, int> dict;
  int nextCode = clear + 2;
  resetReader();
  emit(clear);
  if (!px.empty()) {
    int current = px[0];
    for (std::size_t i = 1; i < px.size(); ++i) {
      std::uint32_t key = std::uint32_t(current) << 8 | px[i];
      if (auto it = dict.find(key); it != dict.end()) {
        current = it->second;
        continue;
      }
      emit(current);
      dict[key] = nextCode++;
      current = px[i];
      if (nextCode == 4096) {
        emit(clear);
        dict.clear();
        nextCode = clear + 2;
      }
    }
    emit(current);
  }
  emit(end);
  w.flush();
  return w.out;
}

std::vector<std::uint8_t> interlaceRows(const std::vector<std::uint8_t>& indices, int width, int height) {
  std::vector<std::uint8_t> out;
  const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int row = start[pass]; row < height; row += step[pass])
      out.insert(out.end(), indices.begin() + row * width, indices.begin() + (row + 1) * width);
  return out;
}

std::string encodeGif(const GifSpec& desc) {
  std::string s = desc.version89 ? "GIF89a" : "GIF87a";
  put16(s, desc.width);
  put16(s, desc.height);
  int globalBits = desc.globalTable.empty() ? 0 : tableBits(desc.globalTable.size());
  s += char(globalBits ? 0x80 | ((globalBits - 1) << 4) | (globalBits - 1) : 0);
  s += '\0';
  s += '\0';
  if (globalBits) putTable(s, desc.globalTable, globalBits);
  if (desc.loopCount >= 0) {
    s += "\x21\xFF\x0BNETSCAPE2.0\x03\x01";
    put16(s, desc.loopCount);
    s += '\0';
  }
  for (const auto& f : desc.frames) {
    if (!f.comment.empty()) {
      s += "\x21\xFE";
      putSubBlocks(s, std::vector<std::uint8_t>(f.comment.begin(), f.comment.end()), 255);
    }
    if (f.control) {
      s += "\x21\xF9\x04";
      s += char((f.disposal << 2) | (f.transparent ? 1 : 0));
      put16(s, f.delay);
      s += char(f.transparentIndex);
      s += '\0';
    }
    s += ',';
    put16(s, f.left);
    put16(s, f.top);
    put16(s, f.width);
    put16(s, f.height);
    int localBits = f.localTable.empty() ? 0 : tableBits(f.localTable.size());
    s += char((localBits ? 0x80 | (localBits - 1) : 0) | (f.interlaced ? 0x40 : 0));
    if (localBits) putTable(s, f.localTable, localBits);
    int codeSize = f.codeSize ? f.codeSize : std::max(2, localBits ? localBits : globalBits);
    s += char(codeSize);
    auto pixels = f.interlaced ? interlaceRows(f.indices, f.width, f.height) : f.indices;
    putSubBlocks(s, lzwEncode(pixels, std::min(codeSize, 8)), f.subBlockSize);
  }
  if (desc.trailer) s += ';';
  return s;
}

std::string writeBmp(const BmpSpec& desc) {
  std::string info;
  if (desc.infoSize == 12) {
    put32(info, 12);
    put16(info, desc.width);
    put16(info, desc.height);
    put16(info, 1);
    put16(info, desc.bits);
  } else {
    put32(info, std::uint32_t(desc.infoSize));
    put32(info, std::uint32_t(desc.width));
    put32(info, std::uint32_t(desc.height));
    put16(info, 1);
    put16(info, desc.bits);
    put32(info, desc.compression);
    put32(info, std::uint32_t(desc.body.size()));
    put32(info, 2835);
    put32(info, 2835);
    put32(info, desc.coloursUsed);
    put32(info, 0);
    if (desc.infoSize > 40)
      for (std::uint32_t m : desc.masks) put32(info, m);
    info.resize(std::size_t(desc.infoSize), '\0');
    if (desc.infoSize == 40)
      for (std::uint32_t m : desc.masks) put32(info, m);
  }
  for (std::uint32_t c : desc.palette) {
    info += char(c & 0xFF);
    info += char((c >> 8) & 0xFF);
    info += char((c >> 16) & 0xFF);
    if (desc.infoSize != 12) info += '\0';
  }
  std::string s = "BM";
  put32(s, std::uint32_t(14 + info.size() + desc.body.size()));
  put32(s, 0);
  put32(s, std::uint32_t(14 + int(info.size()) + desc.offBitsAdjust));
  return s + info + desc.body;
}

std::string packRows(const std::vector<std::vector<std::uint32_t>>& rows, int bits) {
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    if (bits < 8) {
      std::uint32_t acc = 0;
      int used = 0;
      for (std::uint32_t v : row) {
        acc = (acc << bits) | v;
        used += bits;
        if (used == 8) line += char(acc), acc = 0, used = 0;
      }
      if (used) line += char(acc << (8 - used));
    } else {
      for (std::uint32_t v : row)
        for (int b = 0; b < bits / 8; ++b) line += char((v >> (8 * b)) & 0xFF);
    }
    while (line.size() % 4) line += '\0';
    out += line;
  }
  return out;
}

std::string encodeJpeg(int width, int height, const std::vector<std::uint32_t>& pixels, bool greyscale, int quality) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = greyscale ? 1 : 3;
  cinfo.in_color_space = greyscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(std::size_t(width) * std::size_t(cinfo.input_components));
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < width; ++x) {
      std::uint32_t p = pixels[std::size_t(cinfo.next_scanline) * std::size_t(width) + std::size_t(x)];
      if (greyscale) {
        row[std::size_t(x)] = (unsigned char)(p & 0xFF);
      } else {
        row[3 * std::size_t(x)] = (unsigned char)((p >> 16) & 0xFF);
        row[3 * std::size_t(x) + 1] = (unsigned char)((p >> 8) & 0xFF);
        row[3 * std::size_t(x) + 2] = (unsigned char)(p & 0xFF);
      }
    }
    JSAMPROW rowPointer = row.data();
    jpeg_write_scanlines(&cinfo, &rowPointer, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string out(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

namespace {

struct ScratchFolder {
  std::filesystem::path path;
  ScratchFolder() {
    path = std::filesystem::temp_directory_path() / ("tavra_images_" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

std::string scratchFolder() {
  static ScratchFolder folder;
  return folder.path.string() + "/";
}

std::string writeScratchFile(const std::string& name, const std::string& bytes) {
  std::string path = scratchFolder() + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
  return path;
}

}  // namespace tavra::test
