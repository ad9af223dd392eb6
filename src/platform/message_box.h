#pragma once
// Message boxes and the default error report. Everything that asks the user goes through
// `showMessageBox`, so tests install a handler that records the request and answers at
// once instead of blocking; the toolkit installs the real dialog at start-up.

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace tavra {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageResult { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
  std::string text;     // UTF-8
  std::string caption;  // UTF-8; empty means the application title
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

using MessageBoxHandler = std::function<MessageResult(const MessageBoxRequest&)>;

// Installs `handler` and returns the previous one. Without a handler a request is
// written to standard error and answered with its first button.
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

MessageResult showMessageBox(const MessageBoxRequest& request);
inline MessageResult showMessageBox(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                                    MessageIcon icon = MessageIcon::None) {
  return showMessageBox(MessageBoxRequest{text, std::string(), buttons, icon});
}

// The default report of an error nobody caught: its message with an error icon and OK.
void reportError(const std::string& message);

// Runs the work of a toolkit event (a command, a timer, a window event): an exception
// must never travel through the toolkit's event loop, so a failure nobody caught goes to
// the default report and the program goes on.
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
