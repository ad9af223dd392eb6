#pragma once
// The application's default error report: a failure that no handler caught is shown to the
// user in a message box with its message, and the program goes on. Every entry point from
// the toolkit (a command, a timer, a window event) runs its work through this, because an
// exception must never travel through the toolkit's event loop.

#include <exception>
#include <utility>

#include "platform/message_box.h"

namespace tavra {

template <class Work>
void runReportingErrors(Work&& work) noexcept {
  try {
    std::forward<Work>(work)();
  } catch (const std::exception& e) {
    reportError(e.what());
  } catch (...) {
    reportError("Neznámá chyba.");
  }
}

}  // namespace tavra
