#pragma once
// What the viewer's window shows, as an HTML document for the engine (UTF-8, declared by
// its META) and as the plain text that is copied: a heading, the Bible's name under it, and
// the verses with their numbers; or a message instead of verses. In a whole chapter the
// verses of the passage are marked, and the document's anchor "passage" stands before them.

#include <string>
#include <vector>

#include "bible/core/bible_library.h"

namespace tavra::bible {

struct Page {
  std::string heading;       // "Mt 5,1-12", "Matouš 6"
  std::string bible;         // "King James Version (KJV)"
  std::vector<Verse> verses;
  std::vector<bool> marked;  // beside `verses`; empty when nothing is marked
  std::string message;       // Czech; shown above the verses, or alone
};

inline constexpr const char* PassageAnchor = "passage";

std::string pageHtml(const Page& page);

// The heading with the Bible's short name, then a verse a line: "5 text", or "20,30 text"
// when the verses span more than one chapter.
std::string pageText(const Page& page, const std::string& bibleShortName);

// A verse's place as readers write it: "Matouš 5".
std::string chapterName(const BookInfo& book, int chapter);

}  // namespace tavra::bible
