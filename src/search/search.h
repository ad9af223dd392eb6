#pragma once
// Searching a corpus. The answer comes from the corpus's full-text index in the cache folder
// ($XDG_CACHE_HOME/tavra/, by default ~/.cache/tavra/), which the first search makes and a
// search after any change of the corpus (its fingerprint) makes again. An index is written
// whole under another name and then renamed, so that a reader never meets half of one, and
// while one process makes it, another waits for it instead of making it too. A stored index
// is read whole and checked against its checksum, so a lock another program holds on it does
// not stop the search; a missing, stale, cut short or damaged one is made again. Where it
// cannot be stored the answer still comes from one made in memory, and where the cache folder
// cannot be written at all, from reading the whole text. Either way the answer is whole, and
// its notes say in Czech how it was come by.
//
// No toolkit. A search may run on a worker thread; the corpus it reads is then that
// thread's alone.

#include <string>
#include <string_view>
#include <vector>

#include "search/corpus.h"
#include "search/query.h"

namespace tavra::search {

struct Hit {
  std::string group;
  std::string key;
  std::string text;
  std::vector<Span> spans;  // the found words in `text`, to be shown in bold
};

enum class Outcome {
  Found,
  NothingFound,
  BadQuery,   // nothing to search for: `message` says why
  Cancelled,  // the index was being made when the cancel flag was set
  Failed,     // the corpus could not be read: `message` says why
};

enum class Source {
  None,          // no search was made (a bad query, a failure)
  StoredIndex,   // the index in the cache folder, as it was
  NewIndex,      // an index made now and stored for the next searches
  UnsavedIndex,  // an index made now that could not be stored
  Scan,          // the whole text read, without an index
};

struct Answer {
  Outcome outcome = Outcome::Failed;
  Source source = Source::None;
  std::vector<Hit> hits;               // in the corpus's order
  std::string message;                 // Czech: why there are no hits (every outcome but Found)
  std::vector<std::string> notes;      // Czech: how the answer was come by, parts left out
};

// `groups` limits the search to those groups (empty: all of them).
Answer search(Corpus& corpus, std::string_view query, const std::vector<std::string>& groups = {},
              const BuildControl& control = {});

// The file of the corpus's index; "" when no cache folder is known (no home folder).
std::string indexFile(const Corpus& corpus);

}  // namespace tavra::search
