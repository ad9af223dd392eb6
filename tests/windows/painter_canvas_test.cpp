#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QString>

#include "html/document/block_elements.h"
#include "html/document/section_list.h"
#include "html/document/text_section.h"
#include "common/recording_host.h"
#include "platform/codepage.h"
#include "platform/qt/painter_canvas.h"
#include "platform/unicode.h"

namespace tavra {
namespace {

// A document host that measures with the toolkit's fonts.
class ToolkitHost : public testing::RecordingHost {
 public:
  FontEngine& Fonts() override { return toolkitFonts(); }
};

QImage blank(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Columns that hold any pixel other than white.
std::pair<int, int> inkColumns(const QImage& image) {
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) left = std::min(left, x), right = std::max(right, x);
  return {left, right};
}

TEST(PainterCanvas, DrawnTextIsExactlyAsWideAsMeasured) {
  // "Příliš žluťoučký kůň" in Windows-1250.
  const std::u16string text = utf8ToUtf16("Příliš žluťoučký kůň úpěl");
  for (const char* face : {"Times New Roman", "Arial", "Courier New"}) {
    FontPtr font = toolkitFonts().createFont(FontSpec{face, 12, 0});
    EXPECT_GT(font->metrics().ascent, 0);
    EXPECT_GT(font->metrics().descent, 0);

    QImage whole = blank(400, 40), pieces = blank(400, 40);
    {
      QPainter p(&whole);
      PainterCanvas c(p, 400, 40);
      c.setFont(font);
      c.setBkMode(BkMode::Transparent);
      c.textOut(10, 30, text);
    }
    {
      // The same text in two calls, the second at the measured width of the first.
      QPainter p(&pieces);
      PainterCanvas c(p, 400, 40);
      c.setFont(font);
      c.setBkMode(BkMode::Transparent);
      std::u16string head = text.substr(0, 9), tail = text.substr(9);
      c.textOut(10, 30, head);
      c.textOut(10 + c.textWidth(head), 30, tail);
    }
    EXPECT_EQ(whole, pieces) << face;
    auto [left, right] = inkColumns(whole);
    int width = font->textWidth(text);
    EXPECT_GE(left, 10 - 2) << face;
    EXPECT_LE(right, 10 + width + 2) << face;
    EXPECT_GE(right, 10 + width - font->advance('l') - 3) << face;
  }
  // The underline runs over exactly the measured extent.
  FontPtr underlined = toolkitFonts().createFont(FontSpec{"Arial", 12, fsUnderline});
  QImage line = blank(200, 40);
  {
    QPainter p(&line);
    PainterCanvas c(p, 200, 40);
    c.setFont(underlined);
    c.setBkMode(BkMode::Transparent);
    c.textOut(10, 20, u"abc");
  }
  QImage below = line.copy(0, 21, 200, 19);
  auto [uLeft, uRight] = inkColumns(below);
  EXPECT_EQ(uLeft, 10);
  EXPECT_EQ(uRight, 10 + underlined->textWidth(u"abc") - 1);
  EXPECT_EQ(QtFont::familyFor("Arial"), "Liberation Sans");
  EXPECT_EQ(QtFont::familyFor("Courier New"), "Liberation Mono");
}

TEST(PainterCanvas, FamiliesPastTheBoundGetTheSerifFaceWithoutAMatchOfTheirOwn) {
  QtFontEngine engine;
  const std::u16string text = u"Wave 1999";
  for (int i = 0; i < 200; ++i) engine.createFont(FontSpec{"Family" + std::to_string(i), 12, 0});
  EXPECT_LE(engine.faceCount(), 132u);
  FontPtr late = engine.createFont(FontSpec{"Arial", 12, 0});
  FontPtr serif = engine.createFont(FontSpec{"Times New Roman", 12, 0});
  EXPECT_EQ(late->textWidth(text), serif->textWidth(text));
  EXPECT_EQ(late->face().name, "Arial");  // the font still answers to what was asked
}

// A size copied from the first face of a family must measure and draw like that size asked
// of the toolkit directly.
TEST(PainterCanvas, OtherSizesOfAFaceMatchTheFaceAskedForDirectly) {
  const std::u16string text = utf8ToUtf16("Žluťoučký kůň, WAVE 1999");
  for (unsigned style : {0u, unsigned(fsBold), unsigned(fsItalic)}) {
    QtFontEngine first, direct;
    first.createFont(FontSpec{"Times New Roman", 9, style});
    for (int size : {12, 18, 36}) {
      FontPtr copied = first.createFont(FontSpec{"Times New Roman", size, style});
      FontPtr asked = direct.createFont(FontSpec{"Times New Roman", size, style});
      EXPECT_EQ(copied->metrics().ascent, asked->metrics().ascent) << size;
      EXPECT_EQ(copied->metrics().descent, asked->metrics().descent) << size;
      EXPECT_EQ(copied->metrics().aveCharWidth, asked->metrics().aveCharWidth) << size;
      EXPECT_EQ(copied->textWidth(text), asked->textWidth(text)) << size;
      QImage a = blank(500, 60), b = blank(500, 60);
      for (auto [image, font] : {std::pair{&a, copied}, std::pair{&b, asked}}) {
        QPainter p(image);
        PainterCanvas c(p, 500, 60);
        c.setFont(font);
        c.setBkMode(BkMode::Transparent);
        c.textOut(5, 45, text);
      }
      EXPECT_EQ(a, b) << size << " style " << style;
    }
  }
}

TEST(PainterCanvas, OpaqueTextClipAndRasterOperations) {
  QImage image = blank(100, 40);
  {
    QPainter p(&image);
    PainterCanvas c(p, 100, 40);
    c.setFont(toolkitFonts().createFont(FontSpec{"Arial", 12, 0}));
    c.setTextColor(clWhite);
    c.setBkColor(0x0000FF);
    c.extTextOut(0, 20, etoOpaque | etoClipped, {0, 5, 30, 25}, u"WWWWWWWW");
    Bitmap src(2, 2, 0x00F0F0F0);
    c.fillRect({50, 0, 60, 10}, 0x0F0F0F);
    c.drawBitmap(50, 0, src, SRCPAINT);
    c.drawBitmap(52, 0, src, SRCAND);
    c.drawBitmap(54, 0, src, SRCINVERT);
  }
  EXPECT_EQ(image.pixel(0, 5), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(29, 24), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(30, 20), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(50, 0), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(52, 0), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(54, 0), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(56, 0), qRgb(15, 15, 15));
}

TEST(PainterCanvas, SampleDocumentRendersToPng) {
  ToolkitHost host;
  TSectionList doc(host);
  doc.FontSize = 12;
  doc.BackgroundColor = clWhite;
  TMyFont base;
  base.SetFonts(toolkitFonts());
  TMyFont heading = base;
  heading.SetHtmlSize(doc, HeadingSizes[0]);
  heading.SetStyle(fsBold);
  auto add = [&](auto block) {
    auto* raw = block.get();
    doc.AddSection(std::move(block));
    return raw;
  };
  add(std::make_unique<THeadingSpace>(1));
  add(std::make_unique<TSection>(0, alCenter, nullptr, heading))->AppendText(utf8ToUtf16("Denní texty"));
  add(std::make_unique<THeadingSpace>(1));
  auto* para = add(std::make_unique<TSection>(0, alLeft, nullptr, base));
  para->AppendText(utf8ToUtf16("Příliš žluťoučký kůň úpěl ďábelské ódy. Text se láme podle šířky okna, "));
  TMyFont link = base;
  link.SetStyle(fsUnderline);
  link.SetColor(0xFF0000);
  TUrlTarget target;
  target.Assign("info.htm", "");
  para->ChangeLink(attrHref, doc, link, target);
  para->AppendText(u"odkaz");
  para->ChangeLink(attrName, doc, base, target);
  para->AppendText(utf8ToUtf16(" a pokračuje obyčejným písmem, "));
  para->ChangeFont(doc, base, fsItalic);
  para->AppendText(utf8ToUtf16("kurzívou"));
  para->ChangeFont(doc, base, fsBold);
  para->AppendText(utf8ToUtf16(" a tučně."));
  add(std::make_unique<TParagraphSpace>());
  for (int i = 1; i <= 3; ++i)
    add(std::make_unique<TOListItem>(1, nullptr, base, 'I', i))->AppendText(utf8ToUtf16("Číslovaná položka"));
  add(std::make_unique<TUListItem>(2, nullptr, base))->AppendText(utf8ToUtf16("Vnořená odrážka"));
  add(std::make_unique<TUListItem>(1, nullptr, base))->AppendText(utf8ToUtf16("Odrážka první úrovně"));
  TAttributeList ruleAttrs;
  ruleAttrs.Add(attrWidth, 80, "80%");
  add(std::make_unique<THorzLine>(ruleAttrs));
  TMyFont fixed = base;
  fixed.Fixed = true;
  fixed.SetName("Courier New");
  fixed.SetHtmlSize(doc, 10);
  add(std::make_unique<TPreFormated>(0, alLeft, nullptr, fixed))->AppendText(u"int main() { return 0; }");
  add(std::make_unique<TSection>(0, alRight, nullptr, base))->AppendText(utf8ToUtf16("Vpravo zarovnaný řádek"));

  const int width = 420, height = 400;
  QImage image = blank(width, height);
  int scrollWidth = 0, chars = 0;
  {
    QPainter p(&image);
    PainterCanvas c(p, width, height);
    int docHeight = doc.LayoutDocument(c, 8, width - 16, scrollWidth, chars);
    EXPECT_GT(docHeight, 200);
    EXPECT_LT(docHeight, height);
    PaintContext context{{0, 0, width, height}, 0, para->FirstCharPos + 7, para->FirstCharPos + 24};
    doc.PaintDocument(context, c, 2000, 8, 8);
  }
  EXPECT_GE(para->Lines.size(), 3u);
  for (const LineRec& line : para->Lines) {
    int drawn = para->TextWidth(line.Start, line.Ln, true);
    EXPECT_LE(drawn, width - 16);
  }
  // A picture for the eye, when asked for.
  QByteArray shot = qgetenv("TAVRA_DOCUMENT_SCREENSHOT");
  if (!shot.isEmpty()) {
    EXPECT_TRUE(image.save(QString::fromLocal8Bit(shot)));
  }
}

// The serif face has no snowman; a face that has one draws it, and what follows it stands
// exactly where its measured width ends.
TEST(PainterCanvas, ACharacterTheFaceLacksIsDrawnAndMeasuredInAFaceThatHasIt) {
  FontPtr font = toolkitFonts().createFont(FontSpec{"Times New Roman", 16, 0});
  auto qt = std::dynamic_pointer_cast<const QtFont>(font);
  ASSERT_TRUE(qt);
  ASSERT_FALSE(qt->rawFont().supportsCharacter(U'\u2603'));
  const FaceGlyph snowman = qt->glyph(U'\u2603');
  ASSERT_GE(snowman.face, 0) << "a second face with the character must be installed";
  EXPECT_TRUE(qt->rawFont(snowman.face).supportsCharacter(U'\u2603'));
  EXPECT_EQ(qt->glyph(U'a').face, -1);
  EXPECT_GT(font->textWidth(u"\u2603"), 0);

  auto draw = [&](auto paint) {
    QImage image = blank(120, 40);
    QPainter p(&image);
    PainterCanvas c(p, 120, 40);
    c.setFont(font);
    c.setBkMode(BkMode::Transparent);
    paint(c);
    return image;
  };
  const QImage together = draw([](Canvas& c) { c.textOut(10, 30, u"\u2603|\u2603"); });
  const QImage apart = draw([&](Canvas& c) {
    c.textOut(10, 30, u"\u2603");
    c.textOut(10 + font->textWidth(u"\u2603"), 30, u"|");
    c.textOut(10 + font->textWidth(u"\u2603|"), 30, u"\u2603");
  });
  EXPECT_EQ(together, apart);
  // Not the box of a character no face has.
  const QImage box = draw([](Canvas& c) { c.textOut(10, 30, u"\uE000"); });
  const QImage one = draw([](Canvas& c) { c.textOut(10, 30, u"\u2603"); });
  EXPECT_NE(one, box);
  auto [left, right] = inkColumns(one);
  EXPECT_GE(left, 10 - 1);
  EXPECT_LE(right, 10 + font->textWidth(u"\u2603") + 1);
}

TEST(PainterCanvas, FamiliesThatFallBackToOneFaceShareItAtEachSize) {
  QtFontEngine engine;
  for (int i = 0; i < 60; ++i)
    for (int size : {8, 12, 20}) engine.createFont(FontSpec{"Missing family " + std::to_string(i), size, 0});
  EXPECT_LE(engine.sizedFaceCount(), 6u);
  const std::u16string text = u"Wave \u0416\u4E2D\U0001F600";
  FontPtr plain = engine.createFont(FontSpec{"Missing family 1", 12, 0});
  FontPtr underlined = engine.createFont(FontSpec{"Missing family 2", 12, fsUnderline});
  EXPECT_EQ(plain->textWidth(text), underlined->textWidth(text));
}

}  // namespace
}  // namespace tavra
