#pragma once
// The lock of an index being made: a file beside the index, locked with flock by the process
// (or thread) that makes the index, so that a second one waits for the index instead of
// making it too. The lock goes with its holder, also when the holder dies.

#include <string>

#include "search/corpus.h"

namespace tavra::search {

class IndexLock {
 public:
  enum class State {
    Held,         // ours until the lock goes
    Unwritable,   // the lock file cannot be made: nothing can be stored beside it either
    Unavailable,  // the file system keeps no locks, or the lock file is not a plain file
    Cancelled,    // the cancel flag was set while waiting
    TimedOut,     // another holder kept it longer than an index takes to make
  };

  // Takes the lock of the index at `indexPath`, waiting while another holds it.
  IndexLock(const std::string& indexPath, const BuildControl& control);
  ~IndexLock();
  IndexLock(const IndexLock&) = delete;
  IndexLock& operator=(const IndexLock&) = delete;

  State state() const { return state_; }
  // Another held it first: it may have made the index meanwhile.
  bool waited() const { return waited_; }

 private:
  int fd_ = -1;
  State state_ = State::Unavailable;
  bool waited_ = false;
};

}  // namespace tavra::search
