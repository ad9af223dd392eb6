// Start-up of the program beside an empty Qt window, and the day's refresh.
//
// The programs run in a copy of the sample installation on the offscreen platform, started
// the same way: each writes a PNG of its window right after the window's first paint and
// exits; the time is from process start to exit. The runs alternate between the programs;
// the median, spread and best of each are printed, and the ratio is of the medians, so that
// neither a lucky run nor a busy moment decides it. Beside the empty window runs a second
// yardstick, the main window's widgets alone showing the same text: what the program takes
// beyond it is the program's own, what it takes beyond the empty window is the toolkit's. The refresh is the
// main window's: build "TAVRA.TMP" for the next day, read the RTF, fill the text window.
// The companion windows are made after the first paint, off the path timed above; the
// time of making them is shown beside it.

#include <QApplication>
#include <QImageReader>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/companion_windows.h"
#include "app/main_form.h"
#include "platform/qt/painter_canvas.h"
#include "ratio_line.h"
#include "timed_runs.h"

using namespace tavra;
using namespace tavra::bench;
namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 15;
// A day of the sample year, so that the window shows the day's texts.
const char* const kSampleDay = "1999-03-15";

// The program folder as `make run` lays it out: the program beside the sample installation.
fs::path makeProgramFolder() {
  const fs::path folder = makeTempFolder("startup");
  fs::copy_file(TAVRA_PROGRAM, folder / "tavra");
  fs::copy(TAVRA_SAMPLE_DATA, folder, fs::copy_options::recursive);
  return folder;
}

// kRuns start-ups of each program, taken in turns so that all see the same machine. The
// yardsticks take the size of the program's main window, read from its first picture.
bool timeStartups(const fs::path& folder, Timings& ours, Timings& empty, Timings& same) {
  const std::vector<std::string> program = {(folder / "tavra").string(), "--screenshot", "probe.png",
                                            "--date", kSampleDay, "--startup-probe"};
  std::vector<std::string> emptyWindow = {TAVRA_EMPTY_WINDOW, "empty.png"};
  std::vector<std::string> sameWidgets = {TAVRA_SAME_WIDGETS, "same.png"};
  for (int run = 0; run < kRuns; ++run) {
    const Run a = runOnce(folder, program);
    if (run == 0 && a.wall >= 0) {
      const QSize size = QImageReader(QString::fromStdString((folder / "probe.png").string())).size();
      for (auto* yardstick : {&emptyWindow, &sameWidgets}) {
        yardstick->push_back(std::to_string(size.width()));
        yardstick->push_back(std::to_string(size.height()));
      }
    }
    const Run b = runOnce(folder, emptyWindow);
    const Run c = runOnce(folder, sameWidgets);
    for (const auto& [result, name] : {std::pair{a, "tavra --screenshot --startup-probe"}, std::pair{b, "empty_window"},
                                       std::pair{c, "same_widgets"}}) {
      if (result.wall < 0) {
        std::fprintf(stderr, "startup_bench: %s failed\n", name);
        return false;
      }
    }
    ours.add(a), empty.add(b), same.add(c);
  }
  return true;
}

struct InProcess {
  double refresh = 1e30;  // best of kRuns, ms
  double companions = 0;  // one run, the first in the process, ms
};

// The main window's refresh, best of kRuns, and the making of the companion windows once,
// as start-up makes them; run inside the program folder, where the day document is written
// and the help documents are read.
InProcess timeInProcess(const fs::path& folder) {
  const fs::path before = fs::current_path();
  fs::current_path(folder);
  InProcess times;
  {
    TMainForm form((folder / "").string());
    form.show();
    QApplication::processEvents();
    for (int run = 0; run < kRuns; ++run) {
      const auto start = Clock::now();
      form.Den2Click();
      times.refresh = std::min(times.refresh, milliseconds(Clock::now() - start));
    }
    auto* companions = new CompanionWindows(form, (folder / "").string());
    const auto start = Clock::now();
    companions->make();
    times.companions = milliseconds(Clock::now() - start);
  }
  fs::current_path(before);
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  bench::startRatioFile();
  const fs::path folder = makeProgramFolder();

  Timings ours, empty, same;
  const bool started = timeStartups(folder, ours, empty, same);

  qputenv("TAVRA_TODAY", kSampleDay);
  QApplication app(argc, argv);
  const InProcess inProcess = timeInProcess(folder);
  std::error_code ignored;
  fs::remove_all(folder, ignored);

  if (!started) return EXIT_FAILURE;
  const Summary oursWall = summarise(ours.wall), emptyWall = summarise(empty.wall), sameWall = summarise(same.wall);
  std::printf("start-up to the first painted window, %d runs each (offscreen), ms:\n", kRuns);
  std::printf("  %-38s %7s %7s %16s %7s\n", "", "median", "best", "quartiles", "worst");
  printSummary("tavra --screenshot --startup-probe", oursWall);
  printSummary("empty Qt window", emptyWall);
  printSummary("the same widgets alone", sameWall);
  printSummary("tavra, processor time", summarise(ours.cpu));
  printSummary("empty Qt window, processor time", summarise(empty.cpu));
  printSummary("the same widgets alone, processor time", summarise(same.cpu));
  std::printf("day refresh (TAVRA.TMP, RTF, text window), best of %d: %.2f ms\n", kRuns, inProcess.refresh);
  std::printf("companion windows, made after the first paint (one run): %.2f ms\n", inProcess.companions);
  std::printf("startup vs empty Qt window, best against best: %.2fx\n", emptyWall.best / oursWall.best);
  std::printf("the same widgets alone vs empty Qt window: %.2fx\n", emptyWall.median / sameWall.median);
  std::printf("startup vs empty Qt window, median against median: %.2fx\n", emptyWall.median / oursWall.median);
  // The yardstick: the main window's widgets alone showing the same text, started the same
  // way; an empty window draws no text and so measures the toolkit, not the program.
  bench::ratioLine("startup vs the same widgets alone (their median over ours): %.2fx", sameWall.median / oursWall.median);
  return EXIT_SUCCESS;
}
