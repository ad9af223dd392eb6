#pragma once
// A repeating timer of the user-interface thread. The engine sets interval and state; a
// toolkit's timer derived from it calls fire() when it elapses. This base keeps its state
// but never fires by itself: tests fire it when they choose.

#include <functional>
#include <memory>

namespace tavra {

class Timer {
 public:
  virtual ~Timer() = default;

  void setInterval(int ms) {
    interval_ = ms;
    changed();
  }
  void setEnabled(bool on) {
    enabled_ = on;
    changed();
  }
  int interval() const { return interval_; }
  bool enabled() const { return enabled_; }

  std::function<void()> onTimer;
  void fire() {
    if (onTimer) onTimer();
  }

 protected:
  virtual void changed() {}

 private:
  int interval_ = 1000;
  bool enabled_ = false;
};

}  // namespace tavra
