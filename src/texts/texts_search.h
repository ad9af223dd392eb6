#pragma once
// Searching the daily texts of every year in a Tavra folder: each day's verses with their
// references and the Sunday's name, as its year file ("TAVRA<Y>.RTF", "TAVRA99.RTF") holds
// them, and its readings from "Cteni.js", by the rules of search/search.h (its own index in
// the cache folder, made again when a year file or the readings change). No toolkit; a
// window searches on a worker thread with a BuildControl of its own.

#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"
#include "search/search.h"

namespace tavra::texts {

struct FoundDay {
  Date date;
  std::string excerpt;               // UTF-8: the line of the day's text with the first found
                                     // word, from its start (or "…" shortly before the word),
                                     // at most kExcerptCharacters, "…" where cut
  std::vector<search::Span> spans;   // the found words in `excerpt`
};

inline constexpr std::size_t kExcerptCharacters = 100;

struct DaysSearch {
  search::Outcome outcome = search::Outcome::Failed;
  search::Source source = search::Source::None;
  std::vector<FoundDay> days;      // in the order of the calendar
  std::string message;             // Czech: why nothing is listed
  std::vector<std::string> notes;  // Czech: how the answer was come by, years left out
};

// `folder` is Tavra's folder, with or without its trailing separator.
DaysSearch searchDays(const std::string& folder, std::string_view query, const search::BuildControl& control = {});

// The file of the folder's search index; "" when no cache folder is known.
std::string daysIndexFile(const std::string& folder);

// The searchable text of a day's line of its year file, a line each: the verses and their
// references, the Sunday's name; the day's heading left out. With the day's readings
// (Windows-1250, as "Cteni.js" holds them) after it. UTF-8.
std::string dayText(std::string_view line, const Date& date, const std::vector<std::string>& readings);

}  // namespace tavra::texts
