#pragma once
// The yardsticks of start-up end as the program's start-up probe does: right after the
// window's first paint, they write what that paint left to a picture file (PNG or BMP, by
// the file's name) and quit.

#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace tavra::bench {

class FirstPaintPicture : public QObject {
 public:
  FirstPaintPicture(QWidget& window, QString path) : QObject(&window), window_(window), path_(std::move(path)) {
    window.installEventFilter(this);
  }
  int result = EXIT_FAILURE;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Paint) {
      window_.removeEventFilter(this);
      // Taken once this paint is over; the grab of the screen does not paint again.
      QTimer::singleShot(0, this, [this] {
        QPixmap picture = window_.screen() ? window_.screen()->grabWindow(window_.winId()) : QPixmap();
        if (picture.isNull()) picture = window_.grab();
        if (picture.save(path_, path_.endsWith(".bmp", Qt::CaseInsensitive) ? "BMP" : "PNG")) result = EXIT_SUCCESS;
        QApplication::quit();
      });
    }
    return false;
  }

 private:
  QWidget& window_;
  QString path_;
};

}  // namespace tavra::bench
