#include "search/query.h"

#include <algorithm>

#include "platform/codepage.h"
#include "platform/unicode.h"

namespace tavra::search {

namespace {

bool isBlank(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == 0xA0 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x3000;
}

// The straight quote and the Czech ones, „thus“; the English closing one counts too.
bool isQuote(char32_t c) { return c == '"' || c == 0x201E || c == 0x201C || c == 0x201D; }

std::u32string decode(std::string_view utf8) {
  std::u32string out;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = 0;
    out += nextUtf8(utf8, pos, c) ? c : kReplacementCharacter;
  }
  return out;
}

class Parser {
 public:
  Parser(const WordTokenizer& tokenizer, Query& query) : tokenizer_(tokenizer), query_(query) {}

  void run(std::u32string_view text) {
    bool inPhrase = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char32_t c = text[i];
      if (inPhrase) {
        if (!isQuote(c)) {
          appendUtf8(chunk_, c);
          continue;
        }
        inPhrase = false;
        bool prefix = false;
        while (i + 1 < text.size() && text[i + 1] == '*') prefix = true, ++i;
        finish(prefix);
      } else if (isQuote(c) || isBlank(c)) {
        finishWord();
        inPhrase = isQuote(c);
      } else {
        appendUtf8(chunk_, c);
      }
    }
    // An open quote runs to the end.
    if (inPhrase) finish(false);
    else finishWord();
  }

 private:
  // A word outside quotes ends in its stars when it is a prefix.
  void finishWord() {
    bool prefix = false;
    while (!chunk_.empty() && chunk_.back() == '*') chunk_.pop_back(), prefix = true;
    finish(prefix);
  }

  void finish(bool prefix) {
    Term term;
    for (Word& word : tokenizer_.words(chunk_))
      if (!word.folded.empty()) term.words.push_back(std::move(word.folded));
    chunk_.clear();
    if (term.words.empty()) return;
    term.prefix = prefix;
    query_.terms.push_back(std::move(term));
  }

  const WordTokenizer& tokenizer_;
  Query& query_;
  std::string chunk_;
};

}  // namespace

Query parseQuery(std::string_view utf8, const WordTokenizer& tokenizer) {
  Query query;
  const std::u32string text = decode(utf8);
  if (std::all_of(text.begin(), text.end(), isBlank)) {
    query.problem = "Zadejte slovo, které se má hledat.";
  } else if (text.size() > kMaxQueryCharacters) {
    query.problem = "Hledaný text je příliš dlouhý: nejvýše " + std::to_string(kMaxQueryCharacters) + " znaků.";
  } else {
    Parser(tokenizer, query).run(text);
    std::string written;
    for (char32_t c : text) appendUtf8(written, c);
    if (query.terms.empty())
      query.problem = "V hledaném textu „" + written +
                      "“ není žádné slovo: hledají se slova z písmen a číslic, ostatní znaky je jen oddělují.";
  }
  return query;
}

std::string matchExpression(const Query& query) {
  std::string expression;
  for (const Term& term : query.terms) {
    if (!expression.empty()) expression += ' ';
    expression += '"';
    for (std::size_t i = 0; i < term.words.size(); ++i) {
      if (i) expression += ' ';
      for (char c : term.words[i]) {
        if (c == '"') expression += '"';
        expression += c;
      }
    }
    expression += term.prefix ? "\"*" : "\"";
  }
  return expression;
}

std::vector<Span> findTerms(const Query& query, const std::vector<Word>& words) {
  std::vector<Span> spans;
  for (const Term& term : query.terms) {
    const std::size_t n = term.words.size();
    bool found = false;
    for (std::size_t i = 0; n && i + n <= words.size(); ++i) {
      bool same = true;
      for (std::size_t k = 0; k < n && same; ++k) {
        const std::string& written = words[i + k].folded;
        same = k + 1 == n && term.prefix ? written.starts_with(term.words[k]) : written == term.words[k];
      }
      if (!same) continue;
      found = true;
      spans.push_back({words[i].begin, words[i + n - 1].end - words[i].begin});
    }
    if (!found) return {};
  }
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
  std::vector<Span> joined;
  for (const Span& span : spans) {
    if (!joined.empty() && span.begin <= joined.back().begin + joined.back().length) {
      Span& last = joined.back();
      last.length = std::max(last.begin + last.length, span.begin + span.length) - last.begin;
    } else {
      joined.push_back(span);
    }
  }
  return joined;
}

}  // namespace tavra::search
