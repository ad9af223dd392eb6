// Selection by dragging and by double click, auto-scrolling, hover and link clicks.

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

#include "windows/viewer_fixture.h"

namespace tavra::test {
namespace {

TEST_F(ViewerTest, DraggingSelectsAndAClickAfterADragFollowsNoLink) {
  write("b.htm", "<p>Document B</p>");
  std::string a = write("a.htm", "<p>Some words here <a href=\"b.htm\">the link</a> end</p>");
  viewer.LoadFromFile(a);
  const int start = find("Some"), link = find("link");
  ASSERT_GE(start, 0);
  ASSERT_GT(link, start);

  press(pointOf(start));
  drag(pointOf(link));
  release(pointOf(link));
  EXPECT_EQ(viewer.SelStart(), start);
  EXPECT_EQ(viewer.SelEnd(), link);
  EXPECT_EQ(viewer.DocumentFile(), a) << "a drag that ends on a link follows nothing";

  // Backwards from the link, the selection is ordered.
  press(pointOf(link));
  drag(pointOf(start + 5));
  release(pointOf(start + 5));
  EXPECT_EQ(viewer.SelStart(), start + 5);
  EXPECT_EQ(viewer.SelEnd(), link);

  // With selection off nothing is selected, and a plain click follows the link.
  viewer.SetNoSelect(true);
  EXPECT_EQ(viewer.SelStart(), -1);
  click(pointOf(link));
  EXPECT_EQ(viewer.DocumentFile(), folder.file("b.htm"));
}

TEST_F(ViewerTest, DoubleClickSelectsAWordOfWordCharacters) {
  // A Windows-1250 page: 0xE8 is c with caron, 0x8A and 0x9D are S and t with caron (the
  // letters the code page keeps below 192 count like every other letter), 0xD7 is the
  // multiplication sign.
  viewer.LoadFromFile(write("words.htm", "<p>alpha beta-gamma ko\xE8ka \x8A\x9D" "astn\xFD 3\xD7" "4</p>"));
  const int beta = find("beta"), dash = find("-"), cat = find("ko"), lucky = find("\u0160"), times = find("\u00D7");
  doubleClick(pointOf(beta + 1));
  EXPECT_EQ(viewer.SelStart(), beta);
  EXPECT_EQ(viewer.SelEnd(), beta + 4);

  doubleClick(pointOf(cat + 2));
  EXPECT_EQ(viewer.SelStart(), cat);
  EXPECT_EQ(viewer.SelEnd(), cat + 5);

  doubleClick(pointOf(lucky + 3));
  EXPECT_EQ(viewer.SelStart(), lucky);
  EXPECT_EQ(viewer.SelEnd(), lucky + 7);
  EXPECT_EQ(viewer.SelectedText(), u"\u0160\u0165astn\u00FD");
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(&viewer, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Šťastný"));

  doubleClick(pointOf(dash));
  EXPECT_GE(viewer.SelStart(), viewer.SelEnd()) << "a hyphen selects nothing";
  doubleClick(pointOf(times));
  EXPECT_GE(viewer.SelStart(), viewer.SelEnd()) << "a multiplication sign selects nothing";

  // Past the end of the line, the caret would stand on no character of this line.
  doubleClick(QPoint(390, pointOf(beta).y()));
  EXPECT_GE(viewer.SelStart(), viewer.SelEnd());
}

class AutoScroll : public ViewerTest {
 protected:
  // Drags the pointer to `y` above the control and lets go after `holdMs`; answers how
  // far the view moved up.
  int scrollUpWhileHolding(int y, int holdMs) {
    viewer.ScrollToY(3000);
    const int before = viewer.GetVScrollPos();
    const int at = find("Paragraph 50");
    press(pointOf(at));
    drag(QPoint(40, y));
    QTimer::singleShot(holdMs, [this, y] { release(QPoint(40, y)); });
    QTest::qWait(holdMs + 250);
    return before - viewer.GetVScrollPos();
  }
};

TEST_F(AutoScroll, EightLinesAStepFarAboveTheControlOneLineJustAbove) {
  viewer.LoadFromFile(write("long.htm", paragraphs(160)));
  ASSERT_GT(viewer.DocHeight(), 4000);

  int far = scrollUpWhileHolding(-20, 350);
  EXPECT_EQ(far % 128, 0) << far;
  EXPECT_GE(far, 128);
  EXPECT_LE(far, 4 * 128) << "at most one step every 100 ms";
  EXPECT_LT(viewer.SelStart(), viewer.SelEnd()) << "the selection follows the scrolled text";

  int near = scrollUpWhileHolding(-5, 350);
  EXPECT_EQ(near % 16, 0) << near;
  EXPECT_GE(near, 16);
  EXPECT_LE(near, 4 * 16);

  // Back inside the control the scrolling stops by itself.
  viewer.ScrollToY(3000);
  press(pointOf(find("Paragraph 50")));
  drag(QPoint(40, -20));
  drag(QPoint(40, 50));
  QTest::qWait(150);
  EXPECT_EQ(viewer.GetVScrollPos(), 3000);
  release(QPoint(40, 50));
}

TEST_F(ViewerTest, HoverReportsLinksAndSetsTheCursor) {
  std::vector<std::string> covered;
  viewer.OnHotSpotCovered = [&](ThtmlViewer*, const std::string& url) { covered.push_back(url); };
  viewer.LoadFromFile(write("a.htm", "<p>Plain text <a href=\"b.htm\" target=\"main\">linked</a></p>"));
  hover(pointOf(find("linked")));
  EXPECT_EQ(viewer.HoverURL(), "b.htm");
  EXPECT_EQ(viewer.HoverTarget(), "main");
  EXPECT_EQ(viewer.PaintPanel()->cursor().shape(), Qt::BitmapCursor);
  hover(pointOf(find("linked") + 1));
  hover(pointOf(find("Plain")));
  hover(QPoint(300, 250));
  EXPECT_EQ(viewer.PaintPanel()->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(covered, (std::vector<std::string>{"b.htm", ""}));
}

TEST_F(ViewerTest, RightClickReportsTheLinkUnderThePointer) {
  viewer.LoadFromFile(write("a.htm", "<p>Plain <a href=\"b.htm\">linked</a></p>"));
  std::vector<std::string> urls;
  viewer.OnRightClick = [&](ThtmlViewer*, const TRightClickParameters& p) { urls.push_back(p.ClickURL); };
  QTest::mouseClick(viewer.PaintPanel(), Qt::RightButton, Qt::NoModifier, pointOf(find("linked")));
  QTest::mouseClick(viewer.PaintPanel(), Qt::RightButton, Qt::NoModifier, pointOf(find("Plain")));
  EXPECT_EQ(urls, (std::vector<std::string>{"b.htm", ""}));
}

}  // namespace
}  // namespace tavra::test
