#include "platform/timer.h"

#include <utility>

namespace tavra {

namespace {

TimerFactory& factorySlot() {
  static TimerFactory factory;
  return factory;
}

}  // namespace

TimerFactory setTimerFactory(TimerFactory factory) { return std::exchange(factorySlot(), std::move(factory)); }

std::unique_ptr<Timer> createTimer() { return factorySlot() ? factorySlot()() : std::make_unique<Timer>(); }

}  // namespace tavra
