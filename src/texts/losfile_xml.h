#pragma once
// The Czech yearly-texts XML format, read whole: one file a year, root LOSFILE.
//
//   <!DOCTYPE LOSFILE SYSTEM 'hes27.dtd' [ ]>             named, never opened
//   <LOSFILE year='2027'>
//     <HEAD>...</HEAD>                                     skipped
//     <YEAR y="2027"> watchword </YEAR>                    the year's watchword
//     <MONTH m="1"> watchword </MONTH>                     the month's; m="0" the year's again
//     <DAY d="3" m="1" type="sunday" name="..."> watchword </DAY>   a Sunday or feast;
//                                                          type="week": a named week
//     <LOSUNG d="3" m="1">
//       <OT>, <NT> text   <TT> hymn verse   <C> commemoration (any number)
//       <SR>, <CR> the daily readings; <Ev>, <Ep>, <AT>, <Pr>, <Bl> those of Sundays and feasts
//     </LOSUNG>
//   </LOSFILE>
//
// A text holds an introduction IL, lines L (with emphasis EM and inline text X) and its
// source SL; a reading holds its references in SL, two joined by " :: ". Other elements
// (S, TL, those of later versions) are skipped with what they hold. Blanks and line ends
// inside a text become one blank, and texts are trimmed.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"
#include "texts/bounded_xml.h"
#include "texts/day_line.h"

namespace tavra::texts {

// A text of the file in Windows-1250.
struct Passage {
  std::string introduction;        // IL: "Ježíš řekl:"
  std::vector<Verse> lines;        // L, each with its emphasis (Mark::Emphasis); no reference
  std::vector<std::string> sources;  // SL, a translation's mark kept ("Izaiáš 44,8 K")
  bool empty() const { return introduction.empty() && lines.empty() && sources.empty(); }
};

// The reading elements of a day, in the order the file's DTD names them.
enum class Reading : std::size_t { SR, CR, Ev, Ep, Pr, AT, Bl };
inline constexpr std::size_t kReadingCount = 7;
inline constexpr std::array<const char*, kReadingCount> kReadingElements = {"SR", "CR", "Ev", "Ep", "Pr", "AT", "Bl"};

struct NamedDay {
  bool week = false;  // a named week; otherwise a Sunday or feast
  std::string name;   // trimmed, Windows-1250
  Passage watchword;
};

struct LosDay {
  Date date;
  int line = 0;           // of its LOSUNG, or of its first DAY when it has none
  bool hasLosung = false;
  std::vector<NamedDay> named;  // its DAY elements, in the file's order
  std::optional<Passage> oldTestament, newTestament, hymn;
  std::vector<Passage> commemorations;
  // The references of each reading element, split at "::", trimmed, Windows-1250.
  std::array<std::vector<std::string>, kReadingCount> readings;
};

struct LosYear {
  int year = 0;
  std::optional<Passage> yearWatchword;                  // YEAR, else MONTH m="0"
  std::array<std::optional<Passage>, 13> monthWatchwords;  // [1..12]
  std::vector<LosDay> days;                              // in the order of the dates
};

struct LosResult {
  LosYear year;
  std::vector<std::string> errors;  // UTF-8, each naming its line; nothing may be written
};

// Whether the document's root element is LOSFILE; the format is known by its content.
bool isLosfile(std::string_view bytes);

// The year a file holds. `year` 0 takes the file's own (its LOSFILE's attribute year); a
// given year must agree with it. The parser's allocations stay within `memoryLimit`.
LosResult readLosfile(std::string_view bytes, int year, std::size_t memoryLimit = kMaxXmlMemory);

// Cteni1, Cteni2, Cteni3 (the first three of SR, CR, AT, Ep, Ev in this order) and
// Perikopa (Pr) of a day, as kReadingKeys names them.
std::array<std::string, 4> readingKeysOf(const LosDay& day);

}  // namespace tavra::texts
