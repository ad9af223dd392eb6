#pragma once
// The table from which tavra-texts makes a year's files: UTF-8, tab-separated, one row a
// day after a header row naming the columns
//   date  text1  ref1  text2  ref2  Cteni1  Cteni2  Cteni3  Perikopa
// in that order; the header may stop after any column from ref1 on, and an empty cell
// means none. Dates are written YYYY-MM-DD. A column Nedele, the Sunday's or feast's name
// shown under the day's heading, may stand anywhere after date.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"
#include "texts/day_line.h"

namespace tavra::texts {

inline constexpr std::array<const char*, 9> kTableColumns = {
    "date", "text1", "ref1", "text2", "ref2", "Cteni1", "Cteni2", "Cteni3", "Perikopa"};
inline constexpr const char* kSundayColumn = "Nedele";
// date, text1 and ref1 at least.
inline constexpr std::size_t kMinTableColumns = 3;
// The keys of "Cteni.js", in the order of the table's last four columns.
inline constexpr std::array<const char*, 4> kReadingKeys = {"Cteni1", "Cteni2", "Cteni3", "Perikopa"};

struct DayRow {
  Date date;
  int row = 0;  // line of the table, the header being line 1
  DayVerses verses;
  std::array<std::string, 4> readings;  // Windows-1250; empty = none
};

struct YearTable {
  int year = 0;
  std::vector<DayRow> days;        // in the order of the table
  std::vector<Date> daysWithoutText;  // days of the year that get an empty line, in order
};

struct TableResult {
  YearTable table;
  std::vector<std::string> errors;  // UTF-8, each naming its row; nothing may be written
};

// Reads a table for `year` (0: the year of its first day). Every problem is reported, not
// only the first.
TableResult parseTable(std::string_view utf8, int year);

// Fills `table.daysWithoutText` with the days of the year that have no verse in `table.days`.
void listDaysWithoutText(YearTable& table);

// UTF-8 text of a table's cell or an XML element in Windows-1250. False when a character
// cannot be written there, with the reason in `why` ("znak 3: „→“ (U+2192) nelze zapsat
// ve Windows-1250"); control characters are refused too.
bool windows1250Text(std::string_view utf8, std::string& out, std::string& why);

// "2027-01-06" as its year, month and day; false for another form (the date may not exist).
bool parseIsoDate(std::string_view text, int& year, int& month, int& day);

// A date as the table writes it, "2027-01-06".
std::string isoDate(const Date& date);

// The table of a year, all nine columns and Nedele after them where a day has a name, in
// UTF-8 with LF line ends. The verses' marks are not written: a table has no place for them.
std::string formatTable(const std::vector<DayRow>& days);

}  // namespace tavra::texts
