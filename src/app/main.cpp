// Tavra: the daily Bible texts. Start-up: the application title, the main window, the
// message loop; the program ends when the main window closes.
//
//   tavra [a]                                  "a": close at once if already left today
//   tavra --help | --version
//   tavra --screenshot FILE [--date YYYY-MM-DD] [--window info|program|author] [--startup-probe]
//                                              render a window after start-up to a PNG and exit;
//                                              normally after the clock's first tick, with
//                                              --startup-probe right after the window's first
//                                              paint (the start-up benchmark times that)
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "app/companion_windows.h"
#include "app/core/readings.h"
#include "app/main_form.h"
#include "platform/date_time.h"
#include "platform/file_system.h"
#include "platform/licence.h"
#include "platform/message_box.h"
#include "platform/qt/first_paint.h"
#include "platform/qt/message_box_dialog.h"
#include "platform/user_folder.h"
#include "windows/autor.h"
#include "windows/info_windows.h"

namespace {

struct Options {
  std::string firstArgument;
  std::string screenshot;  // PNG to write; empty for a normal run
  std::string date;        // YYYY-MM-DD shown as today, for screenshots
  std::string window;      // which window the screenshot shows; empty for the main window
  bool startupProbe = false;  // grab at the first paint instead of after the clock's tick
  bool help = false;
  bool version = false;
  std::string error;
};

constexpr const char* kHelp =
    "usage: tavra [a]\n"
    "       tavra --screenshot FILE.png [--date YYYY-MM-DD] [--window info|program|author]\n"
    "       tavra --help | --version\n"
    "\n"
    "Tavra shows the Bible texts set for a chosen day, with the day's readings.\n"
    "\n"
    "  a                  close at once when \"exit once a day\" was already used today\n"
    "  --screenshot FILE  start without a display, write the window as a PNG picture and exit\n"
    "  --date DATE        with --screenshot: show DATE as today\n"
    "  --window WHICH     with --screenshot: the information window (info), the one about\n"
    "                     the program (program) or the author window (author)\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n"
    "\n"
    "Files: Tavra.ini (settings), Cteni.js (readings), TAVRA<year>.RTF (texts). A portable\n"
    "Tavra keeps them beside the program; an installed one in $XDG_DATA_HOME/tavra\n"
    "(~/.local/share/tavra), where the shared files appear as links and a file of the\n"
    "user's own takes the place of a shared one of the same name.\n";

bool isIsoDate(const std::string& text) {
  int year = 0;
  int month = 0;
  int day = 0;
  char tail = 0;
  if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3) return false;
  return tavra::isValidDate(year, month, day);
}

Options readOptions(int argc, char** argv) {
  Options options;
  if (argc > 1) options.firstArgument = argv[1];
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--screenshot" || arg == "--date" || arg == "--window") && i + 1 >= argc) {
      options.error = arg + " needs a value";
      break;
    }
    if (arg == "--screenshot") {
      options.screenshot = argv[++i];
    } else if (arg == "--date") {
      options.date = argv[++i];
      if (!isIsoDate(options.date)) options.error = "--date wants a date as YYYY-MM-DD, not " + options.date;
    } else if (arg == "--window") {
      options.window = argv[++i];
      if (options.window != "info" && options.window != "program" && options.window != "author")
        options.error = "--window is one of info, program, author, not " + options.window;
    } else if (arg == "--startup-probe") {
      options.startupProbe = true;
    } else if (arg == "--help") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      options.error = "unknown option " + arg + " (see tavra --help)";
      break;
    }
  }
  if ((!options.date.empty() || !options.window.empty() || options.startupProbe) && options.screenshot.empty())
    options.error = "--date, --window and --startup-probe are for --screenshot";
  return options;
}

// The window as its first paint left it. The probe must not paint again: a widget grab
// repaints the window and first sends every hidden companion window its pending resize,
// work that a real start-up never does.
QPixmap paintedPicture(QWidget& window) {
  QPixmap picture;
  if (QScreen* screen = window.screen()) picture = screen->grabWindow(window.winId());
  return picture.isNull() ? window.grab() : picture;
}

// Runs the normal start-up and refresh, waits for the clock's first tick (or, for the
// start-up probe, only for the first paint) and writes the chosen window as it looks to `path`.
int renderScreenshot(tavra::TMainForm& form, tavra::CompanionWindows& companions, const std::string& which,
                     const std::string& path, bool startupProbe) {
  int result = EXIT_FAILURE;
  form.show();
  QWidget* shown = &form;
  // A companion window is pictured as the menu shows it: made, as then, before it is shown.
  if (!which.empty()) companions.make();
  if (which == "info") shown = companions.Form1;
  if (which == "program") shown = companions.OProgramu;
  if (which == "author") shown = companions.Autor;
  if (!shown) {
    // Its creation failed and was reported; there is nothing to take a picture of.
    std::fprintf(stderr, "tavra: okno %s nebylo vytvořeno\n", which.c_str());
    return EXIT_FAILURE;
  }
  if (shown != &form) shown->show();
  auto grabAndQuit = [&] {
    const QPixmap picture = startupProbe ? paintedPicture(*shown) : shown->grab();
    if (picture.save(QString::fromLocal8Bit(path.c_str()), "PNG")) {
      result = EXIT_SUCCESS;
    } else {
      std::fprintf(stderr, "tavra: cannot write %s\n", path.c_str());
    }
    QApplication::quit();
  };
  if (startupProbe) {
    new tavra::FirstPaint(shown, grabAndQuit);
  } else {
    QTimer::singleShot(1100, &form, grabAndQuit);
  }
  QApplication::exec();
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  Options options = readOptions(argc, argv);
  if (!options.error.empty()) {
    std::fprintf(stderr, "tavra: %s\n", options.error.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(kHelp, stdout);
    return EXIT_SUCCESS;
  }
  if (options.version) {
    std::puts("tavra " TAVRA_VERSION);
    std::puts(tavra::kLicenceNotice);
    return EXIT_SUCCESS;
  }
  const bool screenshot = !options.screenshot.empty();
  if (screenshot) {
    // Named from where the program was started; an installed one moves to the user's folder.
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(options.screenshot, failed);
    if (!failed) options.screenshot = absolute.string();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!options.date.empty()) qputenv("TAVRA_TODAY", options.date.c_str());
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavra"));
  // A screenshot must not wait for anyone: its messages go to standard error.
  if (!screenshot) tavra::installMessageBoxDialog();

  // An installed Tavra works in the user's own folder as a portable one works in its own.
  const std::string failure = tavra::enterUserFolderIfInstalled(TAVRA_SHARED_DATA, tavra::ReadingsFileName,
                                                                tavra::BibleViewerFileName);
  if (!failure.empty()) {
    tavra::showMessageBox(failure, tavra::MessageButtons::Ok, tavra::MessageIcon::Error);
    return EXIT_FAILURE;
  }

  std::unique_ptr<tavra::TMainForm> mainForm;
  tavra::runReportingErrors(
      [&] { mainForm = std::make_unique<tavra::TMainForm>(std::string(), options.firstArgument); });
  if (!mainForm) return EXIT_FAILURE;
  tavra::TMainForm& form = *mainForm;
  QApplication::setWindowIcon(form.windowIcon());
  // The companion windows belong to the main window and are shown modally from its menu;
  // they are made once its first paint is over.
  auto* companions = new tavra::CompanionWindows(form, tavra::ExeDir());

  if (screenshot)
    return renderScreenshot(form, *companions, options.window, options.screenshot, options.startupProbe);
  form.show();
  return QApplication::exec();
}
