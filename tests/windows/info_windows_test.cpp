// The information windows: their layout, the document read from the current folder at
// creation, closing with Enter and Esc, and the reader's place kept between showings.
#include "windows/info_windows.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>

#include "html/qt/viewer.h"
#include "windows/label3d.h"

namespace tavra {
namespace {

// Runs the tests in a fresh current folder, where the windows look for their documents.
class InfoWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
  }
  void TearDown() override { QDir::setCurrent(previous_); }

  void writeDocument(const char* name, int paragraphs) {
    QFile file(folder_.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    std::string html = "<html><body><h1>N\xE1pov\xEC" "da</h1>";  // Windows-1250 bytes
    for (int i = 0; i < paragraphs; ++i) html += "<p>Odstavec " + std::to_string(i) + "</p>";
    html += "</body></html>";
    file.write(html.data(), qint64(html.size()));
  }

  // Opens `dialog` modally and presses `key` on whatever has the focus once it is up.
  static int execPressing(QDialog& dialog, Qt::Key key) {
    QTimer::singleShot(0, &dialog, [&dialog, key] {
      // The keys go to the dialog's focus widget; a window hidden before keeps one too.
      QWidget* focus = QApplication::focusWidget();
      QWidget* target = focus && focus->window() == &dialog ? focus : &dialog;
      QTest::keyClick(target, key);
      // A window that did not close must not hang the test.
      if (dialog.isVisible()) QTimer::singleShot(200, &dialog, [&dialog] { dialog.done(-1); });
    });
    return dialog.exec();
  }

 private:
  QTemporaryDir folder_;
  QString previous_;
};

TEST_F(InfoWindowsTest, WindowsAreLaidOutAsDesigned) {
  TForm1 form1;
  EXPECT_EQ(form1.windowTitle(), QStringLiteral("O Tavrech Obce lirovské"));
  EXPECT_EQ(form1.size(), QSize(540, 352));
  EXPECT_FALSE(form1.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(form1.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(form1.html->geometry(), QRect(0, 0, 540, 313));
  EXPECT_EQ(form1.BitBtn1->geometry(), QRect(232, 320, 75, 25));
  EXPECT_EQ(form1.BitBtn1->text(), QStringLiteral("Zavřít"));
  EXPECT_EQ(form1.html->ScrollBars(), ssVertical);
  EXPECT_EQ(form1.html->HistoryMaxCount(), 0);
  EXPECT_EQ(form1.html->DefFontName(), "Times New Roman");
  EXPECT_EQ(form1.html->DefPreFontName(), "Courier New");
  EXPECT_TRUE(form1.html->ViewImages());
  EXPECT_EQ(form1.BitBtn1->nextInFocusChain(), form1.html);

  TOProgramu program;
  EXPECT_EQ(program.windowTitle(), QStringLiteral("O programu"));
  EXPECT_EQ(program.size(), QSize(521, 402));
  EXPECT_EQ(program.html->geometry(), QRect(0, 56, 521, 346));
  EXPECT_EQ(program.html->ScrollBars(), ssBoth);
  EXPECT_EQ(program.Button1->geometry(), QRect(440, 16, 75, 25));
  EXPECT_EQ(program.Image2->geometry(), QRect(8, 8, 33, 33));
  EXPECT_EQ(program.myLabel3d1->pos(), QPoint(56, 16));
  EXPECT_EQ(program.myLabel3d1->Caption(), "TAVRA Obce lirovsk\xE9 verze 1.6");
  EXPECT_EQ(program.myLabel3d1->AStyle3D(), Resit3d);
  EXPECT_FALSE(program.myLabel3d1->AShadeLTSet());
  EXPECT_EQ(program.myLabel3d1->Font().face.pixelSize(), 25);
  EXPECT_EQ(program.myLabel3d1->Font().color, 0x800000u);
}

TEST_F(InfoWindowsTest, DocumentsComeFromTheCurrentFolderOnceAtCreation) {
  TForm1 empty;  // no file yet: the viewer stays empty, and nothing is said
  EXPECT_TRUE(empty.html->DocumentFile().empty());

  writeDocument("Info.prg", 3);
  writeDocument("OProgramu.prg", 3);
  TForm1 form1;
  TOProgramu program;
  EXPECT_NE(form1.html->DocumentFile().find("Info.prg"), std::string::npos);
  EXPECT_NE(program.html->DocumentFile().find("OProgramu.prg"), std::string::npos);
  EXPECT_GT(form1.html->Document().Count(), 0);
  EXPECT_TRUE(empty.html->DocumentFile().empty());  // read at creation only
}

TEST_F(InfoWindowsTest, DocumentsAreLaidOutWhenFirstShownAsAtCreation) {
  writeDocument("Info.prg", 60);
  TForm1 form1;
  // Read, but not laid out before it is shown: the height is still that of the empty view.
  EXPECT_LT(form1.html->DocHeight(), 20);
  // The same window, its document laid out as it is read.
  TForm1 eager;
  eager.html->SetLayoutWhenFirstShown(false);
  eager.html->Clear();
  eager.html->LoadFromFile("Info.prg");
  const int height = eager.html->DocHeight();
  EXPECT_GT(height, eager.html->height());
  for (TForm1* form : {&form1, &eager}) {
    form->show();
    QApplication::processEvents();
  }
  EXPECT_EQ(form1.html->DocHeight(), height);
  EXPECT_EQ(form1.html->GetVScrollPos(), 0);
  EXPECT_EQ(form1.html->VScrollBar()->isVisible(), eager.html->VScrollBar()->isVisible());
  EXPECT_EQ(form1.html->grab().toImage(), eager.html->grab().toImage());
  // Later loads into the shown viewer are laid out at once.
  writeDocument("Info.prg", 5);
  form1.html->Clear();
  form1.html->LoadFromFile("Info.prg");
  EXPECT_GT(form1.html->DocHeight(), 0);
  EXPECT_LT(form1.html->DocHeight(), height);
}

TEST_F(InfoWindowsTest, EnterAndEscCloseEitherWindow) {
  writeDocument("Info.prg", 3);
  writeDocument("OProgramu.prg", 3);
  TForm1 form1;
  TOProgramu program;
  for (QDialog* dialog : {static_cast<QDialog*>(&form1), static_cast<QDialog*>(&program)}) {
    EXPECT_EQ(execPressing(*dialog, Qt::Key_Return), QDialog::Accepted) << dialog->objectName().toStdString();
    EXPECT_EQ(execPressing(*dialog, Qt::Key_Escape), QDialog::Rejected) << dialog->objectName().toStdString();
    EXPECT_FALSE(dialog->isVisible());
  }
}

TEST_F(InfoWindowsTest, LinksBetweenTheHelpDocumentsOpenTheOtherDocument) {
  writeDocument("Info.prg", 3);
  writeDocument("OProgramu.prg", 3);
  TForm1 form1;
  ASSERT_TRUE(form1.html->OnHotSpotClick);
  bool handled = false;
  form1.html->OnHotSpotClick(form1.html, "#odstavec", handled);
  EXPECT_FALSE(handled);  // anchors in the same document stay with the viewer
  form1.html->OnHotSpotClick(form1.html, "obrazek.gif", handled);
  EXPECT_FALSE(handled);
  form1.html->OnHotSpotClick(form1.html, "OPROGRAMU.PRG#nahore", handled);
  EXPECT_TRUE(handled);
  const std::string shown = form1.html->DocumentFile();
  EXPECT_EQ(shown.substr(shown.size() - 13), "OProgramu.prg");
}

TEST_F(InfoWindowsTest, ReopeningShowsTheDocumentWhereItWasLeft) {
  writeDocument("OProgramu.prg", 200);
  TOProgramu program;
  QTimer::singleShot(0, &program, [&program] {
    program.html->SetVScrollPos(300);
    QTest::keyClick(program.Button1, Qt::Key_Return);
  });
  program.exec();
  ASSERT_EQ(program.html->GetVScrollPos(), 300);
  int seen = -1;
  QTimer::singleShot(0, &program, [&] {
    seen = program.html->GetVScrollPos();
    program.accept();
  });
  program.exec();
  EXPECT_EQ(seen, 300);
}

}  // namespace
}  // namespace tavra
