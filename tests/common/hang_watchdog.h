#pragma once
// Ends the test program with a message naming what it was reading when a read that should
// be refused at once blocks instead: a FIFO without a writer or a device blocks for good,
// and the suite's own time limit would only say that the whole program took too long.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace tavra::testing {

class HangWatchdog {
 public:
  explicit HangWatchdog(std::string what, std::chrono::seconds limit = std::chrono::seconds(10))
      : what_(std::move(what)), thread_([this, limit] {
          std::unique_lock lock(mutex_);
          if (!done_.wait_for(lock, limit, [this] { return finished_; })) {
            std::fprintf(stderr, "HANG: blocked for %lld s on %s\n", static_cast<long long>(limit.count()),
                         what_.c_str());
            std::fflush(stderr);
            std::_Exit(3);
          }
        }) {}
  ~HangWatchdog() {
    {
      std::lock_guard lock(mutex_);
      finished_ = true;
    }
    done_.notify_one();
    thread_.join();
  }
  HangWatchdog(const HangWatchdog&) = delete;
  HangWatchdog& operator=(const HangWatchdog&) = delete;

 private:
  std::string what_;
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::thread thread_;
};

}  // namespace tavra::testing
