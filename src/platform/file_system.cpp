#include "platform/file_system.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace tavra {
namespace {

// Windows error codes used by the mapping below.
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kInvalidHandle = 6;
constexpr int kNotEnoughMemory = 8;
constexpr int kBadEnvironment = 10;
constexpr int kNotSameDevice = 17;
constexpr int kGeneralFailure = 31;
constexpr int kSharingViolation = 32;
constexpr int kHandleDiskFull = 39;
constexpr int kFileExists = 80;
constexpr int kInvalidParameter = 87;
constexpr int kBrokenPipe = 109;
constexpr int kDiskFull = 112;
constexpr int kInvalidName = 123;
constexpr int kDirNotEmpty = 145;
constexpr int kBadExeFormat = 193;
constexpr int kFilenameTooLong = 206;
constexpr int kFileTooLarge = 223;
constexpr int kIoDevice = 1117;
constexpr int kCantResolveFilename = 1921;

// A path with a NUL byte cannot name a file; the system calls would silently cut it.
bool hasNul(const std::string& path) { return path.find('\0') != std::string::npos; }


bool writeAll(int fd, std::string_view content) {
  while (!content.empty()) {
    ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(std::size_t(n));
  }
  return true;
}

}  // namespace

int InOutError::windowsCodeFromErrno(int e) {
  switch (e) {
    case 0: return 0;
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kPathNotFound;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return kAccessDenied;
    case EBADF: return kInvalidHandle;
    case ENOMEM:
    case EAGAIN: return kNotEnoughMemory;
    case E2BIG: return kBadEnvironment;
    case EXDEV: return kNotSameDevice;
    case EBUSY:
    case ETXTBSY: return kSharingViolation;
    case EEXIST: return kFileExists;
    case EINVAL: return kInvalidParameter;
    case EPIPE: return kBrokenPipe;
    case ENOSPC:
    case EDQUOT: return kDiskFull;
    case ENOTEMPTY: return kDirNotEmpty;
    case ENOEXEC: return kBadExeFormat;
    case ENAMETOOLONG: return kFilenameTooLong;
    case EFBIG: return kFileTooLarge;
    case EIO: return kIoDevice;
    case ELOOP: return kCantResolveFilename;
    default: return kGeneralFailure;
  }
}

std::string InOutError::textForCode(int code) {
  switch (code) {
    case kFileNotFound: return "File not found";
    case kPathNotFound: return "Path not found";
    case kTooManyOpenFiles: return "Too many open files";
    case kAccessDenied: return "File access denied";
    case kHandleDiskFull:
    case kDiskFull: return "Disk full";
    case kInvalidName: return "Invalid filename";
    default: return "I/O error " + std::to_string(code);
  }
}

InOutError InOutError::fromErrno(int errnoValue) {
  int code = windowsCodeFromErrno(errnoValue);
  return InOutError(code, textForCode(code));
}

namespace {
std::string& exeDirOverride() {
  static std::string folder;
  return folder;
}
}  // namespace

void setExeDir(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  exeDirOverride() = std::move(folder);
}

std::string ExeDir() {
  if (!exeDirOverride().empty()) return exeDirOverride();
  std::string path;
#if defined(__linux__)
  char buffer[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
  if (n > 0 && std::size_t(n) < sizeof buffer) path.assign(buffer, std::size_t(n));
#elif defined(__APPLE__)
  char buffer[PATH_MAX];
  std::uint32_t size = sizeof buffer;
  char resolved[PATH_MAX];
  if (_NSGetExecutablePath(buffer, &size) == 0 && ::realpath(buffer, resolved)) path = resolved;
#endif
  std::string::size_type slash = path.rfind('/');
  if (slash == std::string::npos) {
    // Without a way to ask the system, the current folder is the best guess: the
    // program is normally started in its own folder.
    std::error_code ec;
    std::string dir = std::filesystem::current_path(ec).string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
  }
  return path.substr(0, slash + 1);
}

bool fileExists(const std::string& path) {
  if (path.empty() || hasNul(path)) return false;
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool deleteFile(const std::string& path) {
  if (path.empty() || hasNul(path)) return false;
  return ::unlink(path.c_str()) == 0;
}

namespace {

// Opens without blocking (a FIFO would otherwise wait for a writer) and accepts only a
// regular file, judged on the opened descriptor so that no rename in between can swap it.
Descriptor openRegular(const std::string& path, struct stat& st) {
  if (hasNul(path)) throw InOutError(kInvalidName, InOutError::textForCode(kInvalidName));
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) throw InOutError::fromErrno(errno);
  if (::fstat(fd.get(), &st) != 0) throw InOutError::fromErrno(errno);
  if (S_ISDIR(st.st_mode)) throw InOutError::fromErrno(EISDIR);
  if (!S_ISREG(st.st_mode)) throw InOutError(kAccessDenied, InOutError::textForCode(kAccessDenied));
  return fd;
}

// Up to `count` bytes; `tooLarge` says whether more would have followed.
std::string readUpTo(int fd, std::size_t count, std::size_t sizeHint, bool& tooLarge) {
  std::string content;
  content.reserve(std::min(sizeHint, count));
  char buffer[65536];
  tooLarge = false;
  for (;;) {
    // One byte past the limit tells a file that fits from one that grew beyond it.
    std::size_t want = std::min(sizeof buffer, count - content.size() + 1);
    ssize_t n = ::read(fd, buffer, want);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw InOutError::fromErrno(errno);
    }
    if (n == 0) break;
    if (content.size() + std::size_t(n) > count) {
      content.append(buffer, count - content.size());
      tooLarge = true;
      break;
    }
    content.append(buffer, std::size_t(n));
  }
  return content;
}

bool refusedByFolder(int e) { return e == EACCES || e == EPERM; }

bool writeAllAt(int fd, std::string_view content) {
  return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, content);
}

// The file itself, rewritten through its own descriptor. Room for the new content is
// taken first, so a full disk refuses the write before anything changes; should a write
// still fail, the old content goes back.
void writeInPlace(const std::string& path, std::string_view content, bool durable) {
  Descriptor fd(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) throw InOutError::fromErrno(errno);
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) throw InOutError::fromErrno(errno);
  if (!S_ISREG(st.st_mode)) throw InOutError(kAccessDenied, InOutError::textForCode(kAccessDenied));
  bool grewBeyond = false;
  const std::string old = readUpTo(fd.get(), std::size_t(st.st_size), std::size_t(st.st_size), grewBeyond);
  if (content.size() > old.size()) {
    const int e = ::posix_fallocate(fd.get(), 0, off_t(content.size()));
    if (e != 0 && e != EINVAL && e != EOPNOTSUPP) throw InOutError::fromErrno(e);
  }
  if (!writeAllAt(fd.get(), content) || ::ftruncate(fd.get(), off_t(content.size())) != 0 ||
      (durable && ::fsync(fd.get()) != 0 && errno != EINVAL)) {
    const int e = errno;
    if (writeAllAt(fd.get(), old)) (void)::ftruncate(fd.get(), off_t(old.size()));
    throw InOutError::fromErrno(e);
  }
  if (fd.close() != 0) throw InOutError::fromErrno(errno);
}

}  // namespace

Descriptor::~Descriptor() {
  if (fd_ >= 0) ::close(fd_);
}

int Descriptor::close() {
  int result = ::close(fd_);
  fd_ = -1;
  return result;
}

int Descriptor::release() {
  int fd = fd_;
  fd_ = -1;
  return fd;
}

std::string readRegularFile(const std::string& path, std::size_t maxSize) {
  struct stat st;
  Descriptor fd = openRegular(path, st);
  if (std::uintmax_t(st.st_size) > maxSize) throw InOutError(kFileTooLarge, InOutError::textForCode(kFileTooLarge));
  bool tooLarge = false;
  std::string content = readUpTo(fd.get(), maxSize, std::size_t(st.st_size), tooLarge);
  if (tooLarge) throw InOutError(kFileTooLarge, InOutError::textForCode(kFileTooLarge));
  return content;
}

std::string readRegularFilePrefix(const std::string& path, std::size_t count) {
  struct stat st;
  Descriptor fd = openRegular(path, st);
  bool tooLarge = false;
  return readUpTo(fd.get(), count, std::size_t(st.st_size), tooLarge);
}

Descriptor openRegularFile(const std::string& path) {
  struct stat st;
  return openRegular(path, st);
}

void writeFileAtomically(const std::string& path, std::string_view content, Durability durability) {
  const bool durable = durability == Durability::Durable;
  if (path.empty() || hasNul(path)) throw InOutError(kInvalidName, InOutError::textForCode(kInvalidName));
  // A link is replaced by a file of our own, never written through: in a per-user folder
  // the links point into the shared installation, which is not ours to change.
  struct stat old;
  bool hadOld = ::lstat(path.c_str(), &old) == 0 && !S_ISLNK(old.st_mode);
  if (hadOld && S_ISDIR(old.st_mode)) throw InOutError::fromErrno(EISDIR);
  // A read-only file stays as it is; the rename below would otherwise replace it.
  if (hadOld && ((old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0))
    throw InOutError::fromErrno(EACCES);

  static std::atomic<unsigned> counter{0};
  std::string temp;
  int fdValue = -1;
  for (int attempt = 0; attempt < 100 && fdValue < 0; ++attempt) {
    temp = path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    fdValue = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fdValue < 0 && errno != EEXIST) break;
  }
  if (fdValue < 0) {
    // A folder that refuses new files may still hold a file we may write: then in place.
    if (hadOld && refusedByFolder(errno)) return writeInPlace(path, content, durable);
    throw InOutError::fromErrno(errno);
  }
  Descriptor fd(fdValue);

  auto fail = [&](int e) {
    if (fd.get() >= 0) fd.close();
    ::unlink(temp.c_str());
    throw InOutError::fromErrno(e);
  };
  if (hadOld && ::fchmod(fd.get(), old.st_mode & 07777) != 0) fail(errno);
  if (!writeAll(fd.get(), content)) fail(errno);
  if (durable && ::fsync(fd.get()) != 0 && errno != EINVAL) fail(errno);
  if (fd.close() != 0) fail(errno);
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int e = errno;
    ::unlink(temp.c_str());
    if (hadOld && refusedByFolder(e)) return writeInPlace(path, content, durable);
    throw InOutError::fromErrno(e);
  }
  if (!durable) return;
  // Make the rename itself durable; a failure here leaves a complete file either way.
  std::string::size_type slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace tavra
