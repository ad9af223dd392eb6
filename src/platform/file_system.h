#pragma once
// Files, folders and the input/output error of the platform.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tavra {

// The platform's input/output error: a Windows-style code with its text, e.g. 5
// "File access denied", 123 "Invalid filename", others "I/O error <code>".
class InOutError : public std::runtime_error {
 public:
  InOutError(int code, std::string message) : std::runtime_error(std::move(message)), code_(code) {}
  int code() const { return code_; }
  // The error for a POSIX errno value, mapped to the Windows code of the same meaning.
  static InOutError fromErrno(int errnoValue);
  static int windowsCodeFromErrno(int errnoValue);
  static std::string textForCode(int windowsCode);

 private:
  int code_;
};

// The folder of the running program, with its trailing separator; once setExeDir has
// named another folder (an installed program works in the user's own folder), that one.
std::string ExeDir();
void setExeDir(std::string folder);

bool fileExists(const std::string& path);
// Deletes a file; returns false when it could not (a missing file included).
bool deleteFile(const std::string& path);

// Reads a whole file; throws InOutError when it cannot be opened or read.
std::string readWholeFile(const std::string& path);

// Reads a whole regular file of at most `maxSize` bytes. Anything else (a folder, a FIFO, a
// device, a larger file) throws InOutError without blocking or reading it.
std::string readRegularFile(const std::string& path, std::size_t maxSize);

// Writes a file by writing a temporary beside it and renaming it over the old one, so
// that a crash or a full disk never leaves it half-written. A symbolic link at `path` is
// replaced by the new file, not written through; a read-only file is refused (code 5).
// Throws InOutError.
void writeFileAtomically(const std::string& path, std::string_view content);

}  // namespace tavra
