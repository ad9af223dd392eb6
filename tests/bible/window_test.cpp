// The viewer's window offscreen: the passage drawn by the HTML viewer, the keys, the
// chooser of Bibles and the offer to install one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTest>

#include "bible/bible_window.h"
#include "bible/core/bible_settings.h"
#include "bible_fixture.h"
#include "html/qt/viewer.h"

using namespace tavra::bible;
using namespace tavra::bible::test;

namespace {

// The document's text as the viewer copies it, each run of white space (the lines' ends of
// the layout among them) one blank.
std::string documentText(const BibleWindow& window) {
  std::u16string text;
  window.viewer()->Document().CopySelectedText(0, 1 << 30, text);
  return QString::fromStdU16String(text).simplified().toStdString();
}

int markedCount(const Page& page) { return int(std::count(page.marked.begin(), page.marked.end(), true)); }

class Window : public ::testing::Test {
 protected:
  void open(const std::string& reference, const std::string& module = "") {
    session = std::make_unique<BibleSession>(std::make_unique<BibleLibrary>(), settings);
    session->open(reference, module);
    window = std::make_unique<BibleWindow>(*session);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.get(), Qt::Key(key), modifiers);
  }

  TempHome home;
  IniBibleSettings settings;
  std::unique_ptr<BibleSession> session;
  std::unique_ptr<BibleWindow> window;
};

TEST_F(Window, ShowsThePassageWithItsHeadingAndVerseNumbers) {
  open("Mt 5,1-12", "KJV");
  ASSERT_EQ(window->page().verses.size(), 12u);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Mt 5,1-12 – Bible"));
  const std::string text = documentText(*window);
  EXPECT_EQ(text.find("Mt 5,1-12"), 0u) << text;
  EXPECT_NE(text.find("King James Version (KJV)"), std::string::npos);
  EXPECT_NE(text.find("3 Blessed are the poor in spirit: for theirs is the kingdom of heaven."), std::string::npos)
      << text;
  EXPECT_EQ(text.find("<"), std::string::npos);
  // Drawn: the document surface holds dark text on its white ground.
  const QImage surface = window->viewer()->PaintPanel()->grab().toImage();
  int dark = 0;
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x) dark += qGray(surface.pixel(x, y)) < 96;
  EXPECT_GT(dark, 2000);
  // With no Czech Bible installed, it says so; with no installer, it offers none.
  EXPECT_TRUE(window->notice()->isVisible());
  EXPECT_EQ(window->notice()->text(), QStringLiteral("Není nainstalována žádná česká Bible; text je z Bible „KJV“."));
  EXPECT_FALSE(window->installButton()->isVisible());
  // The chooser shows the Bible's name whole.
  EXPECT_GE(window->chooser()->width(), window->chooser()->sizeHint().width());
}

TEST_F(Window, EscapeCloses) {
  open("J 3,16");
  key(Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(Window, ControlPlusAndMinusChangeTheTextsSizeAndKeepIt) {
  open("J 3,16");
  const int start = window->fontSize();
  key(Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_GT(window->fontSize(), start);
  EXPECT_EQ(window->viewer()->DefFontSize(), window->fontSize());
  EXPECT_EQ(settings.fontSize(0), window->fontSize());
  key(Qt::Key_Minus, Qt::ControlModifier);
  key(Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_LT(window->fontSize(), start);
  key(Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(window->fontSize(), start);
  for (int i = 0; i < 30; ++i) key(Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(window->fontSize(), 48);
}

TEST_F(Window, TheWholeChapterMarksThePassageAndScrollsToIt) {
  open("Mt 5,43-48", "KJV");
  key(Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(window->page().heading, "Matouš 5");
  EXPECT_EQ(window->page().verses.size(), 48u);
  EXPECT_EQ(markedCount(window->page()), 6);
  EXPECT_TRUE(window->page().marked.back());
  EXPECT_FALSE(window->page().marked.front());
  EXPECT_GT(window->viewer()->VScrollBar()->Position, 0);
  key(Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(window->page().heading, "Mt 5,43-48");
  EXPECT_EQ(window->page().verses.size(), 6u);
}

TEST_F(Window, AltArrowsStepThroughTheChapters) {
  open("Mt 5,1-12", "KJV");
  key(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(window->page().heading, "Matouš 6");
  EXPECT_EQ(window->page().verses.size(), 34u);
  EXPECT_EQ(markedCount(window->page()), 0);
  key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(window->page().heading, "Matouš 5");
  EXPECT_EQ(markedCount(window->page()), 12);
  key(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(window->page().heading, "Matouš 4");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Matouš 4 – Bible"));
}

TEST_F(Window, CopiesTheWholePassageOrTheSelectionWithTheReference) {
  open("J 3,16-17", "KJV");
  QApplication::clipboard()->clear();
  key(Qt::Key_C, Qt::ControlModifier);
  const QString whole = QApplication::clipboard()->text();
  EXPECT_TRUE(whole.startsWith(QStringLiteral("J 3,16-17 (KJV)\n16 For God so loved the world,"))) << whole.toStdString();
  EXPECT_TRUE(whole.contains(QStringLiteral("\n17 For God sent not his Son")));
  window->viewer()->SelectWordAt(60, 80);
  const std::u16string word = window->viewer()->SelectedText();
  ASSERT_FALSE(word.empty());
  key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(),
            QStringLiteral("J 3,16-17 (KJV)\n") + QString::fromStdU16String(word));
}

TEST_F(Window, TheChooserChangesTheBibleAndRemembersIt) {
  home.installCzechBible();
  ASSERT_FALSE(HasFatalFailure());
  open("J 3,16");
  ASSERT_NE(window->bible(), nullptr);
  EXPECT_EQ(window->bible()->name, kCzech);
  EXPECT_FALSE(window->notice()->isVisible());
  EXPECT_NE(documentText(*window).find("Neboť tak Bůh miloval svět"), std::string::npos);
  ASSERT_EQ(window->chooser()->count(), 2);
  const int kjv = window->chooser()->findData(QString::fromUtf8(kKjv));
  window->chooser()->setFocus();
  window->chooser()->setCurrentIndex(kjv);
  window->chooseBible(kjv);
  EXPECT_EQ(window->bible()->name, kKjv);
  EXPECT_NE(documentText(*window).find("For God so loved the world"), std::string::npos);
  EXPECT_EQ(settings.bible(), kKjv);
}

TEST_F(Window, TheChooserAnswersTheKeyboard) {
  home.installCzechBible();
  ASSERT_FALSE(HasFatalFailure());
  open("J 3,16");
  ASSERT_EQ(window->chooser()->currentData().toString().toStdString(), kCzech);
  window->chooser()->setFocus();
  QTest::keyClick(window->chooser(), Qt::Key_Down);
  ASSERT_NE(window->bible(), nullptr);
  EXPECT_EQ(window->bible()->name, kKjv);
  EXPECT_NE(documentText(*window).find("For God so loved the world"), std::string::npos);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("J 3,16 – Bible"));
}

TEST_F(Window, APassageNoBibleHoldsOffersTheInstallationAndShowsItAfterwards) {
  open("Tob 1,1");
  EXPECT_TRUE(window->page().verses.empty());
  EXPECT_NE(documentText(*window).find("Bible „KJV“ neobsahuje místo „Tob 1,1“."), std::string::npos);
  EXPECT_FALSE(window->installButton()->isVisible());
  int asked = 0;
  window->setInstaller([&](QWidget* parent) {
    ++asked;
    EXPECT_EQ(parent, window.get());
    return false;  // the user cancelled
  });
  EXPECT_EQ(window->notice()->text(), QStringLiteral("Žádná nainstalovaná Bible toto místo neobsahuje."));
  ASSERT_TRUE(window->installButton()->isVisible());
  QTest::mouseClick(window->installButton(), Qt::LeftButton);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(window->page().verses.empty());
  window->setInstaller([&](QWidget*) {
    home.installCzechBible();
    return true;
  });
  QTest::mouseClick(window->installButton(), Qt::LeftButton);
  ASSERT_EQ(window->page().verses.size(), 1u);
  EXPECT_EQ(window->page().verses[0].text, "Kniha příběhů Tobiáše.");
  EXPECT_EQ(window->chooser()->count(), 2);
  EXPECT_EQ(settings.bible(), kCzech);
  EXPECT_FALSE(window->notice()->isVisible());
}

// Found without its diacritics, shown as a page of the viewer, left by a link and reached
// again with Alt+Left, all by keyboard.
TEST_F(Window, SearchResultsAreAPageWhoseLinksLeadToThePassageAndBack) {
  home.installCzechBible();
  ASSERT_FALSE(HasFatalFailure());
  open("Ž 23,1");
  key(Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(window->searchBar()->isVisible());
  ASSERT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(window->searchBar()->field()));
  QTest::keyClicks(window->searchBar()->field(), QStringLiteral("buh"));
  QTest::keyClick(window->searchBar()->field(), Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return session->showingResults(); }, 20000)) << 
      window->searchBar()->status()->text().toStdString();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Hledání „buh“ – Bible"));
  const std::string text = documentText(*window);
  EXPECT_NE(text.find("Nalezeno: 2 verše v Bibli „TCZ“."), std::string::npos) << text;
  EXPECT_NE(text.find("Gn 1,1 Na počátku stvořil Bůh nebe a zemi."), std::string::npos) << text;
  EXPECT_NE(session->html().find("<B>Bůh</B> miloval"), std::string::npos);

  key(Qt::Key_Escape);  // the search row goes, the window stays
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->searchBar()->isVisible());
  window->viewer()->setFocus();
  QTest::keyClick(window->viewer()->PaintPanel(), Qt::Key_Tab);
  QTest::keyClick(window->viewer()->PaintPanel(), Qt::Key_Tab);
  QTest::keyClick(window->viewer()->PaintPanel(), Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !session->showingResults(); }, 5000));
  EXPECT_EQ(window->page().heading, "J 3,16");
  EXPECT_EQ(window->page().verses.size(), 1u);
  EXPECT_TRUE(window->resultsButton()->isVisible());
  key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_TRUE(session->showingResults());
  EXPECT_FALSE(window->resultsButton()->isVisible());
  EXPECT_NE(documentText(*window).find("Nalezeno: 2 verše"), std::string::npos);
}

TEST_F(Window, AReferenceItCannotReadIsSaidInCzech) {
  open("Xy 1,1");
  EXPECT_NE(documentText(*window).find("Odkazu „Xy 1,1“ nerozumím: neznámá kniha „Xy“."), std::string::npos);
  EXPECT_FALSE(window->notice()->isVisible());
  key(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(window->page().heading, "Xy 1,1");
}

}  // namespace
