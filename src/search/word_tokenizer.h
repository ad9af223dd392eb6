#pragma once
// Words as the full-text index sees them. The index splits and folds its text with SQLite's
// own tokenizer ("unicode61", diacritics removed); the query, the search without an index
// and the places of the found words go through that very tokenizer too, so that all of
// them agree with the index to the letter: "Láska", "LÁSKA" and "laska" are one word.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavra::search {

// The tokenizer and its arguments, as the index's table names them.
inline constexpr const char* kTokenizerName = "unicode61";
inline constexpr const char* kTokenizerSpec = "unicode61 remove_diacritics 2";

struct Word {
  std::string folded;     // lower case, without diacritics
  std::size_t begin = 0;  // bytes of the text the word was read from
  std::size_t end = 0;
};

// Not to be shared between threads: the tokenizer keeps a buffer of its own. Each one holds
// a small database in memory, the tokenizer's host.
class WordTokenizer {
 public:
  WordTokenizer();
  ~WordTokenizer();
  WordTokenizer(const WordTokenizer&) = delete;
  WordTokenizer& operator=(const WordTokenizer&) = delete;

  // False when this SQLite has no full-text index (built without FTS5).
  bool ok() const;

  // The words of UTF-8 text in their order; empty when !ok().
  std::vector<Word> words(std::string_view utf8) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tavra::search
