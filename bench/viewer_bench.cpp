// The viewer as it runs: processor time of a help window left open with its candle
// animating, the memory an animated picture takes when many images show it and a still
// picture takes at its peak, a page of 20,000 text areas shown, and the paint of one
// viewport beside QTextDocument's.
//
//   viewer_bench                 all four; the last line is the ratio
//   viewer_bench --picture CASE  one picture case in this process (the parent reads its peak)

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QTimer>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "generated_document.h"
#include "html/parse/builder.h"
#include "html/qt/viewer.h"
#include "html/quiet_host.h"
#include "html/document/section_list.h"
#include "images/encoders.h"
#include "platform/codepage.h"
#include "platform/qt/painter_canvas.h"
#include "ratio_line.h"
#include "windows/info_windows.h"

using namespace tavra;
namespace fs = std::filesystem;

namespace {

double processorSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

// Runs the event loop for `ms` milliseconds.
void runFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// ---- a help window left open ----

double idleHelpWindowShare() {
  const fs::path before = fs::current_path();
  fs::current_path(TAVRA_SAMPLE_DATA);  // the help windows read their documents from here
  double share = 0;
  {
    TOProgramu window;
    window.show();
    runFor(500);  // shown, laid out, first paints done
    const double cpu = processorSeconds();
    const auto wall = std::chrono::steady_clock::now();
    runFor(5000);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
    share = (processorSeconds() - cpu) / seconds;
  }
  fs::current_path(before);
  return share;
}

// ---- pictures: each case runs in a process of its own, so that its peak is its own ----

constexpr int kAnimationSide = 4000;
constexpr int kStillSide = 8000;

std::string uniformGif(int side, const std::vector<std::uint8_t>& frameColours, int delay) {
  test::GifSpec picture{.width = side, .height = side, .globalTable = {0, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00},
                        .loopCount = frameColours.size() > 1 ? 0 : -1};
  for (std::uint8_t colour : frameColours) {
    test::GifFrameSpec frame{.width = side, .height = side,
                             .indices = std::vector<std::uint8_t>(std::size_t(side) * std::size_t(side), colour),
                             .control = frameColours.size() > 1, .delay = delay};
    picture.frames.push_back(std::move(frame));
  }
  return test::encodeGif(picture);
}

// A document of `images` IMG tags showing `picture`, laid out and played for a while.
void showPicture(const std::string& picture, int images) {
  QuietHost host;
  TSectionList document(host);
  document.ImagesOn = true;
  TAnchorNames anchors;
  std::string html = "<html><body>";
  for (int i = 0; i < images; ++i) html += "<img src=\"" + picture + "\"> ";
  html += "</body></html>";
  ParseHtmlText(document, anchors, html.data(), html.size());
  QImage surface(1, 1, QImage::Format_RGB32);
  QPainter painter(&surface);
  PainterCanvas canvas(painter, 1, 1);
  int scrollWidth = 0, chars = 0;
  document.LayoutDocument(canvas, 0, 800, scrollWidth, chars);
  // Every frame comes due at least once: the players compose their pictures.
  for (int tick = 0; tick < 10; ++tick) {
    std::this_thread::sleep_for(std::chrono::milliseconds(12));
    document.AnimateGifs();
  }
}

int runPictureCase(const std::string& name, const fs::path& folder) {
  if (name == "animation-once") showPicture((folder / "animation.gif").string(), 1);
  if (name == "animation-twenty") showPicture((folder / "animation.gif").string(), 20);
  if (name == "still") showPicture((folder / "still.gif").string(), 1);
  return 0;
}

// The peak resident memory of one case, in bytes, read from its process.
long peakOfCase(const char* self, const std::string& name, const fs::path& folder) {
  pid_t child = fork();
  if (child == 0) {
    execl(self, self, "--picture", name.c_str(), folder.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return usage.ru_maxrss * 1024L;
}

void pictureMemory(const char* self) {
  const fs::path folder = fs::temp_directory_path() / ("tavra_viewer_bench_" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "animation.gif", std::ios::binary) << uniformGif(kAnimationSide, {1, 2, 3, 4}, 1);
  std::ofstream(folder / "still.gif", std::ios::binary) << uniformGif(kStillSide, {1}, 0);
  const long empty = peakOfCase(self, "baseline", folder);
  const long once = peakOfCase(self, "animation-once", folder);
  const long twenty = peakOfCase(self, "animation-twenty", folder);
  const long still = peakOfCase(self, "still", folder);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  if (empty < 0 || once < 0 || twenty < 0 || still < 0) {
    std::printf("picture memory: a case failed\n");
    return;
  }
  const double mb = 1024.0 * 1024.0;
  std::printf("animated GIF, 4 frames of %dx%d: peak %.0f MB shown once, %.0f MB shown by 20 IMG tags (%.2fx)\n",
              kAnimationSide, kAnimationSide, double(once) / mb, double(twenty) / mb, double(twenty) / double(once));
  std::printf("still GIF %dx%d: %.1f bytes a pixel at its peak (process without it: %.0f MB)\n", kStillSide,
              kStillSide, double(still - empty) / (double(kStillSide) * kStillSide), double(empty) / mb);
}

// ---- one viewport of a long document, warm ----

constexpr int kViewportWidth = 800;
constexpr int kViewportHeight = 600;
constexpr int kOffsets = 10;
constexpr int kMargin = 10;

// Seconds per viewport: the median of several passes over the ten offsets.
template <class Paint>
double secondsPerViewport(int documentHeight, Paint paint) {
  QImage target(kViewportWidth, kViewportHeight, QImage::Format_RGB32);
  std::vector<int> offsets;
  for (int i = 0; i < kOffsets; ++i)
    offsets.push_back(std::max(0, documentHeight - kViewportHeight) * i / (kOffsets - 1));
  for (int offset : offsets) paint(target, offset);  // warm: fonts, glyphs, caches
  std::vector<double> passes;
  for (int pass = 0; pass < 15; ++pass) {
    const auto start = std::chrono::steady_clock::now();
    for (int offset : offsets) paint(target, offset);
    passes.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kOffsets);
  }
  std::sort(passes.begin(), passes.end());
  return passes[passes.size() / 2];
}

void viewportPaint() {
  const std::string html = bench::generateDocument(1u << 20);

  QuietHost host(toolkitFonts());
  TSectionList document(host);
  document.FontSize = 12;
  document.BackgroundColor = clWhite;
  TAnchorNames anchors;
  ParseHtmlText(document, anchors, html.data(), html.size());
  int oursHeight = 0;
  {
    QImage surface(1, 1, QImage::Format_RGB32);
    QPainter painter(&surface);
    PainterCanvas canvas(painter, 1, 1);
    int scrollWidth = 0, chars = 0;
    oursHeight = document.LayoutDocument(canvas, kMargin, kViewportWidth - 2 * kMargin, scrollWidth, chars);
  }
  const double ours = secondsPerViewport(oursHeight, [&](QImage& target, int offset) {
    QPainter painter(&target);
    PainterCanvas canvas(painter, kViewportWidth, kViewportHeight);
    const Rect clip{0, 0, kViewportWidth, kViewportHeight};
    canvas.fillRect(clip, clWhite);
    document.PaintDocument(PaintContext{clip, offset}, canvas, 2000, kMargin, kMargin);
  });

  QTextDocument text;
  QFont font(QStringLiteral("Liberation Serif"));
  font.setPixelSize(16);
  text.setDefaultFont(font);
  const std::string utf8 = cp1250::toUtf8(html);
  text.setHtml(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
  text.setTextWidth(kViewportWidth);
  const int theirHeight = int(text.documentLayout()->documentSize().height());
  const double theirs = secondsPerViewport(theirHeight, [&](QImage& target, int offset) {
    QPainter painter(&target);
    painter.fillRect(target.rect(), Qt::white);
    painter.translate(0, -offset);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, offset, kViewportWidth, kViewportHeight);
    text.documentLayout()->draw(&painter, context);
  });

  std::printf("viewport %dx%d of a %zu-byte document, median of 15 passes over %d offsets: ours %.3f ms, "
              "QTextDocument %.3f ms\n",
              kViewportWidth, kViewportHeight, html.size(), kOffsets, ours * 1e3, theirs * 1e3);
  bench::ratioLine("viewport paint vs QTextDocument: %.2fx", theirs / ours);
}

// ---- many form controls ----

// A viewer the size of htmlview's showing a form of 20,000 text areas: load, layout and
// the first picture of it, median of three.
void manyControls() {
  constexpr int kControls = 20000;
  const fs::path page = fs::temp_directory_path() / ("viewer_bench_controls_" + std::to_string(getpid()) + ".html");
  {
    std::ofstream out(page, std::ios::binary);
    out << "<html><body><form>";
    for (int i = 0; i < kControls; ++i) out << "<textarea rows=3 cols=20>text</textarea>\n";
    out << "</form></body></html>";
  }
  std::vector<double> ms;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    {
      ThtmlViewer viewer;
      viewer.setAttribute(Qt::WA_DontShowOnScreen);
      viewer.resize(600, 400);
      viewer.show();
      viewer.LoadFromFile(page.string());
      viewer.grab();
      if (viewer.Document().FormControls.size() != std::size_t(kControls) || viewer.DocHeight() < kControls)
        std::printf("the form of text areas was not laid out whole\n");
    }
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  fs::remove(page);
  std::sort(ms.begin(), ms.end());
  std::printf("a form of %d text areas shown in a 600x400 viewer (load, layout, first picture), median of 3: "
              "%.0f ms\n",
              kControls, ms[1]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--picture") return runPictureCase(argv[2], argv[3]);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  bench::startRatioFile();
  std::printf("idle help window: %.1f%% of a core\n", 100.0 * idleHelpWindowShare());
  std::fflush(stdout);
  pictureMemory(argv[0]);
  std::fflush(stdout);
  manyControls();
  std::fflush(stdout);
  viewportPaint();
  return 0;
}
