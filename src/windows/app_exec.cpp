#include "windows/app_exec.h"

#include <cerrno>
#include <memory>

#include <unistd.h>

#include "platform/file_system.h"
#include "platform/process.h"

namespace tavra {
namespace {

void changeDirectory(const std::string& folder) {
  if (::chdir(folder.c_str()) == 0) return;
  int error = errno;
  std::string mapped = posixPath(folder);
  if (mapped != folder) {
    if (::chdir(mapped.c_str()) == 0) return;
    error = errno;
  }
  throw EAppExecChDir(InOutError::fromErrno(error).what());
}

}  // namespace

TAppExec::TAppExec() = default;

void TAppExec::SetExePath(const std::string& value) {
  if (value == ExePath_) return;
  ExePath_ = value;
  bool driveRoot = ExePath_.size() == 3 && ExePath_[1] == ':' && ExePath_[2] == '\\';
  if (!ExePath_.empty() && ExePath_.back() == '\\' && ExePath_ != "\\" && !driveRoot) ExePath_.pop_back();
}

void TAppExec::SetExeParams(const std::vector<std::string>& value) { ExeParams_ = value; }

void TAppExec::SetWindowState(TWindowState value) {
  if (value == WindowState_) return;
  ShowWindowCode_ = value == wsMinimized ? 2 : value == wsMaximized ? 3 : 1;
  WindowState_ = value;
}

std::string TAppExec::CommandLine() const {
  std::string line = ExeName;
  for (const std::string& param : ExeParams_) {
    line += ' ';
    line += param;
  }
  return line;
}

void TAppExec::Execute() {
  std::string line = CommandLine();
  // Cutting the line to fit would start the program with a mangled argument.
  if (line.size() >= std::size_t(kMaxCommandLine)) throw EAppExecWinExec("Příkazový řádek je příliš dlouhý.");
  if (ChangeDir && !ExePath_.empty()) changeDirectory(ExePath_);
  // The program shares our standard streams: a console of its own and the show-window
  // value have no counterpart here.
  int code = 0;
  if (Wait && waiter_) {
    std::unique_ptr<ChildProcess> child;
    code = startChildProcess(line, child);
    if (code == 0) {
      if (!waiter_(*child)) return;
      code = child->waitForEnd();
    }
  } else {
    code = startProcess(line, Wait);
  }
  if (code != 0) {
    ErrNo_ = code;
    throw EAppExecWinExec(GetErrorText());
  }
  if (Wait) ErrNo_ = 0;
}

std::string TAppExec::ErrorTextFor(int errNo) {
  switch (errNo) {
    case -1: return "Nelze spustit";
    case 0: return "Systém má málo volné paměti, nebo je soubor vadný.";
    case 2: return "Soubor nelze najít";
    case 3: return "Cestu nelze najít";
    case 5:
      return "Attempt was made to dynamically link to a task, or there was a sharing or network-protection error";
    case 6: return "Library required separate data segments for each task";
    case 8: return "There was insufficient memory to start the application";
    case 10: return "Špatná verze Windows";
    case 11:
      return "Executable file was invalid. Either it was not a Windows application or there was an error in the "
             ".EXE image";
    case 12: return "Application was designed for a different operating system";
    case 13: return "Application was designed for MS-DOS 4.0";
    case 14: return "Type of executable file was unknown";
    case 15: return "Attempt was made to load a real-mode application (developed for an earlier version of Windows)";
    case 16:
      return "Attempt to load second instance of an executable containing multiple data segments not marked "
             "read-only";
    case 19:
      return "Attempt was made to load a compressed executable file. The file must be decompressed before it can "
             "be loaded";
    case 20: return "Dynamická knihovna (DLL) je vadná.";
    case 21: return "Aplikace vyžaduje 32-bitové Windows";
    default: return errNo >= 32 ? "Error" : "";
  }
}

}  // namespace tavra
