#pragma once
// What a reader types into a search field, and where it stands in a text:
//   slovo slovo   every word must occur, each as a whole word, anywhere in the text
//   slovo*        a word that starts so
//   "…" or „…“    the words side by side in this order (a phrase; "…"* ends in a prefix)
// Case and diacritics do not count. A written word that the tokenizer splits ("Jan3,16")
// is a phrase of its parts. Other signs only separate words.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "search/word_tokenizer.h"

namespace tavra::search {

struct Term {
  std::vector<std::string> words;  // folded; more than one: a phrase
  bool prefix = false;             // the last word may be the start of a longer one
};

struct Query {
  std::vector<Term> terms;
  std::string problem;  // Czech, when there is nothing to search for; then no terms
  bool ok() const { return problem.empty(); }
};

// A longer query is refused: nobody types one, and it bounds the work of each text.
inline constexpr std::size_t kMaxQueryCharacters = 500;

Query parseQuery(std::string_view utf8, const WordTokenizer& tokenizer);

// The query in the index's query language, every word quoted, so that no sign of the
// reader's text is read as an operator.
std::string matchExpression(const Query& query);

// A stretch of a text in UTF-8 bytes: a found word, or a found phrase whole.
struct Span {
  std::size_t begin = 0;
  std::size_t length = 0;
  friend bool operator==(const Span&, const Span&) = default;
};

// Where the query's terms stand among `words` (a text's words): every occurrence of every
// term, in the order of the text, overlapping ones joined. Empty unless every term occurs.
std::vector<Span> findTerms(const Query& query, const std::vector<Word>& words);

}  // namespace tavra::search
