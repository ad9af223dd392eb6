// Any bytes as a rich-text document: parsed, and the result must keep its promises.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/rtf_reader.h"

using namespace tavra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rtf::Document doc = rtf::parse(std::string_view(reinterpret_cast<const char*>(data), size));
  if (doc.paragraphs.empty()) __builtin_trap();
  for (const rtf::Paragraph& p : doc.paragraphs) {
    for (std::size_t i = 1; i < p.runs.size(); ++i)
      if (p.runs[i].style == p.runs[i - 1].style) __builtin_trap();
    rtf::plainText(p);
  }
  return 0;
}
