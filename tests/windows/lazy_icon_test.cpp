#include "platform/qt/lazy_icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavra {
namespace {

// A square picture (16 pixels unless said) with a transparent corner, in `colour`.
QString writePicture(const QTemporaryDir& folder, const char* name, QRgb colour, int size = 16) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(colour);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) image.setPixel(x, y, 0);
  const QString path = folder.filePath(QLatin1String(name));
  EXPECT_TRUE(image.save(path, "PNG"));
  return path;
}

QImage picture(const QIcon& icon, int size, QIcon::Mode mode) { return icon.pixmap(QSize(size, size), mode).toImage(); }

TEST(LazyIcon, DrawsEveryModeAndSizeAsTheIconOfBothFiles) {
  QTemporaryDir folder;
  const QString normal = writePicture(folder, "n.png", 0xFF2040C0);
  const QString disabled = writePicture(folder, "d.png", 0xFF808080);
  QIcon eager;
  eager.addFile(normal, QSize(16, 16), QIcon::Normal);
  eager.addFile(disabled, QSize(16, 16), QIcon::Disabled);
  const QIcon lazy = lazyIcon(normal, disabled, QSize(16, 16));
  EXPECT_FALSE(lazy.isNull());
  for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
    for (int size : {8, 16, 32}) {
      EXPECT_EQ(picture(lazy, size, mode), picture(eager, size, mode)) << "mode " << mode << ", size " << size;
      EXPECT_EQ(lazy.actualSize(QSize(size, size), mode), eager.actualSize(QSize(size, size), mode));
    }
    EXPECT_EQ(lazy.availableSizes(mode), eager.availableSizes(mode));
  }
  QImage drawnLazy(20, 20, QImage::Format_ARGB32), drawnEager(20, 20, QImage::Format_ARGB32);
  drawnLazy.fill(Qt::white), drawnEager.fill(Qt::white);
  {
    QPainter a(&drawnLazy), b(&drawnEager);
    lazy.paint(&a, QRect(2, 2, 16, 16), Qt::AlignCenter, QIcon::Disabled);
    eager.paint(&b, QRect(2, 2, 16, 16), Qt::AlignCenter, QIcon::Disabled);
  }
  EXPECT_EQ(drawnLazy, drawnEager);

  // A window icon: every picture of one file.
  QIcon whole;
  whole.addFile(normal);
  EXPECT_EQ(picture(lazyIcon(normal), 16, QIcon::Normal), picture(whole, 16, QIcon::Normal));
}

TEST(LazyIcon, ReadsEachPictureOnlyWhenItsModeIsFirstDrawn) {
  QTemporaryDir folder;
  const QString normal = writePicture(folder, "n.png", 0xFF2040C0);
  const QString disabled = writePicture(folder, "d.png", 0xFF808080);
  const QIcon lazy = lazyIcon(normal, disabled, QSize(16, 16));
  // Pictures changed after the icon is made, and before it is drawn, are what it draws.
  writePicture(folder, "n.png", 0xFFC02040);
  EXPECT_EQ(picture(lazy, 16, QIcon::Normal).pixel(10, 10), 0xFFC02040u);
  writePicture(folder, "d.png", 0xFF404040);
  EXPECT_EQ(picture(lazy, 16, QIcon::Disabled).pixel(10, 10), 0xFF404040u);
  // Once read, a picture stays.
  writePicture(folder, "n.png", 0xFF00FF00);
  EXPECT_EQ(picture(lazy, 16, QIcon::Normal).pixel(10, 10), 0xFFC02040u);
  // The picture at twice the pixels is read on the first scaled drawing, not before.
  writePicture(folder, "n@2x.png", 0xFF0000FF, 32);
  EXPECT_EQ(picture(lazy, 16, QIcon::Normal).pixel(10, 10), 0xFFC02040u);
  writePicture(folder, "n@2x.png", 0xFFFFFF00, 32);
  EXPECT_EQ(lazy.pixmap(QSize(16, 16), 2.0, QIcon::Normal).toImage().pixel(20, 20), 0xFFFFFF00u);
  EXPECT_EQ(picture(lazy, 16, QIcon::Normal).pixel(10, 10), 0xFFC02040u);
}

// Pixels alone, in the form a pixmap keeps them.
QImage pixels(QImage image) {
  image.setDevicePixelRatio(1.0);
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// On a screen scaled to 200 % the program's pictures come from the artwork drawn at twice
// the pixels, not from the 16-pixel pictures enlarged; at 100 % they are the 16-pixel ones.
TEST(LazyIcon, ScaledScreensTakeThePicturesDrawnAtTwiceThePixels) {
  for (const char* name : {"week_back", "day_back", "today", "day_forward", "week_forward", "reading1",
                           "reading2", "reading3", "pericope", "exit"}) {
    SCOPED_TRACE(name);
    const QString base = QStringLiteral(":/toolbar/") + QLatin1String(name);
    const QIcon icon = lazyIcon(base + QStringLiteral(".png"), base + QStringLiteral("_disabled.png"), QSize(16, 16));
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
      const QString file = base + (mode == QIcon::Disabled ? QStringLiteral("_disabled") : QString());
      const QImage doubled(file + QStringLiteral("@2x.png"));
      ASSERT_EQ(doubled.size(), QSize(32, 32));
      const QPixmap scaled = icon.pixmap(QSize(16, 16), 2.0, mode);
      EXPECT_EQ(scaled.devicePixelRatio(), 2.0);
      EXPECT_EQ(pixels(scaled.toImage()), pixels(doubled));
      const QImage single(file + QStringLiteral(".png"));
      EXPECT_EQ(pixels(icon.pixmap(QSize(16, 16), 1.0, mode).toImage()), pixels(single));
    }
  }
  const QImage window(QStringLiteral(":/tavra_48@2x.png"));
  ASSERT_EQ(window.size(), QSize(96, 96));
  EXPECT_EQ(pixels(lazyIcon(QStringLiteral(":/tavra_48.png")).pixmap(QSize(48, 48), 2.0).toImage()), pixels(window));
}

}  // namespace
}  // namespace tavra
