#pragma once
// The table from which tavra-texts makes a year's files: UTF-8, tab-separated, one row a
// day after a header row naming the columns
//   date  text1  ref1  text2  ref2  Cteni1  Cteni2  Cteni3  Perikopa
// in that order; the header may stop after any column from ref1 on, and an empty cell
// means none. Dates are written YYYY-MM-DD.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"
#include "texts/day_line.h"

namespace tavra::texts {

inline constexpr std::array<const char*, 9> kTableColumns = {
    "date", "text1", "ref1", "text2", "ref2", "Cteni1", "Cteni2", "Cteni3", "Perikopa"};
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

// Reads a table for `year`. Every problem is reported, not only the first.
TableResult parseTable(std::string_view utf8, int year);

// A date as the table writes it, "2027-01-06".
std::string isoDate(const Date& date);

// The table of a year, all nine columns, in UTF-8 with LF line ends.
std::string formatTable(const std::vector<DayRow>& days);

}  // namespace tavra::texts
