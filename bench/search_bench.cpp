// The search over the King James Version (sword-text-kjv): its index made from the whole
// Bible, a query answered from the index in the process, and `Bible.exe --search` (process
// start included) beside `diatheke -s multiword`, which reads the whole module, on the same
// query and module, the two run in turns. HOME and the cache folder are temporary, so the
// user's index stays out of it; the figures are medians.

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bible/core/bible_search.h"
#include "ratio_line.h"
#include "timed_runs.h"

using namespace tavra::bench;
using namespace tavra::bible;
namespace fs = std::filesystem;

namespace {

constexpr const char* kModule = "engKJV2006eb";
constexpr const char* kQuery = "love one another";
constexpr int kBuilds = 5;
constexpr int kQueryRuns = 50;
constexpr int kProcessRuns = 15;

// The program's full path from PATH; "" when it is not installed.
std::string onPath(const char* program) {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  for (std::size_t start = 0; start <= folders.size();) {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    const std::string candidate = folders.substr(start, end - start) + "/" + program;
    if (end > start && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return "";
}

double timedSearch(const BibleLibrary& library, const BibleInfo& bible, const char* query, const BibleScope& scope,
                   std::size_t& verses) {
  const auto start = Clock::now();
  const BibleSearch found = searchBible(library, bible, query, scope);
  const double ms = milliseconds(Clock::now() - start);
  verses = found.verses.size();
  return found.outcome == tavra::search::Outcome::Found ? ms : -1;
}

}  // namespace

int main() {
  startRatioFile();
  const fs::path folder = makeTempFolder("search-bench");
  setenv("HOME", folder.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (folder / "cache").c_str(), 1);
  unsetenv("SWORD_PATH");
  struct Cleanup {
    fs::path folder;
    ~Cleanup() {
      std::error_code ignored;
      fs::remove_all(folder, ignored);
    }
  } cleanup{folder};

  const BibleLibrary library;
  const BibleInfo* bible = library.find(kModule);
  if (!bible) {
    std::printf("search_bench: the King James Version (%s, sword-text-kjv) is not installed; skipped\n", kModule);
    ratioLine("search: skipped, %s is not installed", kModule);
    return EXIT_SUCCESS;
  }

  // The index made from the whole Bible: the first search, the index removed before each.
  std::vector<double> builds;
  std::size_t verses = 0;
  for (int run = 0; run < kBuilds; ++run) {
    std::error_code ignored;
    fs::remove(bibleIndexFile(library, *bible), ignored);
    const double ms = timedSearch(library, *bible, kQuery, {}, verses);
    if (ms < 0 || !fs::exists(bibleIndexFile(library, *bible))) {
      std::fprintf(stderr, "search_bench: the first search made no index\n");
      return EXIT_FAILURE;
    }
    builds.push_back(ms);
  }
  struct stat index;
  ::stat(bibleIndexFile(library, *bible).c_str(), &index);
  std::printf("search index of the KJV (%.1f MB), %d makings, ms:\n", double(index.st_size) / 1e6, kBuilds);
  std::printf("  %-38s %7s %7s %16s %7s\n", "", "median", "best", "quartiles", "worst");
  printSummary("index made, with the first answer", summarise(builds));

  // Queries answered from the stored index in the process, as a window asks them.
  struct Case {
    const char* label;
    const char* query;
    BibleScope scope;
  };
  const Case cases[] = {
      {"love one another", "love one another", {}},
      {"prefix: faith*", "faith*", {}},
      {"phrase: \"in the beginning\"", "\"in the beginning\"", {}},
      {"NT: grace peace", "grace peace", {BibleScope::NewTestament, nullptr}},
      {"book: J light", "light", {BibleScope::Book, findBook("J")}},
      {"common word: God (4000+ verses)", "God", {}},
  };
  std::printf("search queries from the index, in-process, %d runs each, ms:\n", kQueryRuns);
  std::printf("  %-38s %7s %7s %16s %7s\n", "", "median", "best", "quartiles", "worst");
  std::vector<double> typical;
  for (const Case& c : cases) {
    std::vector<double> times;
    for (int run = 0; run < kQueryRuns; ++run) {
      const double ms = timedSearch(library, *bible, c.query, c.scope, verses);
      if (ms < 0) {
        std::fprintf(stderr, "search_bench: %s found nothing\n", c.label);
        return EXIT_FAILURE;
      }
      times.push_back(ms);
    }
    const Summary summary = summarise(times);
    const std::string label = std::string(c.label) + " (" + std::to_string(verses) + ")";
    printSummary(label.c_str(), summary);
    if (&c != &cases[std::size(cases) - 1]) typical.push_back(summary.median);
  }
  const Summary common = summarise(typical);
  ratioLine("search query from the index, in-process: %.2f ms median of the typical queries, worst %.2f ms (target < 5 ms)",
            common.median, common.worst);
  ratioLine("search index of a whole Bible (KJV) made: %.2f s median of %d (target < 5 s)", summarise(builds).median / 1e3,
            kBuilds);

  // The command line beside diatheke, in turns.
  const std::string diatheke = onPath("diatheke");
  if (diatheke.empty()) {
    std::printf("search_bench: diatheke is not installed; the comparison is skipped\n");
    ratioLine("Bible.exe --search vs diatheke -s multiword: skipped, diatheke is not installed");
    return EXIT_SUCCESS;
  }
  const std::vector<std::string> ours = {TAVRA_BIBLE_VIEWER, "--search", kQuery, "--module", kModule};
  const std::vector<std::string> theirs = {diatheke, "-b", kModule, "-s", "multiword", "-k", kQuery};
  Timings oursTimes, theirTimes;
  for (int run = 0; run < kProcessRuns; ++run) {
    const Run a = runOnce(folder, ours);
    const Run b = runOnce(folder, theirs);
    if (a.wall < 0 || b.wall < 0) {
      std::fprintf(stderr, "search_bench: %s failed\n", a.wall < 0 ? "Bible.exe --search" : "diatheke");
      return EXIT_FAILURE;
    }
    oursTimes.add(a), theirTimes.add(b);
  }
  const Summary oursWall = summarise(oursTimes.wall), theirWall = summarise(theirTimes.wall);
  std::printf("search from the command line, \"%s\" in the KJV, %d runs each in turns, ms:\n", kQuery, kProcessRuns);
  std::printf("  %-38s %7s %7s %16s %7s\n", "", "median", "best", "quartiles", "worst");
  printSummary("Bible.exe --search", oursWall);
  printSummary("diatheke -s multiword", theirWall);
  printSummary("Bible.exe --search, processor time", summarise(oursTimes.cpu));
  printSummary("diatheke, processor time", summarise(theirTimes.cpu));
  ratioLine("Bible.exe --search vs diatheke -s multiword: %.1fx (%.0f ms vs %.0f ms, target >= 10x)",
            theirWall.median / oursWall.median, oursWall.median, theirWall.median);
  return EXIT_SUCCESS;
}
