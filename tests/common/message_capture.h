#pragma once
// The texts of the message boxes shown while it lives, answered at once with `answer`
// instead of waiting for a user; the handler before it comes back however the test ends.

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace tavra::testing {

class MessageCapture : public std::vector<std::string> {
 public:
  explicit MessageCapture(MessageResult answer = MessageResult::Ok)
      : previous_(setMessageBoxHandler([this, answer](const MessageBoxRequest& request) {
          push_back(request.text);
          requests.push_back(request);
          return answer;
        })) {}
  ~MessageCapture() { setMessageBoxHandler(previous_); }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  std::vector<MessageBoxRequest> requests;  // with their buttons and icons

 private:
  MessageBoxHandler previous_;
};

}  // namespace tavra::testing
