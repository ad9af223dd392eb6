#pragma once
// Starting programs from one command-line string, the way the Windows platform does it,
// on a POSIX system: no shell is ever involved, so no character of the line has a
// meaning beyond the quoting rules below.
//
// - The program is the first item of the line. In quotes it is the text up to the next
//   quote. Unquoted, a name that holds blanks is tried blank by blank, shortest first:
//   for "/opt/my tools/viewer arg" the candidates are "/opt/my", "/opt/my tools/viewer"
//   and "/opt/my tools/viewer arg"; the first that names a file wins and the rest of the
//   line holds the arguments.
// - A name without a folder is looked for in the program's own folder, the current folder
//   and the folders of PATH, in this order; a name with a folder is taken as it stands
//   (relative to the current folder). A name without an extension that names no file is
//   tried again with ".exe" appended.
// - Windows-style names: a backslash is a folder separator and a leading drive letter
//   ("C:") names the root of the one file tree here. This applies to the program name
//   (when the name as written is not found) and to an argument that, read that way, names
//   an existing file or folder; every other argument is passed exactly as split.
// - The arguments are split as the Windows C runtime splits them (see splitArguments).
//   Their bytes are passed on unchanged, without any change of code page.
// - Errors are Windows error codes: 2 when no candidate names a file, 3 when the folder of
//   the program does not exist, otherwise the POSIX error mapped to the code of the same
//   meaning (see InOutError::windowsCodeFromErrno).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace tavra {

// The arguments that follow the program name, split by the Windows C runtime's rules:
// blanks and tabs separate; a quote starts or ends a quoted part in which blanks are
// kept; inside a quoted part two quotes give one literal quote; 2n backslashes before a
// quote give n backslashes, 2n+1 give n backslashes and a literal quote; backslashes
// elsewhere are literal.
std::vector<std::string> splitArguments(std::string_view text);

// A whole command line split as the C runtime splits it: the first item is the program
// name (up to the closing quote when it starts with one, otherwise up to the first blank,
// with no backslash rules), then the arguments as above.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

struct ResolvedCommand {
  std::string program;            // the file that will be started
  std::vector<std::string> argv;  // argv[0] is the program name as written, then the arguments
};

// Finds the program of a command line and splits its arguments. Returns 0, or the
// Windows error code of the failure.
int resolveCommandLine(std::string_view commandLine, ResolvedCommand& out);

// A Windows-style path read as a path here: backslashes become "/", a leading drive
// letter is dropped.
std::string posixPath(std::string_view path);

// Starts the command line with the caller's environment and current folder; only the
// standard input, output and error are inherited. With `wait`, returns only once the
// program has ended (its exit status in `exitStatus` when given); without, the program
// runs on and is reaped in the background. Returns 0 or a Windows error code.
int startProcess(std::string_view commandLine, bool wait, int* exitStatus = nullptr);

// A started program whose end the caller watches without blocking, so that a window can
// keep its event loop running meanwhile.
class ChildProcess {
 public:
  ChildProcess(pid_t pid, int endFd) : pid_(pid), endFd_(endFd) {}
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // A program still running is left to run on by itself and reaped in the background.
  ~ChildProcess();

  // A descriptor that becomes readable once the program has ended, or -1 where the system
  // gives none (then `hasEnded` is to be asked on a timer).
  int endNotifier() const { return endFd_; }
  // Whether the program has ended; reaps it when it has. Never blocks.
  bool hasEnded();
  // Blocks until the program ends. Returns 0 or a Windows error code.
  int waitForEnd();
  // The exit status once ended (128 + the signal for a killed program); -1 where the
  // system reaped it for us.
  int exitStatus() const { return status_; }

 private:
  bool reap(bool block, int& error);

  pid_t pid_;
  int endFd_;
  bool ended_ = false;
  int status_ = -1;
};

// Starts the command line as startProcess does, without waiting: `child` watches it.
// Returns 0 or a Windows error code (and leaves `child` empty).
int startChildProcess(std::string_view commandLine, std::unique_ptr<ChildProcess>& child);

}  // namespace tavra
