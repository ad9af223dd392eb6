// The author window: its layout, its links and how it closes.
#include "windows/autor.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/qt/painter_canvas.h"
#include "windows/hyper_label.h"
#include "windows/label3d.h"
#include "common/hang_watchdog.h"

namespace tavra {
namespace {

const std::string kSampleFolder = std::string(TAVRA_SAMPLE_DATA) + "/";

TEST(Autor, LayoutOfTheWindow) {
  TAutor autor(kSampleFolder);
  autor.show();
  EXPECT_EQ(autor.windowTitle(), QStringLiteral("Autor programu"));
  EXPECT_EQ(autor.size(), QSize(448, 300));
  EXPECT_EQ(autor.Image1->geometry(), QRect(0, 0, 448, 300));

  EXPECT_EQ(autor.myLabel3d1->pos(), QPoint(8, 8));
  EXPECT_EQ(autor.myLabel3d1->Caption(), "Tavra Obce lirovsk\xE9    verze 1.6");
  EXPECT_EQ(autor.myLabel3d1->AStyle3D(), Raised3d);
  EXPECT_EQ(autor.myLabel3d1->AShadeLeftTop(), 0x00FFFFu);
  EXPECT_FALSE(autor.myLabel3d1->AShadeLTSet());
  EXPECT_EQ(autor.myLabel3d1->Font().color, 0x000080u);
  EXPECT_EQ(autor.myLabel3d1->Font().face.pixelSize(), 24);
  EXPECT_EQ(autor.myLabel3d2->pos(), QPoint(384, 16));
  EXPECT_EQ(autor.myLabel3d2->Caption(), "freeware");
  EXPECT_EQ(autor.myLabel3d2->AStyle3D(), Resit3d);
  EXPECT_EQ(autor.myLabel3d2->Font().face.pixelSize(), 13);

  EXPECT_EQ(autor.Label5->text(), QStringLiteral("Tento program naleznete na internetu:"));
  EXPECT_EQ(autor.Label6->text(), QStringLiteral("Adresa autora programu:"));
  EXPECT_EQ(autor.Label9->text(), QStringLiteral("Telefon:"));
  EXPECT_EQ(autor.Label1->pos(), QPoint(8, 48));
  EXPECT_EQ(autor.Label4->pos(), QPoint(10, 88));
  EXPECT_EQ(autor.Label7->pos(), QPoint(8, 112));
  EXPECT_EQ(autor.Label8->pos(), QPoint(10, 168));
  // The long texts wrap above the next label.
  EXPECT_LE(autor.Label1->geometry().bottom(), 88);
  EXPECT_LE(autor.Label7->geometry().bottom(), 168);
  EXPECT_LE(autor.Label8->geometry().bottom(), 216);

  EXPECT_EQ(autor.HyperLabel3->pos(), QPoint(8, 232));
  EXPECT_EQ(autor.HyperLabel4->pos(), QPoint(8, 248));
  EXPECT_EQ(autor.HyperLabel1->pos(), QPoint(136, 272));
  EXPECT_EQ(autor.HyperLabel2->pos(), QPoint(360, 272));
  const QString webHint = QStringLiteral("Jste-li připojen na internet, zobrazí Váš www prohlížeč tuto stránku.");
  EXPECT_EQ(autor.HyperLabel3->toolTip(), webHint);
  EXPECT_EQ(autor.HyperLabel4->toolTip(), webHint);
  EXPECT_EQ(autor.HyperLabel1->toolTip(), QStringLiteral("Jste-li připojen na internet, spustí se Váš poštovní program."));
  EXPECT_TRUE(autor.HyperLabel2->toolTip().startsWith(QStringLiteral("Jste-li připojen na internet, zobrazí se stránka")));
  for (THyperLabel* link : {autor.HyperLabel1, autor.HyperLabel2, autor.HyperLabel3, autor.HyperLabel4}) {
    EXPECT_TRUE(link->font().bold());
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->FontColor(), 0x800000u);
    EXPECT_TRUE(link->URL().isEmpty());
    EXPECT_LE(link->geometry().right(), 448);
  }
  EXPECT_EQ(autor.OKButton->text(), QStringLiteral("Zavřít"));
  EXPECT_EQ(autor.OKButton->geometry(), QRect(376, 232, 67, 25));
  EXPECT_TRUE(autor.OKButton->isDefault());
}

TEST(Autor, BackgroundPictureOfTheInstallation) {
  TAutor autor(kSampleFolder);
  // Decoded only when the window is first shown; the file was read at creation.
  autor.ensurePolished();
  EXPECT_TRUE(autor.Image1->pixmap().isNull());
  autor.show();
  ASSERT_FALSE(autor.Image1->pixmap().isNull());
  QImage picture = autor.Image1->pixmap().toImage();
  EXPECT_EQ(picture.size(), QSize(448, 300));
  // Soft and light everywhere the texts stand, so they stay readable.
  for (QPoint p : {QPoint(4, 4), QPoint(200, 100), QPoint(20, 290), QPoint(440, 295)})
    EXPECT_GT(qGray(picture.pixel(p)), 190) << p.x() << "," << p.y();

  // The file is read at creation: removed afterwards, it is still shown.
  QTemporaryDir folder;
  ASSERT_TRUE(QFile::copy(QString::fromStdString(kSampleFolder + TAutor::kPictureFile), folder.filePath(TAutor::kPictureFile)));
  TAutor early(folder.path().toStdString() + "/");
  ASSERT_TRUE(QFile::remove(folder.filePath(TAutor::kPictureFile)));
  early.show();
  EXPECT_EQ(early.Image1->pixmap().size(), QSize(448, 300));

  TAutor bare("/nonexistent/");
  bare.show();
  EXPECT_TRUE(bare.Image1->pixmap().isNull());

  // A FIFO in the picture's place would block the window's creation for good.
  QTemporaryDir fifoFolder;
  ASSERT_EQ(::mkfifo(fifoFolder.filePath(TAutor::kPictureFile).toLocal8Bit().constData(), 0600), 0);
  tavra::testing::HangWatchdog watchdog("a FIFO as the author's picture");
  TAutor blocked(fifoFolder.path().toStdString() + "/");
  blocked.show();
  EXPECT_TRUE(blocked.Image1->pixmap().isNull());
}

TEST(Autor, TitleTakesTheSizeOfItsTextInScreenFonts) {
  QtFontEngine& screenFonts = toolkitFonts();
  TAutor autor(kSampleFolder);
  autor.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&autor));
  // The title ends before "freeware" begins, and both keep to the window.
  EXPECT_LT(autor.myLabel3d1->geometry().right(), autor.myLabel3d2->x());
  EXPECT_EQ(autor.myLabel3d1->height(), screenFonts.createFont(autor.myLabel3d1->Font().face)->metrics().height);
  EXPECT_LE(autor.myLabel3d2->geometry().right(), 448);
  // The mail link and "Telefon:" stand side by side.
  EXPECT_LT(autor.HyperLabel1->geometry().right(), autor.Label9->x());
  EXPECT_LT(autor.Label6->geometry().right(), autor.HyperLabel1->x());

  // A screenshot for the eye, when asked for.
  QByteArray shot = qgetenv("TAVRA_AUTHOR_SCREENSHOT");
  if (!shot.isEmpty()) {
    EXPECT_TRUE(autor.grab().save(QString::fromLocal8Bit(shot)));
  }
}

TEST(Autor, LinksSetTheirTargetOnClickAndOpenIt) {
  QStringList opened;
  ShellOpenHandler previous = setShellOpenHandler([&](const QString& url) { opened << url; });
  TAutor autor(kSampleFolder);
  autor.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&autor));
  for (THyperLabel* link : {autor.HyperLabel1, autor.HyperLabel2, autor.HyperLabel3, autor.HyperLabel4}) {
    QPoint centre = link->geometry().center();
    QTest::mouseMove(autor.windowHandle(), centre);
    QTest::mouseClick(autor.windowHandle(), Qt::LeftButton, {}, centre);
  }
  setShellOpenHandler(previous);
  ASSERT_EQ(opened.size(), 4) << opened.join(QLatin1Char(' ')).toStdString();
  EXPECT_EQ(opened[0], QStringLiteral("mailto: tomas.sykora@example.org"));
  EXPECT_TRUE(opened[1].startsWith(QStringLiteral("http://")));
  EXPECT_EQ(opened[2], autor.HyperLabel3->text());
  EXPECT_EQ(opened[3], autor.HyperLabel4->text());
  EXPECT_EQ(autor.HyperLabel1->URL(), opened[0]);
}

TEST(Autor, EnterAndEscClose) {
  for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
    TAutor autor(kSampleFolder);
    autor.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&autor));
    EXPECT_TRUE(autor.OKButton->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    EXPECT_FALSE(autor.isVisible()) << key;
    EXPECT_EQ(autor.result(), QDialog::Accepted) << key;
  }
}

}  // namespace
}  // namespace tavra
