#pragma once
// Bible.exe run as a program, without a display: its exit status and what it wrote. Started
// and finished apart, two can run at once.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bible_fixture.h"

namespace tavra::bible::test {

struct ViewerRun {
  int status = -1;
  std::string out, err;
};

struct StartedViewer {
  pid_t pid = -1;
  std::string out, err;  // the files its output goes to
};

// Bible.exe with `arguments` as they are, bytes not text.
inline StartedViewer startViewer(const std::vector<std::string>& arguments) {
  static std::atomic<int> count{0};
  StartedViewer started;
  started.out = (std::filesystem::temp_directory_path() /
                 ("bible-out-" + std::to_string(::getpid()) + "-" + std::to_string(count++)))
                    .string();
  started.err = started.out + "-err";
  std::vector<char*> argv{const_cast<char*>(TAVRA_BIBLE_VIEWER)};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  ScopedVariable offscreen("QT_QPA_PLATFORM", "offscreen");
  const int outFd = ::open(started.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int errFd = ::open(started.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (outFd >= 0 && errFd >= 0) started.pid = ::fork();
  if (started.pid == 0) {
    if (::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) ::_exit(126);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(outFd);
  ::close(errFd);
  return started;
}

// Waits for the viewer at most 30 s, then ends it.
inline ViewerRun finishViewer(const StartedViewer& started) {
  auto contents = [](const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  };
  ViewerRun run;
  int status = 0;
  for (int waited = 0; started.pid > 0 && waited < 3000; ++waited) {
    const pid_t done = ::waitpid(started.pid, &status, WNOHANG);
    if (done == started.pid) {
      run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      break;
    }
    ::usleep(10000);
  }
  if (started.pid > 0 && run.status == -1 && ::waitpid(started.pid, &status, WNOHANG) == 0) {
    ::kill(started.pid, SIGKILL);
    ::waitpid(started.pid, &status, 0);
  }
  run.out = contents(started.out);
  run.err = contents(started.err);
  std::filesystem::remove(started.out);
  std::filesystem::remove(started.err);
  return run;
}

inline ViewerRun runViewer(const std::vector<std::string>& arguments) { return finishViewer(startViewer(arguments)); }

}  // namespace tavra::bible::test
