#include "html/images/display_palette.h"

#include <memory>
#include <unordered_map>

namespace tavra {

namespace {

int g_colourDepth = 24;
std::unique_ptr<PaletteTable> g_displayPalette;

std::uint32_t rgb(unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; }

}  // namespace

int ColourDepth() { return g_colourDepth; }

void SetScreenDepth(int bitsTimesPlanes) {
  g_colourDepth = bitsTimesPlanes <= 4 ? 4 : bitsTimesPlanes > 8 ? 24 : 8;
  if (g_colourDepth == 8)
    g_displayPalette = std::make_unique<PaletteTable>(BuildDisplayPalette());
  else
    g_displayPalette.reset();
}

const PaletteTable* DisplayPalette() { return g_displayPalette.get(); }

PaletteTable BuildDisplayPalette() {
  PaletteTable p{};
  // The twenty static colours an 8-bit display always holds, ten at each end.
  const std::uint32_t low[10] = {rgb(0, 0, 0),       rgb(128, 0, 0),     rgb(0, 128, 0),   rgb(128, 128, 0),
                                 rgb(0, 0, 128),     rgb(128, 0, 128),   rgb(0, 128, 128), rgb(192, 192, 192),
                                 rgb(192, 220, 192), rgb(166, 202, 240)};
  const std::uint32_t high[10] = {rgb(255, 251, 240), rgb(160, 160, 164), rgb(128, 128, 128), rgb(255, 0, 0),
                                  rgb(0, 255, 0),     rgb(255, 255, 0),   rgb(0, 0, 255),     rgb(255, 0, 255),
                                  rgb(0, 255, 255),   rgb(255, 255, 255)};
  for (int i = 0; i < 10; ++i) p[std::size_t(i)] = low[i], p[std::size_t(246 + i)] = high[i];

  const unsigned levels[6] = {55, 115, 165, 205, 235, 255};
  std::size_t at = 10;
  for (unsigned b : levels)
    for (unsigned g : levels)
      for (unsigned r : levels)
        if (r != 255 || g != 255 || b != 255) p[at++] = rgb(r, g, b);
  for (unsigned i = 0; i < 24; ++i) {
    unsigned grey = 135 + 5 * i;
    p[225 + i] = rgb(grey, grey, grey);
  }
  return p;
}

int NearestPaletteIndex(const PaletteTable& palette, std::uint32_t colour) {
  int r = int((colour >> 16) & 0xFF), g = int((colour >> 8) & 0xFF), b = int(colour & 0xFF);
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < 256; ++i) {
    std::uint32_t e = palette[std::size_t(i)];
    int dr = r - int((e >> 16) & 0xFF), dg = g - int((e >> 8) & 0xFF), db = b - int(e & 0xFF);
    long d = long(dr) * dr + long(dg) * dg + long(db) * db;
    if (bestDistance < 0 || d < bestDistance) best = i, bestDistance = d;
  }
  return best;
}

Bitmap ToDisplayBitmap(Bitmap bitmap) {
  const PaletteTable* palette = DisplayPalette();
  if (!palette) return bitmap;
  std::unordered_map<std::uint32_t, std::uint32_t> mapped;
  for (auto& px : bitmap.pixels) {
    std::uint32_t c = px & 0xFFFFFF;
    auto it = mapped.find(c);
    if (it == mapped.end()) it = mapped.emplace(c, (*palette)[std::size_t(NearestPaletteIndex(*palette, c))]).first;
    px = it->second;
  }
  return bitmap;
}

}  // namespace tavra
