#pragma once
// A program of the build run as a reader runs it: its arguments as bytes, its output and
// its errors captured, the test's environment; stopped when it takes longer than a limit.

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tavra::testing {

struct ProgramRun {
  int status = -1;  // the exit status; -1 when it was killed or did not start
  std::string out, err;
};

namespace detail {
inline std::string takeFile(int fd, const std::string& path) {
  ::close(fd);
  std::ifstream file(path, std::ios::binary);
  std::string text(std::istreambuf_iterator<char>(file), {});
  std::filesystem::remove(path);
  return text;
}
}  // namespace detail

inline ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                             std::chrono::seconds limit = std::chrono::seconds(30)) {
  std::string outPath = (std::filesystem::temp_directory_path() / "tavra-run-out-XXXXXX").string();
  std::string errPath = (std::filesystem::temp_directory_path() / "tavra-run-err-XXXXXX").string();
  const int outFd = ::mkstemp(outPath.data());
  const int errFd = ::mkstemp(errPath.data());
  ProgramRun run;
  if (outFd < 0 || errFd < 0) return run;
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) ::_exit(126);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      break;
    }
    ::usleep(10000);
  }
  if (run.status == -1 && ::waitpid(pid, &status, WNOHANG) == 0) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
  }
  run.out = detail::takeFile(outFd, outPath);
  run.err = detail::takeFile(errFd, errPath);
  return run;
}

}  // namespace tavra::testing
