// Any bytes through the HTML tokenizer with each of its three readers; include directives
// insert a piece of markup, so that nested sources are exercised too.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "html/parse/tokenizer.h"

using namespace tavra;

namespace {

enum class Reader { Content, TextArea, Script };

void readToEnd(const std::uint8_t* data, std::size_t size, Reader reader, bool withInclude) {
  HtmlTokenizer t;
  const std::string inserted = "<b a=1>&amp;<!--#x y=\"z\"-->";
  if (withInclude) {
    t.OnInclude = [&](const std::string&, std::vector<std::string>&, const char*& buffer, int& length) {
      buffer = inserted.data();
      length = int(inserted.size());
    };
  }
  try {
    t.SetText(reinterpret_cast<const char*>(data), size);
    t.InScript = reader == Reader::Script;
    t.GetCh();
    // Every symbol consumes input, so their number is bounded by the input's length.
    const std::size_t limit = 2 * (size + inserted.size() * size) + 4;
    for (std::size_t count = 0; count <= limit; ++count) {
      switch (reader) {
        case Reader::Content:
          t.NextSymbol();
          break;
        case Reader::TextArea:
          t.NextTextAreaSymbol();
          break;
        case Reader::Script:
          t.NextScriptSymbol();
          break;
      }
      if (t.CurrentSymbol == symEndOfFile) return;
      if (t.TokenText.size() > std::size_t(HtmlTokenizer::MaxTokenText) || t.HeadingLevel > 6) __builtin_trap();
    }
    __builtin_trap();  // no progress
  } catch (const EParseError&) {
    // The one error the input may cause.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input is read in place: libFuzzer hands over a buffer of exactly `size` bytes, so
  // a read past its end is caught.
  readToEnd(data, size, Reader::Content, false);
  readToEnd(data, size, Reader::Content, true);
  readToEnd(data, size, Reader::TextArea, false);
  readToEnd(data, size, Reader::Script, true);
  return 0;
}
