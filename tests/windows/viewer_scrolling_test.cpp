// Scroll bars, keys and re-layout of the viewer.

#include <QScrollBar>

#include "windows/viewer_fixture.h"

namespace tavra::test {
namespace {

TEST_F(ViewerTest, ShortDocumentStaysAtTheTop) {
  viewer.LoadFromFile(write("short.htm", "<p>Short</p>"));
  EXPECT_LT(viewer.DocHeight(), viewer.PaintPanel()->height());
  EXPECT_FALSE(viewer.VScrollBar()->isVisible());
  EXPECT_FALSE(viewer.HScrollBar()->isVisible());
  key(Qt::Key_End);
  EXPECT_EQ(viewer.GetVScrollPos(), 0);
  key(Qt::Key_PageDown);
  key(Qt::Key_Down);
  EXPECT_EQ(viewer.GetVScrollPos(), 0);
  // Without a vertical bar the panel fills the control inside the border.
  EXPECT_EQ(viewer.PaintPanel()->geometry(), QRect(1, 1, 398, 298));
}

TEST_F(ViewerTest, KeysAndBarMoveWithinTheVerticalLimit) {
  viewer.LoadFromFile(write("long.htm", paragraphs(60)));
  ASSERT_TRUE(viewer.VScrollBar()->isVisible());
  const int panelHeight = viewer.PaintPanel()->height();
  const int limit = viewer.DocHeight() - panelHeight;
  EXPECT_EQ(viewer.PaintPanel()->width(), 400 - viewer.ScrollBarSize() - 2);
  EXPECT_EQ(viewer.VScrollBar()->LargeChange, panelHeight - 16);

  key(Qt::Key_Down);
  EXPECT_EQ(viewer.GetVScrollPos(), 16);
  EXPECT_EQ(viewer.CurrentPaintContext({}).ScrollOffset, 16);
  key(Qt::Key_PageDown);
  EXPECT_EQ(viewer.GetVScrollPos(), 16 + panelHeight - 16);
  key(Qt::Key_Up);
  EXPECT_EQ(viewer.GetVScrollPos(), panelHeight - 16);
  key(Qt::Key_End);
  EXPECT_EQ(viewer.GetVScrollPos(), limit);
  key(Qt::Key_Down);
  EXPECT_EQ(viewer.GetVScrollPos(), limit);
  key(Qt::Key_Home);
  EXPECT_EQ(viewer.GetVScrollPos(), 0);
  key(Qt::Key_PageUp);
  EXPECT_EQ(viewer.GetVScrollPos(), 0);

  // The bar's own arrows and its bottom.
  viewer.VScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(viewer.GetVScrollPos(), 16);
  EXPECT_EQ(viewer.VScrollBar()->value(), 16);
  viewer.VScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(viewer.GetVScrollPos(), limit);
  EXPECT_EQ(viewer.CurrentPaintContext({}).ScrollOffset, limit);

  // The bar is told its range and position only when one of them changes.
  const int calls = viewer.VScrollBar()->ParamsCalls;
  viewer.ArrangeScrollBars();
  viewer.SetVScrollPos(limit);
  EXPECT_EQ(viewer.VScrollBar()->ParamsCalls, calls);

  viewer.ScrollToY(-50);
  EXPECT_EQ(viewer.GetVScrollPos(), 0);
  viewer.SetVScrollPos(limit + 500);
  EXPECT_EQ(viewer.GetVScrollPos(), limit);
}

TEST_F(ViewerTest, WideContentScrollsUpToTheCap) {
  const std::string wide = "<pre>" + std::string(400, 'x') + "</pre><p>after</p>";
  viewer.LoadFromFile(write("wide.htm", wide));
  EXPECT_EQ(viewer.ScrollWidth(), 2000);
  ASSERT_TRUE(viewer.HScrollBar()->isVisible());
  const int panelWidth = viewer.PaintPanel()->width();
  EXPECT_EQ(viewer.HScrollBar()->maximum(), 2 * viewer.MarginWidth() + 2000 - panelWidth);
  EXPECT_EQ(viewer.PaintPanel()->height(), 300 - 2 - viewer.ScrollBarSize());

  key(Qt::Key_Right);
  EXPECT_EQ(viewer.GetHScrollPos(), 15);
  key(Qt::Key_Left);
  key(Qt::Key_Left);
  EXPECT_EQ(viewer.GetHScrollPos(), 0);
  viewer.SetHScrollPos(100000);
  EXPECT_EQ(viewer.GetHScrollPos(), 2 * viewer.MarginWidth() + 2000 - panelWidth);
}

TEST_F(ViewerTest, VerticalOnlyNeverShowsTheHorizontalBar) {
  viewer.SetScrollBars(ssVertical);
  const std::string wide = "<pre>" + std::string(400, 'x') + "</pre>" + paragraphs(40);
  viewer.LoadFromFile(write("wide.htm", wide));
  EXPECT_FALSE(viewer.HScrollBar()->isVisible());
  EXPECT_TRUE(viewer.VScrollBar()->isVisible());
  viewer.resize(150, 200);
  EXPECT_FALSE(viewer.HScrollBar()->isVisible());
  EXPECT_EQ(viewer.PaintPanel()->height(), 198);
  viewer.SetScrollBars(ssBoth);
  EXPECT_TRUE(viewer.HScrollBar()->isVisible());
}

TEST_F(ViewerTest, WidthChangesKeepTheReadingPositionAtTheSameBlock) {
  viewer.LoadFromFile(write("long.htm", paragraphs(60)));
  const int block = 30;
  viewer.ScrollToY(viewer.Document().SectionTopY(block) + 3);
  ASSERT_EQ(viewer.GetPositionTag(), block * 65536 + 3);
  const int topBefore = viewer.Document().SectionTopY(block);

  viewer.resize(180, 300);
  EXPECT_GT(viewer.Document().SectionTopY(block), topBefore) << "narrower lines make the blocks taller";
  EXPECT_EQ(viewer.GetPositionTag(), block * 65536 + 3);
  EXPECT_EQ(viewer.GetVScrollPos(), viewer.Document().SectionTopY(block) + 3);

  // A change of height alone lays nothing out again: a block height set by hand stays.
  viewer.Document()[0].ContentHeight += 1000;
  viewer.resize(180, 250);
  EXPECT_GE(viewer.Document()[0].ContentHeight, 1000);
  viewer.resize(200, 250);
  EXPECT_LT(viewer.Document()[0].ContentHeight, 1000);

  // Tags out of range change nothing.
  const int position = viewer.GetVScrollPos();
  viewer.SetPositionTag(-1);
  viewer.SetPositionTag(viewer.Document().Count() * 65536);
  EXPECT_EQ(viewer.GetVScrollPos(), position);
}

TEST_F(ViewerTest, MarginsRelayOutAndKeepThePosition) {
  viewer.LoadFromFile(write("long.htm", paragraphs(60)));
  viewer.ScrollToY(viewer.Document().SectionTopY(20));
  viewer.SetMarginWidth(51);
  viewer.SetMarginWidth(-1);
  EXPECT_EQ(viewer.MarginWidth(), 10);
  viewer.SetMarginWidth(50);
  EXPECT_EQ(viewer.MarginWidth(), 50);
  EXPECT_EQ(viewer.GetPositionTag(), 20 * 65536);
  viewer.SetMarginHeight(0);
  EXPECT_EQ(viewer.MarginHeight(), 0);
}

// A viewer as tall as a long document, as for its whole picture, paints in bands; the
// picture must run on across their seams as a screenful scrolled there shows it.
TEST_F(ViewerTest, ATallViewerShowsWhatAScrolledOneShowsAcrossItsPaintBands) {
  const std::string page = write("tall.htm", paragraphs(400, "<form><input name=q value=top></form>",
                                                         "<form><input name=r value=bottom></form>"));
  viewer.SetScrollBars(ssNone);
  viewer.LoadFromFile(page);
  ASSERT_GT(viewer.DocHeight(), 6000);
  const int seam = 4096;
  viewer.ScrollToY(seam - 150);
  const QImage screenful = viewer.PaintPanel()->grab().toImage();

  viewer.resize(400, viewer.DocHeight() + 2);
  ASSERT_EQ(viewer.GetVScrollPos(), 0);
  const QImage whole = viewer.PaintPanel()->grab().toImage();
  ASSERT_EQ(whole.width(), screenful.width());
  EXPECT_EQ(whole.copy(0, seam - 150, screenful.width(), screenful.height()), screenful);
  // The edit at the far end is a picture in the tall viewer and a widget in a screenful
  // scrolled there: the two look the same.
  ThtmlViewer small{nullptr, fixedFontEngine()};
  small.setAttribute(Qt::WA_DontShowOnScreen);
  small.SetScrollBars(ssNone);
  small.resize(400, 300);
  small.show();
  small.LoadFromFile(page);
  small.ScrollToY(small.DocHeight());
  const int end = small.GetVScrollPos();
  const QImage last = small.PaintPanel()->grab().toImage();
  EXPECT_EQ(whole.copy(0, end, last.width(), last.height()), last);
}

}  // namespace
}  // namespace tavra::test
