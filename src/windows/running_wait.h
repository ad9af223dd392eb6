#pragma once
// Waiting for a started program while the event loop runs: the windows keep painting,
// their timers tick and the desktop sees the program alive, but no window of the program
// takes input until the program ends.

class QWidget;

namespace tavra {

class ChildProcess;

// Returns true once `child` has ended; false when the wait is given up because `window`
// was closed or destroyed, or the application is quitting (the program then runs on).
// Meanwhile mouse, keyboard, wheel and touch input to every window of this program is
// dropped, and the busy cursor is shown.
bool waitRunningEvents(ChildProcess& child, QWidget* window);

}  // namespace tavra
