#pragma once
// Reading a whole text through the tokenizer, for the tests.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "html/parse/tokenizer.h"
#include "platform/unicode.h"

namespace tavra::test {

struct Token {
  Symbol sym;
  std::string text;
  bool operator==(const Token&) const = default;
};

// Starts a tokenizer on `html` the way the builder does: the first GetCh reads the first
// character.
inline void start(HtmlTokenizer& t, std::string_view html) {
  t.SetText(html.data(), html.size());
  t.GetCh();
}

// Every symbol up to the end; a tokenizer that stops making progress fails the caller's
// size expectations instead of hanging (the loop is bounded).
inline std::vector<Token> readAll(HtmlTokenizer& t, std::size_t limit = 100000) {
  std::vector<Token> out;
  for (std::size_t i = 0; i < limit; ++i) {
    t.NextSymbol();
    if (t.CurrentSymbol == symEndOfFile) break;
    out.push_back(Token{t.CurrentSymbol, utf16ToUtf8(t.TokenText)});
  }
  return out;
}

inline void PrintTo(const Token& t, std::ostream* os) {
  *os << SymbolName(t.sym) << " \"" << t.text << "\"";
}

inline std::vector<Token> tokens(std::string_view html) {
  HtmlTokenizer t;
  start(t, html);
  return readAll(t);
}

// The text symbols of `html`, joined.
inline std::string text(std::string_view html) {
  std::string s;
  for (const Token& tok : tokens(html))
    if (tok.sym == symText) s += tok.text;
  return s;
}

}  // namespace tavra::test
