#pragma once
// Czech messages for the user name what they speak of in Czech quotation marks: „…“.

#include <string>
#include <string_view>

namespace tavra {

inline std::string czechQuoted(std::string_view text) { return "„" + std::string(text) + "“"; }

}  // namespace tavra
