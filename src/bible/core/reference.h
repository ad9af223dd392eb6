#pragma once
// Czech Bible references as readers write them and as the readings index holds them:
// "J 3,16", "Mt 5,1-12" (with "-" or "–"), "Mk 1,1-8.14-15", "Mt 5,3-5; 6,9-10", "Ž 23",
// "J 20,30-21,2", half verses "5a" and "5b" read as verse 5, ":" accepted for ",". In a
// book of one chapter a number without a comma is a verse ("Ju 3").

#include <string>
#include <string_view>
#include <vector>

#include "bible/core/book_names.h"

namespace tavra::bible {

// One run of verses of one book. A verse of 0 means the chapter's first verse at the start
// and its last verse at the end.
struct VerseRange {
  const BookInfo* book = nullptr;
  int firstChapter = 0;
  int firstVerse = 0;
  int lastChapter = 0;
  int lastVerse = 0;

  bool operator==(const VerseRange&) const = default;
};

struct Reference {
  std::vector<VerseRange> ranges;
  // Czech, why the text is not a reference ("neznámá kniha „Xy“"); empty when it is one.
  std::string problem;

  bool ok() const { return problem.empty(); }
};

// A reference longer than this is refused: nobody writes one, and it bounds the work.
inline constexpr std::size_t MaxReferenceLength = 1000;

Reference parseReference(std::string_view utf8);

// The range as an OSIS reference of the Bible library: "John.3.16", "Matt.5.1-Matt.5.12",
// "Ps.23", "John.20.30-John.21.2".
std::string osisRef(const VerseRange& range);

}  // namespace tavra::bible
