#pragma once
// Text written into HTML or XML: its markup characters as references, so that what a file
// or a module says is shown, never obeyed.

#include <string>
#include <string_view>

namespace tavra {

// "&", "<", ">" and '"' as "&amp;", "&lt;", "&gt;" and "&quot;"; any other byte unchanged.
std::string escapeMarkup(std::string_view text);

}  // namespace tavra
