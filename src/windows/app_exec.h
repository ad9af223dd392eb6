#pragma once
// TAppExec: starts another program from one command line, optionally in a given working
// folder, and optionally waits until it ends. Toolkit-free; the program is found and
// started as platform/process.h describes, never through a shell.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tavra {

class ChildProcess;

class EAppExec : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The working folder could not be entered; the message is the input/output error text.
class EAppExecChDir : public EAppExec {
 public:
  using EAppExec::EAppExec;
};

// The program could not be started (or the command line is too long).
class EAppExecWinExec : public EAppExec {
 public:
  using EAppExec::EAppExec;
};

enum TWindowState { wsNormal, wsMinimized, wsMaximized };

class TAppExec {
 public:
  // Lines of this many characters or more are refused: the line must fit a 512-character
  // buffer with its terminating zero.
  static constexpr int kMaxCommandLine = 512;

  TAppExec();

  // -1 after construction; the Windows error code of a failed start; 0 after a wait.
  int ErrNo() const { return ErrNo_; }

  // The program, optionally followed by arguments: the start of the command line.
  std::string ExeName;
  bool ChangeDir = true;
  bool Wait = false;

  const std::string& ExePath() const { return ExePath_; }
  // Stores the folder; a trailing "\" is removed unless the value is "\" or a drive root.
  void SetExePath(const std::string& value);

  const std::vector<std::string>& ExeParams() const { return ExeParams_; }
  std::vector<std::string>& ExeParams() { return ExeParams_; }
  void SetExeParams(const std::vector<std::string>& value);

  TWindowState WindowState() const { return WindowState_; }
  void SetWindowState(TWindowState value);
  // 1 show normal, 2 show minimized, 3 show maximized. A program started here has no
  // way to receive it, so it is kept for the interface only.
  std::uint16_t ShowWindowCode() const { return ShowWindowCode_; }

  // ExeName, then one blank and each of ExeParams, without quoting.
  std::string CommandLine() const;

  // Throws EAppExecChDir or EAppExecWinExec.
  void Execute();

  // How Execute waits when Wait is true. Without a waiter it blocks the calling thread.
  // A waiter returns once the program has ended (true), or false when it gives the wait
  // up because its owner is going away: Execute then returns at once, ErrNo unchanged,
  // and the program runs on by itself.
  using Waiter = std::function<bool(ChildProcess&)>;
  void setWaiter(Waiter waiter) { waiter_ = std::move(waiter); }
  // The text for the current ErrNo; UTF-8.
  std::string GetErrorText() const { return ErrorTextFor(ErrNo_); }
  static std::string ErrorTextFor(int errNo);

 private:
  int ErrNo_ = -1;
  std::string ExePath_;
  std::vector<std::string> ExeParams_;
  TWindowState WindowState_ = wsNormal;
  std::uint16_t ShowWindowCode_ = 1;
  Waiter waiter_;
};

}  // namespace tavra
