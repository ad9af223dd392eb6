#pragma once
// The address and frame target of one link.

#include <optional>
#include <string>
#include <string_view>

namespace tavra {

class TUrlTarget {
 public:
  std::string URL;
  std::string Target;

  // Sets each part that is given; a part passed as std::nullopt keeps its value.
  void Assign(std::optional<std::string_view> url, std::optional<std::string_view> target) {
    if (url) URL.assign(url->data(), url->size());
    if (target) Target.assign(target->data(), target->size());
  }
  void Clear() {
    URL.clear();
    Target.clear();
  }
};

}  // namespace tavra
