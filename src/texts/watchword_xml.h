#pragma once
// The daily-watchword XML format in which yearly texts are published: one file a year,
// in UTF-8 or the encoding its declaration names, root FreeXml, one Losungen a day:
//
//   <Losungen>
//     <Datum>2027-01-03T00:00:00</Datum>
//     <Wtag>Sonntag</Wtag>                        the weekday in the file's language
//     <Sonntag>2. Sonntag nach dem Christfest</Sonntag>   empty on other days
//     <Losungstext>...</Losungstext> <Losungsvers>Psalm 23,1</Losungsvers>
//     <Lehrtext>...</Lehrtext> <Lehrtextvers>Johannes 10,11</Lehrtextvers>
//   </Losungen>
//
// The texts carry their marks in the notation of verse_markup.h. The file is read by the
// bounded reader of bounded_xml.h; a DTD named in DOCTYPE is refused.

#include <string>
#include <string_view>
#include <vector>

#include "texts/bounded_xml.h"
#include "texts/day_table.h"

namespace tavra::texts {

// The days of a file for `year` (0: the year of its first day), in the order of the file, each with the line of its
// Losungen as its row. Errors (UTF-8, in Czech) name the line, and the date where the
// fault is a day's; when there are any, nothing may be written. The parser's allocations
// stay within `memoryLimit`.
TableResult readWatchwordXml(std::string_view bytes, int year, std::size_t memoryLimit = kMaxXmlMemory);

// The file for the days that have a verse, in UTF-8. A verse whose own slashes or number
// signs would read back as marks cannot be written faithfully; it is named in `errors`.
std::string writeWatchwordXml(const std::vector<DayRow>& days, std::vector<std::string>& errors);

}  // namespace tavra::texts
