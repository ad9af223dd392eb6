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

// An open file descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor();
  Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor& operator=(Descriptor&&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the result, so that a failing close (a late write error on
  // some file systems) is not lost.
  int close();
  // Hands the descriptor over, e.g. to a stdio stream.
  int release();

 private:
  int fd_;
};

// Reads a whole regular file of at most `maxSize` bytes. Anything else (a folder, a FIFO, a
// device, a larger file) throws InOutError without blocking or reading it.
std::string readRegularFile(const std::string& path, std::size_t maxSize);
// The first `count` bytes (fewer in a shorter file) of a regular file, checked as above.
std::string readRegularFilePrefix(const std::string& path, std::size_t count);
// A regular file opened for reading, checked as above; throws InOutError otherwise.
Descriptor openRegularFile(const std::string& path);

// Writes a file by writing a temporary beside it and renaming it over the old one, so
// that a crash or a full disk never leaves it half-written. A symbolic link at `path` is
// replaced by the new file, not written through; a read-only file is refused (code 5).
// Where the folder refuses the new file or the rename but the file itself may be written,
// it is rewritten in place, still whole or not at all. Throws InOutError.
//
// A `Durable` write reaches the disk before it returns, so that a power cut keeps it. A
// `Scratch` file (one the program makes again from its own data each time it needs it) is
// replaced whole all the same but not waited for: waiting on the disk costs milliseconds
// a time, and what a power cut could take is made again at the next start.
enum class Durability { Durable, Scratch };
void writeFileAtomically(const std::string& path, std::string_view content,
                         Durability durability = Durability::Durable);

}  // namespace tavra
