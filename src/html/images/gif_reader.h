#pragma once
// Reading a GIF file (87a and 89a): the logical screen, the colour table, the loop count
// and every frame, decoded into a bitmap and a transparency mask. It knows nothing of the
// players that show the frames, of timers or of the picture cache.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"

namespace tavra {

// A picture holds at most this many frames; the rest of a longer file is passed over.
constexpr int kMaxGifFrames = 256;

class TFrame {
 public:
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int BitsPerPixel = 0;  // local colour-table exponent, 0 without a local table
  int Delay = 0;         // milliseconds
  std::uint8_t Disposal = 0;
  bool HasLocalTable = false;
  bool Interlaced = false;
  bool HasTransparency = false;
  std::uint8_t TransparentIndex = 0;
  std::uint32_t TransparentColour = 0;  // 0x00RRGGBB
  std::array<std::uint8_t, 768> LocalColours{};
  tavra::Bitmap Bitmap;  // the frame's pixels, black where transparent
  Mask MaskBitmap;       // set where transparent (transparent frames only)
  std::string Comment;

  Rect area() const { return {Left, Top, Left + Width, Top + Height}; }
};

struct GifPicture {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;  // of the largest colour table
  int RepeatLimit = 1;   // from the looping block; 0 for ever
  bool AnyTransparent = false;
  std::array<std::uint8_t, 768> GlobalColours{};
  std::vector<std::unique_ptr<TFrame>> Frames;
};

// Reads the structure of `data`, and with `scanOnly` false every frame's pixels too.
// False when the data are not a GIF or pass the picture budget; truncated data keep the
// frames read so far. Memory running out throws std::bad_alloc.
bool ReadGif(std::string_view data, bool scanOnly, GifPicture& picture);

}  // namespace tavra
