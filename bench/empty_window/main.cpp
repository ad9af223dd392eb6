// The yardstick of start-up: an empty Qt window started like `tavra --screenshot FILE
// --startup-probe`. It shows a plain widget, writes what its first paint left to FILE and exits.
// Writing the PNG costs time by the pixel, so the benchmark gives the program's window size.
//
//   empty_window FILE [WIDTH HEIGHT]     default 640 x 480
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class EmptyWindow : public QWidget {
 public:
  EmptyWindow(QString path, int width, int height) : path_(std::move(path)) { resize(width, height); }
  int result = EXIT_FAILURE;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (painted_) return;
    painted_ = true;
    // Take what this paint left once it is over, as the probe of the program does.
    QTimer::singleShot(0, this, [this] {
      QPixmap picture = screen() ? screen()->grabWindow(winId()) : QPixmap();
      if (picture.isNull()) picture = grab();
      if (picture.save(path_, "PNG")) result = EXIT_SUCCESS;
      QApplication::quit();
    });
  }

 private:
  QString path_;
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  const int width = argc == 4 ? std::atoi(argv[2]) : 640;
  const int height = argc == 4 ? std::atoi(argv[3]) : 480;
  if ((argc != 2 && argc != 4) || width <= 0 || height <= 0 || width > 10000 || height > 10000) {
    std::fprintf(stderr, "usage: empty_window FILE [WIDTH HEIGHT]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  EmptyWindow window(QString::fromLocal8Bit(argv[1]), width, height);
  window.show();
  QApplication::exec();
  return window.result;
}
