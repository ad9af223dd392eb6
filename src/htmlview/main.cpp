// htmlview: shows one file in the HTML viewer without a display. Writes what the viewer
// shows as a picture, prints the laid-out blocks, or times parsing, layout and painting.
//
// A picture is shown as an image document, a .txt file as plain text.
//
//   htmlview FILE [--width W] [--height H] [--screenshot OUT.png] [--full] [--dump] [--time]
//            [--after MS]
//   htmlview --help | --version
//
// With --after the viewer's event loop runs MS milliseconds after the load, and the
// picture is what the screen shows then: what the paints of that time left, not a fresh
// paint. --time then also tells how often the document surface was painted meanwhile and
// how much processor time the process used.

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "html/document/block_elements.h"
#include "html/qt/viewer.h"
#include "html/tables/table.h"
#include "html/document/text_section.h"
#include "platform/unicode.h"
#include "platform/qt/painter_canvas.h"
#include "platform/licence.h"

using namespace tavra;

namespace {

struct Options {
  std::string file;
  int width = 600;
  int height = 400;
  std::string screenshot;
  bool full = false;
  bool dump = false;
  bool time = false;
  int afterMs = -1;  // no waiting
};

constexpr const char* kUsage =
    "usage: htmlview FILE [--width W] [--height H] [--screenshot OUT.png] [--full] [--dump] [--time]"
    " [--after MS]\n";

constexpr const char* kHelp =
    "Shows an HTML document, a picture or a .txt file in Tavra's HTML viewer without a display.\n"
    "\n"
    "  --width W, --height H  the viewer's size in pixels (1 to 20000; 600 x 400)\n"
    "  --screenshot OUT.png   write what the viewer shows as a PNG picture\n"
    "  --full                 with --screenshot: the whole document, not only the first screen\n"
    "  --dump                 print the laid-out blocks\n"
    "  --time                 print how long parsing, layout and painting take\n"
    "  --after MS             run the viewer MS milliseconds after the load; the picture is what\n"
    "                         the screen shows then, and --time tells the paints and processor time\n"
    "  --help                 show this help and exit\n"
    "  --version              show the version and exit\n";

// A one-line complaint and the exit code of a usage error.
int usageError(const std::string& what) {
  std::cerr << "htmlview: " << what << " (see htmlview --help)\n";
  return 2;
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

double processorMs() { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; }

bool parseNumber(const char* text, int& value) {
  try {
    std::size_t used = 0;
    value = std::stoi(text, &used);
    return text[used] == 0 && value > 0 && value <= 20000;
  } catch (const std::exception&) {
    return false;
  }
}

// -1 when the program goes on, otherwise the exit code.
int parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    bool takesValue = arg == "--width" || arg == "--height" || arg == "--screenshot" || arg == "--after";
    if (takesValue && !hasValue) return usageError(arg + " needs a value");
    if (arg == "--help") {
      std::cout << kUsage << "       htmlview --help | --version\n\n" << kHelp;
      return 0;
    } else if (arg == "--version") {
      std::cout << "htmlview (Tavra) " TAVRA_VERSION "\n" << tavra::kLicenceNotice << "\n";
      return 0;
    } else if (arg == "--width" || arg == "--height") {
      if (!parseNumber(argv[++i], arg == "--width" ? options.width : options.height))
        return usageError(arg + " wants a number from 1 to 20000, not " + argv[i]);
    } else if (arg == "--screenshot") {
      options.screenshot = argv[++i];
    } else if (arg == "--full") {
      options.full = true;
    } else if (arg == "--dump") {
      options.dump = true;
    } else if (arg == "--time") {
      options.time = true;
    } else if (arg == "--after") {
      if (!parseNumber(argv[++i], options.afterMs))
        return usageError("--after wants milliseconds from 1 to 20000, not " + std::string(argv[i]));
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError("unknown option " + arg);
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      return usageError("one file only, not also " + arg);
    }
  }
  if (options.file.empty()) return usageError("no file given");
  return -1;
}

bool hasExtension(const std::string& file, const char* extension) {
  std::size_t dot = file.rfind('.');
  return dot != std::string::npos && QString::fromStdString(file.substr(dot)).compare(extension, Qt::CaseInsensitive) == 0;
}

bool isPicture(const std::string& file) {
  return hasExtension(file, ".bmp") || hasExtension(file, ".gif") || hasExtension(file, ".jpg") ||
         hasExtension(file, ".jpeg") || hasExtension(file, ".png");
}

const char* blockName(const TSectionBase& block) {
  if (dynamic_cast<const TPreFormated*>(&block)) return "TPreFormated";
  if (dynamic_cast<const TOListItem*>(&block)) return "TOListItem";
  if (dynamic_cast<const TDListItem*>(&block)) return "TDListItem";
  if (dynamic_cast<const TUListItem*>(&block)) return "TUListItem";
  if (dynamic_cast<const TSection*>(&block)) return "TSection";
  if (dynamic_cast<const ThtmlTable*>(&block)) return "ThtmlTable";
  if (dynamic_cast<const TParagraphSpace*>(&block)) return "TParagraphSpace";
  if (dynamic_cast<const THeadingSpace*>(&block)) return "THeadingSpace";
  if (dynamic_cast<const THorzLine*>(&block)) return "THorzLine";
  return "TSectionBase";
}

std::string lineText(const TSection& section, const LineRec& line) {
  std::u16string text;
  for (int i = line.Start; i < line.Start + line.Ln && i < int(section.Text.size()); ++i) {
    const char16_t c = section.Text[std::size_t(i)];
    if (c == ImageMarker)
      text += u"[image]";
    else if (c == ControlMarker)
      text += u"[control]";
    else if (c >= 32)
      text += c;
  }
  return utf16ToUtf8(text);
}

void dumpCell(const TCell& cell, int level);

void dumpBlock(const TSectionBase& block, int level) {
  std::string indent(std::size_t(level) * 2, ' ');
  std::cout << indent << blockName(block) << " TopY=" << block.TopY << " ContentHeight=" << block.ContentHeight
            << " PaintHeight=" << block.PaintHeight << " Chars=" << block.FirstCharPos << ".."
            << block.FirstCharPos + block.CharCount << "\n";
  if (auto* section = dynamic_cast<const TSection*>(&block)) {
    for (const LineRec& line : section->Lines) std::cout << indent << "  " << lineText(*section, line) << "\n";
  } else if (auto* table = dynamic_cast<const ThtmlTable*>(&block)) {
    if (table->Caption && table->Caption->Cell && table->CaptionAtTop) dumpCell(*table->Caption->Cell, level + 1);
    for (int r = 0; r < table->Rows.Count(); ++r)
      for (int c = 0; c < table->Rows[r].Count(); ++c) {
        const TCellObj& cellObj = table->Rows[r][c];
        if (cellObj.Cell && cellObj.ColSpan > 0) dumpCell(*cellObj.Cell, level + 1);
      }
    if (table->Caption && table->Caption->Cell && !table->CaptionAtTop) dumpCell(*table->Caption->Cell, level + 1);
  }
}

void dumpCell(const TCell& cell, int level) {
  for (int i = 0; i < cell.Count(); ++i) dumpBlock(cell[i], level);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (int exitCode = parseOptions(argc, argv, options); exitCode >= 0) return exitCode;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  int status = 0;
  {
    ThtmlViewer viewer;
    // Watching over time needs the window the screen shows; a single picture does not.
    if (options.afterMs < 0) viewer.setAttribute(Qt::WA_DontShowOnScreen);
    viewer.resize(options.width, options.height);
    viewer.show();
    viewer.SetViewImages(true);
    try {
      if (isPicture(options.file))
        viewer.LoadImageDocument(options.file);
      else if (hasExtension(options.file, ".txt"))
        viewer.LoadTextFile(options.file);
      else
        viewer.LoadFromFile(options.file);
    } catch (const std::exception& error) {
      std::cerr << error.what() << "\n";
      status = 1;
    }
    if (status == 0) {
      if (options.full && viewer.DocHeight() > viewer.PaintPanel()->height()) {
        int extra = viewer.height() - viewer.PaintPanel()->height();
        viewer.resize(options.width, viewer.DocHeight() + extra);
      }
      PaintCounter counter;
      double paintMs = 0, watchedCpuMs = 0;
      QPixmap shot;
      if (options.afterMs >= 0) {
        viewer.PaintPanel()->installEventFilter(&counter);
        const double cpuBefore = processorMs();
        QTimer::singleShot(options.afterMs, &app, &QCoreApplication::quit);
        QApplication::exec();
        watchedCpuMs = processorMs() - cpuBefore;
        viewer.PaintPanel()->removeEventFilter(&counter);
        if (QScreen* screen = viewer.screen()) shot = screen->grabWindow(viewer.winId());
        if (shot.isNull()) shot = viewer.grab();
      } else {
        auto start = std::chrono::steady_clock::now();
        shot = viewer.grab();
        paintMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      }
      if (!options.screenshot.empty() && !shot.save(QString::fromStdString(options.screenshot), "PNG")) {
        std::cerr << "cannot write " << options.screenshot << "\n";
        status = 1;
      }
      if (options.dump) dumpCell(viewer.Document(), 0);
      if (options.time) {
        char line[128];
        if (options.afterMs >= 0)
          std::snprintf(line, sizeof line, "parse=%.2f ms layout=%.2f ms paints=%d cpu=%.1f ms\n",
                        viewer.LastParseMs(), viewer.LastLayoutMs(), counter.paints, watchedCpuMs);
        else
          std::snprintf(line, sizeof line, "parse=%.2f ms layout=%.2f ms paint=%.2f ms\n", viewer.LastParseMs(),
                        viewer.LastLayoutMs(), paintMs);
        std::cout << line;
      }
    }
  }
  return status;
}
