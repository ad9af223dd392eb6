// Start-up of the Bible viewer beside an empty Qt window: from process start to the first
// paint of a passage, the King James Version's "Mt 5,1-12" (sword-text-kjv).
//
// Both programs run offscreen, started the same way, in turns: the viewer with
// --screenshot writes its window to a BMP right after the first paint of the passage and
// exits; the empty window, made as large, does the same after its first paint. A BMP costs
// the same to write whatever it shows, where compressing a page of text into a PNG took as
// long as the viewer's own start. The ratio
// is of the medians of the wall-clock times, the empty window's over the viewer's. The
// user's settings and Bibles stay out of it: HOME is a temporary folder.

#include <QImageReader>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ratio_line.h"
#include "timed_runs.h"

using namespace tavra::bench;
namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 15;

}  // namespace

int main() {
  startRatioFile();
  const fs::path folder = makeTempFolder("bible-startup");
  setenv("HOME", folder.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  unsetenv("SWORD_PATH");
  setenv("QT_QPA_PLATFORM", "offscreen", 1);

  const std::vector<std::string> viewer = {TAVRA_BIBLE_VIEWER, "--screenshot", "passage.bmp", "--module", "KJV",
                                           "Mt 5,1-12"};
  std::vector<std::string> emptyWindow = {TAVRA_EMPTY_WINDOW, "empty.bmp"};
  Timings ours, empty;
  bool failed = false;
  for (int run = 0; run < kRuns && !failed; ++run) {
    const Run a = runOnce(folder, viewer);
    if (run == 0 && a.wall >= 0) {
      const QSize size = QImageReader(QString::fromStdString((folder / "passage.bmp").string())).size();
      emptyWindow.push_back(std::to_string(size.width()));
      emptyWindow.push_back(std::to_string(size.height()));
    }
    const Run b = runOnce(folder, emptyWindow);
    if (a.wall < 0 || b.wall < 0) {
      std::fprintf(stderr, "bible_startup_bench: %s failed\n", a.wall < 0 ? "Bible.exe --screenshot" : "empty_window");
      failed = true;
    }
    ours.add(a), empty.add(b);
  }
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  if (failed) return EXIT_FAILURE;

  const Summary oursWall = summarise(ours.wall), emptyWall = summarise(empty.wall);
  std::printf("bible viewer start to the first painted passage, %d runs each (offscreen), ms:\n", kRuns);
  std::printf("  %-38s %7s %7s %16s %7s\n", "", "median", "best", "quartiles", "worst");
  printSummary("Bible.exe, KJV, Mt 5,1-12", oursWall);
  printSummary("empty Qt window", emptyWall);
  printSummary("Bible.exe, processor time", summarise(ours.cpu));
  printSummary("empty Qt window, processor time", summarise(empty.cpu));
  ratioLine("bible viewer start vs empty Qt window: %.2fx", emptyWall.median / oursWall.median);
  return EXIT_SUCCESS;
}
