#pragma once
// The closing figures of `make bench`. Each program prints its ratio lines as it measures
// them; when TAVRA_BENCH_RATIOS names a file, the lines also go there, so that the run can
// end with all of them together in a fixed order, after the programs' detailed output.

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace tavra::bench {

// Call once per program before the first ratioLine: starts the file afresh.
inline void startRatioFile() {
  if (const char* path = std::getenv("TAVRA_BENCH_RATIOS"))
    if (std::FILE* f = std::fopen(path, "w")) std::fclose(f);
}

inline void ratioLine(const char* format, ...) {
  char line[256];
  std::va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  std::printf("%s\n", line);
  std::fflush(stdout);
  if (const char* path = std::getenv("TAVRA_BENCH_RATIOS")) {
    if (std::FILE* f = std::fopen(path, "a")) {
      std::fprintf(f, "%s\n", line);
      std::fclose(f);
    }
  }
}

}  // namespace tavra::bench
