#pragma once
// Searching a Bible: its verses, as --text prints them, in the search's full-text index (one
// per module, made on the module's first search and again when the module changes), within
// the whole Bible, one Testament or one book. See search/search.h for the query language and
// what happens when the index cannot be used. No toolkit.
//
// A window searches on a worker thread with a BuildControl of its own (progress and a
// cancel flag): the first search of a module makes its index, which takes seconds. The
// library is then the worker's alone until the search returns (BibleLibrary is not for
// two threads at once).

#include <string>
#include <string_view>
#include <vector>

#include "bible/core/bible_library.h"
#include "search/search.h"

namespace tavra::bible {

struct BibleScope {
  enum Kind { Whole, OldTestament, NewTestament, Book } kind = Whole;
  const BookInfo* book = nullptr;  // for Book
};

// "ot" or "sz" the Old Testament, "nt" or "nz" the New (any case), else a book as readers
// write it ("J", "Jan", "1. Kor"); false, with the Czech reason in `problem`, otherwise.
bool parseScope(std::string_view written, BibleScope& scope, std::string& problem);

struct FoundVerse {
  const BookInfo* book = nullptr;
  int chapter = 0;
  int verse = 0;
  std::string text;                  // as --text prints it
  std::vector<search::Span> spans;   // the found words in `text`
};

struct BibleSearch {
  search::Outcome outcome = search::Outcome::Failed;
  search::Source source = search::Source::None;
  std::vector<FoundVerse> verses;  // in the Bible's order
  std::string message;             // Czech: why nothing is listed
  std::vector<std::string> notes;  // Czech: how the answer was come by (e.g. without an index)
};

BibleSearch searchBible(const BibleLibrary& library, const BibleInfo& bible, std::string_view query,
                        const BibleScope& scope = {}, const search::BuildControl& control = {});

// A verse's place in the short notation that the viewer reads back: "J 3,16", "1K 13,4".
std::string shortReference(const BookInfo& book, int chapter, int verse);

// The file of the Bible's search index; "" when no cache folder is known.
std::string bibleIndexFile(const BibleLibrary& library, const BibleInfo& bible);

}  // namespace tavra::bible
