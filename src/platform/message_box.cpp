#include "platform/message_box.h"

#include <cstdio>
#include <utility>

namespace tavra {

namespace {

MessageBoxHandler& handlerSlot() {
  static MessageBoxHandler handler;
  return handler;
}

MessageResult firstButton(MessageButtons buttons) {
  return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? MessageResult::Ok
                                                                              : MessageResult::Yes;
}

}  // namespace

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(handlerSlot(), std::move(handler));
}

MessageResult showMessageBox(const MessageBoxRequest& request) {
  if (handlerSlot()) return handlerSlot()(request);
  std::fprintf(stderr, "%s\n", request.text.c_str());
  return firstButton(request.buttons);
}

void reportError(const std::string& message) {
  showMessageBox(MessageBoxRequest{message, std::string(), MessageButtons::Ok, MessageIcon::Error});
}

}  // namespace tavra
