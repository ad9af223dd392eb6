// The Bible viewer that Tavra starts for a day's reading: the passage of the reference in
// a window. The options of the command line are described in bible/core/command_line.h;
// without a display the passage goes to standard output as with --text.
//
//   Bible.exe --screenshot FILE [--module NAME] REFERENCE...
//       without a display: writes the window, as its first paint of the passage left it, to
//       FILE (PNG; BMP when FILE ends in .bmp, which costs the same whatever it shows) and
//       exits; for pictures of the viewer and its start-up benchmark.
//   Bible.exe --screenshot FILE [--module NAME] --search QUERY... [--scope ot|nt|BOOK]
//       the same with the page of the search's results.
#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <future>
#include <iostream>
#include <string>
#include <vector>

#include "bible/bible_window.h"
#include "bible/core/command_line.h"
#include "bible/core/search_command.h"
#include "bible/install/install_command.h"
#include "bible/install_dialog.h"
#include "html/qt/viewer.h"
#include "platform/licence.h"
#include "platform/qt/first_paint.h"

using namespace tavra::bible;

namespace {

bool hasDisplay() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.startsWith("offscreen") || platform.startsWith("minimal")) return false;
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !platform.isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string screenshot;
  if (arguments.size() >= 2 && arguments[0] == "--screenshot") {
    screenshot = arguments[1];
    arguments.erase(arguments.begin(), arguments.begin() + 2);
  }
  const CommandLine line = parseCommandLine(arguments);
  if (!line.problem.empty()) {
    std::cerr << line.problem << '\n';
    return 2;
  }
  if (line.help) {
    std::cout << Usage;
    return EXIT_SUCCESS;
  }
  if (line.version) {
    std::cout << "Bible.exe (Tavra) " TAVRA_VERSION "\n" << tavra::kLicenceNotice << "\n";
    return EXIT_SUCCESS;
  }
  if (isInstallCommand(line)) return runInstallCommand(line, std::cout, std::cerr);
  if (line.print) {
    std::printf("%s\n", line.reference.c_str());
    return EXIT_SUCCESS;
  }
  if (line.list) return listBibles(BibleLibrary(), std::cout, std::cerr);
  IniBibleSettings settings;
  if (line.search && screenshot.empty()) return searchCommand(BibleLibrary(), line, settings, std::cout, std::cerr);
  if (screenshot.empty() && (line.text || !hasDisplay()))
    return printPassage(BibleLibrary(), line, settings, std::cout, std::cerr);

  // The modules are found and the passage read while the toolkit starts: the library's
  // work and the toolkit's take about as long, and neither needs the other. The window
  // shows what was read here and does not read it again.
  struct Found {
    std::unique_ptr<BibleLibrary> library;
    Lookup lookup;
  };
  std::future<Found> library = std::async(std::launch::async, [&line, &settings] {
    Found found{std::make_unique<BibleLibrary>(), {}};
    if (!line.search) found.lookup = lookUp(*found.library, line.reference, line.module, settings);
    return found;
  });
  if (!screenshot.empty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::unique_ptr<BibleSession> session;  // outlives the window, which draws it
  BibleWindow window;
  window.setInstaller(runInstallDialog);
  Found found = library.get();
  session = std::make_unique<BibleSession>(std::move(found.library), settings);
  if (line.search) session->searchNow(line.reference, line.module, line.scope);
  else session->open(line.reference, line.module, std::move(found.lookup));
  window.setSession(*session);
  if (line.search) window.openSearch(line.reference);
  int result = EXIT_SUCCESS;
  if (!screenshot.empty()) {
    result = EXIT_FAILURE;
    new tavra::FirstPaint(window.viewer()->PaintPanel(), [&] {
      const QString path = QString::fromLocal8Bit(screenshot.c_str());
      QPixmap picture;
      if (QScreen* screen = window.screen()) picture = screen->grabWindow(window.winId());
      if (picture.isNull()) picture = window.grab();
      const bool shown = !window.page().verses.empty() || session->showingResults();
      if (picture.save(path, path.endsWith(".bmp", Qt::CaseInsensitive) ? "BMP" : "PNG") && shown) result = EXIT_SUCCESS;
      QApplication::quit();
    });
  }
  window.show();
  const int exitCode = QApplication::exec();
  return screenshot.empty() ? exitCode : result;
}
