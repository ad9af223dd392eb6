// The 3-D caption label drawn on the fixed-metrics canvas: a font of 12 points is 16 pixels
// high, every character advances 8 pixels and is drawn as a box 7 columns wide over the
// 12 rows above its baseline.
#include "windows/label3d.h"

#include <QTest>
#include <gtest/gtest.h>

#include "platform/fixed_canvas.h"

namespace tavra {
namespace {

constexpr ColorRef kNavy = 0x800000;
constexpr ColorRef kYellow = 0x00FFFF;
constexpr ColorRef kGreen = 0x008000;
constexpr ColorRef kGray = 0x808080;
constexpr ColorRef kBackground = 0x102030;

class CountingLabel : public TmyLabel3d {
 public:
  int repaints = 0;

 protected:
  void Invalidate() override { ++repaints; }
};

LabelFont font12(ColorRef color = kNavy) { return {{"Times New Roman", 12, 0}, color}; }

// Draws "A" into the rectangle (10, 10)-(60, 40) and returns the canvas.
FixedCanvas drawA(TmyLabel3d& label) {
  label.SetCaption("A");
  label.SetFont(font12());
  FixedCanvas canvas(80, 50, kBackground);
  canvas.setBkMode(BkMode::Transparent);
  Rect r{10, 10, 60, 40};
  label.DrawCaptionText(canvas, r, dtLeft);
  return canvas;
}

TEST(Label3d, RaisedDrawsLowerRightThenUpperLeftShadeUnderTheCaption) {
  TmyLabel3d label;
  label.SetAStyle3D(Raised3d);
  label.SetAShadeLeftTop(kYellow);
  FixedCanvas canvas = drawA(label);

  ASSERT_EQ(canvas.texts().size(), 3u);
  EXPECT_EQ(canvas.texts()[0].x, 11);
  EXPECT_EQ(canvas.texts()[0].baseline, 23);
  EXPECT_EQ(canvas.texts()[0].color, kGray);
  EXPECT_EQ(canvas.texts()[1].x, 9);
  EXPECT_EQ(canvas.texts()[1].baseline, 21);
  EXPECT_EQ(canvas.texts()[1].color, kYellow);
  EXPECT_EQ(canvas.texts()[2].x, 10);
  EXPECT_EQ(canvas.texts()[2].baseline, 22);
  EXPECT_EQ(canvas.texts()[2].color, kNavy);

  EXPECT_EQ(canvas.pixel(9, 9), kYellow);    // above-left of the glyph
  EXPECT_EQ(canvas.pixel(17, 22), kGray);    // below-right
  EXPECT_EQ(canvas.pixel(13, 15), kNavy);    // the caption on top
  EXPECT_EQ(canvas.pixel(17, 10), kBackground);
  EXPECT_EQ(canvas.pixel(8, 15), kBackground);
}

TEST(Label3d, SunkenSwapsTheShadeColours) {
  TmyLabel3d label;
  label.SetAStyle3D(Resit3d);
  FixedCanvas canvas = drawA(label);
  ASSERT_EQ(canvas.texts().size(), 3u);
  EXPECT_EQ(canvas.texts()[0].color, clWhite);
  EXPECT_EQ(canvas.texts()[0].x, 11);
  EXPECT_EQ(canvas.texts()[1].color, kGray);
  EXPECT_EQ(canvas.texts()[1].x, 9);
  EXPECT_EQ(canvas.pixel(9, 9), kGray);
  EXPECT_EQ(canvas.pixel(17, 22), clWhite);
  EXPECT_EQ(canvas.pixel(13, 15), kNavy);
}

TEST(Label3d, ShadowedDrawsOneCopyAtTheOffsets) {
  TmyLabel3d label;
  label.SetAStyle3D(Shadowed3d);
  FixedCanvas canvas = drawA(label);
  ASSERT_EQ(canvas.texts().size(), 2u);
  EXPECT_EQ(canvas.texts()[0].x, 15);
  EXPECT_EQ(canvas.texts()[0].baseline, 17);
  EXPECT_EQ(canvas.texts()[0].color, kGray);
  EXPECT_EQ(canvas.pixel(21, 5), kGray);
  EXPECT_EQ(canvas.pixel(15, 4), kBackground);
  EXPECT_EQ(canvas.pixel(13, 15), kNavy);

  label.SetAHShadeOffSet(-3);
  label.SetAVShadeOffSet(2);
  FixedCanvas moved = drawA(label);
  ASSERT_EQ(moved.texts().size(), 2u);
  EXPECT_EQ(moved.texts()[0].x, 7);
  EXPECT_EQ(moved.texts()[0].baseline, 24);
}

TEST(Label3d, NormalDrawsOnlyTheCaption) {
  TmyLabel3d label;
  FixedCanvas canvas = drawA(label);
  ASSERT_EQ(canvas.texts().size(), 1u);
  EXPECT_EQ(canvas.pixel(9, 9), kBackground);
  EXPECT_EQ(canvas.pixel(17, 22), kBackground);
  EXPECT_EQ(canvas.pixel(10, 10), kNavy);
  EXPECT_EQ(canvas.pixel(16, 21), kNavy);
  EXPECT_EQ(canvas.pixel(17, 21), kBackground);
}

TEST(Label3d, DisabledLabelKeepsItsShadesAndDrawsGrayText) {
  TmyLabel3d label;
  label.SetAStyle3D(Raised3d);
  label.SetAShadeLeftTop(kYellow);
  label.SetAShadeRightBottom(kGreen);
  label.setEnabled(false);
  FixedCanvas canvas = drawA(label);
  ASSERT_EQ(canvas.texts().size(), 3u);
  EXPECT_EQ(canvas.texts()[2].color, resolveColor(clGrayText));
  EXPECT_EQ(canvas.pixel(9, 9), kYellow);
  EXPECT_EQ(canvas.pixel(17, 22), kGreen);
  EXPECT_EQ(canvas.pixel(13, 15), resolveColor(clGrayText));
}

TEST(Label3d, PaintFillsOnlyWhenOpaqueAndAligns) {
  TmyLabel3d label;
  label.SetAutoSize(false);
  label.resize(40, 20);
  label.SetFont(font12());
  label.SetCaption("AB");

  FixedCanvas transparent(40, 20, kBackground);
  label.Paint(transparent);
  EXPECT_EQ(transparent.pixel(39, 19), kBackground);
  ASSERT_EQ(transparent.texts().size(), 1u);
  EXPECT_EQ(transparent.texts()[0].x, 0);
  EXPECT_EQ(transparent.texts()[0].baseline, 12);

  label.SetTransparent(false);
  label.SetColor(kGreen);
  label.SetAlignment(taCenter);
  FixedCanvas opaque(40, 20, kBackground);
  label.Paint(opaque);
  EXPECT_EQ(opaque.pixel(39, 19), kGreen);
  EXPECT_EQ(opaque.pixel(0, 0), kGreen);
  ASSERT_EQ(opaque.texts().size(), 1u);
  EXPECT_EQ(opaque.texts()[0].x, 12);

  label.SetAlignment(taRightJustify);
  FixedCanvas right(40, 20, kBackground);
  label.Paint(right);
  ASSERT_EQ(right.texts().size(), 1u);
  EXPECT_EQ(right.texts()[0].x, 24);
}

TEST(Label3d, PaintBreaksLinesAtBlanksAndExpandsTabs) {
  TmyLabel3d label;
  label.SetAutoSize(false);
  label.resize(24, 60);
  label.SetFont(font12());
  label.SetCaption("AB CD");
  FixedCanvas canvas(24, 60, kBackground);
  label.Paint(canvas);
  ASSERT_EQ(canvas.texts().size(), 2u);
  EXPECT_EQ(canvas.texts()[0].text, "AB");
  EXPECT_EQ(canvas.texts()[0].baseline, 12);
  EXPECT_EQ(canvas.texts()[1].text, "CD");
  EXPECT_EQ(canvas.texts()[1].baseline, 28);

  // Tab stops lie every eight average character widths (64 pixels here).
  label.resize(200, 20);
  label.SetCaption("A\tB");
  FixedCanvas tabs(200, 20, kBackground);
  label.Paint(tabs);
  ASSERT_EQ(tabs.texts().size(), 2u);
  EXPECT_EQ(tabs.texts()[1].text, "B");
  EXPECT_EQ(tabs.texts()[1].x, 64);
}

TEST(Label3d, AcceleratorMarksUnderlineUnlessSwitchedOff) {
  TmyLabel3d label;
  label.SetAutoSize(false);
  label.resize(60, 20);
  label.SetFont(font12());
  label.SetCaption("&Ab&&");
  FixedCanvas canvas(60, 20, kBackground);
  label.Paint(canvas);
  ASSERT_EQ(canvas.texts().size(), 1u);
  EXPECT_EQ(canvas.texts()[0].text, "Ab&");
  EXPECT_EQ(canvas.pixel(0, 13), kNavy);  // underline of "A" one row under the baseline
  EXPECT_EQ(canvas.pixel(7, 13), kNavy);
  EXPECT_EQ(canvas.pixel(8, 13), kBackground);

  label.SetShowAccelChar(false);
  FixedCanvas plain(60, 20, kBackground);
  label.Paint(plain);
  ASSERT_EQ(plain.texts().size(), 1u);
  EXPECT_EQ(plain.texts()[0].text, "&Ab&&");
  EXPECT_EQ(plain.pixel(0, 13), kBackground);

  // A caption of just "&" with accelerators shown draws a blank.
  label.SetShowAccelChar(true);
  label.SetCaption("&");
  FixedCanvas amp(60, 20, kBackground);
  label.Paint(amp);
  ASSERT_EQ(amp.texts().size(), 1u);
  EXPECT_EQ(amp.texts()[0].text, " ");
}

TEST(Label3d, AutoSizeFollowsCaptionAndFont) {
  QWidget parent;
  TmyLabel3d label(&parent, fixedFontEngine());
  label.setGeometry(10, 5, 200, 50);
  label.SetFont(font12());
  label.SetCaption("ABC");
  EXPECT_EQ(label.geometry(), QRect(10, 5, 24, 16));
  label.SetFont({{"Times New Roman", 24, 0}, kNavy});  // 32 pixels
  EXPECT_EQ(label.geometry(), QRect(10, 5, 48, 32));
  label.SetCaption("");
  EXPECT_EQ(label.geometry(), QRect(10, 5, 16, 32));  // measured as one blank

  label.SetAlignment(taRightJustify);
  label.SetCaption("AB");  // the right edge stays where it was
  EXPECT_EQ(label.geometry(), QRect(-6, 5, 32, 32));
}

TEST(Label3d, CaptionIsLimitedTo254Characters) {
  TmyLabel3d label;
  label.SetCaption(std::string(300, 'x'));
  EXPECT_EQ(label.Caption(), std::string(254, 'x'));
  label.SetCaptionUtf8("Obce lirovské");
  EXPECT_EQ(label.Caption(), "Obce lirovsk\xE9");
}

TEST(Label3d, SettersRepaintOnlyOnChange) {
  CountingLabel label;
  label.repaints = 0;
  label.SetAStyle3D(Normal3d);
  label.SetAShadeRightBottom(kGray);
  label.SetAHShadeOffSet(5);
  label.SetAVShadeOffSet(-5);
  label.SetAShadeLeftTop(clWhite);
  EXPECT_EQ(label.repaints, 0);

  label.SetAStyle3D(Raised3d);
  label.SetAShadeRightBottom(kGreen);
  label.SetAHShadeOffSet(2);
  label.SetAVShadeOffSet(3);
  label.SetAShadeLeftTop(kYellow);
  EXPECT_EQ(label.repaints, 5);
  EXPECT_EQ(label.AStyle3D(), Raised3d);
  EXPECT_EQ(label.AShadeRightBottom(), kGreen);
  EXPECT_EQ(label.AHShadeOffSet(), 2);
  EXPECT_EQ(label.AVShadeOffSet(), 3);
  EXPECT_EQ(label.AShadeLeftTop(), kYellow);

  // The switch repaints even when it does not change.
  label.SetAShadeLTSet(false);
  EXPECT_EQ(label.repaints, 6);
}

TEST(Label3d, LeftTopSwitchForcesWhiteAndRestoresTheSavedShade) {
  CountingLabel label;
  label.SetAShadeLeftTop(kYellow);
  label.SetAShadeLTSet(true);
  EXPECT_EQ(label.AShadeLeftTop(), clWhite);
  EXPECT_EQ(label.SavedLeftTopShade(), kYellow);

  label.repaints = 0;
  label.SetAShadeLeftTop(kGreen);
  EXPECT_EQ(label.AShadeLeftTop(), clWhite);
  EXPECT_EQ(label.repaints, 0);

  label.SetAShadeLTSet(true);
  EXPECT_EQ(label.repaints, 1);
  EXPECT_EQ(label.SavedLeftTopShade(), kYellow);

  label.SetAShadeLTSet(false);
  EXPECT_EQ(label.AShadeLeftTop(), kYellow);
  label.SetAShadeLeftTop(kGreen);
  EXPECT_EQ(label.AShadeLeftTop(), kGreen);

  // What is drawn follows: white above-left while the switch is on.
  label.SetAStyle3D(Raised3d);
  label.SetAShadeLTSet(true);
  FixedCanvas canvas = drawA(label);
  EXPECT_EQ(canvas.pixel(9, 9), clWhite);
}

TEST(Label3d, MouseOutIsRaisedOnceWhenThePointerLeaves) {
  QWidget window;
  window.resize(200, 100);
  TmyLabel3d label(&window);
  label.SetAutoSize(false);
  label.setGeometry(20, 20, 60, 30);
  int raised = 0;
  TmyLabel3d* sender = nullptr;
  label.OnMouseOut = [&](TmyLabel3d* s) {
    ++raised;
    sender = s;
  };
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  QTest::mouseMove(window.windowHandle(), QPoint(5, 5));
  QTest::mouseMove(window.windowHandle(), QPoint(30, 30));
  EXPECT_EQ(QWidget::mouseGrabber(), &label);
  QTest::mouseMove(window.windowHandle(), QPoint(80, 50));  // right and bottom edge: still inside
  EXPECT_EQ(raised, 0);
  QTest::mouseMove(window.windowHandle(), QPoint(150, 80));
  EXPECT_EQ(raised, 1);
  EXPECT_EQ(sender, &label);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  QTest::mouseMove(window.windowHandle(), QPoint(160, 90));
  QTest::mouseMove(window.windowHandle(), QPoint(10, 90));
  EXPECT_EQ(raised, 1);

  // Hiding the label gives the mouse back.
  QTest::mouseMove(window.windowHandle(), QPoint(30, 30));
  EXPECT_EQ(QWidget::mouseGrabber(), &label);
  label.hide();
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

}  // namespace
}  // namespace tavra
