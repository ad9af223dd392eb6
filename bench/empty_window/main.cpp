// The yardstick of start-up: an empty Qt window started like `tavra --screenshot FILE
// --startup-probe`. It shows a plain widget, grabs it to FILE after its first paint and exits.
//
//   empty_window FILE
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class EmptyWindow : public QWidget {
 public:
  explicit EmptyWindow(QString path) : path_(std::move(path)) { resize(640, 480); }
  int result = EXIT_FAILURE;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (painted_) return;
    painted_ = true;
    // Grab once this paint is over, as the probe of the program does.
    QTimer::singleShot(0, this, [this] {
      if (grab().save(path_, "PNG")) result = EXIT_SUCCESS;
      QApplication::quit();
    });
  }

 private:
  QString path_;
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: empty_window FILE\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  EmptyWindow window(QString::fromLocal8Bit(argv[1]));
  window.show();
  QApplication::exec();
  return window.result;
}
