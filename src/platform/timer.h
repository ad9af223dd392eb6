#pragma once
// A repeating timer of the user-interface thread. The engine sets interval and state; the
// toolkit's timer (installed through setTimerFactory) calls fire() when it elapses.
// Without a factory a timer keeps its state but never fires, which is what tests need.

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

using TimerFactory = std::function<std::unique_ptr<Timer>()>;

// Installs `factory` and returns the previous one.
TimerFactory setTimerFactory(TimerFactory factory);
std::unique_ptr<Timer> createTimer();

}  // namespace tavra
