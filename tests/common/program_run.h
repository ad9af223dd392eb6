#pragma once
// A program of the build run as a reader runs it: its arguments as bytes, its output and
// its errors captured, the test's environment; stopped when it takes longer than a limit.
// Started and finished apart, two can run at once.

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

struct StartedProgram {
  pid_t pid = -1;
  std::string out, err;  // the files its output goes to
};

inline StartedProgram startProgram(const std::string& program, const std::vector<std::string>& arguments) {
  StartedProgram started;
  started.out = (std::filesystem::temp_directory_path() / "tavra-run-out-XXXXXX").string();
  started.err = (std::filesystem::temp_directory_path() / "tavra-run-err-XXXXXX").string();
  const int outFd = ::mkstemp(started.out.data());
  const int errFd = ::mkstemp(started.err.data());
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  if (outFd >= 0 && errFd >= 0) started.pid = ::fork();
  if (started.pid == 0) {
    if (::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) ::_exit(126);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  if (outFd >= 0) ::close(outFd);
  if (errFd >= 0) ::close(errFd);
  return started;
}

// Waits for the program at most `limit`, then ends it.
inline ProgramRun finishProgram(const StartedProgram& started, std::chrono::seconds limit = std::chrono::seconds(30)) {
  auto take = [](const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(file), {});
    std::filesystem::remove(path);
    return text;
  };
  ProgramRun run;
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (started.pid > 0 && std::chrono::steady_clock::now() < deadline) {
    if (::waitpid(started.pid, &status, WNOHANG) == started.pid) {
      run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      break;
    }
    ::usleep(10000);
  }
  if (started.pid > 0 && run.status == -1 && ::waitpid(started.pid, &status, WNOHANG) == 0) {
    ::kill(started.pid, SIGKILL);
    ::waitpid(started.pid, &status, 0);
  }
  run.out = take(started.out);
  run.err = take(started.err);
  return run;
}

inline ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                             std::chrono::seconds limit = std::chrono::seconds(30)) {
  return finishProgram(startProgram(program, arguments), limit);
}

}  // namespace tavra::testing
