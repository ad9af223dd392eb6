#pragma once
// Start-ups timed from outside: a program run in a folder with its output discarded, the
// wall-clock time from start to exit and the processor time it used, and the summary of a
// set of such times. The start-up benchmarks run their programs in turns with these.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace tavra::bench {

using Clock = std::chrono::steady_clock;

inline double milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Run {
  double wall = -1;  // ms from start to exit; negative when the program failed
  double cpu = 0;    // ms of processor time, user and system: what a busy machine does not inflate
};

// A fresh folder under the temporary folder, "tavra-<name>-…"; ends the program when none can
// be made.
inline std::filesystem::path makeTempFolder(const std::string& name) {
  std::string pattern = (std::filesystem::temp_directory_path() / ("tavra-" + name + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) {
    std::perror((name + ": mkdtemp").c_str());
    std::exit(EXIT_FAILURE);
  }
  return pattern;
}

// Runs `args` in `folder` with its output discarded.
inline Run runOnce(const std::filesystem::path& folder, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    if (FILE* null = std::freopen("/dev/null", "w", stdout)) (void)null;
    if (FILE* null = std::freopen("/dev/null", "w", stderr)) (void)null;
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return {};
  Run run;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) run.wall = milliseconds(Clock::now() - start);
  run.cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
            (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  return run;
}

// The middle of a set of times, and how far they spread: the quartiles and the extremes.
struct Summary {
  double best = 0, lowerQuartile = 0, median = 0, upperQuartile = 0, worst = 0;
};

inline Summary summarise(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  // Linear interpolation between the nearest ranks.
  auto at = [&](double fraction) {
    const double rank = fraction * double(times.size() - 1);
    const std::size_t below = std::size_t(rank);
    const std::size_t above = std::min(below + 1, times.size() - 1);
    return times[below] + (times[above] - times[below]) * (rank - double(below));
  };
  return {times.front(), at(0.25), at(0.5), at(0.75), times.back()};
}

struct Timings {
  std::vector<double> wall, cpu;
  void add(const Run& run) { wall.push_back(run.wall), cpu.push_back(run.cpu); }
};

inline void printSummary(const char* what, const Summary& s) {
  std::printf("  %-38s %7.1f %7.1f [%5.1f .. %5.1f] %7.1f\n", what, s.median, s.best, s.lowerQuartile,
              s.upperQuartile, s.worst);
}

}  // namespace tavra::bench
