// Arbitrary bytes must never crash, hang or make the tokenizer read past its input.

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "html/parse/tokenizer.h"
#include "html_parse/tokenizer_test_util.h"

using namespace tavra;

namespace {

// Inputs biased towards the characters that steer the tokenizer, so that random inputs
// reach tags, attributes, references, comments and directives, with any byte mixed in.
std::string randomInput(std::mt19937& rng) {
  static constexpr std::string_view kPieces[] = {
      "<",  ">",    "&",     "#",     "!",  "-",     "--",   "<!--", "-->", "<!--#", "\"",
      "'",  "=",    ";",     " ",     "\r", "\n",    "\t",   "/",    "%",   "+",     "a",
      "H2", "TABLE", "td",   "amp",   "65", "000065", "textarea", "script", "border", "\x1A",
      "x",  "9",    "width", "nbsp",  "<p", "</", std::string_view("\0", 1), "\xFF",
  };
  std::uniform_int_distribution<int> length(0, 60);
  std::uniform_int_distribution<int> pick(0, int(std::size(kPieces)));
  std::uniform_int_distribution<int> byte(0, 255);
  std::string s;
  for (int n = length(rng); n > 0; --n) {
    int i = pick(rng);
    if (i == int(std::size(kPieces)))
      s += char(byte(rng));
    else
      s += kPieces[i];
  }
  return s;
}

enum class Reader { Content, TextArea, Script };

// Reads `input` to its end with one reader; every symbol must consume input, so the
// number of symbols is bounded by the input's length.
void readToEnd(const std::string& input, Reader reader, bool withInclude) {
  HtmlTokenizer t;
  const std::string inserted = "<b>&amp;<!--#x-->";
  if (withInclude) {
    t.OnInclude = [&](const std::string&, std::vector<std::string>&,
                      const char*& buffer, int& size) {
      buffer = inserted.data();
      size = int(inserted.size());
    };
  }
  // The input is copied to a buffer of exactly its size, so that a read past its end is
  // caught by the address sanitizer.
  std::unique_ptr<char[]> exact(new char[input.size() + 1]);
  std::copy(input.begin(), input.end(), exact.get());
  t.InScript = reader == Reader::Script;
  try {
    t.SetText(exact.get(), input.size());
    t.InScript = reader == Reader::Script;
    t.GetCh();
    const std::size_t limit = 2 * (input.size() + inserted.size() * input.size()) + 4;
    std::size_t count = 0;
    for (;; ++count) {
      ASSERT_LE(count, limit) << "no progress on input of " << input.size() << " bytes";
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
      if (t.CurrentSymbol == symEndOfFile) break;
      ASSERT_LE(t.TokenText.size(), std::size_t(HtmlTokenizer::MaxTokenText));
      ASSERT_LE(t.HeadingLevel, 6);
    }
  } catch (const EParseError&) {
    // The one error the input may cause.
  }
}

}  // namespace

TEST(TokenizerRobustness, RandomInputsEndCleanly) {
  std::mt19937 rng(20261207);
  for (int i = 0; i < 4000; ++i) {
    std::string input = randomInput(rng);
    SCOPED_TRACE(testing::PrintToString(input));
    readToEnd(input, Reader(i % 3), i % 2 == 0);
    if (HasFatalFailure()) return;
  }
}

TEST(TokenizerRobustness, RandomBytesEndCleanly) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> length(0, 200);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < 2000; ++i) {
    std::string input(std::size_t(length(rng)), '\0');
    for (char& c : input) c = char(byte(rng));
    SCOPED_TRACE(testing::PrintToString(input));
    readToEnd(input, Reader(i % 3), i % 4 == 0);
    if (HasFatalFailure()) return;
  }
}

TEST(TokenizerRobustness, EveryPrefixOfADocumentEndsCleanly) {
  const std::string doc =
      "<!DOCTYPE html><html><head><title>T &amp; t</title></head>\r\n"
      "<body bgcolor=\"#FFFFFF\" text=black><h1 align=center>Nadpis</h1>\r\n"
      "<!-- comment -- with -- dashes --><p>Text &#65;&#x41; &nbsp;&unknown; a < b > c\r\n"
      "<table border width=50%><tr><td colspan=2 valign=\"top\">cell</td></tr></table>\n"
      "<map name=m><area shape=poly coords=\"1,2,3,4,5,6\" href=x.htm></map>\n"
      "<textarea rows=2>one\r\ntwo</textarea><script>a<b;</script></body></html>";
  for (std::size_t n = 0; n <= doc.size(); ++n) {
    for (Reader r : {Reader::Content, Reader::TextArea, Reader::Script}) {
      readToEnd(doc.substr(0, n), r, n % 2 == 0);
      if (HasFatalFailure()) return;
    }
  }
}
