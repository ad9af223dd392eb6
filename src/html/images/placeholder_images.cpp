#include "html/images/placeholder_images.h"

#include <cstdint>
#include <string_view>

namespace tavra {

namespace {

constexpr std::uint32_t kSilver = 0xC0C0C0;

std::uint32_t colourOf(char c) {
  switch (c) {
    case 'k': return 0x000000;
    case 'w': return 0xFFFFFF;
    case 'g': return 0x808080;
    case 'r': return 0xFF0000;
    case 'G': return 0x008000;
    case 'b': return 0x0000FF;
    case 'y': return 0xFFFF00;
    default: return kSilver;
  }
}

template <std::size_t N>
Bitmap fromArt(const std::string_view (&rows)[N]) {
  Bitmap b(int(rows[0].size()), int(N));
  for (int y = 0; y < b.height; ++y)
    for (int x = 0; x < b.width; ++x) b.at(x, y) = colourOf(rows[y][std::size_t(x)]);
  return b;
}

// Cursor art: '.' transparent, 'k' black, 'w' white; rows are placed from `top` down.
template <std::size_t N>
CursorPicture cursorFromArt(const std::string_view (&rows)[N], int top, int hotX, int hotY) {
  CursorPicture c{Bitmap(32, 32), Mask(32, 32, 1), hotX, hotY};
  for (int y = 0; y < int(N); ++y)
    for (int x = 0; x < int(rows[y].size()) && x < 32; ++x) {
      char ch = rows[y][std::size_t(x)];
      if (ch == '.') continue;
      c.image.at(x, top + y) = colourOf(ch);
      c.mask.at(x, top + y) = 0;
    }
  return c;
}

}  // namespace

const Bitmap& PendingImage() {
  // A picture frame with an hourglass: the picture is on its way.
  static const std::string_view art[] = {
      "................", ".gggggggggggggg.", ".gwwwwwwwwwwwwk.", ".gwkkkkkkkkkkwk.",
      ".gwwkyyyyyykwwk.", ".gwwwkyyyykwwwk.", ".gwwwwkyykwwwwk.", ".gwwwwwkkwwwwwk.",
      ".gwwwwwkkwwwwwk.", ".gwwwwkwwkwwwwk.", ".gwwwkwwyykwwwk.", ".gwwkwyyyyykwwk.",
      ".gwkkkkkkkkkkwk.", ".gwwwwwwwwwwwwk.", ".kkkkkkkkkkkkkk.", "................",
  };
  static const Bitmap image = fromArt(art);
  return image;
}

const Bitmap& BrokenImage() {
  // A torn page with three shapes: the picture could not be loaded.
  static const std::string_view art[] = {
      "................", ".kkkkkkkkk......", ".kwwwwwwwkk.....", ".kwwwwwwwkwk....",
      ".kwrrwwwwkkkk...", ".kwrrwwGwwwwk...", ".kwwwwGGGwwwk...", ".kwwwGGGGGwwk..k",
      ".kwwwwwwwwwk..kk", ".kwbbbwwwwk..kwk", ".kwbbbwwwk..kwwk", ".kwbbbwwk..kwwwk",
      ".kwwwwwk..kwwwwk", ".kkkkkk..kkkkkkk", "................", "................",
  };
  static const Bitmap image = fromArt(art);
  return image;
}

const Mask& BrokenImageMask() {
  static const Mask mask = maskOfColour(BrokenImage(), BrokenImage().at(0, BrokenImage().height - 1));
  return mask;
}

const CursorPicture& HandCursor() {
  static const std::string_view art[] = {
      ".............kk", "............kwwk", "............kwwk", "............kwwk",
      "............kwwk", "............kwwkkk", "............kwwkwwkkk", "............kwwkwwkwwkk",
      ".........kk.kwwkwwkwwkwk", ".........kwkkwwwwwwwwkwk", ".........kwwkwwwwwwwwwwk", "..........kwkwwwwwwwwwwk",
      "..........kwwwwwwwwwwwwk", "...........kwwwwwwwwwwwk", "...........kwwwwwwwwwwk", "............kwwwwwwwwwk",
      "............kwwwwwwwwwk", ".............kwwwwwwwk", ".............kkkkkkkkk",
  };
  static const CursorPicture cursor = cursorFromArt(art, 9, 13, 9);
  return cursor;
}

const CursorPicture& IBeamCursor() {
  // A three-pixel stem with serifs, outlined in white so that it shows on dark pages.
  static const std::string_view art[] = {
      "..........wwwwwwwwwww", "..........wkkkkkkkkkw", "..........wkkkkkkkkkw", "..........wwwwkkkwwww",
      ".............wkkkw", ".............wkkkw", ".............wkkkw", ".............wkkkw",
      ".............wkkkw", ".............wkkkw", ".............wkkkw", ".............wkkkw",
      ".............wkkkw", ".............wkkkw", ".............wkkkw", "..........wwwwkkkwwww",
      "..........wkkkkkkkkkw", "..........wkkkkkkkkkw", "..........wwwwwwwwwww",
  };
  static const CursorPicture cursor = cursorFromArt(art, 3, 15, 12);
  return cursor;
}

}  // namespace tavra
