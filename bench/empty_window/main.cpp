// The yardstick of start-up: an empty Qt window started like `tavra --screenshot FILE
// --startup-probe`. It shows a plain widget, writes what its first paint left to FILE and exits.
// Writing the PNG costs time by the pixel, so the benchmark gives the program's window size.
//
//   empty_window FILE [WIDTH HEIGHT]     default 640 x 480
#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include "../first_paint_picture.h"

int main(int argc, char** argv) {
  const int width = argc == 4 ? std::atoi(argv[2]) : 640;
  const int height = argc == 4 ? std::atoi(argv[3]) : 480;
  if ((argc != 2 && argc != 4) || width <= 0 || height <= 0 || width > 10000 || height > 10000) {
    std::fprintf(stderr, "usage: empty_window FILE [WIDTH HEIGHT]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QWidget window;
  window.resize(width, height);
  auto* picture = new tavra::bench::FirstPaintPicture(window, QString::fromLocal8Bit(argv[1]));
  window.show();
  QApplication::exec();
  return picture->result;
}
