#pragma once
// The line of a day from a Czech yearly-texts file, laid out as the printed book reads and
// narrow enough for the main window: every paragraph centred, a blank line between parts.
//
//   Neděle 3. ledna 2027                  the heading, bold; a named week under it, italics
//   2. neděle po Vánocích                 a Sunday's or feast's name, bold,
//   the week's watchword / its source     with its watchword and its source in italics
//   Heslo na rok 2027 / Heslo na měsíc leden   on 1 January and on the 1st, bold, with theirs
//   Hospodin praví: the first text ...    each text one paragraph: its introduction in
//   Izaiáš 44,8 K                         italics, emphasis bold, its source in italics below
//   the second text / its source
//   the hymn's lines, one a line,         stanzas apart, its source in italics below
//   1623 a commemoration                  each one a paragraph
//   Čtení: Lukáš 4,16-21 · Žalm 100       the readings; on Sundays and feasts also
//   Evangelium: ...                       Evangelium, Epištola, Starý zákon, Kázání, Žalm
//
// Text is Windows-1250 and escaped for RTF; a line is empty when the date has nothing to show.

#include <string>

#include "texts/losfile_xml.h"

namespace tavra::texts {

// The line of `date` in `year`; `day` is the date's entry, or null when it has none.
std::string composeLosDayLine(const LosYear& year, const Date& date, const LosDay* day);

}  // namespace tavra::texts
