#include "search/index_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace tavra::search {

namespace {

// Making a Bible's index takes seconds; a holder that keeps the lock for minutes is stuck.
constexpr auto kLongestWait = std::chrono::minutes(2);
constexpr auto kPoll = std::chrono::milliseconds(20);

}  // namespace

IndexLock::IndexLock(const std::string& indexPath, const BuildControl& control) {
  const std::string path = indexPath + ".lock";
  // Not blocking: a FIFO put there must not stop the search.
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd_ < 0) {
    state_ = errno == EACCES || errno == EROFS || errno == ENOSPC || errno == EDQUOT ? State::Unwritable
                                                                                       : State::Unavailable;
    return;
  }
  struct stat file;
  if (::fstat(fd_, &file) != 0 || !S_ISREG(file.st_mode)) return;
  const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return;
    waited_ = waited_ || errno == EWOULDBLOCK;
    if (control.cancelled()) {
      state_ = State::Cancelled;
      return;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      state_ = State::TimedOut;
      return;
    }
    std::this_thread::sleep_for(kPoll);
  }
  state_ = State::Held;
}

IndexLock::~IndexLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace tavra::search
