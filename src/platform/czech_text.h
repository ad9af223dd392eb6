#pragma once
// Czech messages for the user name what they speak of in Czech quotation marks: „…“.

#include <string>
#include <string_view>

namespace tavra {

inline std::string czechQuoted(std::string_view text) { return "„" + std::string(text) + "“"; }

// A count with its noun in the Czech form for it: "1 den", "3 dny", "5 dnů", "0 dnů".
inline std::string czechCount(long long n, std::string_view one, std::string_view few, std::string_view many) {
  const std::string_view noun = n == 1 ? one : n >= 2 && n <= 4 ? few : many;
  return std::to_string(n) + " " + std::string(noun);
}

}  // namespace tavra
