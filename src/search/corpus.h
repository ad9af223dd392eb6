#pragma once
// What can be searched: a body of texts (a Bible, the daily texts of every year) handed over
// as documents in their own order, each in a group (a book, a year) with a key of its own
// (a verse's place, a date). The search knows nothing of Bibles or days; the corpus knows
// nothing of indexes.

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tavra::search {

struct Document {
  std::string group;  // the unit a search can be limited to: "Matt", "2026"
  std::string key;    // the document's place within its group, for its owner: "5.3", "2026-01-05"
  std::string text;   // UTF-8, as it is shown
};

// How a search that has to make its index reports to a window and hears from it.
struct BuildControl {
  // Called on the searching thread while the index is made: `done` of `total` steps.
  std::function<void(std::size_t done, std::size_t total)> progress;
  // May be set from any thread; the search then stops, writes nothing and ends Cancelled.
  const std::atomic<bool>* cancel = nullptr;

  bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
  void report(std::size_t done, std::size_t total) const {
    if (progress) progress(done, total);
  }
};

// What reading the corpus came to.
struct Reading {
  std::string failure;                // Czech; nothing could be read (no answer can be given)
  std::vector<std::string> skipped;   // Czech; parts left out, each naming itself and why
};

class Corpus {
 public:
  virtual ~Corpus() = default;

  // The readable part of the index's file name ("bible-KJV"), and what tells two corpora
  // of that name apart (where their files lie).
  virtual std::string indexName() const = 0;
  virtual std::string identity() const = 0;

  // Changes whenever the documents might: the version, sizes and times of the files.
  virtual std::string fingerprint() const = 0;

  // Hands `take` the documents of `groups` (every group when empty) in the corpus's order,
  // until `take` returns false. Reports progress through `control` and stops when it is
  // cancelled.
  virtual Reading read(const std::vector<std::string>& groups, const std::function<bool(Document&&)>& take,
                       const BuildControl& control) = 0;
};

}  // namespace tavra::search
