// The viewer through Qt's accessibility interfaces, as a screen reader takes it, and the
// keyboard's walk through a document's links and form controls.

#include <QAccessible>
#include <QPushButton>
#include <QVBoxLayout>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <vector>

#include "html/forms/forms.h"
#include "html/qt/form_widgets.h"
#include "viewer_fixture.h"

namespace tavra::test {
namespace {

// The offscreen platform has no accessibility bridge, so events are not delivered here;
// what a screen reader asks on hearing one (the focused child, the selection) is.
class ViewerAccessibilityTest : public ViewerTest {
 protected:
  QAccessibleInterface* document() { return QAccessible::queryAccessibleInterface(&viewer); }
  QAccessibleTextInterface* text() { return document()->textInterface(); }
  QString all() { return text()->text(0, text()->characterCount()); }

  // The children of the document with a role.
  std::vector<QAccessibleInterface*> children(QAccessible::Role role) {
    std::vector<QAccessibleInterface*> found;
    for (int i = 0; i < document()->childCount(); ++i)
      if (QAccessibleInterface* c = document()->child(i); c && c->role() == role) found.push_back(c);
    return found;
  }
};

TEST_F(ViewerAccessibilityTest, TheHelpDocumentIsReadWholeWithItsTitleAndLinks) {
  for (const char* name : {"Info.prg", "OProgramu.prg"}) {
    SCOPED_TRACE(name);
    viewer.LoadFromFile(std::string(TAVRA_SAMPLE_DATA) + "/" + name);
    ASSERT_NE(document(), nullptr);
    EXPECT_EQ(document()->role(), QAccessible::Document);
    EXPECT_FALSE(viewer.DocumentTitle().empty());
    EXPECT_EQ(document()->text(QAccessible::Name), QString::fromStdString(viewer.DocumentTitle()));
    ASSERT_NE(text(), nullptr);
    // Every word of every text block, in the order of the blocks, is in the reading.
    const QString reading = all().simplified();
    int from = 0, words = 0;
    for (int i = 0; i < viewer.Document().Count(); ++i) {
      const auto* block = dynamic_cast<const TSection*>(&viewer.Document()[i]);
      if (!block) continue;
      std::u16string plain;
      for (int k = 0; k < int(block->Text.size()); ++k)
        if (!block->IsMarker(k)) plain += block->Text[std::size_t(k)];
      const QString simplified = QString::fromStdU16String(plain).simplified();
      if (simplified.isEmpty()) continue;
      const int at = reading.indexOf(simplified, from);
      ASSERT_GE(at, 0) << simplified.toStdString();
      from = at + int(simplified.size());
      words += int(simplified.split(QLatin1Char(' ')).size());
    }
    EXPECT_GT(words, 100);
    // Each link is a child called by its text, whose press action is offered.
    const auto links = children(QAccessible::Link);
    EXPECT_FALSE(links.empty());
    for (QAccessibleInterface* link : links) {
      EXPECT_FALSE(link->text(QAccessible::Name).isEmpty());
      EXPECT_TRUE(reading.contains(link->text(QAccessible::Name)));
      EXPECT_EQ(link->parent(), document());
      const int index = document()->indexOfChild(link);
      ASSERT_GE(index, 0);
      EXPECT_EQ(document()->child(index), link);
      ASSERT_NE(link->actionInterface(), nullptr);
      EXPECT_TRUE(link->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }
  }
}

TEST_F(ViewerAccessibilityTest, PressingALinkFollowsItAndTheOldLinksGoInvalid) {
  write("b.htm", "<title>Second page</title><p>Arrived</p>");
  viewer.LoadFromFile(write("a.htm", "<title>First</title><p>Go to the <a href=\"b.htm\">next page</a> now</p>"));
  const auto links = children(QAccessible::Link);
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0]->text(QAccessible::Name), QStringLiteral("next page"));
  EXPECT_EQ(links[0]->text(QAccessible::Description), QStringLiteral("b.htm"));
  links[0]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(std::filesystem::path(viewer.DocumentFile()).filename().string(), "b.htm");
  EXPECT_FALSE(links[0]->isValid());
  EXPECT_EQ(document()->text(QAccessible::Name), QStringLiteral("Second page"));
  EXPECT_EQ(all(), QStringLiteral("Arrived\n"));
  EXPECT_EQ(document()->childCount(), 0);
}

TEST_F(ViewerAccessibilityTest, CharactersStandWhereTheyArePaintedAndLinesAreTheLaidOutLines) {
  viewer.LoadFromFile(write("a.htm", "<p>" + std::string(50, 'w') + " tail of <a href=\"x.htm\">the link</a></p>"));
  viewer.grab();
  const QString reading = all();
  const int offset = int(reading.indexOf(QStringLiteral("tail")));
  ASSERT_GT(offset, 0);
  // The second line starts at "tail": the word of 50 characters fills the first alone.
  int start = 0, end = 0;
  EXPECT_EQ(text()->textAtOffset(offset + 2, QAccessible::LineBoundary, &start, &end),
            QStringLiteral("tail of the link\n"));
  EXPECT_EQ(start, offset);
  EXPECT_EQ(text()->textBeforeOffset(offset + 2, QAccessible::LineBoundary, &start, &end),
            QString(50, QLatin1Char('w')) + QLatin1Char(' '));
  const QRect rect = text()->characterRect(offset + 1);
  const QPoint painted = viewer.PaintPanel()->mapToGlobal(pointOf(find("tail") + 1));
  EXPECT_TRUE(rect.contains(painted)) << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
  EXPECT_EQ(text()->offsetAtPoint(rect.topLeft() + QPoint(1, rect.height() / 2)), offset + 1);
  const auto links = children(QAccessible::Link);
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0]->rect().topLeft(), text()->characterRect(int(reading.indexOf(QStringLiteral("the link")))).topLeft());
  // A selection made through the interface is the viewer's selection.
  text()->setSelection(0, offset, offset + 4);
  EXPECT_EQ(QString::fromStdU16String(viewer.SelectedText()), QStringLiteral("tail"));
  int s = 0, e = 0;
  text()->selection(0, &s, &e);
  EXPECT_EQ(s, offset);
  EXPECT_EQ(e, offset + 4);
  EXPECT_EQ(text()->cursorPosition(), offset + 4);
}

TEST_F(ViewerAccessibilityTest, AMouseSelectionIsTheTextInterfacesSelection) {
  viewer.LoadFromFile(write("a.htm", "<ul><li>select these words</ul>"));
  doubleClick(pointOf(find("these")));
  ASSERT_EQ(QString::fromStdU16String(viewer.SelectedText()), QStringLiteral("these"));
  ASSERT_EQ(text()->selectionCount(), 1);
  int start = 0, end = 0;
  text()->selection(0, &start, &end);
  EXPECT_EQ(text()->text(start, end), QStringLiteral("these"));
}

TEST_F(ViewerAccessibilityTest, TextAfterAnOffsetIsTheNextLaidOutLine) {
  viewer.LoadFromFile(
      write("a.htm", "<p>" + std::string(50, 'w') + " tail of <a href=\"x.htm\">the link</a></p><p>next</p>"));
  const QString reading = all();
  const int tail = int(reading.indexOf(QStringLiteral("tail"))), next = int(reading.indexOf(QStringLiteral("next")));
  const struct {
    int offset;
    QString line;
    int start;
  } cases[] = {
      {3, QStringLiteral("tail of the link\n"), tail},
      {tail + 5, QStringLiteral("next\n"), next},
      {next + 1, QString(), -1},
  };
  for (const auto& c : cases) {
    int start = 0, end = 0;
    EXPECT_EQ(text()->textAfterOffset(c.offset, QAccessible::LineBoundary, &start, &end), c.line) << c.offset;
    EXPECT_EQ(start, c.start) << c.offset;
    EXPECT_EQ(end, c.start < 0 ? -1 : c.start + int(c.line.size())) << c.offset;
  }
}

// The reading follows a new layout: other lines, links where they are painted now.
TEST_F(ViewerAccessibilityTest, ANewLayoutIsReadAsLaidOut) {
  viewer.LoadFromFile(write("a.htm", "<p>" + std::string(15, 'w') + " " + std::string(15, 'v') +
                                         " <a href=\"x.htm\">link</a></p>"));
  const QString reading = all();
  const int link = int(reading.indexOf(QStringLiteral("link")));
  int start = 0, end = 0;
  EXPECT_EQ(text()->textAtOffset(link, QAccessible::LineBoundary, &start, &end), reading);
  viewer.resize(250, 300);
  EXPECT_EQ(text()->textAtOffset(link, QAccessible::LineBoundary, &start, &end),
            QString(15, QLatin1Char('v')) + QStringLiteral(" link\n"));
  const auto links = children(QAccessible::Link);
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0]->rect().topLeft(), text()->characterRect(link).topLeft());
  EXPECT_EQ(text()->characterRect(link).topLeft(),
            viewer.PaintPanel()->mapToGlobal(pointOf(find("link")) - QPoint(2, 6)));
}

// The links of a new document are children of their own, not those of the old one.
TEST_F(ViewerAccessibilityTest, TheLinksOfANewDocumentAreItsOwn) {
  viewer.LoadFromFile(write("a.htm", "<p><a href=\"x.htm\">old</a></p>"));
  QAccessibleInterface* old = document()->child(0);
  ASSERT_NE(old, nullptr);
  viewer.LoadFromFile(write("b.htm", "<p><a href=\"y.htm\">new</a></p>"));
  QAccessibleInterface* link = document()->child(0);
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->isValid());
  EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("new"));
}

// A form control far below has no widget, so no child, until the view comes near it.
TEST_F(ViewerAccessibilityTest, AWidgetMadeForAControlJoinsTheChildren) {
  viewer.LoadFromFile(write("a.htm", paragraphs(80, "<p><a href=\"x.htm\">top</a></p>", "<form><input name=q></form>")));
  ASSERT_EQ(document()->childCount(), 1);
  key(Qt::Key_End);
  ASSERT_EQ(document()->childCount(), 2);
  QWidget* input = formWidgetOf(dynamic_cast<TFormControlObj*>(viewer.Document().FormControls.at(0))->GetControl());
  ASSERT_NE(input, nullptr);
  EXPECT_EQ(document()->child(1), QAccessible::queryAccessibleInterface(input));
}

// What a screen reader hears: the platform's accessibility is on, as its bridge turns it
// on, and each event of the viewer is written down as it would reach the bridge.
class ViewerAnnouncementsTest : public ViewerAccessibilityTest {
 protected:
  ViewerAnnouncementsTest() {
    heard().clear();
    platform()->setActive(true);
    QAccessible::installUpdateHandler(&record);
  }
  ~ViewerAnnouncementsTest() override {
    QAccessible::installUpdateHandler(nullptr);
    platform()->setActive(false);
  }

  static QPlatformAccessibility* platform() { return QGuiApplicationPrivate::platformIntegration()->accessibility(); }
  static std::vector<std::string>& heard() {
    static std::vector<std::string> events;
    return events;
  }
  // The viewer's own events; the focus of the viewer as a whole is the toolkit's to tell.
  static void record(QAccessibleEvent* event) {
    if (!qobject_cast<ThtmlViewer*>(event->object())) return;
    switch (event->type()) {
      case QAccessible::NameChanged: heard().push_back("name"); break;
      case QAccessible::TextUpdated: {
        const auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
        heard().push_back("text -" + update->textRemoved().toStdString() + " +" + update->textInserted().toStdString());
        break;
      }
      case QAccessible::Focus:
        if (event->child() >= 0) heard().push_back("focus " + std::to_string(event->child()));
        break;
      case QAccessible::TextCaretMoved:
        heard().push_back("caret " + std::to_string(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition()));
        break;
      case QAccessible::TextSelectionChanged: {
        const auto* selection = static_cast<QAccessibleTextSelectionEvent*>(event);
        heard().push_back("selection " + std::to_string(selection->selectionStart()) + "-" +
                          std::to_string(selection->selectionEnd()));
        break;
      }
      default: break;
    }
  }
};

TEST_F(ViewerAnnouncementsTest, EveryChangeIsAnnouncedOnce) {
  const std::string first = write("a.htm", "<title>A</title><p>One <a href=\"b.htm\">two</a> <a href=\"c.htm\">3</a></p>");
  const std::string second = write("b.htm", "<p>Three</p>");
  const struct {
    const char* what;
    std::function<void()> act;
    std::vector<std::string> heard;
  } steps[] = {
      {"a document loaded", [&] { viewer.LoadFromFile(first); }, {"name", "text - +One two 3\n"}},
      {"text selected", [&] { text()->setSelection(0, 1, 3); }, {"caret 3", "selection 1-3"}},
      {"the same selection again", [&] { text()->setSelection(0, 1, 3); }, {}},
      {"the caret moved", [&] { text()->setCursorPosition(2); }, {"caret 2", "selection 1-3"}},
      {"the keyboard at a link", [&] { viewer.SetFocusStop(1); }, {"focus 1"}},
      {"another document", [&] { viewer.LoadFromFile(second); }, {"name", "text -One two 3\n +Three\n"}},
      {"the viewer cleared", [&] { viewer.Clear(); }, {"name", "text -Three\n +"}},
  };
  for (const auto& step : steps) {
    heard().clear();
    step.act();
    EXPECT_EQ(heard(), step.heard) << step.what;
  }
}

// A window with a button before and after the viewer, shown and active.
class KeyboardWalkTest : public ViewerAccessibilityTest {
 protected:
  KeyboardWalkTest() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(before);
    viewer.setParent(&window);
    viewer.setAttribute(Qt::WA_DontShowOnScreen, false);
    layout->addWidget(&viewer);
    layout->addWidget(after);
    window.resize(420, 200);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  ~KeyboardWalkTest() override { viewer.setParent(nullptr); }

  void tab(bool back = false) {
    QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                    back ? Qt::ShiftModifier : Qt::NoModifier);
    QTest::qWait(1);
  }
  int stopLink() const {
    const auto& stops = viewer.Reading().Stops;
    return viewer.FocusStop() < 0 ? -2 : stops[std::size_t(viewer.FocusStop())].Link;
  }

  QWidget window;
  QPushButton* before = new QPushButton(QStringLiteral("before"));
  QPushButton* after = new QPushButton(QStringLiteral("after"));
};

TEST_F(KeyboardWalkTest, TabWalksLinksAndControlsInOrderThenLeavesTheDocument) {
  viewer.LoadFromFile(write("a.htm", paragraphs(30,
                                                "<p><a href=\"#one\">first</a> <form><input name=q></form> "
                                                "<a href=\"b.htm\">second</a></p>",
                                                "<p><a name=one href=\"c.htm\">far below</a></p>")));
  before->setFocus();
  tab();
  ASSERT_TRUE(viewer.hasFocus());
  EXPECT_EQ(viewer.FocusStop(), -1);
  tab();
  EXPECT_EQ(stopLink(), 0);
  QAccessibleInterface* focused = document()->focusChild();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->role(), QAccessible::Link);
  EXPECT_EQ(focused->text(QAccessible::Name), QStringLiteral("first"));
  EXPECT_TRUE(focused->state().focused);
  tab();
  QWidget* input = formWidgetOf(dynamic_cast<TFormControlObj*>(viewer.Document().FormControls.at(0))->GetControl());
  EXPECT_TRUE(input->hasFocus());
  EXPECT_NE(document()->indexOfChild(QAccessible::queryAccessibleInterface(input)), -1);
  tab();
  EXPECT_EQ(stopLink(), 1);
  EXPECT_TRUE(viewer.hasFocus());
  EXPECT_EQ(viewer.GetVScrollPos(), 0);
  // The link far below is scrolled into view with its frame.
  tab();
  EXPECT_EQ(stopLink(), 2);
  EXPECT_GT(viewer.GetVScrollPos(), 0);
  EXPECT_TRUE(viewer.PaintPanel()->rect().contains(viewer.PanelRect(viewer.Reading().Links[2].Rects.at(0))));
  tab(true);
  EXPECT_EQ(stopLink(), 1);
  tab();
  tab();
  EXPECT_TRUE(after->hasFocus());
  EXPECT_EQ(viewer.FocusStop(), -1);
}

TEST_F(KeyboardWalkTest, EnterFollowsTheLinkReachedAndShiftTabFromTheFirstLeavesBackwards) {
  write("b.htm", "<title>B</title><p>there</p>");
  viewer.LoadFromFile(write("a.htm", "<p><a href=\"b.htm\">go</a></p>"));
  viewer.setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return viewer.hasFocus(); }));
  tab();
  ASSERT_EQ(stopLink(), 0);
  // The frame is drawn around the link: its pixels differ from those of the same
  // document without the focus stop.
  const QImage framed = viewer.PaintPanel()->grab().toImage();
  tab(true);
  EXPECT_TRUE(before->hasFocus());
  EXPECT_NE(framed, viewer.PaintPanel()->grab().toImage());
  viewer.setFocus();
  tab();
  QTest::keyClick(&viewer, Qt::Key_Return);
  EXPECT_EQ(viewer.DocumentTitle(), "B");
}

}  // namespace
}  // namespace tavra::test
