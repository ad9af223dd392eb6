#pragma once
// One day's line of a year file as tavra-texts writes it: the day's heading in bold, the
// Sunday's or feast's name under it where the day has one, then each verse with its
// reference in italics below it, all centred. Text is Windows-1250.
//
//   \pard\qc\b Středa 6. ledna 2027\b0\par\par TEXT1\line\i REF1\i0\par\par TEXT2\line\i REF2\i0
//   \pard\qc\b Neděle 3. ledna 2027\b0\line NAME\par\par\i Ježíš řekl:\i0  Já jsem \b dobrý\b0  pastýř...
//
// Inside a verse's text a speaker's introduction is in italics and emphasis in bold; a
// control word before text always ends with its blank, so the text's own blank follows it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"

namespace tavra::texts {

enum class Mark : std::uint8_t {
  Speaker,   // "Jesus spricht:", in italics
  Emphasis,  // in bold
};

// A marked stretch of a verse's text, in bytes of the text.
struct MarkedSpan {
  std::size_t begin = 0;
  std::size_t length = 0;
  Mark mark = Mark::Speaker;
  friend bool operator==(const MarkedSpan&, const MarkedSpan&) = default;
};

struct Verse {
  std::string text;
  std::string reference;  // may be empty: the verse is written without one
  // In the order of the text, none empty, none overlapping another or passing the end.
  std::vector<MarkedSpan> marks = {};
  friend bool operator==(const Verse&, const Verse&) = default;
};

struct DayVerses {
  std::optional<Verse> first;
  std::optional<Verse> second;  // only together with the first
  std::string sunday = {};      // the Sunday's or feast's name; empty on other days
  friend bool operator==(const DayVerses&, const DayVerses&) = default;
};

// "Středa 6. ledna 2027": the weekday, capitalised as a heading, and the long date.
std::string dayHeading(const Date& date);

// Backslashes and braces, the bytes that RTF gives a meaning, as their escapes.
std::string escapeRtf(std::string_view text);

// A verse's text after a control word: plain stretches after the blank that ends the word,
// marked ones between their switches.
void appendMarkedText(std::string& line, const Verse& verse);

// The line for a day; a day without verses gets an empty line (and no Sunday's name).
std::string composeDayLine(const Date& date, const DayVerses& verses);

// The verses of a line in exactly the layout composeDayLine writes for `date` (an empty
// line gives none); nullopt for any other line, with the reason in `why` (UTF-8).
std::optional<DayVerses> parseDayLine(std::string_view line, const Date& date, std::string& why);

}  // namespace tavra::texts
