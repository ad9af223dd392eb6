#pragma once
// One day's line of a year file as tavra-texts writes it: the day's heading in bold, then
// each verse with its reference in italics below it, all centred. Text is Windows-1250.
//
//   \pard\qc\b Středa 6. ledna 2027\b0\par\par TEXT1\line\i REF1\i0\par\par TEXT2\line\i REF2\i0

#include <optional>
#include <string>
#include <string_view>

#include "platform/date_time.h"

namespace tavra::texts {

struct Verse {
  std::string text;
  std::string reference;  // may be empty: the verse is written without one
  friend bool operator==(const Verse&, const Verse&) = default;
};

struct DayVerses {
  std::optional<Verse> first;
  std::optional<Verse> second;  // only together with the first
  friend bool operator==(const DayVerses&, const DayVerses&) = default;
};

// "Středa 6. ledna 2027": the weekday, capitalised as a heading, and the long date.
std::string dayHeading(const Date& date);

// Backslashes and braces, the bytes that RTF gives a meaning, as their escapes.
std::string escapeRtf(std::string_view text);

// The line for a day; a day without verses gets an empty line.
std::string composeDayLine(const Date& date, const DayVerses& verses);

// The verses of a line in exactly the layout composeDayLine writes for `date` (an empty
// line gives none); nullopt for any other line, with the reason in `why` (UTF-8).
std::optional<DayVerses> parseDayLine(std::string_view line, const Date& date, std::string& why);

}  // namespace tavra::texts
