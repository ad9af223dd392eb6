#include "html/images/gif_reader.h"

#include <algorithm>

#include "html/images/byte_view.h"
#include "html/images/display_palette.h"
#include "html/images/gif_decoder.h"

namespace tavra {

namespace {

std::uint16_t u16(std::string_view d, std::size_t pos) { return ByteView(d).u16(pos); }

// The graphic control extension that applies to the next frame: packed flags, delay in
// hundredths, transparent index.
struct FrameControl {
  std::uint8_t flags = 0;
  int delay = 0;
  std::uint8_t transparentIndex = 0;
};

// Disposal field 0 none, 1 leave, 3 restore previous; every other value restores the
// background.
std::uint8_t disposalOf(std::uint8_t flags) {
  std::uint8_t d = (flags >> 2) & 7;
  return d == 0 || d == 1 || d == 3 ? d : 2;
}

enum class FrameResult { Ok, Stop, TooLarge };

// The most pixels `bytes` of compressed data can fill: an LZW code of at most 12 bits
// stands for at most 4096 pixels. A small picture is always allowed, so that a large
// logical screen around a small frame still shows.
bool fillableBy(std::int64_t area, std::size_t bytes) {
  constexpr std::int64_t kAlwaysFillable = std::int64_t(1) << 20;
  constexpr std::int64_t kPixelsPerByte = 4096 * 8 / 12 + 1;
  return area <= kAlwaysFillable + std::int64_t(bytes) * kPixelsPerByte;
}

// Reads one frame of a picture: its descriptor, colour table and, unless only the
// structure is asked for, its pixels.
struct GifFrameReader {
  bool scanOnly;
  GifPicture& picture;

  bool ReadFrame(std::string_view data, std::size_t& pos, TFrame& frame, LzwDecoder& decoder,
                 std::vector<std::uint8_t>& codes);
  bool DecodeFramePixels(TFrame& frame, int codeSize, const std::vector<std::uint8_t>& codes, LzwDecoder& decoder);
};

// The reader stands on the "," of an image descriptor that is known to be complete.
bool GifFrameReader::ReadFrame(std::string_view data, std::size_t& pos, TFrame& frame, LzwDecoder& decoder,
                               std::vector<std::uint8_t>& codes) {
  frame.Left = u16(data, pos + 1), frame.Top = u16(data, pos + 3);
  frame.Width = u16(data, pos + 5), frame.Height = u16(data, pos + 7);
  auto flags = std::uint8_t(data[pos + 9]);
  pos += 10;
  frame.Interlaced = flags & 0x40;
  if (flags & 0x80) {
    frame.HasLocalTable = true;
    frame.BitsPerPixel = (flags & 7) + 1;
    std::size_t size = std::size_t(3) << frame.BitsPerPixel;
    if (size > data.size() - pos) return false;
    if (!scanOnly) std::copy_n(reinterpret_cast<const std::uint8_t*>(data.data()) + pos, size, frame.LocalColours.begin());
    pos += size;
  }
  if (pos >= data.size()) return false;
  int codeSize = std::uint8_t(data[pos++]);
  if (!LzwDecoder::codeSizeAccepted(codeSize)) return false;
  codes.clear();
  pos = readSubBlocks(data, pos, scanOnly ? nullptr : &codes);
  while (pos < data.size() && data[pos] == 0) ++pos;
  return scanOnly || DecodeFramePixels(frame, codeSize, codes, decoder);
}

bool GifFrameReader::DecodeFramePixels(TFrame& frame, int codeSize, const std::vector<std::uint8_t>& codes,
                                       LzwDecoder& decoder) {
  const std::size_t count = std::size_t(frame.Width) * std::size_t(frame.Height);
  if (!decoder.decode(codeSize, codes, count)) return false;

  const auto& table = frame.HasLocalTable ? frame.LocalColours : picture.GlobalColours;
  std::array<std::uint32_t, 256> colours;
  const PaletteTable* palette = DisplayPalette();
  for (std::size_t i = 0; i < 256; ++i) {
    std::uint32_t c = (std::uint32_t(table[3 * i]) << 16) | (std::uint32_t(table[3 * i + 1]) << 8) | table[3 * i + 2];
    colours[i] = palette ? (*palette)[std::size_t(NearestPaletteIndex(*palette, c))] : c;
  }
  // Pixels the data do not reach show colour 0 and are not transparent.
  frame.Bitmap = tavra::Bitmap(frame.Width, frame.Height, colours[0]);
  if (frame.HasTransparency) {
    const std::size_t t = frame.TransparentIndex;
    frame.TransparentColour = (std::uint32_t(table[3 * t]) << 16) | (std::uint32_t(table[3 * t + 1]) << 8) | table[3 * t + 2];
    frame.MaskBitmap = Mask(frame.Width, frame.Height, 0);
    // The frame is black where transparent, so that it composes by and-ing and xor-ing.
    colours[t] = 0;
  }
  std::uint32_t* pixels = frame.Bitmap.pixels.data();
  std::uint8_t* mask = frame.HasTransparency ? frame.MaskBitmap.bits.data() : nullptr;
  const std::uint8_t transparent = frame.TransparentIndex;
  forEachDecodedRow(decoder.pixels(), decoder.decoded(), frame.Width, frame.Height, frame.Interlaced,
                    [&](int row, const std::uint8_t* from, int n) {
                      const std::size_t at = std::size_t(row) * std::size_t(frame.Width);
                      std::uint32_t* to = pixels + at;
                      for (int x = 0; x < n; ++x) to[x] = colours[from[x]];
                      if (mask)
                        for (int x = 0; x < n; ++x) mask[at + std::size_t(x)] = from[x] == transparent;
                    });
  return true;
}

}  // namespace

bool ReadGif(std::string_view data, bool scanOnly, GifPicture& picture) {
  picture = GifPicture{};
  GifFrameReader reader{scanOnly, picture};
  if (data.size() < 3 || data.substr(0, 3) != "GIF") return false;

  std::size_t pos = data.size();
  int screenWidth = 0, screenHeight = 0;
  if (data.size() >= 13) {
    screenWidth = u16(data, 6), screenHeight = u16(data, 8);
    auto flags = std::uint8_t(data[10]);
    pos = 13;
    if (flags & 0x80) {
      picture.BitsPerPixel = (flags & 7) + 1;
      std::size_t size = std::size_t(3) << picture.BitsPerPixel;
      if (size > data.size() - pos) {
        pos = data.size();
      } else {
        std::copy_n(reinterpret_cast<const std::uint8_t*>(data.data()) + pos, size, picture.GlobalColours.begin());
        pos += size;
      }
    }
  }

  auto decoder = std::make_unique<LzwDecoder>();
  std::vector<std::uint8_t> block;
  FrameControl control;
  std::string comment;
  std::int64_t pixelTotal = 0;
  bool walking = true;
  while (walking && pos < data.size()) {
    char introducer = data[pos];
    if (introducer == '!') {
      if (data.size() - pos < 2) break;
      auto label = std::uint8_t(data[pos + 1]);
      pos += 2;
      block.clear();
      switch (label) {
        case 0x01:
          pos = readSubBlocks(data, pos, nullptr);
          break;
        case 0xF9:
          pos = readSubBlocks(data, pos, &block);
          if (block.size() >= 4) control = {block[0], block[1] | (block[2] << 8), block[3]};
          break;
        case 0xFE:
          pos = readSubBlocks(data, pos, &block);
          comment.append(block.begin(), block.end());
          break;
        case 0xFF: {
          bool loopBlock = pos < data.size() && data[pos] == 11 && data.substr(pos + 1, 11) == "NETSCAPE2.0";
          pos = readSubBlocks(data, pos, &block);
          if (loopBlock && block.size() >= 14) picture.RepeatLimit = block[12] | (block[13] << 8);
          break;
        }
        default:
          walking = false;
      }
    } else if (introducer == ',') {
      if (int(picture.Frames.size()) >= kMaxGifFrames) break;
      auto frame = std::make_unique<TFrame>();
      frame->Disposal = disposalOf(control.flags);
      frame->Delay = control.delay * 10;
      frame->HasTransparency = control.flags & 1;
      frame->TransparentIndex = control.transparentIndex;
      FrameResult result = FrameResult::Stop;
      if (data.size() - pos >= 10) {
        std::int64_t area = std::int64_t(u16(data, pos + 5)) * u16(data, pos + 7);
        pixelTotal += area;
        if (area > 0 && (!pictureSizeAllowed(u16(data, pos + 5), u16(data, pos + 7)) || pixelTotal > kMaxPicturePixels ||
                         !fillableBy(area, data.size() - pos)))
          result = FrameResult::TooLarge;
        else if (reader.ReadFrame(data, pos, *frame, *decoder, block))
          result = FrameResult::Ok;
      }
      if (result == FrameResult::TooLarge) return false;
      if (result == FrameResult::Stop) break;
      picture.BitsPerPixel = std::max(picture.BitsPerPixel, frame->BitsPerPixel);
      picture.AnyTransparent = picture.AnyTransparent || frame->HasTransparency;
      frame->Comment = std::move(comment);
      comment.clear();
      control = {};
      picture.Frames.push_back(std::move(frame));
    } else {
      break;
    }
  }

  picture.Width = screenWidth, picture.Height = screenHeight;
  for (const auto& f : picture.Frames) {
    picture.Width = std::max(picture.Width, f->Left + f->Width);
    picture.Height = std::max(picture.Height, f->Top + f->Height);
  }
  return picture.Width <= kMaxPictureSide && picture.Height <= kMaxPictureSide &&
         std::int64_t(picture.Width) * picture.Height <= kMaxPicturePixels &&
         fillableBy(std::int64_t(picture.Width) * picture.Height, data.size());
}

}  // namespace tavra
