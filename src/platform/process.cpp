#include "platform/process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/file_system.h"

extern char** environ;

namespace tavra {
namespace {

constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isRegularFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isFolder(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool hasExtension(const std::string& name) {
  std::string::size_type slash = name.rfind('/');
  std::string::size_type dot = name.rfind('.');
  return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

std::vector<std::string> searchFolders() {
  std::vector<std::string> folders{ExeDir(), "./"};
  const char* path = std::getenv("PATH");
  std::string_view rest = path ? path : "";
  while (!rest.empty()) {
    std::string_view entry = rest.substr(0, rest.find(':'));
    rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
    if (entry.empty()) continue;
    std::string folder(entry);
    if (folder.back() != '/') folder += '/';
    folders.push_back(std::move(folder));
  }
  return folders;
}

// The file a program name stands for, or "" when there is none.
std::string findProgramFile(const std::string& name) {
  std::vector<std::string> folders;
  if (name.find('/') != std::string::npos) folders.push_back("");
  else folders = searchFolders();
  for (const std::string& folder : folders) {
    std::string path = folder + name;
    if (isRegularFile(path)) return path;
    if (!hasExtension(name) && isRegularFile(path + ".exe")) return path + ".exe";
  }
  return "";
}

int findProgram(const std::string& name, std::string& file) {
  if (name.empty()) return kFileNotFound;
  file = findProgramFile(name);
  if (!file.empty()) return 0;
  std::string mapped = posixPath(name);
  if (mapped != name) {
    file = findProgramFile(mapped);
    if (!file.empty()) return 0;
  }
  std::string::size_type slash = mapped.rfind('/');
  if (slash != std::string::npos && slash > 0 && !isFolder(mapped.substr(0, slash))) return kPathNotFound;
  return kFileNotFound;
}

std::string mapArgument(const std::string& argument) {
  std::string mapped = posixPath(argument);
  // A lone "\" is text, not the root folder.
  if (mapped == argument || mapped.find_first_not_of('/') == std::string::npos) return argument;
  struct stat st;
  return ::stat(mapped.c_str(), &st) == 0 ? mapped : argument;
}

void reapInBackground(pid_t pid) {
  try {
    std::thread([pid] {
      int status;
      while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  } catch (const std::system_error&) {
    // Without a thread the finished program stays a zombie until this process ends;
    // the start itself succeeded.
  }
}

}  // namespace

std::vector<std::string> splitArguments(std::string_view text) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  const std::size_t n = text.size();
  for (;;) {
    while (i < n && isBlank(text[i])) ++i;
    if (i >= n) break;
    std::string current;
    bool quoted = false;
    while (i < n && (quoted || !isBlank(text[i]))) {
      char c = text[i];
      if (c == '\\') {
        std::size_t count = 0;
        while (i < n && text[i] == '\\') {
          ++count;
          ++i;
        }
        if (i < n && text[i] == '"') {
          current.append(count / 2, '\\');
          if (count % 2 == 1) {
            current += '"';
            ++i;
          }
        } else {
          current.append(count, '\\');
        }
      } else if (c == '"') {
        if (quoted && i + 1 < n && text[i + 1] == '"') {
          current += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        current += c;
        ++i;
      }
    }
    arguments.push_back(std::move(current));
  }
  return arguments;
}

std::vector<std::string> splitCommandLine(std::string_view line) {
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  if (line.empty()) return {};
  std::vector<std::string> items;
  std::size_t end;
  if (line.front() == '"') {
    end = line.find('"', 1);
    items.emplace_back(line.substr(1, end == std::string_view::npos ? end : end - 1));
    end = end == std::string_view::npos ? line.size() : end + 1;
  } else {
    end = 0;
    while (end < line.size() && !isBlank(line[end])) ++end;
    items.emplace_back(line.substr(0, end));
  }
  for (std::string& argument : splitArguments(line.substr(end))) items.push_back(std::move(argument));
  return items;
}

std::string posixPath(std::string_view path) {
  std::string mapped(path);
  for (char& c : mapped)
    if (c == '\\') c = '/';
  bool drive = mapped.size() >= 3 && ((mapped[0] >= 'A' && mapped[0] <= 'Z') || (mapped[0] >= 'a' && mapped[0] <= 'z')) &&
               mapped[1] == ':' && mapped[2] == '/';
  return drive ? mapped.substr(2) : mapped;
}

int resolveCommandLine(std::string_view commandLine, ResolvedCommand& out) {
  // The line is a zero-terminated string to the system: a NUL byte ends it.
  std::string_view line = commandLine.substr(0, commandLine.find('\0'));
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
  if (line.empty()) return kFileNotFound;

  std::string name;
  std::string_view rest;
  if (line.front() == '"') {
    std::size_t close = line.find('"', 1);
    name = std::string(line.substr(1, close == std::string_view::npos ? close : close - 1));
    rest = close == std::string_view::npos ? std::string_view() : line.substr(close + 1);
    int code = findProgram(name, out.program);
    if (code != 0) return code;
  } else {
    int firstCode = -1;
    for (std::size_t end = 1; end <= line.size(); ++end) {
      if (end < line.size() && !(isBlank(line[end]) && !isBlank(line[end - 1]))) continue;
      name = std::string(line.substr(0, end));
      int code = findProgram(name, out.program);
      if (code == 0) {
        rest = line.substr(end);
        firstCode = 0;
        break;
      }
      if (firstCode < 0) firstCode = code;
    }
    if (firstCode != 0) return firstCode;
  }
  out.argv.clear();
  out.argv.push_back(name);
  for (const std::string& argument : splitArguments(rest)) out.argv.push_back(mapArgument(argument));
  return 0;
}

namespace {

// Starts the command line; returns 0 and the new program's id, or a Windows error code.
int spawnCommand(std::string_view commandLine, pid_t& pid) {
  ResolvedCommand command;
  if (int code = resolveCommandLine(commandLine, command); code != 0) return code;

  std::vector<char*> argv;
  for (std::string& argument : command.argv) argv.push_back(argument.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  // Nothing of ours but the standard streams reaches the new program.
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t signals;
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&attributes, &signals);
  for (int s : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD, SIGALRM}) sigaddset(&signals, s);
  posix_spawnattr_setsigdefault(&attributes, &signals);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  int error = posix_spawn(&pid, command.program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return error == 0 ? 0 : InOutError::windowsCodeFromErrno(error);
}

// A descriptor readable once the program ends. Our child stays a zombie until we reap
// it, so its id cannot have been reused by the time this is asked.
int openEndNotifier(pid_t pid) {
#ifdef SYS_pidfd_open
  long fd = ::syscall(SYS_pidfd_open, pid, 0);
  if (fd >= 0) {
    ::fcntl(int(fd), F_SETFD, FD_CLOEXEC);
    return int(fd);
  }
#else
  (void)pid;
#endif
  return -1;
}

}  // namespace

int startProcess(std::string_view commandLine, bool wait, int* exitStatus) {
  pid_t pid = 0;
  if (int code = spawnCommand(commandLine, pid); code != 0) return code;
  if (!wait) {
    reapInBackground(pid);
    return 0;
  }
  ChildProcess child(pid, -1);
  if (int code = child.waitForEnd(); code != 0) return code;
  if (exitStatus && child.exitStatus() >= 0) *exitStatus = child.exitStatus();
  return 0;
}

int startChildProcess(std::string_view commandLine, std::unique_ptr<ChildProcess>& child) {
  child.reset();
  pid_t pid = 0;
  if (int code = spawnCommand(commandLine, pid); code != 0) return code;
  child = std::make_unique<ChildProcess>(pid, openEndNotifier(pid));
  return 0;
}

ChildProcess::~ChildProcess() {
  if (endFd_ >= 0) ::close(endFd_);
  if (!ended_) reapInBackground(pid_);
}

bool ChildProcess::reap(bool block, int& error) {
  error = 0;
  if (ended_) return true;
  int status = 0;
  for (;;) {
    pid_t done = ::waitpid(pid_, &status, block ? 0 : WNOHANG);
    if (done == pid_) {
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      return ended_ = true;
    }
    if (done == 0) return false;
    // ECHILD: finished programs are reaped by the system (SIGCHLD ignored); it has ended.
    if (errno == ECHILD) return ended_ = true;
    if (errno != EINTR) {
      error = InOutError::windowsCodeFromErrno(errno);
      return false;
    }
  }
}

bool ChildProcess::hasEnded() {
  int error = 0;
  return reap(false, error);
}

int ChildProcess::waitForEnd() {
  int error = 0;
  reap(true, error);
  return error;
}

}  // namespace tavra
