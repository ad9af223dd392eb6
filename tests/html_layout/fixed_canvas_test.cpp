#include <gtest/gtest.h>

#include "platform/fixed_canvas.h"

namespace tavra {
namespace {

TEST(FixedCanvas, RasterOperationsOnBitmapsAndMasks) {
  FixedCanvas c(8, 4, 0x0F0F0F);
  Bitmap src(2, 2, 0x00F0F0F0);  // pixels are 0x00RRGGBB
  c.drawBitmap(0, 0, src, SRCAND);
  EXPECT_EQ(c.pixel(0, 0), 0x000000u);
  EXPECT_EQ(c.pixel(2, 0), 0x0F0F0Fu);
  c.drawBitmap(2, 0, src, SRCPAINT);
  EXPECT_EQ(c.pixel(2, 0), 0xFFFFFFu);
  c.drawBitmap(4, 0, src, SRCINVERT);
  EXPECT_EQ(c.pixel(4, 0), 0xFFFFFFu);
  c.drawBitmap(4, 0, src, SRCINVERT);
  EXPECT_EQ(c.pixel(4, 0), 0x0F0F0Fu);
  Bitmap red(1, 1, 0x00FF0000);
  c.drawBitmap({6, 0, 8, 4}, red, {0, 0, 1, 1}, SRCCOPY);  // stretched
  EXPECT_EQ(c.pixel(7, 3), ColorRef(0x0000FF));

  // Monochrome sources: clear bits take the text colour, set bits the background colour.
  FixedCanvas m(2, 1, 0x123456);
  Mask mask(2, 1);
  mask.at(1, 0) = 1;
  m.setTextColor(clBlack);
  m.setBkColor(clWhite);
  m.drawMask(0, 0, mask, SRCAND);
  EXPECT_EQ(m.pixel(0, 0), 0x000000u);
  EXPECT_EQ(m.pixel(1, 0), 0x123456u);
}

TEST(FixedCanvas, ClipOriginAndSaveRestore) {
  FixedCanvas c(10, 10);
  c.setWindowOrg(0, 5);
  c.fillRect({0, 5, 2, 6}, 0x0000FF);
  EXPECT_EQ(c.pixel(0, 0), ColorRef(0x0000FF));
  c.save();
  c.setClipRect({0, 5, 3, 15});
  EXPECT_EQ(c.clipRect(), (Rect{0, 5, 3, 15}));
  c.intersectClipRect({1, 0, 10, 100});
  EXPECT_EQ(c.clipRect(), (Rect{1, 5, 3, 15}));
  c.fillRect({0, 5, 10, 15}, 0x00FF00);
  EXPECT_EQ(c.pixel(0, 5), clWhite);
  EXPECT_EQ(c.pixel(2, 5), ColorRef(0x00FF00));
  EXPECT_EQ(c.pixel(3, 5), clWhite);
  c.restore();
  EXPECT_EQ(c.clipRect(), (Rect{0, 5, 10, 15}));
  EXPECT_EQ(c.windowOrg(), (Point{0, 5}));
}

TEST(FixedCanvas, TextMetricsAndClippedOpaqueOutput) {
  FixedCanvas c(40, 20);
  c.setFont(c.fonts().createFont(FontSpec{"Arial", 12, fsUnderline}));
  EXPECT_EQ(c.textWidth(u"abc"), 24);
  EXPECT_EQ(c.fontMetrics().ascent, 12);
  c.setTextColor(0x0000FF);
  c.setBkColor(0x00FF00);
  c.extTextOut(0, 14, etoOpaque | etoClipped, {0, 0, 12, 20}, u"abc");
  EXPECT_EQ(c.pixel(1, 13), ColorRef(0x0000FF));
  EXPECT_EQ(c.pixel(7, 13), ColorRef(0x00FF00));
  EXPECT_EQ(c.pixel(11, 15), ColorRef(0x0000FF));  // underline
  EXPECT_EQ(c.pixel(12, 13), clWhite);             // clipped
  EXPECT_EQ(c.pixel(12, 15), clWhite);
  ASSERT_EQ(c.texts().size(), 1u);
  EXPECT_EQ(c.texts()[0].font.name, "Arial");

  FontSpec italic{"Arial", 12, fsItalic};
  EXPECT_EQ(fixedFontEngine().createFont(italic)->textWidth(u"ab"), 16 + 2);
  EXPECT_EQ(fixedFontEngine().createFont(italic)->textWidth(u""), 0);
  EXPECT_EQ(fixedFontEngine().createFont(italic), fixedFontEngine().createFont(italic));
}

TEST(FixedCanvas, ShapesWithPenAndBrush) {
  FixedCanvas c(20, 20);
  c.setPen(clBlack);
  c.setBrush(0x0000FF);
  c.rectangle({2, 2, 8, 8});
  EXPECT_EQ(c.pixel(2, 2), clBlack);
  EXPECT_EQ(c.pixel(7, 7), clBlack);
  EXPECT_EQ(c.pixel(8, 8), clWhite);
  EXPECT_EQ(c.pixel(4, 4), ColorRef(0x0000FF));
  c.moveTo(10, 1);
  c.lineTo(15, 1);
  EXPECT_EQ(c.pixel(14, 1), clBlack);
  EXPECT_EQ(c.pixel(15, 1), clWhite);  // the end point is not drawn
  c.fillPolygon({{10, 10}, {20, 10}, {10, 20}}, 0x00FF00);
  EXPECT_EQ(c.pixel(11, 11), ColorRef(0x00FF00));
  EXPECT_EQ(c.pixel(19, 19), clWhite);
  c.invertRect({0, 19, 1, 20});
  EXPECT_EQ(c.pixel(0, 19), clBlack);
  EXPECT_EQ(resolveColor(0x02123456), 0x123456u);
}

}  // namespace
}  // namespace tavra

TEST(FontCache, FindsEachFaceSizeAndStyleOnceAndStaysBounded) {
  tavra::FontCache cache;
  int made = 0;
  auto font = [&](const tavra::FontSpec& face) {
    return cache.find(face, [&] {
      ++made;
      return std::make_shared<tavra::FixedFont>(face);
    });
  };
  tavra::FontSpec arial{.name = "Arial", .size = 12};
  tavra::FontPtr first = font(arial);
  EXPECT_EQ(font(arial), first);
  tavra::FontSpec bold = arial;
  bold.style = tavra::fsBold;
  tavra::FontSpec larger = arial;
  larger.size = 14;
  EXPECT_NE(font(bold), first);
  EXPECT_NE(font(larger), first);
  EXPECT_EQ(made, 3);
  for (int i = 0; i < 3 * int(tavra::FontCache::MaxFonts); ++i)
    font(tavra::FontSpec{.name = "Face" + std::to_string(i), .size = 10});
  EXPECT_LE(cache.size(), tavra::FontCache::MaxFonts);
  // A font handed out before the cache started afresh stays whole with its holder.
  EXPECT_EQ(first->face(), arial);
}
