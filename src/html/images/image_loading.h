#pragma once
// Recognising and loading picture files: BMP, JPEG and PNG become bitmaps (PNG and 32-bit
// BMP with their alpha), GIF data go to the GIF decoder. Every loader answers "no picture"
// rather than raising.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/bitmap.h"

namespace tavra {

enum TransparencyKind : std::uint8_t {
  trNone = 0,    // opaque
  trCorner = 1,  // the colour of the lower-left pixel is transparent
  trGif = 2,     // the GIF's own transparent colour
  trPng = 3,     // the picture's own alpha plane (a PNG's, or a 32-bit BMP's)
};

enum ImageFormat : int { ifUnknown = 0, ifBmp = 1, ifGif87 = 2, ifGif89 = 3, ifPng = 4, ifJpeg = 5 };

// The format by the first bytes of the data.
int ImageFormatOf(std::string_view bytes);
// The format by the first 11 bytes of the file (ifUnknown when it cannot be read).
int FileImageFormat(const std::string& path);

// Picture files larger than this are not read at all.
constexpr std::size_t kMaxImageFileBytes = std::size_t(256) << 20;
// The whole file; false when it cannot be read or is larger than `limit`.
bool ReadFileBytes(const std::string& path, std::string& out, std::size_t limit = kMaxImageFileBytes);

// A BMP, JPEG or PNG file as a bitmap (for the display when `toDisplay`); JPEG pictures
// take 24-bit output, or 8-bit output over the display palette on an 8-bit display.
std::unique_ptr<Bitmap> LoadBitmapFile(const std::string& path, bool toDisplay);

// A BMP, JPEG or PNG file for the display. `transparency` in: trNone or trCorner; a
// ".gif" file with a transparent colour turns it into trGif, a picture with an alpha
// plane into trPng, which outranks the corner colour and needs no mask. With trCorner or
// trGif the result comes with its mask, or is nothing when no mask could be made.
std::unique_ptr<Bitmap> LoadImageFromFile(const std::string& path, TransparencyKind& transparency,
                                          std::unique_ptr<Mask>& mask);
// BMP, JPEG or PNG data from the host. A JPEG never gets a mask; a picture with an alpha
// plane comes as trPng without one; any other gets one when trCorner is asked for.
std::unique_ptr<Bitmap> LoadImageFromStream(const std::string* stream, TransparencyKind& transparency,
                                            std::unique_ptr<Mask>& mask);

// Set where the picture has `colour` (0x00RRGGBB), or, without `colourGiven`, the colour
// of its lower-left pixel. Nothing for an empty picture.
std::unique_ptr<Mask> MakeImageMask(const Bitmap& picture, bool colourGiven, std::uint32_t colour);

// The transparent colour (0x00RRGGBB) of a GIF 89a file whose first block after the
// global colour table is a graphic control extension that asks for transparency.
bool GifTransparentColour(const std::string& path, std::uint32_t& colour);

// The marker a host answers an image request with when it will deliver the picture
// later; only its address matters.
std::string& PendingImageStream();

}  // namespace tavra
