#pragma once
// Engine timers driven by the toolkit's event loop.

#include <memory>

#include "platform/timer.h"

namespace tavra {

// A timer that fires from the toolkit's event loop; a QApplication must exist.
std::unique_ptr<Timer> makeQtTimer();

}  // namespace tavra
