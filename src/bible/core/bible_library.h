#pragma once
// The Bibles installed on this machine, read through the Bible library (libsword): the
// modules it finds in the system's folder, the user's ~/.sword and SWORD_PATH. Only
// modules of Bible texts count. A passage comes out as plain text, verse by verse, without
// markup, notes, headings or Strong's numbers, each run of white space one blank.
// No toolkit; one thread at a time.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bible/core/reference.h"

namespace tavra::bible {

struct BibleInfo {
  std::string name;          // the module's name, the section of its configuration: "engKJV2006eb"
  std::string abbreviation;  // "KJV"; may be empty
  std::string language;      // "cs", "en"
  std::string description;   // "King James Version"

  // The abbreviation, or the name where there is none.
  const std::string& shortName() const { return abbreviation.empty() ? name : abbreviation; }
};

// Whether a module's language is Czech: "cs", "cs-CZ", "cs_CZ", "cze", "ces".
bool isCzech(std::string_view language);

struct Verse {
  const BookInfo* book = nullptr;
  int chapter = 0;
  int verse = 0;
  std::string text;        // UTF-8
  bool paragraph = false;  // the text marks the start of a paragraph here
};

struct Passage {
  enum Status { Ok, NotInBible, TooLong } status = NotInBible;
  std::vector<Verse> verses;
};

// A book as one Bible has it.
struct BookOfBible {
  const BookInfo* book = nullptr;
  int testament = 1;  // 1 the Old Testament (with the deuterocanonical books), 2 the New
  int chapters = 0;
};

// What tells a module's text from any other: where its files lie, and what changes when
// the module is replaced or updated: its configuration (its version among it) and the
// names, sizes and times of its files.
struct ModuleStamp {
  std::string place;
  std::string state;
};

// More verses than this in one passage are refused, so that no reference holds the whole
// Bible in memory (the Psalms have 2461 verses).
inline constexpr std::size_t MaxPassageVerses = 5000;

class BibleLibrary {
 public:
  // The modules libsword finds on this machine.
  BibleLibrary();
  // The modules of one SWORD folder alone (its mods.d and modules), whatever the machine
  // and the home hold; "" for the modules libsword finds.
  explicit BibleLibrary(std::string folder);
  ~BibleLibrary();
  BibleLibrary(const BibleLibrary&) = delete;
  BibleLibrary& operator=(const BibleLibrary&) = delete;

  // Finds the modules again (after an installation).
  void reload();

  // The one folder of the library; "" when libsword finds the modules (the default).
  // BibleLibrary(folder()) is the same library again, for another thread.
  const std::string& folder() const;

  // The Bibles, in the order of their names.
  const std::vector<BibleInfo>& bibles() const;

  // A Bible by its name or abbreviation, without regard to ASCII case; the name first.
  const BibleInfo* find(std::string_view nameOrAbbreviation) const;

  // `remembered` when it is installed, else the first Czech Bible, else the first one;
  // nullptr when there is none.
  const BibleInfo* choose(std::string_view remembered) const;

  // The verses of the ranges in turn. A range the Bible lacks (a book it does not hold, a
  // chapter or first verse beyond the book's) makes the whole passage NotInBible; a last
  // verse beyond its chapter's end reads to the end.
  Passage read(const BibleInfo& bible, const std::vector<VerseRange>& ranges) const;

  // The number of chapters of `book` in the Bible's versification; 0 when it has no such book.
  int chapterCount(const BibleInfo& bible, const BookInfo& book) const;

  // Moves `book` and `chapter` `step` chapters on (+1 or -1) in the Bible's order of books;
  // false, leaving them, at either end.
  bool stepChapter(const BibleInfo& bible, const BookInfo*& book, int& chapter, int step) const;

  // The books of the Bible's versification that the book table knows, in the Bible's order.
  std::vector<BookOfBible> books(const BibleInfo& bible) const;

  ModuleStamp stamp(const BibleInfo& bible) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Collapses each run of white space to one blank and trims the ends; drops paragraph
// signs, telling whether the text began with one.
std::string plainVerseText(std::string_view rendered, bool* paragraph = nullptr);

}  // namespace tavra::bible
