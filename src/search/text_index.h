#pragma once
// One corpus's full-text index: an SQLite database with an FTS5 table of the documents (their
// text, group and key, the row number giving the corpus's order), the runs of rows of each
// group, and the facts that say what it was made of. Made in memory, stored whole; a stored
// one is only ever read, and read whole into memory: a checksum over the file tells a sound
// one from one cut short or damaged, and no lock of another program can stop the reading.

#include <memory>
#include <string>
#include <vector>

#include "search/corpus.h"
#include "search/search.h"

struct sqlite3;

namespace tavra::search {

// The most text an index is made of; a corpus beyond it is searched by reading it (a Bible
// is some 4 MB).
inline constexpr std::size_t kMaxIndexedBytes = 64u << 20;
// A stored index larger than this is not read: it cannot be one made of that much text.
inline constexpr std::size_t kMaxIndexFileBytes = 4 * kMaxIndexedBytes;

class TextIndex {
 public:
  ~TextIndex();
  TextIndex(const TextIndex&) = delete;
  TextIndex& operator=(const TextIndex&) = delete;

  // The index stored at `path` when it is a sound one of this format made of the corpus
  // with `fingerprint`; nullptr for anything else (missing, stale, cut short, damaged, not
  // a database, not a regular file).
  static std::unique_ptr<TextIndex> open(const std::string& path, const std::string& fingerprint);

  struct Made {
    std::unique_ptr<TextIndex> index;  // nullptr when it could not be made
    Reading reading;
    bool cancelled = false;
    std::string problem;  // Czech, why it could not be made when the corpus was read well
  };
  // Reads the whole corpus into a new index in memory.
  static Made make(Corpus& corpus, const std::string& fingerprint, const BuildControl& control);

  // Writes the index whole to `path` (see writeFileAtomically); throws InOutError.
  void store(const std::string& path) const;

  // The documents of `groups` (all when empty) that match, with their found words; false
  // when the database failed on the way (damaged), leaving `hits` to be thrown away.
  bool find(const Query& query, const std::vector<std::string>& groups, const WordTokenizer& tokenizer,
            std::vector<Hit>& hits) const;

  // The parts of the corpus its reading left out, as it named them.
  const std::vector<std::string>& skipped() const { return skipped_; }

 private:
  explicit TextIndex(sqlite3* db) : db_(db) {}

  sqlite3* db_;
  std::shared_ptr<std::string> bytes_;  // a stored index read whole, which db_ reads
  std::vector<std::string> skipped_;
};

// Deletes what writes of the index at `path` left behind when their process died.
void removeStaleTemporaries(const std::string& path);

}  // namespace tavra::search
