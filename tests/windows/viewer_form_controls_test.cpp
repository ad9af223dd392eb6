// A document of many form controls in the viewer: widgets only near the view, pictures
// for the others that look like them, and nothing lost for the controls never made real:
// their values submit, radio groups and the keyboard reach them, a click on a picture
// lands on the widget made for it.

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "html/forms/form_controls.h"
#include "html/qt/lazy_form_widgets.h"
#include "viewer_fixture.h"

namespace tavra::test {
namespace {

class ManyControlsTest : public ViewerTest {
 protected:
  ManyControlsTest() {
    viewer.SetOnFormSubmit([this](ThtmlViewer*, const std::string&, const std::string&, const std::string&,
                                  const std::string&, std::vector<std::string>& results) { submitted = results; });
  }

  TFormControlObj* control(std::size_t i) {
    return dynamic_cast<TFormControlObj*>(viewer.Document().FormControls.at(i));
  }
  QWidget* widgetOf(std::size_t i) { return formWidgetOf(control(i)->GetControl()); }
  std::size_t controlCount() { return viewer.Document().FormControls.size(); }
  int realTextAreas() { return int(viewer.PaintPanel()->findChildren<QPlainTextEdit*>().size()); }
  bool submittedHas(const std::string& entry) {
    return std::find(submitted.begin(), submitted.end(), entry) != submitted.end();
  }
  void submitWith(QWidget* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
  }

  std::vector<std::string> submitted;
};

std::string textAreas(int count) {
  std::string html = "<form>";
  for (int i = 0; i < count; ++i) html += "<textarea name=a" + std::to_string(i) + " rows=3 cols=20>text</textarea>\n";
  return html + "<input type=submit name=go></form>";
}

TEST_F(ManyControlsTest, OnlyControlsNearTheViewHaveWidgetsAndTheEndIsReachedAndTyped) {
  viewer.LoadFromFile(write("many.htm", textAreas(2000)));
  viewer.grab();
  ASSERT_EQ(controlCount(), 2001u);
  EXPECT_GT(realTextAreas(), 0);
  EXPECT_LT(realTextAreas(), 100);
  EXPECT_NE(widgetOf(0), nullptr);
  EXPECT_EQ(widgetOf(1999), nullptr);

  key(Qt::Key_End);
  QWidget* last = widgetOf(1999);
  ASSERT_NE(last, nullptr);
  EXPECT_TRUE(last->isVisible());
  EXPECT_TRUE(viewer.PaintPanel()->rect().contains(last->geometry()));
  EXPECT_LT(realTextAreas(), 200);
  QTest::mouseClick(last, Qt::LeftButton);
  QTest::keyClick(last, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(last, "xyz");

  EXPECT_EQ(widgetOf(1000), nullptr);
  submitWith(widgetOf(2000));
  ASSERT_EQ(submitted.size(), 2001u);
  EXPECT_EQ(submitted[1000], "a1000=text");
  EXPECT_EQ(submitted[1999], "a1999=textxyz");
  EXPECT_EQ(submitted[2000], "go=Submit");
}

TEST_F(ManyControlsTest, ScrollingThroughAllControlsKeepsFewWidgetsAndWhatWasTyped) {
  viewer.LoadFromFile(write("many.htm", textAreas(2000)));
  QWidget* first = widgetOf(0);
  ASSERT_NE(first, nullptr);
  QTest::mouseClick(first, Qt::LeftButton);
  QTest::keyClick(first, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(first, "abc");
  viewer.setFocus();
  int most = 0;
  for (int y = 0; y < viewer.DocHeight(); y += viewer.PaintPanel()->height() / 2) {
    viewer.ScrollToY(y);
    most = std::max(most, realTextAreas());
  }
  EXPECT_EQ(widgetOf(0), nullptr) << "far behind, it is a picture again";
  EXPECT_LT(most, 400);
  submitWith(widgetOf(2000));
  ASSERT_EQ(submitted.size(), 2001u);
  EXPECT_EQ(submitted[0], "a0=textabc");

  key(Qt::Key_Home);
  auto* again = qobject_cast<QPlainTextEdit*>(widgetOf(0));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->toPlainText(), QStringLiteral("textabc"));
}

TEST_F(ManyControlsTest, ControlsNeverMadeRealSubmitTheirStateAndKeepTheirRadioGroup) {
  std::string html = "<form><input type=submit name=go> <input type=radio name=r value=near>";
  for (int i = 0; i < 300; ++i) {
    const std::string n = std::to_string(i);
    html += "<p><input name=t" + n + " value=v" + n + "> <input type=checkbox name=c" + n + (i % 2 ? " checked>" : ">") +
            "<select name=s" + n + "><option>one<option selected>two</select>" + "<select name=m" + n +
            " multiple><option value=a selected>A<option value=b>B<option value=c selected>C</select>";
  }
  html += "<input type=radio name=R value=far checked></form>";
  viewer.LoadFromFile(write("mixed.htm", html));
  viewer.grab();
  const std::size_t far = controlCount() - 1;
  ASSERT_EQ(widgetOf(far), nullptr);

  submitWith(widgetOf(0));
  EXPECT_TRUE(submittedHas("R=far"));
  EXPECT_TRUE(submittedHas("t299=v299"));
  EXPECT_TRUE(submittedHas("c299=On"));
  EXPECT_FALSE(submittedHas("c298=On"));
  EXPECT_TRUE(submittedHas("s299=two"));
  EXPECT_TRUE(submittedHas("m299=a"));
  EXPECT_FALSE(submittedHas("m299=b"));
  EXPECT_TRUE(submittedHas("m299=c"));

  // The far button of the same group (names differ only in case) lets go of its mark.
  QTest::mouseClick(widgetOf(1), Qt::LeftButton);
  submitWith(widgetOf(0));
  EXPECT_TRUE(submittedHas("r=near"));
  EXPECT_FALSE(submittedHas("R=far"));
  EXPECT_EQ(widgetOf(far), nullptr);
}

TEST_F(ManyControlsTest, TabReachesAFarControlWhichGetsItsWidgetAndTheFocus) {
  std::string html = "<form>";
  for (int i = 0; i < 120; ++i) html += "<p><input name=e" + std::to_string(i) + ">";
  viewer.hide();
  viewer.setAttribute(Qt::WA_DontShowOnScreen, false);
  viewer.show();
  viewer.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
  viewer.LoadFromFile(write("tab.htm", html + "</form>"));
  viewer.setFocus();
  ASSERT_EQ(widgetOf(119), nullptr);
  for (int i = 0; i < 120; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QWidget* last = widgetOf(119);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(QApplication::focusWidget(), last);
  EXPECT_TRUE(viewer.PaintPanel()->rect().contains(last->geometry()));
}

TEST_F(ManyControlsTest, AViewerTallerThanTheScreenDrawsPicturesAndAClickMakesTheWidget) {
  const int screenHeight = viewer.screen()->geometry().height();
  std::string html = "<form>";
  const int lines = screenHeight / 4;
  for (int i = 0; i < lines; ++i) html += "<input type=checkbox name=c" + std::to_string(i) + "><br>";
  viewer.LoadFromFile(write("tall.htm", html + "</form>"));
  viewer.resize(400, viewer.DocHeight() + 20);
  ASSERT_GT(viewer.PaintPanel()->height(), 2 * screenHeight);
  const std::size_t far = controlCount() - 1;
  ASSERT_EQ(widgetOf(far), nullptr);
  EXPECT_LT(int(viewer.PaintPanel()->findChildren<QCheckBox*>().size()), lines);

  // Its picture shows where the widget would stand.
  const QImage shot = viewer.PaintPanel()->grab().toImage();
  const FormWidget& picture = *control(far)->GetControl();
  const QRect place(picture.Left(), picture.Top(), picture.Width(), picture.Height());
  const QRect atPlace(control(far)->DocLeft + viewer.MarginWidth(), control(far)->DocTop - viewer.GetVScrollPos(),
                      control(far)->Width(), control(far)->Height());
  EXPECT_EQ(place, atPlace);
  const QRgb background = shot.pixel(atPlace.right() + 40, atPlace.center().y());
  int marked = 0;
  for (int y = atPlace.top(); y <= atPlace.bottom(); ++y)
    for (int x = atPlace.left(); x <= atPlace.right(); ++x) marked += shot.pixel(x, y) != background;
  EXPECT_GT(marked, atPlace.width() * atPlace.height() / 4);

  QTest::mouseClick(viewer.PaintPanel(), Qt::LeftButton, Qt::NoModifier, atPlace.center());
  auto* box = qobject_cast<QCheckBox*>(widgetOf(far));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isChecked());
}

}  // namespace
}  // namespace tavra::test
