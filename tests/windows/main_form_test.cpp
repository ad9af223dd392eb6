#include "app/main_form.h"

#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/companion_windows.h"
#include "app/core/date_cursor.h"
#include "app/texts_search_dialog.h"
#include "app/core/day_document.h"
#include "app/core/day_state.h"
#include "app/font_dialog.h"
#include "html/qt/viewer.h"
#include "windows/autor.h"
#include "windows/info_windows.h"
#include "platform/codepage.h"
#include "platform/ini_file.h"
#include "platform/message_box.h"
#include "platform/qt/rich_text_box.h"
#include "autostart_entry.h"
#include "common/hang_watchdog.h"
#include "common/message_capture.h"
#include "core/core_test_support.h"

namespace tavra {
namespace {

// Waits, processing events, until `done` holds or the time is up.
bool waitUntil(const std::function<bool()>& done, int ms = 3000) {
  for (int waited = 0; !done(); waited += 10) {
    if (waited >= ms) return false;
    QTest::qWait(10);
  }
  return true;
}

void writeBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes.data(), qint64(bytes.size()));
}

std::string readBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

std::string cp(const char* utf8) { return cp1250::fromUtf8(utf8); }

// A year of day lines that name their own slot, so a test can see which line is shown.
std::string yearFile(const std::string& verse = "Verš") {
  std::string out;
  for (int k = 0; k < 372; ++k) {
    out += "\\pard\\qc\\b Den " + std::to_string(k) + "\\b0\\par\\i " + verse + " \\'e8." + std::to_string(k) + "\\i0\r\n";
  }
  return cp1250::fromUtf8(out);
}

std::string shownSlot(const TMainForm& form) {
  const QString text = form.TextWindow->toPlainText();
  const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Den (\\d+)")).match(text);
  return m.hasMatch() ? m.captured(1).toStdString() : "<none: " + text.toStdString() + ">";
}

// 5 March 1999 is slot 2 * 31 + 4.
constexpr int kTodaySlot = 66;

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    qputenv("TAVRA_TODAY", "1999-03-05");
    qunsetenv("TAVRA_SHORTDATE");
    qunsetenv("TAVRA_LONGTIME");
    dayState() = DayState{};
    dayDocument().DayTexts.clear();
    dayDocument().LoadedYear = 0;
    writeBytes(path("TAVRA99.RTF"), yearFile());
    writeBytes(path("Cteni.js"), cp("[5.3.1999]\r\nCteni1=Jan 3,16\r\nCteni2=Ř 8,28-39\r\nCteni3=Mt 5,1-12\r\n"
                                    "Perikopa=L 15,11-32\r\n\r\n[6.3.1999]\r\nCteni1=Gn 1,1\r\nPerikopa=Mk 4,35-41\r\n"
                                    "\r\n[8.3.1999]\r\nCteni1=Ex 3,1\r\nCteni2=\r\n"));
    writeBytes(path("Info.prg"), "<p>info</p>");
    writeBytes(path("OProgramu.prg"), "<p>program</p>");
  }

  void TearDown() override {
    form_.reset();
    QDir::setCurrent(previousDir_);
    qunsetenv("TAVRA_TODAY");
    qunsetenv("TAVRA_LONGTIME");
  }

  QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
  std::string programFolder() const { return folder_.path().toStdString() + "/"; }

  TMainForm& create(const std::string& firstArgument = {}) {
    form_ = std::make_unique<TMainForm>(programFolder(), firstArgument);
    return *form_;
  }

  TMainForm& showActive(const std::string& firstArgument = {}) {
    TMainForm& form = create(firstArgument);
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    form.TextWindow->setFocus();
    EXPECT_TRUE(waitUntil([&] { return form.TextWindow->hasFocus(); }));
    return form;
  }

  void writeSettings(const std::string& text) { writeBytes(path("Tavra.ini"), cp(text.c_str())); }

  QTemporaryDir folder_;
  QString previousDir_;
  testing::MessageCapture messages_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(MainFormTest, KeysInTheTextBoxStepTheDate) {
  TMainForm& form = showActive();
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot));
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Tavra 5.3.1999"));

  QTest::keyClick(form.TextWindow, Qt::Key_Right);
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot + 1));
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Tavra 6.3.1999"));
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 6));

  QTest::keyClick(form.TextWindow, Qt::Key_Left);
  QTest::keyClick(form.TextWindow, Qt::Key_Left);
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot - 1));

  // A week across the month boundary: 4 March back to 25 February.
  QTest::keyClick(form.TextWindow, Qt::Key_PageUp);
  EXPECT_EQ(shownSlot(form), std::to_string(31 + 24));
  QTest::keyClick(form.TextWindow, Qt::Key_PageDown);
  QTest::keyClick(form.TextWindow, Qt::Key_PageDown);
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot + 6));
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 11));

  QTest::keyClick(form.TextWindow, Qt::Key_Home);
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot));
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Tavra 5.3.1999"));
}

TEST_F(MainFormTest, ShortcutKeysComeBeforeThePickersOwnUseOfThem) {
  TMainForm& form = showActive();
  form.Skoc->setFocus();
  ASSERT_TRUE(waitUntil([&] { return form.Skoc->hasFocus(); }));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot + 1));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 13));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 5));
}

TEST_F(MainFormTest, ToolbarButtonsAndThePickerStepTheDate) {
  TMainForm& form = showActive();
  QTest::mouseClick(form.SpeedButton4, Qt::LeftButton);
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 12));
  QTest::mouseClick(form.SpeedButton2, Qt::LeftButton);
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 11));
  QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 4));
  QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 5));

  form.Skoc->setDate(QDate(1999, 12, 31));
  EXPECT_EQ(shownSlot(form), "371");
  EXPECT_EQ(dateCursor().CursorToDate(), (Date{1999, 12, 31}));
  QTest::mouseClick(form.SpeedButton9, Qt::LeftButton);
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot));

  // Another year: the not-found sentence with the day's date text.
  form.Skoc->setDate(QDate(2001, 1, 5));
  EXPECT_TRUE(form.TextWindow->toPlainText().contains(QStringLiteral("Data na 5.1.2001 nebyla nalezena!")));
  EXPECT_EQ(form.Skoc->minimumDate(), QDate(1901, 1, 1));
  EXPECT_EQ(form.Skoc->maximumDate(), QDate(2099, 12, 31));
}

TEST_F(MainFormTest, ATodayOutside1901To2099ShowsTheNearestDayInTextAndPicker) {
  for (const auto& [today, shown, next] :
       {std::tuple("2100-02-28", QDate(2099, 12, 31), QDate(2099, 1, 1)),
        std::tuple("1900-02-28", QDate(1901, 1, 1), QDate(1901, 1, 2))}) {
    qputenv("TAVRA_TODAY", today);
    TMainForm& form = showActive();
    const QString title = QStringLiteral("Tavra ") + shown.toString(QStringLiteral("d.M.yyyy"));
    EXPECT_EQ(form.Skoc->date(), shown) << today;
    EXPECT_EQ(QApplication::applicationName(), title);
    QTest::keyClick(form.TextWindow, Qt::Key_Right);
    EXPECT_EQ(form.Skoc->date(), next);
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Tavra ") + next.toString(QStringLiteral("d.M.yyyy")));
    QTest::keyClick(form.TextWindow, Qt::Key_Home);
    EXPECT_EQ(form.Skoc->date(), shown);
    EXPECT_EQ(QApplication::applicationName(), title);
  }
  EXPECT_EQ(messages_, std::vector<std::string>{});
}

TEST_F(MainFormTest, AltF4RecordsTodayAndCloses) {
  TMainForm& form = showActive();
  QTest::keyClick(form.TextWindow, Qt::Key_Right);  // another day shown; today is recorded
  QTest::keyClick(form.TextWindow, Qt::Key_F4, Qt::AltModifier);
  EXPECT_TRUE(waitUntil([&] { return !form.isVisible(); }));
  IniFile ini(path("Tavra.ini").toStdString());
  EXPECT_EQ(ini.readString("Hlavni", "Datum", "<none>"), "5.3.1999");
}

TEST_F(MainFormTest, EscClosesWithoutWriting) {
  TMainForm& form = showActive();
  QTest::keyClick(form.TextWindow, Qt::Key_Escape);
  EXPECT_TRUE(waitUntil([&] { return !form.isVisible(); }));
  EXPECT_FALSE(QFile::exists(path("Tavra.ini")));
}

TEST_F(MainFormTest, OpenMenusAndTheFocusedMenuBarOwnTheirKeys) {
  TMainForm& form = showActive();
  QMenuBar* bar = form.menuBar();
  const auto openMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(form.Zobrazit->menuAction()).center());
  ASSERT_TRUE(waitUntil([&] { return openMenu() == form.Zobrazit; }));

  // Arrows move between the menus and within one; the day stays.
  QTest::keyClick(openMenu(), Qt::Key_Right);
  EXPECT_TRUE(waitUntil([&] { return openMenu() == form.Nastaven1; }));
  QTest::keyClick(openMenu(), Qt::Key_Left);
  EXPECT_TRUE(waitUntil([&] { return openMenu() == form.Zobrazit; }));
  QTest::keyClick(openMenu(), Qt::Key_Home);
  EXPECT_EQ(form.Zobrazit->activeAction(), form.Den2);
  QTest::keyClick(openMenu(), Qt::Key_Down);
  EXPECT_EQ(form.Zobrazit->activeAction(), form.Tden1);
  QTest::keyClick(openMenu(), Qt::Key_PageUp);
  QTest::keyClick(openMenu(), Qt::Key_PageDown);
  EXPECT_EQ(openMenu(), form.Zobrazit);
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot));

  // Esc closes the menu and leaves the bar with the keyboard; there Right walks the bar.
  QTest::keyClick(openMenu(), Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([&] { return openMenu() == nullptr && QApplication::focusWidget() == bar; }));
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(bar->activeAction(), form.Nastaven1->menuAction());
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot));

  // A second Esc only leaves the bar; Tavra stays open and nothing is written.
  QTest::keyClick(bar, Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([&] { return form.TextWindow->hasFocus(); }));
  QTest::qWait(50);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot));

  // Only now are the keys the window's again.
  QTest::keyClick(form.TextWindow, Qt::Key_Right);
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot + 1));
  QTest::keyClick(form.TextWindow, Qt::Key_Escape);
  EXPECT_TRUE(waitUntil([&] { return !form.isVisible(); }));
  EXPECT_FALSE(QFile::exists(path("Tavra.ini")));
}

TEST_F(MainFormTest, StartWithLowerCaseAClosesWhenAlreadyLeftToday) {
  writeSettings("[Hlavni]\r\nDatum=5.3.1999\r\n");
  TMainForm& form = create("a");
  form.show();
  EXPECT_TRUE(waitUntil([&] { return !form.isVisible(); }));
}

TEST_F(MainFormTest, StartWithOtherArgumentsOrAnotherSavedDateStays) {
  writeSettings("[Hlavni]\r\nDatum=5.3.1999\r\n");
  for (const std::string argument : {"A", "", "ab"}) {
    TMainForm& form = create(argument);
    form.show();
    QTest::qWait(100);
    EXPECT_TRUE(form.isVisible()) << argument;
  }
  writeSettings("[Hlavni]\r\nDatum=4.3.1999\r\n");
  TMainForm& form = create("a");
  form.show();
  QTest::qWait(100);
  EXPECT_TRUE(form.isVisible());
}

TEST_F(MainFormTest, ReadingCommandsFollowTheDaysSection) {
  TMainForm& form = showActive();
  const auto enabled = [&] {
    return std::vector<bool>{form.Cist1->isEnabled(), form.Cist2->isEnabled(), form.Cist3->isEnabled(),
                             form.Perikop->isEnabled(), form.CteniN1->isEnabled(), form.CteniN2->isEnabled(),
                             form.CteniN3->isEnabled(), form.Perikop2->isEnabled()};
  };
  EXPECT_EQ(enabled(), std::vector<bool>(8, true));

  form.Den2Click();  // 6.3.: first reading and pericope only
  EXPECT_EQ(enabled(), (std::vector<bool>{true, false, false, true, true, false, false, true}));

  form.Den2Click();  // 7.3.: no section at all
  EXPECT_EQ(enabled(), std::vector<bool>(8, false));
  EXPECT_EQ(form.Cist1->toolTip(), QStringLiteral("První čtení na 7.3.1999"));
  EXPECT_EQ(form.Cist2->toolTip(), QStringLiteral("Druhé čtení na 7.3.1999"));
  EXPECT_EQ(form.Cist3->toolTip(), QStringLiteral("Třetí čtení na 7.3.1999"));
  EXPECT_EQ(form.Perikop->toolTip(), QStringLiteral("Perikopa na 7.3.1999"));
  // Disabled commands do not take their keys either.
  QTest::keyClick(form.TextWindow, Qt::Key_F1, Qt::ControlModifier);
  EXPECT_TRUE(messages_.empty());

  form.Den2Click();  // 8.3.: an empty Cteni2 counts as missing
  EXPECT_EQ(enabled(), (std::vector<bool>{true, false, false, false, true, false, false, false}));
}

TEST_F(MainFormTest, ReadingCommandRunsTheViewerWithTheStoredReference) {
  const QString stub = path("Bible.exe");
  writeBytes(stub, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$(dirname \"$0\")/launched.txt\"\n");
  QFile::setPermissions(stub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  TMainForm& form = showActive();

  QTest::mouseClick(form.Cist1, Qt::LeftButton);
  EXPECT_EQ(readBytes(path("launched.txt")), programFolder() + "Bible.exe\nJan\n3,16\n");
  // The reference's bytes arrive as they stand in the index.
  QTest::keyClick(form.TextWindow, Qt::Key_F2, Qt::ControlModifier);
  EXPECT_EQ(readBytes(path("launched.txt")), programFolder() + "Bible.exe\n" + cp("Ř") + "\n8,28-39\n");
  form.Perikop2->trigger();
  EXPECT_EQ(readBytes(path("launched.txt")), programFolder() + "Bible.exe\nL\n15,11-32\n");
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(form.Exec.ErrNo(), 0);
}

// A folder "w3 dir" beside a program "w3": an unquoted path would start "w3" with the
// arguments "dir/Bible.exe Jan 3,16".
TEST_F(MainFormTest, ViewerInAFolderWithBlanksIsStartedByItsWholePath) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("w3 dir")));
  const std::string folder = programFolder() + "w3 dir/";
  for (const char* name : {"Cteni.js", "Info.prg", "OProgramu.prg"})
    ASSERT_TRUE(QFile::copy(path(name), QString::fromStdString(folder + name)));
  const char* stub = "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$(dirname \"$0\")/launched.txt\"\n";
  for (const std::string& program : {programFolder() + "w3", folder + "Bible.exe"}) {
    writeBytes(QString::fromStdString(program), stub);
    QFile::setPermissions(QString::fromStdString(program), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  form_ = std::make_unique<TMainForm>(folder, std::string());
  form_->show();

  form_->Cist1Click();
  EXPECT_EQ(readBytes(QString::fromStdString(folder + "launched.txt")), folder + "Bible.exe\nJan\n3,16\n");
  EXPECT_FALSE(QFile::exists(path("launched.txt")));
  EXPECT_TRUE(messages_.empty());
}

TEST_F(MainFormTest, MissingViewerIsReported) {
  TMainForm& form = showActive();
  form.Cist3Click();
  form.PerikopClick();
  EXPECT_EQ(messages_, (std::vector<std::string>{"Prohlížeč odkazů není nainstalován.",
                                                 "Prohlížeč perikop není nainstalován."}));
}

TEST_F(MainFormTest, ResizeRewritesTheDayDocumentAndReturnsToTheTop) {
  writeSettings("[Pozice]\r\nOdleva=10\r\nOdshora=10\r\nVyska=160\r\nSirka=300\r\n"
                "[Okno]\r\nFontVelikost=72\r\n");
  TMainForm& form = showActive();
  QScrollBar* bar = form.TextWindow->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  ASSERT_TRUE(QFile::remove(path("TAVRA.TMP")));

  form.resize(320, 220);
  EXPECT_TRUE(waitUntil([&] { return QFile::exists(path("TAVRA.TMP")); }));
  EXPECT_EQ(bar->value(), 0);
  const std::string document = readBytes(path("TAVRA.TMP"));
  EXPECT_EQ(document.substr(0, 11), "{\\rtf1\\ansi");
  EXPECT_NE(document.find("Den 66\\b0"), std::string::npos);
}

TEST_F(MainFormTest, ClockShowsTheTimeInTheLongTimeFormat) {
  qputenv("TAVRA_LONGTIME", "HH-mm-ss");
  TMainForm& form = create();
  EXPECT_TRUE(form.Panel1->text().isEmpty());
  EXPECT_EQ(form.Panel1->size(), QSize(57, 21));
  EXPECT_TRUE(waitUntil([&] { return !form.Panel1->text().isEmpty(); }, 2500));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d-\\d\\d-\\d\\d$")).match(form.Panel1->text()).hasMatch())
      << form.Panel1->text().toStdString();
}

// The clock's name says what it is; screen readers hear its time as the description,
// kept as current as the time shown.
TEST_F(MainFormTest, TheClockTellsScreenReadersItsTime) {
  qputenv("TAVRA_LONGTIME", "HH-mm-ss");
  TMainForm& form = create();
  QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(form.Panel1);
  ASSERT_NE(clock, nullptr);
  ASSERT_TRUE(waitUntil([&] { return !form.Panel1->text().isEmpty(); }, 2500));
  EXPECT_EQ(clock->text(QAccessible::Name), QStringLiteral("Hodiny"));
  EXPECT_EQ(clock->text(QAccessible::Description), form.Panel1->text());
  qputenv("TAVRA_LONGTIME", "HH.mm.ss");
  ASSERT_TRUE(waitUntil([&] { return form.Panel1->text().contains(QLatin1Char('.')); }, 2500));
  EXPECT_EQ(clock->text(QAccessible::Description), form.Panel1->text());
}

TEST_F(MainFormTest, SettingsAreAppliedSavedAndLoadedBack) {
  writeSettings("[Pozice]\r\nOdleva=0x1E\r\nOdshora=40\r\nVyska=300\r\nSirka=600\r\n"
                "[Okno]\r\nBarva=12632256\r\nFontBarva=128\r\nFont=Liberation Sans\r\nFontVelikost=14\r\n");
  {
    TMainForm& form = showActive();
    EXPECT_EQ(form.textBoxColour(), 12632256);
    EXPECT_EQ(form.fontColour(), 128);
    EXPECT_EQ(form.textFont().family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(form.textFont().pointSize(), 14);
    EXPECT_EQ(form.frameGeometry(), QRect(30, 40, 600, 300));
    EXPECT_EQ(form.TextWindow->palette().color(QPalette::Base), QColor(192, 192, 192));

    // The whole text takes the font and its colour; bold and italic parts stay so.
    QTextCursor heading(form.TextWindow->document()->begin());
    heading.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(heading.charFormat().fontFamilies().toStringList(), QStringList{QStringLiteral("Liberation Sans")});
    EXPECT_EQ(heading.charFormat().fontPointSize(), 14);
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor(128, 0, 0));
    EXPECT_EQ(heading.charFormat().fontWeight(), QFont::Bold);
    QTextCursor verse(form.TextWindow->document()->lastBlock());
    verse.movePosition(QTextCursor::EndOfBlock);
    EXPECT_TRUE(verse.charFormat().fontItalic());
    EXPECT_EQ(verse.charFormat().fontPointSize(), 14);
    EXPECT_EQ(form.TextWindow->document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);

    ASSERT_TRUE(QFile::remove(path("Tavra.ini")));
    form.move(50, 60);
    form.Ulonastaven->trigger();
  }
  IniFile ini(path("Tavra.ini").toStdString());
  EXPECT_EQ(ini.readInteger("Okno", "Barva", -1), 12632256);
  EXPECT_EQ(ini.readInteger("Okno", "FontBarva", -1), 128);
  EXPECT_EQ(ini.readString("Okno", "Font", ""), "Liberation Sans");
  EXPECT_EQ(ini.readInteger("Okno", "FontVelikost", -1), 14);
  EXPECT_EQ(ini.readInteger("Pozice", "Odleva", -1), 50);
  EXPECT_EQ(ini.readInteger("Pozice", "Odshora", -1), 60);
  EXPECT_EQ(ini.readInteger("Pozice", "Vyska", -1), 300);
  EXPECT_EQ(ini.readInteger("Pozice", "Sirka", -1), 600);
  EXPECT_EQ(ini.readString("Hlavni", "Datum", "<none>"), "<none>");

  TMainForm& again = create();
  EXPECT_EQ(again.textBoxColour(), 12632256);
  EXPECT_EQ(again.textFont().family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(again.frameGeometry(), QRect(50, 60, 600, 300));
}

TEST_F(MainFormTest, AbsurdSettingsAreKeptWithinTheDesktop) {
  writeSettings("[Pozice]\r\nOdleva=0\r\nOdshora=0\r\nVyska=2000000000\r\nSirka=99999999\r\n"
                "[Okno]\r\nFontVelikost=2000000000\r\n");
  TMainForm& form = create();
  const QSize desktop = form.screen()->virtualSize().expandedTo(QSize(640, 640));
  EXPECT_LE(form.frameGeometry().width(), desktop.width());
  EXPECT_LE(form.frameGeometry().height(), desktop.height());
  EXPECT_GT(form.textFont().pointSize(), 10);
  EXPECT_LE(form.textFont().pointSize(), 1638);
}

TEST_F(MainFormTest, SizesAndPlacesBelowAnyScreenAreClampedAndPainted) {
  writeSettings("[Pozice]\r\nOdleva=-2147483648\r\nOdshora=2147483647\r\nVyska=-2147483647\r\n"
                "Sirka=-2147483648\r\n");
  TMainForm& form = showActive();
  EXPECT_GT(form.width(), 0);
  EXPECT_GT(form.height(), 0);
  // Far beyond the desktop the window stays one desktop's size away, on the side it was
  // (the platform may move it by a few pixels of its frame).
  const QSize desktop = form.screen()->virtualSize().expandedTo(QSize(640, 640));
  EXPECT_NEAR(form.pos().x(), -desktop.width(), 8);
  EXPECT_NEAR(form.pos().y(), desktop.height(), 8);
  // Its paint covers every pixel of it: nothing of the colour laid under shows through.
  QImage shot(form.size(), QImage::Format_RGB32);
  shot.fill(Qt::magenta);
  form.render(&shot);
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) ASSERT_NE(shot.pixel(x, y), QColor(Qt::magenta).rgb()) << x << "," << y;
}

TEST(RichTextBoxLimits, ADocumentShowsAtMostItsParagraphBudget) {
  RichTextBox box;
  std::string rtf = "{\\rtf1\\ansi ";
  for (std::size_t i = 0; i < RichTextBox::MaxParagraphs + 50; ++i) rtf += "p\\par ";
  box.loadRtf(rtf + "}");
  EXPECT_EQ(std::size_t(box.document()->blockCount()), RichTextBox::MaxParagraphs);
  box.loadRtf("{\\rtf1\\ansi a\\par b}");
  EXPECT_EQ(box.document()->blockCount(), 2);
}

TEST_F(MainFormTest, WithoutSettingsTheWindowHasTheDefaultLook) {
  TMainForm& form = create();
  EXPECT_EQ(form.frameGeometry().size(), QSize(556, 260));
  EXPECT_EQ(form.textFont().family(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(form.textFont().pointSize(), 10);
  EXPECT_EQ(form.textBoxColour(), 16777215);
  EXPECT_EQ(form.fontColour(), 0);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Tavra Obce lirovské 1.6"));
}

TEST_F(MainFormTest, ResetRestoresTheLookDeletesTheSettingsAndReturnsToToday) {
  writeSettings("[Pozice]\r\nOdleva=5\r\nOdshora=5\r\nVyska=300\r\nSirka=600\r\n"
                "[Okno]\r\nBarva=255\r\nFontBarva=65280\r\nFont=Liberation Sans\r\nFontVelikost=20\r\n");
  TMainForm& form = showActive();
  form.Tden1Click();
  ASSERT_EQ(form.Skoc->date(), QDate(1999, 3, 12));

  form.Puvnast->trigger();
  EXPECT_FALSE(QFile::exists(path("Tavra.ini")));
  EXPECT_EQ(form.textBoxColour(), 16777215);
  EXPECT_EQ(form.fontColour(), 0);
  EXPECT_EQ(form.textFont().family(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(form.textFont().pointSize(), 10);
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 5));
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot));
  EXPECT_TRUE(waitUntil([&] { return form.frameGeometry().size() == QSize(556, 260); }));
}

TEST_F(MainFormTest, FontAndColourDialogsChangeTheLook) {
  TMainForm& form = showActive();
  QTimer::singleShot(0, &form, [&] {
    form.FontDlg->setFont(QFont(QStringLiteral("Liberation Sans"), 16));
    form.FontDlg->setColour(QColor(0, 0, 255));
    form.FontDlg->accept();
  });
  form.Psmo1->trigger();
  EXPECT_EQ(form.textFont().family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(form.textFont().pointSize(), 16);
  EXPECT_EQ(form.fontColour(), 0xFF0000);
  QTextCursor text(form.TextWindow->document()->begin());
  text.movePosition(QTextCursor::NextCharacter);
  EXPECT_EQ(text.charFormat().fontPointSize(), 16);
  EXPECT_EQ(text.charFormat().foreground().color(), QColor(0, 0, 255));

  QTimer::singleShot(0, &form, [&] {
    form.ColorDialog1->setCurrentColor(QColor(255, 255, 0));
    form.ColorDialog1->accept();
  });
  form.Barvapodkladu1->trigger();
  EXPECT_EQ(form.textBoxColour(), 0x00FFFF);
  EXPECT_EQ(form.TextWindow->palette().color(QPalette::Base), QColor(255, 255, 0));

  // The dialog opens again with the last choice; cancelled, it changes nothing.
  int offeredSize = 0;
  QTimer::singleShot(0, &form, [&] {
    offeredSize = form.FontDlg->font().pointSize();
    form.FontDlg->reject();
  });
  form.Psmo1->trigger();
  EXPECT_EQ(offeredSize, 16);
  EXPECT_EQ(form.textFont().pointSize(), 16);
}

TEST_F(MainFormTest, MissingInformationFilesAreReportedAndTheirCommandsDisabled) {
  QFile::remove(path("Info.prg"));
  QFile::remove(path("OProgramu.prg"));
  TMainForm& form = create();
  EXPECT_EQ(messages_,
            (std::vector<std::string>{"Soubor obsahující informace o Tavrech Obce lirovské nebyl nalezen.",
                                      "Soubor obsahující informace o ovládání a funkcích programu nebyl nalezen."}));
  EXPECT_FALSE(form.OTavrech->isEnabled());
  EXPECT_FALSE(form.Pout1->isEnabled());
  EXPECT_TRUE(form.Autoi1->isEnabled());
}

TEST_F(MainFormTest, AnUnwritableDayDocumentIsReportedAndTheWindowGoesOn) {
  TMainForm& form = showActive();
  const QString tmp = path("TAVRA.TMP");
  QFile::remove(tmp);
  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("TAVRA.TMP")));  // a folder cannot be written as a file
  QTest::keyClick(form.TextWindow, Qt::Key_Right);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_FALSE(messages_[0].empty());
  EXPECT_TRUE(form.isVisible());
  QDir(folder_.path()).rmdir(QStringLiteral("TAVRA.TMP"));
  QTest::keyClick(form.TextWindow, Qt::Key_Right);
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot + 2));
}

TEST_F(MainFormTest, ToolbarHoldsItsControlsInOrder) {
  TMainForm& form = create();
  const QList<QWidget*> expected = {form.ToolButton4, form.SpeedButton1, form.SpeedButton2, form.SpeedButton9,
                                    form.SpeedButton3, form.SpeedButton4, form.ToolButton1, form.Cist1,
                                    form.Cist2, form.Cist3, form.ToolButton2, form.Perikop, form.ToolButton3,
                                    form.Skoc, form.ToolButton6, form.SpeedButton8, form.ToolButton5, form.Panel1};
  form.show();
  int x = -1;
  for (QWidget* w : expected) {
    EXPECT_GT(w->x(), x) << w->objectName().toStdString();
    x = w->x();
  }
  const int separatorWidths[] = {1, 12, 8, 12, 10, 10};
  const QWidget* separators[] = {form.ToolButton4, form.ToolButton1, form.ToolButton2,
                                 form.ToolButton3, form.ToolButton6, form.ToolButton5};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(separators[i]->width(), separatorWidths[i]);
  for (QToolButton* b : {form.SpeedButton1, form.Cist1, form.SpeedButton8}) EXPECT_EQ(b->size(), QSize(23, 21));
  EXPECT_EQ(form.Skoc->width(), 129);
  EXPECT_EQ(form.SpeedButton1->toolTip(), QStringLiteral("O týden zpět"));
  EXPECT_EQ(form.SpeedButton8->toolTip(), QStringLiteral("Ukončit program"));
  EXPECT_EQ(form.Konec2->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
  EXPECT_EQ(form.Perikop2->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
}

}  // namespace
}  // namespace tavra

namespace tavra {
namespace {

TEST_F(MainFormTest, AboutMenuShowsTheCompanionWindowsModally) {
  TMainForm& form = showActive();
  TForm1 form1(&form);
  TOProgramu program(&form);
  TAutor autor(programFolder(), &form);
  form.setCompanionWindows(&form1, &program, &autor);
  EXPECT_TRUE(form.OTavrech->isEnabled());
  EXPECT_TRUE(form.Pout1->isEnabled());

  const std::vector<std::pair<QAction*, QDialog*>> commands = {
      {form.OTavrech, &form1}, {form.Pout1, &program}, {form.Autoi1, &autor}};
  for (const auto& [action, dialog] : commands) {
    QWidget* modal = nullptr;
    QTimer::singleShot(0, &form, [&modal, dialog = dialog] {
      modal = QApplication::activeModalWidget();
      dialog->reject();
    });
    action->trigger();
    EXPECT_EQ(modal, dialog) << action->objectName().toStdString();
    EXPECT_FALSE(dialog->isVisible());
  }
  // The information windows read their documents from the current folder at creation.
  EXPECT_FALSE(form1.html->DocumentFile().empty());
  EXPECT_FALSE(program.html->DocumentFile().empty());
}

// The dialog that `action` shows modally, closed again at once.
QWidget* modalShownBy(QAction* action) {
  QWidget* modal = nullptr;
  QTimer::singleShot(0, action, [&modal] {
    modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
  });
  action->trigger();
  return modal;
}

TEST_F(MainFormTest, CompanionWindowsAreMadeOnceTheFirstPaintIsOver) {
  TMainForm& form = create();
  auto* companions = new CompanionWindows(form, programFolder());
  form.show();
  EXPECT_FALSE(companions->made());  // not on the way to the first paint
  ASSERT_TRUE(waitUntil([&] { return companions->made(); }));
  ASSERT_NE(companions->Form1, nullptr);
  ASSERT_NE(companions->OProgramu, nullptr);
  ASSERT_NE(companions->Autor, nullptr);
  for (QWidget* window : std::initializer_list<QWidget*>{companions->Form1, companions->OProgramu, companions->Autor})
    EXPECT_EQ(window->parent(), &form);
  // Each read its document as it was made, whether or not it is ever shown.
  EXPECT_FALSE(companions->Form1->html->DocumentFile().empty());
  EXPECT_FALSE(companions->OProgramu->html->DocumentFile().empty());
  EXPECT_EQ(modalShownBy(form.Autoi1), companions->Autor);
}

TEST_F(MainFormTest, ACommandBeforeTheFirstPaintMakesTheCompanionWindowsAtOnce) {
  TMainForm& form = create();
  auto* companions = new CompanionWindows(form, programFolder());
  EXPECT_EQ(modalShownBy(form.Pout1), companions->OProgramu);
  EXPECT_NE(companions->OProgramu, nullptr);
  EXPECT_EQ(modalShownBy(form.OTavrech), companions->Form1);
  EXPECT_NE(companions->Form1, nullptr);
  // The first paint that follows makes no second set.
  const QObjectList before = form.children();
  form.show();
  QTest::qWait(50);
  EXPECT_EQ(form.children(), before);
}

TEST_F(MainFormTest, ACompanionWindowThatCouldNotBeBuiltIsReportedInCzech) {
  TMainForm& form = showActive();
  form.setCompanionWindows(nullptr, nullptr, nullptr);
  for (QAction* action : {form.OTavrech, form.Pout1, form.Autoi1}) {
    messages_.clear();
    action->trigger();
    EXPECT_EQ(messages_, std::vector<std::string>{"Toto okno se při spuštění programu nepodařilo vytvořit."})
        << action->objectName().toStdString();
  }
}

TEST_F(MainFormTest, TheStepFromTheLastDayOf2026ShowsThe2027FileAndItsReadings) {
  qputenv("TAVRA_TODAY", "2026-12-31");
  writeBytes(path("TAVRA2026.RTF"), yearFile("Rok 2026"));
  writeBytes(path("TAVRA2027.RTF"), yearFile("Rok 2027"));
  writeBytes(path("Cteni.js"), cp("[31.12.2026]\r\nCteni1=Zj 22,1-5\r\n\r\n[1.1.2027]\r\nCteni1=Gn 1,1\r\n"
                                  "Cteni2=Mt 1,1-17\r\nCteni3=Ž 1\r\nPerikopa=L 2,21\r\n"));
  const QString stub = path("Bible.exe");
  writeBytes(stub, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/launched.txt\"\n");
  QFile::setPermissions(stub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  TMainForm& form = showActive();
  const auto enabled = [&] {
    return std::vector<bool>{form.Cist1->isEnabled(), form.Cist2->isEnabled(), form.Cist3->isEnabled(),
                             form.Perikop->isEnabled()};
  };
  EXPECT_EQ(shownSlot(form), std::to_string(11 * 31 + 30));
  EXPECT_TRUE(form.TextWindow->toPlainText().contains(QStringLiteral("Rok 2026")));
  EXPECT_EQ(enabled(), (std::vector<bool>{true, false, false, false}));

  QTest::keyClick(form.TextWindow, Qt::Key_Right);
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Tavra 1.1.2027"));
  EXPECT_EQ(form.Skoc->date(), QDate(2027, 1, 1));
  EXPECT_EQ(shownSlot(form), "0");
  EXPECT_TRUE(form.TextWindow->toPlainText().contains(QStringLiteral("Rok 2027")));
  EXPECT_EQ(enabled(), std::vector<bool>(4, true));
  form.CteniN3->trigger();
  EXPECT_EQ(readBytes(path("launched.txt")), cp("Ž") + "\n1\n");
  EXPECT_TRUE(messages_.empty());
}

TEST_F(MainFormTest, ACompanionWindowWhoseDocumentCannotBeReadIsLeftOutAndReportedInCzech) {
  // A FIFO in the document's place cannot be read: the window that shows it is not made.
  ASSERT_TRUE(QFile::remove(path("Info.prg")));
  ASSERT_EQ(::mkfifo(path("Info.prg").toLocal8Bit().constData(), 0600), 0);
  TMainForm& form = create();
  auto* companions = new CompanionWindows(form, programFolder());
  {
    testing::HangWatchdog watchdog("a FIFO as the help document Info.prg");
    form.show();
    ASSERT_TRUE(waitUntil([&] { return companions->made(); }));
  }
  EXPECT_EQ(companions->Form1, nullptr);
  EXPECT_NE(companions->OProgramu, nullptr);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].rfind("Okno „O Tavrech OL“ nelze vytvořit", 0), 0u) << messages_[0];
  messages_.clear();
  form.OTavrech->trigger();
  EXPECT_EQ(messages_, std::vector<std::string>{"Toto okno se při spuštění programu nepodařilo vytvořit."});
  EXPECT_EQ(modalShownBy(form.Pout1), companions->OProgramu);
}

// Closes the window it watches as soon as its first paint is over, before anything that
// paint set going.
class CloseAfterPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, static_cast<QWidget*>(watched), &QWidget::close);
    return false;
  }
};

TEST_F(MainFormTest, AWindowClosedRightAfterItsFirstPaintMakesNoCompanions) {
  TMainForm& form = create();
  auto* companions = new CompanionWindows(form, programFolder());
  CloseAfterPaint closer;
  form.installEventFilter(&closer);
  form.show();
  ASSERT_TRUE(waitUntil([&] { return !form.isVisible(); }));
  form.removeEventFilter(&closer);
  QTest::qWait(50);
  EXPECT_FALSE(companions->made());
  EXPECT_EQ(companions->Form1, nullptr);
}

TEST_F(MainFormTest, EveryControlOfTheMainWindowHasAName) {
  TMainForm& form = showActive();
  const QString date = QStringLiteral("5.3.1999");
  const std::vector<std::pair<QWidget*, QString>> expected = {
      {form.SpeedButton1, QStringLiteral("O týden zpět")},
      {form.SpeedButton2, QStringLiteral("Včera")},
      {form.SpeedButton9, QStringLiteral("Dnes")},
      {form.SpeedButton3, QStringLiteral("Zítra")},
      {form.SpeedButton4, QStringLiteral("O týden dopředu")},
      {form.Cist1, QStringLiteral("První čtení na ") + date},
      {form.Cist2, QStringLiteral("Druhé čtení na ") + date},
      {form.Cist3, QStringLiteral("Třetí čtení na ") + date},
      {form.Perikop, QStringLiteral("Perikopa na ") + date},
      {form.SpeedButton8, QStringLiteral("Ukončit program")},
      {form.Skoc, QStringLiteral("Přejít na konkrétní datum")},
      {form.Panel1, QStringLiteral("Hodiny")},
      {form.TextWindow, QStringLiteral("Texty dne")}};
  for (const auto& [widget, name] : expected) {
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->text(QAccessible::Name), name) << widget->objectName().toStdString();
  }
  // The hints of the readings follow the day, and so do the names.
  form.SpeedButton3->click();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Cist1)->text(QAccessible::Name),
            QStringLiteral("První čtení na 6.3.1999"));
  const auto buttons = form.Lista->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
  EXPECT_EQ(buttons.size(), 10);
  for (QToolButton* button : buttons)
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), button->toolTip());
}

TEST_F(MainFormTest, TheStartAtLoginItemWritesAValidEntryAndRemovesIt) {
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  const QString entry = config.path() + QStringLiteral("/autostart/tavra.desktop");
  TMainForm& form = showActive();
  ASSERT_EQ(form.Spoustet->text(), QStringLiteral("&Spouštět po přihlášení"));
  ASSERT_EQ(form.Spoustet->parent(), form.Nastaven1);
  ASSERT_TRUE(form.Spoustet->isCheckable());
  emit form.Nastaven1->aboutToShow();
  EXPECT_FALSE(form.Spoustet->isChecked());
  form.Spoustet->trigger();
  EXPECT_TRUE(form.Spoustet->isChecked());
  ASSERT_TRUE(QFile::exists(entry));
  const test::DesktopCheck check = test::validateDesktopEntry(entry);
  EXPECT_EQ(check.exitCode, 0) << check.output;
  EXPECT_EQ(test::execArguments(entry),
            (std::vector<std::string>{QCoreApplication::applicationFilePath().toStdString(), "a"}));
  // The mark follows the entry when it goes outside the program.
  QFile::remove(entry);
  emit form.Nastaven1->aboutToShow();
  EXPECT_FALSE(form.Spoustet->isChecked());
  form.Spoustet->trigger();
  ASSERT_TRUE(QFile::exists(entry));
  form.Spoustet->trigger();
  EXPECT_FALSE(form.Spoustet->isChecked());
  EXPECT_FALSE(QFile::exists(entry));
  EXPECT_TRUE(messages_.empty());
  qunsetenv("XDG_CONFIG_HOME");
}


TEST_F(MainFormTest, TheDayMovesOnWhenTheDateChangesWhileTodayIsShown) {
  TMainForm& form = showActive();
  const auto movesTo = [&](const char* today, const QDate& shown) {
    qputenv("TAVRA_TODAY", today);  // the test's clock: midnight, a resume, a clock set anew
    return waitUntil([&] { return form.Skoc->date() == shown; });
  };
  ASSERT_TRUE(movesTo("1999-03-06", QDate(1999, 3, 6)));
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot + 1));
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Tavra 6.3.1999"));
  EXPECT_EQ(form.Cist1->toolTip(), QStringLiteral("První čtení na 6.3.1999"));
  EXPECT_EQ((std::vector<bool>{form.Cist1->isEnabled(), form.Cist2->isEnabled(), form.Perikop->isEnabled()}),
            (std::vector<bool>{true, false, true}));

  // A day the user went to stays, whatever the clock does.
  QTest::keyClick(form.TextWindow, Qt::Key_Left);
  qputenv("TAVRA_TODAY", "1999-03-08");
  QTest::qWait(1500);
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 5));

  // Back on today, a clock set back is followed too.
  QTest::keyClick(form.TextWindow, Qt::Key_Home);
  ASSERT_EQ(form.Skoc->date(), QDate(1999, 3, 8));
  EXPECT_TRUE(movesTo("1999-03-01", QDate(1999, 3, 1)));
  EXPECT_EQ(shownSlot(form), std::to_string(kTodaySlot - 4));
  EXPECT_TRUE(messages_.empty());
}

TEST_F(MainFormTest, AYearAddedFromTheMenuIsImportedAndShownAtOnce) {
  QTemporaryDir elsewhere;
  ASSERT_TRUE(elsewhere.isValid());
  const QString good = elsewhere.filePath(QStringLiteral("hesla2027.xml"));
  const QString bad = elsewhere.filePath(QStringLiteral("vadne.xml"));
  const std::string head = "<?xml version='1.0' encoding='UTF-8'?>\n<!DOCTYPE LOSFILE SYSTEM 'h.dtd' [ ]>\n";
  writeBytes(good, head + "<LOSFILE year='2027'><YEAR><L>Heslo roku</L><SL>Žalm 1,1</SL></YEAR>\n"
                          "<LOSUNG d='1' m='1'><OT><L>Text dne</L></OT><SR><SL>Jan 1,1-5</SL></SR></LOSUNG></LOSFILE>\n");
  writeBytes(bad, head + "<LOSFILE year='2027'>\n<LOSUNG d='1' m='1'><OT><L>a</OT></LOSUNG></LOSFILE>\n");
  const testing::EnvGuard home("HOME", elsewhere.path().toUtf8().constData());  // where the dialog opens
  TMainForm& form = showActive();
  ASSERT_EQ(form.PridatTexty->parent(), form.Tavra);
  const auto pick = [&](const QString& file) {
    QTimer::singleShot(0, &form, [file] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      // The dialog writes the name into its line only while the line has no focus.
      if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
      dialog->selectFile(file);
      static_cast<QDialog*>(dialog)->accept();  // the file dialog's own accept checks the file
    });
    form.PridatTexty->trigger();
  };

  pick(good);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].rfind("Texty roku 2027 jsou přidány: 1 den ze souboru XML.\n\nVarování: 364 dnů nemá", 0), 0u)
      << messages_[0];
  EXPECT_TRUE(QFile::exists(path("TAVRA2027.RTF")));
  // Today lies in another year: the new one is shown from its first day, with its reading.
  EXPECT_EQ(form.Skoc->date(), QDate(2027, 1, 1));
  EXPECT_TRUE(form.TextWindow->toPlainText().contains(QStringLiteral("Heslo na rok 2027\nHeslo roku")))
      << form.TextWindow->toPlainText().toStdString();
  EXPECT_TRUE(form.Cist1->isEnabled());
  // The shown year imported again is read anew.
  messages_.clear();
  writeBytes(good, readBytes(good).replace(readBytes(good).find("Text dne"), 8, "Nový text"));
  pick(good);
  EXPECT_TRUE(form.TextWindow->toPlainText().contains(QStringLiteral("Nový text")));

  // A faulty file writes nothing, names the place, and the window stays where it is.
  messages_.clear();
  const std::string year = readBytes(path("TAVRA2027.RTF"));
  pick(bad);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].rfind("Texty nebyly přidány, nic nebylo zapsáno.\n\n" + bad.toStdString() +
                                   ", řádek 4, sloupec 31: soubor není platné XML: koncová značka",
                               0),
            0u)
      << messages_[0];
  EXPECT_EQ(readBytes(path("TAVRA2027.RTF")), year);
  EXPECT_EQ(form.Skoc->date(), QDate(2027, 1, 1));
}

}  // namespace
}  // namespace tavra

namespace tavra {
namespace {

// Ctrl+F, the words, Enter; the days found listed by date; Enter on one shows it. The
// index goes to a cache folder of the test's own.
TEST_F(MainFormTest, SearchingTheTextsListsTheDaysAndShowsTheOneChosen) {
  const QTemporaryDir cache;
  qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
  std::string year = yearFile();
  const std::string slot = cp1250::fromUtf8("\\b Den 69\\b0\\par\\i Verš \\'e8.69\\i0");
  year.replace(year.find(slot), slot.size(),
               cp1250::fromUtf8("\\b Den 69\\b0\\par\\par Hospodin jest můj pastýř.\\line\\i Žalm 23,1\\i0"));
  writeBytes(path("TAVRA99.RTF"), year);
  TMainForm& form = showActive();
  ASSERT_EQ(shownSlot(form), std::to_string(kTodaySlot));
  std::vector<QString> listed;
  QString status;
  QTimer::singleShot(0, [&] {
    auto* dialog = form.findChild<TextsSearchDialog*>(QStringLiteral("SearchDlg"));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(waitUntil([&] { return dialog->isVisible(); }));
    EXPECT_TRUE(waitUntil([&] { return QApplication::focusWidget() == dialog->field(); }));
    QTest::keyClicks(dialog->field(), QStringLiteral("PASTYR"));
    QTest::keyClick(dialog->field(), Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return !dialog->busy() && dialog->days()->count() > 0; }, 20000));
    status = dialog->status()->text();
    for (int row = 0; row < dialog->days()->count(); ++row) listed.push_back(dialog->days()->item(row)->text());
    QTest::keyClick(dialog->days(), Qt::Key_Return);
  });
  QTest::keyClick(form.TextWindow, Qt::Key_F, Qt::ControlModifier);
  qunsetenv("XDG_CACHE_HOME");
  EXPECT_EQ(status, QStringLiteral("Nalezeno: 1 den."));
  EXPECT_EQ(listed, std::vector<QString>{QStringLiteral("8.3.1999 – Hospodin jest můj pastýř.")});
  EXPECT_EQ(shownSlot(form), "69");
  EXPECT_EQ(form.Skoc->date(), QDate(1999, 3, 8));
}

}  // namespace
}  // namespace tavra
