#include "platform/qt/qt_timer.h"

#include <QTimer>

#include "platform/timer.h"

namespace tavra {

namespace {

class QtTimer : public Timer {
 public:
  QtTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
    changed();
  }

 protected:
  void changed() override {
    timer_.setInterval(interval());
    if (enabled() && !timer_.isActive())
      timer_.start();
    else if (!enabled() && timer_.isActive())
      timer_.stop();
  }

 private:
  QTimer timer_;
};

}  // namespace

std::unique_ptr<Timer> makeQtTimer() { return std::make_unique<QtTimer>(); }

}  // namespace tavra
