#pragma once
// Engine timers driven by the toolkit's event loop.

namespace tavra {

// Makes createTimer() return timers backed by QTimer; call once a QApplication exists.
void installQtTimers();

}  // namespace tavra
